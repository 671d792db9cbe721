#!/usr/bin/env bash
# Builds the Debian package from BUILD_DIR and checks it: lintian finds no
# error, it holds exactly the listed files, the unpacked programs need only the
# C library and convert the bundled example to the expected database and
# back, and the manual pages render without a warning.
#   check_debian_package.sh BUILD_DIR SOURCE_DIR [WEB_PAGE]
set -euo pipefail
build_dir=$1
source_dir=$2
page=${3:-}  # the web page the package holds too, if any
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

"${CPACK:-cpack}" --config "$build_dir/CPackConfig.cmake" -G DEB -B "$scratch/package" > /dev/null
package=$(ls "$scratch"/package/qdconv_*.deb)
lintian --fail-on error "$package"

expected="./usr/
./usr/bin/
./usr/bin/qdconv
./usr/bin/qdtext
./usr/share/
./usr/share/doc/
./usr/share/doc/qdconv/
./usr/share/doc/qdconv/README.md.gz
./usr/share/doc/qdconv/changelog.gz
./usr/share/doc/qdconv/copyright
./usr/share/man/
./usr/share/man/man1/
./usr/share/man/man1/qdconv.1.gz
./usr/share/man/man1/qdtext.1.gz"
if [ -n "$page" ]; then
  expected=$(printf '%s\n./usr/share/qdconv/\n./usr/share/qdconv/qdconv.html' "$expected" | sort)
fi
contents=$(dpkg-deb --contents "$package" | awk '{ print $6 }' | sort)
[ "$contents" = "$expected" ] || { echo "unexpected contents:"; echo "$contents"; exit 1; }
[ "$(dpkg-deb -f "$package" Depends)" != "" ] || { echo "no Depends"; exit 1; }

dpkg-deb -x "$package" "$scratch/root"
for program in qdconv qdtext; do
  needed=$(readelf -d "$scratch/root/usr/bin/$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' | sort)
  [ "$needed" = "$(printf 'ld-linux-x86-64.so.2\nlibc.so.6')" ] ||
    { echo "$program needs more than the C library: $needed"; exit 1; }
done
mkdir "$scratch/work"
cp "$source_dir/examples/capitals.txt" "$scratch/work/"
(cd "$scratch/work" && "$scratch/root/usr/bin/qdconv" capitals.txt < /dev/null > /dev/null)
perl -ne 's/#.*//; print map { chr hex } split' "$source_dir/tests/fixtures/example.pdb.hex" \
  > "$scratch/expected.pdb"
cmp "$scratch/work/capitals.pdb" "$scratch/expected.pdb"
mv "$scratch/work/capitals.txt" "$scratch/original.txt"
(cd "$scratch/work" && "$scratch/root/usr/bin/qdtext" capitals.pdb < /dev/null > /dev/null)
cmp "$scratch/work/capitals.txt" "$scratch/original.txt"
[ -z "$page" ] || cmp "$scratch/root/usr/share/qdconv/qdconv.html" "$page"

for page in qdconv qdtext; do
  manual="$scratch/root/usr/share/man/man1/$page.1.gz"
  man -l "$manual" 2> "$scratch/man.errors" | grep -q "^NAME"
  [ ! -s "$scratch/man.errors" ] || { cat "$scratch/man.errors"; exit 1; }
  warnings=$(zcat "$manual" | groff -ww -man -Tutf8 -z 2>&1)
  [ -z "$warnings" ] || { echo "$warnings"; exit 1; }
done
echo "Debian package $(basename "$package") checked"
