#!/usr/bin/env bash
# Builds the converter and every test in a build folder, then runs the tests.
#   scripts/test.sh [BUILD_DIR] [CMAKE_OPTION...]
# Installs what the build and the tests need when it is missing (as root, on
# a Debian-like machine): cmake, g++, GoogleTest, and perl's Palm::PDB.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
shift || true

missing=()
command -v cmake > /dev/null || missing+=(cmake)
command -v g++ > /dev/null || missing+=(g++)
[ -e /usr/include/gtest/gtest.h ] || missing+=(libgtest-dev)
perl -MPalm::PDB -e 1 2> /dev/null || missing+=(libpalm-perl)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" > /dev/null
fi

cmake -S . -B "$build_dir" -DQDCONV_BUILD_TESTS=ON "$@"
cmake --build "$build_dir" -j "$(nproc)"
ctest --test-dir "$build_dir" -j "$(nproc)" --output-on-failure
