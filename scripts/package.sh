#!/usr/bin/env bash
# Makes the release packages in OUTPUT_DIR (default build-packages):
#   qdconv_VERSION_amd64.deb  for Debian and Ubuntu: qdconv and qdtext in
#                             /usr/bin, their manual pages, the README, and
#                             the web page in /usr/share/qdconv;
#   qdconv-VERSION-win64.zip  for Windows: qdconv.exe, qdtext.exe, the web
#                             page, README.txt and the example question
#                             file, as text files with CR LF line ends.
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
command -v dpkg-shlibdeps > /dev/null || missing+=(dpkg-dev)
bash scripts/install_packages.sh ${missing[@]+"${missing[@]}"}

bash scripts/build_web.sh "$output/web"
page=-DQDCONV_WEB_PAGE="$PWD/$output/web/qdconv.html"
cmake -S . -B "$output/linux" -DQDCONV_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=Release "$page"
cmake --build "$output/linux" -j "$(nproc)"
cmake -S . -B "$output/windows" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake "$page"
cmake --build "$output/windows" -j "$(nproc)"
cpack --config "$output/linux/CPackConfig.cmake" -B "$output/linux/packages"
cpack --config "$output/windows/CPackConfig.cmake" -B "$output/windows/packages"
cp "$output"/linux/packages/*.deb "$output"/windows/packages/*.zip "$output/"
ls -l "$output"/*.deb "$output"/*.zip
