#!/usr/bin/env bash
# The page comes out the same whatever line ends its parts have (a Windows
# checkout may give them CR LF): its script hashes must be those of the text
# the browser reads, in which every CR LF is LF.
#   check_assembly.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '\0asm\1\0\0\0' > "$work/module.wasm"
printf 'var createQdconvModule = 1;\n// the module script\n' > "$work/module.js"
for part in qdconv.html page.css page_texts.js page.js; do
  perl -pe 's/\r?\n/\r\n/' "$source_dir/web/$part" > "$work/crlf-$part"
done
perl "$source_dir/web/assemble_page.pl" "$source_dir/web/qdconv.html" "$source_dir/web/page.css" \
  "$work/module.wasm" "$work/module.js" "$source_dir/web/page_texts.js" "$source_dir/web/page.js" \
  > "$work/lf.html"
perl -pe 's/\r?\n/\r\n/' "$work/module.js" > "$work/crlf-module.js"
perl "$source_dir/web/assemble_page.pl" "$work/crlf-qdconv.html" "$work/crlf-page.css" \
  "$work/module.wasm" "$work/crlf-module.js" "$work/crlf-page_texts.js" "$work/crlf-page.js" \
  > "$work/crlf.html"
if grep -q $'\r' "$work/crlf.html"; then
  echo "the page holds a CR" >&2
  exit 1
fi
cmp "$work/lf.html" "$work/crlf.html"
echo "1 passed, 0 failed"
