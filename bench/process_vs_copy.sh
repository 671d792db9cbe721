#!/usr/bin/env bash
# The whole converter process, start-up included, against a plain cp of the
# same question file (3000 record lines of 200 bytes), and its peak resident
# memory at 10 and at 3000 records (medians of 21 runs).
#   bench/process_vs_copy.sh [QDCONV] [RUNS]
set -euo pipefail
qdconv=$(realpath "${1:-build/qdconv}")
runs=${2:-500}
folder=$(mktemp -d /tmp/qdconvbenchXXXXXX)  # no '.': the database path cuts there
trap 'rm -rf "$folder"' EXIT

write_question_file() {  # LINES PATH
  { echo Benchmark; for ((i = 0; i < $1; i++)); do printf '%0200d\n' "$i"; done; } |
    head -c -1 > "$2"
}
write_question_file 3000 "$folder/large.txt"
write_question_file 10 "$folder/small.txt"

microseconds_per_run() {  # COMMAND...
  local start end
  start=$(date +%s%N)
  for ((i = 0; i < runs; i++)); do "$@" < /dev/null > /dev/null; done
  end=$(date +%s%N)
  echo $(((end - start) / runs / 1000))
}
microseconds_per_run "$qdconv" "$folder/large.txt" > /dev/null  # warm the caches
convert=$(microseconds_per_run "$qdconv" "$folder/large.txt")
copy=$(microseconds_per_run cp "$folder/large.txt" "$folder/copy.txt")
echo "qdconv: $convert us per run, cp: $copy us per run," \
  "ratio $(awk "BEGIN { printf \"%.2f\", $convert / $copy }")"

# A single reading varies by a few hundred KiB from run to run: take the
# median of 21.
peak_kib() {
  for ((i = 0; i < 21; i++)); do
    /usr/bin/time -f %M "$qdconv" "$1" < /dev/null 2>&1 > /dev/null | tail -n 1
  done | sort -n | sed -n 11p
}
small=$(peak_kib "$folder/small.txt")
large=$(peak_kib "$folder/large.txt")
echo "peak resident memory: $small KiB at 10 records, $large KiB at 3000 records," \
  "difference $((large - small)) KiB"
