#!/usr/bin/env bash
# Builds the libFuzzer target with clang and runs it for SECONDS (default 120)
# on a corpus kept in BUILD_DIR/corpus, seeded from tests/fuzz/seeds.
#   scripts/fuzz.sh [SECONDS] [BUILD_DIR]
# Exits non-zero when it finds a fault; the input that shows it is written to
# BUILD_DIR as crash-*. Installs clang and its runtime when missing (as root).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-120}
build_dir=${2:-build-fuzz}

missing=()
command -v clang++ > /dev/null || missing+=(clang)
[ -n "$(find /usr/lib/llvm-*/lib/clang -name 'libclang_rt.fuzzer*.a' 2> /dev/null)" ] ||
  missing+=(libclang-rt-14-dev)
bash scripts/install_packages.sh ${missing[@]+"${missing[@]}"}

CXX=clang++ cmake -S . -B "$build_dir" -DQDCONV_FUZZ=ON -DQDCONV_WARNINGS_AS_ERRORS=ON
cmake --build "$build_dir" -j "$(nproc)" --target qdconv_fuzz
mkdir -p "$build_dir/corpus"
"$build_dir/qdconv_fuzz" "$build_dir/corpus" tests/fuzz/seeds \
  -dict=tests/fuzz/question_file.dict -max_len=20000 -max_total_time="$seconds" \
  -artifact_prefix="$build_dir/" -print_final_stats=1
