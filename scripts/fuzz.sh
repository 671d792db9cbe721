#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for half of SECONDS
# (default 120): question_file_fuzzer (any bytes as a question file, through
# the conversion) and database_fuzzer (any bytes as a database, through the
# way back and the conversion again). Corpora are kept in
# BUILD_DIR/corpus/TARGET, seeded from tests/fuzz/TARGET_seeds.
#   scripts/fuzz.sh [SECONDS] [BUILD_DIR]
# Exits non-zero when it finds a fault; the input that shows it is written to
# BUILD_DIR as crash-* (or timeout-*). Installs clang and its runtime when
# missing (as root).
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
cmake --build "$build_dir" -j "$(nproc)" --target question_file_fuzzer database_fuzzer
run() {  # TARGET SEEDS DICTIONARY_OPTION...
  local target=$1 seeds=$2
  shift 2
  mkdir -p "$build_dir/corpus/$target"
  "$build_dir/$target" "$build_dir/corpus/$target" "$seeds" "$@" -max_len=20000 \
    -max_total_time="$((seconds / 2))" -timeout=10 -artifact_prefix="$build_dir/" \
    -print_final_stats=1
}
run question_file_fuzzer tests/fuzz/question_seeds -dict=tests/fuzz/question_file.dict
run database_fuzzer tests/fuzz/database_seeds -dict=tests/fuzz/database.dict
