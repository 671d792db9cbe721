#!/usr/bin/env bash
# Makes the release packages in OUTPUT_DIR (default build-packages):
#   qdconv_VERSION_amd64.deb  for Debian and Ubuntu, from debian/ with
#                             dpkg-buildpackage: qdconv and qdtext in
#                             /usr/bin, their manual pages, the user guide,
#                             the README and the example;
#   qdconv-web_VERSION_all.deb  the web page in /usr/share/qdconv;
#   qdconv-VERSION-win64.zip  for Windows: qdconv.exe, qdtext.exe, the web
#                             page, the user guide as README.txt, LICENSE.txt
#                             and the example question file, as text files
#                             with CR LF line ends.
# Installs what it needs when it is missing (as root, on a Debian-like
# machine).
#   scripts/package.sh [OUTPUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
output=${1:-build-packages}

missing=()
command -v cmake > /dev/null || missing+=(cmake)
command -v g++ > /dev/null || missing+=(g++)
command -v x86_64-w64-mingw32-g++ > /dev/null || missing+=(g++-mingw-w64-x86-64)
command -v dpkg-buildpackage > /dev/null || missing+=(dpkg-dev)
command -v dh > /dev/null || missing+=(debhelper)
# The Debian build runs the tests.
[ -e /usr/include/gtest/gtest.h ] || missing+=(libgtest-dev)
perl -MPalm::PDB -e 1 2> /dev/null || missing+=(libpalm-perl)
bash scripts/install_packages.sh ${missing[@]+"${missing[@]}"}

bash scripts/build_web.sh "$output/web"
cmake -S . -B "$output/windows" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DQDCONV_WEB_PAGE="$PWD/$output/web/qdconv.html"
cmake --build "$output/windows" -j "$(nproc)"
cpack --config "$output/windows/CPackConfig.cmake" -B "$output/windows/packages"
# dpkg-buildpackage writes beside the source: build a copy in OUTPUT_DIR.
rm -rf "$output/debian-source"
mkdir -p "$output/debian-source/qdconv"
tar --exclude='./build*' --exclude=./.git -cf - . | tar -xf - -C "$output/debian-source/qdconv"
(cd "$output/debian-source/qdconv" && dpkg-buildpackage -us -uc -b)
cp "$output"/debian-source/qdconv_*_amd64.deb "$output"/debian-source/qdconv-web_*_all.deb \
  "$output"/windows/packages/*.zip "$output/"
ls -l "$output"/qdconv_*_amd64.deb "$output"/qdconv-web_*_all.deb "$output"/*.zip
