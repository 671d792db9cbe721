#!/usr/bin/env bash
# Builds the Windows zip from the Windows BUILD_DIR and checks it: it holds
# exactly the listed files, its text files have CR LF line ends, its README is
# the user guide with no Markdown fence or table line, the licence is there,
# and the qdconv.exe in it converts the bundled example under Wine to the
# expected database.
#   check_windows_zip.sh BUILD_DIR SOURCE_DIR [WEB_PAGE]
set -euo pipefail
build_dir=$1
source_dir=$2
page=${3:-}  # the web page the package holds too, if any
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

"${CPACK:-cpack}" --config "$build_dir/CPackConfig.cmake" -G ZIP -B "$scratch/package" > /dev/null
zip=$(ls "$scratch"/package/qdconv-*-win64.zip)
folder=$(basename "$zip" .zip)
expected="$folder/LICENSE.txt
$folder/README.txt
$folder/capitals.txt
$folder/qdconv.exe
$folder/qdtext.exe"
[ -z "$page" ] || expected=$(printf '%s\n%s' "$expected" "$folder/qdconv.html" | sort)
contents=$(unzip -Z1 "$zip" | sort)
[ "$contents" = "$expected" ] || { echo "unexpected contents:"; echo "$contents"; exit 1; }

unzip -q "$zip" -d "$scratch/unpacked"
for text in README.txt LICENSE.txt capitals.txt; do
  lone=$(perl -ne 'print "$.\n" if /(?<!\r)\n/' "$scratch/unpacked/$folder/$text")
  [ -z "$lone" ] || { echo "$text: lines without CR LF: $lone"; exit 1; }
done

! grep -n -e '^```' -e '^|' "$scratch/unpacked/$folder/README.txt" ||
  { echo "README.txt holds Markdown a text editor shows as is"; exit 1; }
grep -q "MIT License" "$scratch/unpacked/$folder/LICENSE.txt"

# Address space randomization off: see kWineCommand in converter_process.h.
(cd "$scratch/unpacked/$folder" && env WINEDEBUG=-all setarch -R wine qdconv.exe capitals.txt \
  < /dev/null > /dev/null)
perl -ne 's/#.*//; print map { chr hex } split' "$source_dir/tests/fixtures/example.pdb.hex" \
  > "$scratch/expected.pdb"
cmp "$scratch/unpacked/$folder/capitals.pdb" "$scratch/expected.pdb"
[ -z "$page" ] || cmp "$scratch/unpacked/$folder/qdconv.html" "$page"
echo "Windows zip $(basename "$zip") checked"
