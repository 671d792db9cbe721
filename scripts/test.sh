#!/usr/bin/env bash
# Builds the programs and every test in a build folder, then runs the tests:
# against the native build, against the Windows build (BUILD_DIR/windows,
# cross-compiled with MinGW-w64) under Wine, and the web page
# (BUILD_DIR/web/qdconv.html, scripts/build_web.sh) in headless Chromium.
#   scripts/test.sh [BUILD_DIR] [CMAKE_OPTION...]
# QDCONV_NO_WINDOWS=1 leaves the Windows build and its run out,
# QDCONV_NO_WEB=1 the web page.
# Installs what the build and the tests need when it is missing (the word
# lists of the 8-bit text corpus and the locales included; as root, on
# a Debian-like machine).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
shift || true
windows=$([ "${QDCONV_NO_WINDOWS:-}" = 1 ] && echo no || echo yes)
web=$([ "${QDCONV_NO_WEB:-}" = 1 ] && echo no || echo yes)

missing=()
command -v cmake > /dev/null || missing+=(cmake)
command -v g++ > /dev/null || missing+=(g++)
[ -e /usr/include/gtest/gtest.h ] || missing+=(libgtest-dev)
[ -e /usr/include/benchmark/benchmark.h ] || missing+=(libbenchmark-dev)
perl -MPalm::PDB -e 1 2> /dev/null || missing+=(libpalm-perl)
# The package tests.
command -v dpkg-shlibdeps > /dev/null || missing+=(dpkg-dev)
command -v dh > /dev/null || missing+=(debhelper)
command -v lintian > /dev/null || missing+=(lintian)
command -v man > /dev/null || missing+=(man-db)
command -v groff > /dev/null || missing+=(groff-base)
command -v unzip > /dev/null || missing+=(unzip)
# The word lists that the 8-bit text corpus is made of.
for list in wfrench:dict/french wngerman:dict/ngerman wspanish:dict/spanish \
  witalian:dict/italian wportuguese:dict/portuguese wdutch:dict/dutch \
  wswedish:dict/swedish wdanish:dict/danish wnorwegian:dict/norsk wcatalan:dict/catalan \
  wamerican:dict/american-english wpolish:dict/polish wukrainian:dict/ukrainian \
  wbulgarian:dict/bulgarian hunspell-cs:hunspell/cs_CZ.dic hunspell-sk:hunspell/sk_SK.dic \
  hunspell-hu:hunspell/hu_HU.dic hunspell-sl:hunspell/sl_SI.dic \
  hunspell-hr:hunspell/hr_HR.dic hunspell-ro:hunspell/ro_RO.dic \
  hunspell-ru:hunspell/ru_RU.dic hunspell-el:hunspell/el_GR.dic \
  hunspell-tr:hunspell/tr_TR.dic hunspell-lt:hunspell/lt_LT.dic \
  hunspell-is:hunspell/is_IS.dic hunspell-lv:hunspell/lv_LV.dic \
  myspell-et:hunspell/et_EE.dic hunspell-bs:hunspell/bs_BA.dic myspell-sq:hunspell/sq_AL.dic; do
  [ -e "/usr/share/${list#*:}" ] || missing+=("${list%%:*}")
done
# Locales, for Wine to run as a Windows of another language.
[ -e /usr/lib/locale/pl_PL.utf8 ] || missing+=(locales-all)
if [ "$windows" = yes ]; then
  command -v x86_64-w64-mingw32-g++ > /dev/null || missing+=(g++-mingw-w64-x86-64)
  command -v wine > /dev/null || missing+=(wine)
  [ -e /usr/lib/wine/wine64 ] || missing+=(wine64)
fi
if [ "$web" = yes ]; then
  command -v chromium > /dev/null || missing+=(chromium)
  command -v chromedriver > /dev/null || missing+=(chromium-driver)
  /usr/bin/python3 -c 'import selenium' 2> /dev/null || missing+=(python3-selenium)
  command -v npm > /dev/null || missing+=(npm)
fi
bash scripts/install_packages.sh ${missing[@]+"${missing[@]}"}

options=()
if [ "$web" = yes ]; then
  bash scripts/build_web.sh "$build_dir/web" "$@"
  options+=(-DQDCONV_WEB_PAGE="$PWD/$build_dir/web/qdconv.html")
  # axe-core, at the version and checksum tests/web/package-lock.json records.
  mkdir -p "$build_dir/npm"
  cp tests/web/package.json tests/web/package-lock.json "$build_dir/npm/"
  npm ci --prefix "$build_dir/npm" --no-audit --no-fund > /dev/null
  options+=(-DQDCONV_AXE_SCRIPT="$PWD/$build_dir/npm/node_modules/axe-core/axe.min.js")
fi
if [ "$windows" = yes ]; then
  cmake -S . -B "$build_dir/windows" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    ${options[@]+"${options[@]}"} "$@"
  cmake --build "$build_dir/windows" -j "$(nproc)"
  options+=(-DQDCONV_WINDOWS_EXE="$PWD/$build_dir/windows/qdconv.exe")
  # The file system seam's tests, built for Windows too.
  cmake -S . -B "$build_dir/windows-tests" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-tests.cmake \
    -DQDCONV_BUILD_TESTS=ON "$@"
  cmake --build "$build_dir/windows-tests" -j "$(nproc)" --target qdconv_files_tests \
    qdconv_console_tests
  options+=(-DQDCONV_WINDOWS_FILES_TESTS="$PWD/$build_dir/windows-tests/tests/qdconv_files_tests.exe")
fi
cmake -S . -B "$build_dir" -DQDCONV_BUILD_TESTS=ON ${options[@]+"${options[@]}"} "$@"
cmake --build "$build_dir" -j "$(nproc)"

if [ "$windows" = yes ]; then
  # One persistent Wine session for the whole run, its processes cut off from
  # every pipe the tests are read through.
  export WINEPREFIX="$PWD/$build_dir/wine-prefix" WINEDEBUG=-all LC_ALL=C.UTF-8
  mkdir -p "$WINEPREFIX"
  wineserver -p < /dev/null > /dev/null 2>&1 || true  # 2: one runs already
  trap 'wineserver -k < /dev/null > /dev/null 2>&1 || true' EXIT
  setarch -R wineboot -i < /dev/null > /dev/null 2>&1  # see kWineCommand in the tests
fi
ctest --test-dir "$build_dir" -j "$(nproc)" --output-on-failure
