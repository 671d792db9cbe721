#!/usr/bin/env bash
# Builds the web page: BUILD_DIR/qdconv.html (default build-web), one
# self-contained file with the conversion and the way back compiled to
# WebAssembly (Emscripten) inside, which works opened straight from disk,
# offline. Installs Emscripten and what its optimizer needs when missing (as
# root, on a Debian-like machine), unless QDCONV_INSTALL_MISSING=no, which
# stops with their names instead (a package build).
#   scripts/build_web.sh [BUILD_DIR] [CMAKE_OPTION...]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-web}
shift || true

missing=()
command -v emcc > /dev/null || missing+=(emscripten)
[ -e /usr/share/nodejs/acorn/package.json ] || missing+=(node-acorn)
if [ "${QDCONV_INSTALL_MISSING:-}" = no ] && [ ${#missing[@]} -gt 0 ]; then
  echo "missing: ${missing[*]}" >&2
  exit 1
fi
bash scripts/install_packages.sh ${missing[@]+"${missing[@]}"}
# Debian's packages of Node.js modules live here, where a Node.js from
# elsewhere does not look by itself.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

emcmake cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release "$@" > /dev/null
cmake --build "$build_dir" -j "$(nproc)"
perl web/assemble_page.pl web/qdconv.html web/page.css "$build_dir/qdconv_web.wasm" \
  "$build_dir/qdconv_web.js" web/page_texts.js web/page_zip.js web/page.js > "$build_dir/qdconv.html"
echo "$build_dir/qdconv.html: $(stat -c %s "$build_dir/qdconv.html") bytes"
