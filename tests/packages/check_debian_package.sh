#!/usr/bin/env bash
# Builds the Debian packages from a copy of the source with Debian's own
# tools (dpkg-buildpackage, debhelper) and checks them: the build runs the
# unit and end-to-end tests; lintian finds no error, warning or pedantic tag,
# hardening ones included; qdconv and qdconv-web hold exactly the listed
# files; the programs need no library beyond the C and C++ runtimes; the
# package's own test (debian/tests) converts the installed example and back;
# qdconv-web holds the whole web page; the manual pages render without a
# warning. A second build of the programs alone, with nocheck, runs no test
# and needs no Emscripten.
#   check_debian_package.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

mkdir "$scratch/source"
(cd "$source_dir" && tar --exclude='./build*' --exclude=./.git -cf - .) | tar -xf - -C "$scratch/source"
(cd "$scratch/source" && dpkg-buildpackage -us -uc -b > "$scratch/build.log" 2>&1) ||
  { tail -40 "$scratch/build.log"; exit 1; }
grep -q "^100% tests passed" "$scratch/build.log" ||
  { echo "the build ran no tests"; tail -40 "$scratch/build.log"; exit 1; }
package=$(ls "$scratch"/qdconv_*_amd64.deb)
web_package=$(ls "$scratch"/qdconv-web_*_all.deb)
lintian --pedantic --fail-on error,warning,pedantic "$scratch"/qdconv_*.changes > "$scratch/lintian" 2>&1 ||
  { cat "$scratch/lintian"; exit 1; }
! grep "hardening-" "$scratch/lintian" || exit 1

expected="./
./usr/
./usr/bin/
./usr/bin/qdconv
./usr/bin/qdtext
./usr/share/
./usr/share/doc/
./usr/share/doc/qdconv/
./usr/share/doc/qdconv/README.md.gz
./usr/share/doc/qdconv/changelog.gz
./usr/share/doc/qdconv/copyright
./usr/share/doc/qdconv/examples/
./usr/share/doc/qdconv/examples/capitals.txt
./usr/share/doc/qdconv/guide.md.gz
./usr/share/man/
./usr/share/man/man1/
./usr/share/man/man1/qdconv.1.gz
./usr/share/man/man1/qdtext.1.gz"
web_expected="./
./usr/
./usr/share/
./usr/share/doc/
./usr/share/doc/qdconv-web/
./usr/share/doc/qdconv-web/changelog.gz
./usr/share/doc/qdconv-web/copyright
./usr/share/qdconv/
./usr/share/qdconv/qdconv.html"
contents=$(dpkg-deb --contents "$package" | awk '{ print $6 }' | sort)
[ "$contents" = "$(echo "$expected" | sort)" ] || { echo "unexpected contents:"; echo "$contents"; exit 1; }
contents=$(dpkg-deb --contents "$web_package" | awk '{ print $6 }' | sort)
[ "$contents" = "$(echo "$web_expected" | sort)" ] ||
  { echo "unexpected contents of qdconv-web:"; echo "$contents"; exit 1; }
dpkg-deb -f "$package" Depends | grep -q "libstdc++6" || { echo "no Depends on the C++ runtime"; exit 1; }

dpkg-deb -x "$package" "$scratch/root"
for program in qdconv qdtext; do
  needed=$(readelf -d "$scratch/root/usr/bin/$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' |
           grep -v -e '^libc\.so' -e '^libstdc++\.so' -e '^libgcc_s\.so' -e '^libm\.so' || true)
  [ -z "$needed" ] || { echo "$program needs more: $needed"; exit 1; }
done
PATH="$scratch/root/usr/bin:$PATH" QDCONV_EXAMPLES="$scratch/root/usr/share/doc/qdconv/examples" \
  AUTOPKGTEST_TMP="$scratch/autopkgtest" sh -c 'mkdir "$AUTOPKGTEST_TMP" && "$0"' \
  "$scratch/source/debian/tests/convert-example" < /dev/null
perl -ne 's/#.*//; print map { chr hex } split' "$source_dir/tests/fixtures/example.pdb.hex" |
  cmp - "$scratch/autopkgtest/capitals.pdb"
dpkg-deb -x "$web_package" "$scratch/web-root"
grep -q "qdconvWasm" "$scratch/web-root/usr/share/qdconv/qdconv.html" ||
  { echo "the web page holds no converter"; exit 1; }

for manual in qdconv qdtext; do
  manual="$scratch/root/usr/share/man/man1/$manual.1.gz"
  man -l "$manual" 2> "$scratch/man.errors" | grep -q "^NAME"
  [ ! -s "$scratch/man.errors" ] || { cat "$scratch/man.errors"; exit 1; }
  warnings=$(zcat "$manual" | groff -ww -man -Tutf8 -z 2>&1)
  [ -z "$warnings" ] || { echo "$warnings"; exit 1; }
done
# The programs alone: no test with nocheck, and no Emscripten (one that
# fails stands first in the path).
mkdir "$scratch/no-emscripten"
for tool in emcc emcmake; do
  printf '#!/bin/sh\necho "%s called" >&2\nexit 1\n' "$tool" > "$scratch/no-emscripten/$tool"
  chmod +x "$scratch/no-emscripten/$tool"
done
(cd "$scratch/source" && PATH="$scratch/no-emscripten:$PATH" DEB_BUILD_OPTIONS=nocheck \
   dpkg-buildpackage -us -uc -B -Pnocheck > "$scratch/arch.log" 2>&1 < /dev/null) ||
  { tail -40 "$scratch/arch.log"; exit 1; }
! grep -q "tests passed" "$scratch/arch.log" || { echo "nocheck ran the tests"; exit 1; }
echo "Debian packages $(basename "$package") and $(basename "$web_package") checked"
