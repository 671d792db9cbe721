#!/bin/sh
# Fails unless the Windows executable $1 imports only DLLs that every Windows
# ships, so that it runs on a bare system.
set -eu
imports=$(x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p' | sort)
echo "$imports"
[ -n "$imports" ] || { echo "no imports found"; exit 1; }
for dll in $imports; do
  case "$dll" in
    KERNEL32.dll | msvcrt.dll) ;;
    *) echo "imports $dll, which Windows does not ship"; exit 1 ;;
  esac
done
