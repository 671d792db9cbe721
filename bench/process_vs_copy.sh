#!/usr/bin/env bash
# The whole converter process, start-up included, against the I/O that no
# conversion avoids, in two floors: snapshot_floor, the I/O of a conversion
# that holds its question file (read whole into one buffer, as many bytes
# as the database has written from it to a temporary file, flushed to the
# disk, renamed over the database, the folder flushed, as the converter
# does), and io_floor, the same I/O through a 64 KiB block (also timed
# without the flushes, which tells what they cost); and against a plain cp
# of the same question file (which copies inside the kernel, touching no
# memory of its own: no fair floor for a converter, shown for scale). On
# 3000 record lines of 200 characters in ASCII and in UTF-8 (an accented
# letter in every sixteen, and every letter accented): medians of RUNS
# times (at least 200), of the minor page faults (a steady figure where the
# time moves with the machine's load) and, at 10 and at 3000 records, the
# converter's peak resident memory (exact, by peak_memory, built beside the
# floors: the kernel's own figure moves in steps of up to 128 KiB). Runs of the commands alternate, so that
# drift in the machine's speed falls on all alike. Each command writes a new
# file; the converter is timed once more replacing its last database, which
# costs more on file systems that start writing a file back when it is
# renamed over another (ext4).
#   [QDCONV_BENCH_DIR=FOLDER] bench/process_vs_copy.sh [QDCONV] [IO_FLOOR] [RUNS] [SNAPSHOT_FLOOR]
# FOLDER (default /tmp) is where the files are written: a USB stick there
# shows what the flushes cost on one.
set -euo pipefail
qdconv=$(realpath "${1:-build/qdconv}")
io_floor=$(realpath "${2:-build/bench/io_floor}")
runs=${3:-500}
snapshot_floor=$(realpath "${4:-$(dirname "$io_floor")/snapshot_floor}")
peak_memory=$(dirname "$snapshot_floor")/peak_memory
[ "$runs" -ge 200 ] || { echo "at least 200 runs" >&2; exit 2; }
folder=$(mktemp -d "${QDCONV_BENCH_DIR:-/tmp}/qdconvbenchXXXXXX")
trap 'rm -rf "$folder"' EXIT

write_question_file() {  # LINES ACCENTED_EVERY PATH (0: none accented)
  python3 - "$@" <<'PYTHON'
import sys
lines, every, path = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
text = ["Benchmark"]
for line in range(lines):
    text.append("".join("\u00e9" if every and i % every == 0 else chr(33 + (line + i) % 90)
                        for i in range(200)))
open(path, "wb").write("\n".join(text).encode("utf-8"))
PYTHON
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

microseconds() {  # COMMAND...: the time of one run
  local start=${EPOCHREALTIME/[.,]/}
  "$@" < /dev/null > /dev/null 2>&1
  local end=${EPOCHREALTIME/[.,]/}
  echo $((end - start))
}

for encoding in ASCII UTF-8-1-in-16 UTF-8-all-accented; do
  case $encoding in
    ASCII) every=0 ;;
    UTF-8-1-in-16) every=16 ;;
    *) every=1 ;;
  esac
  write_question_file 3000 "$every" "$folder/large.txt"
  write_question_file 10 "$every" "$folder/small.txt"
  database_size=$((80 + 25 * 3000 + 200 * 3000))
  "$qdconv" "$folder/large.txt" < /dev/null > /dev/null 2>&1  # warm the caches
  [ "$(stat -c %s "$folder/large.pdb")" = "$database_size" ] || { echo "unexpected database"; exit 1; }
  for name in qdconv replacing snapshot floor unflushed cp; do : > "$folder/$name.times"; done
  for ((i = 0; i < runs; i++)); do
    rm -f "$folder/large.pdb" "$folder/snapshot.pdb" "$folder/floor.pdb" \
      "$folder/unflushed.pdb" "$folder/copy.txt"
    microseconds "$qdconv" "$folder/large.txt" >> "$folder/qdconv.times"
    microseconds "$qdconv" "$folder/large.txt" >> "$folder/replacing.times"
    microseconds "$snapshot_floor" "$folder/large.txt" "$folder/snapshot.pdb" "$database_size" \
      >> "$folder/snapshot.times"
    microseconds "$io_floor" "$folder/large.txt" "$folder/floor.pdb" "$database_size" flush \
      >> "$folder/floor.times"
    microseconds "$io_floor" "$folder/large.txt" "$folder/unflushed.pdb" "$database_size" \
      >> "$folder/unflushed.times"
    microseconds cp "$folder/large.txt" "$folder/copy.txt" >> "$folder/cp.times"
  done
  convert=$(median < "$folder/qdconv.times")
  replacing=$(median < "$folder/replacing.times")
  snapshot=$(median < "$folder/snapshot.times")
  floor=$(median < "$folder/floor.times")
  unflushed=$(median < "$folder/unflushed.times")
  copy=$(median < "$folder/cp.times")
  ratio() { awk "BEGIN { printf \"%.2f\", $1 / $2 }"; }
  echo "$encoding: qdconv $convert us ($replacing us replacing its database)," \
    "snapshot floor $snapshot us, block floor $floor us ($unflushed us without the" \
    "flushes, which cost $((floor - unflushed)) us), cp $copy us (medians of $runs);" \
    "qdconv / snapshot floor $(ratio "$convert" "$snapshot")," \
    "qdconv / block floor $(ratio "$convert" "$floor"), qdconv / cp $(ratio "$convert" "$copy")"

  faults() {  # COMMAND...: the median of the minor page faults of 41 runs
    for ((i = 0; i < 41; i++)); do
      rm -f "$folder/faults.pdb" "$folder/large.pdb" "$folder/faults.txt"
      /usr/bin/time -f %R "$@" < /dev/null 2>&1 > /dev/null | tail -n 1
    done | median
  }
  qdconv_faults=$(faults "$qdconv" "$folder/large.txt")
  snapshot_faults=$(faults "$snapshot_floor" "$folder/large.txt" "$folder/faults.pdb" \
    "$database_size")
  floor_faults=$(faults "$io_floor" "$folder/large.txt" "$folder/faults.pdb" "$database_size" flush)
  cp_faults=$(faults cp "$folder/large.txt" "$folder/faults.txt")
  echo "$encoding: minor page faults: qdconv $qdconv_faults, snapshot floor $snapshot_faults," \
    "block floor $floor_faults, cp $cp_faults; qdconv / snapshot floor" \
    "$(ratio "$qdconv_faults" "$snapshot_faults")"

  peak_kib() { "$peak_memory" "$qdconv" "$1"; }
  small=$(peak_kib "$folder/small.txt")
  large=$(peak_kib "$folder/large.txt")
  echo "$encoding: peak resident memory $small KiB at 10 records, $large KiB at 3000" \
    "records, difference $((large - small)) KiB"
done
