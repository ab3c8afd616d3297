#!/usr/bin/env bash
# The shipped 32-bit exe: at most 256 KiB, imports only system DLLs, and carries a manifest
# that asks for administrator rights, plus version information.
set -euo pipefail
exe=$1
objdump=i686-w64-mingw32-objdump
[ -f "$exe" ] || { echo "missing $exe: build the windows-x86 preset first"; exit 1; }
size=$(stat -c %s "$exe")
echo "size: $size bytes"
[ "$size" -le 262144 ] || { echo "FAIL: larger than 256 KiB"; exit 1; }
"$objdump" -f "$exe" | grep -q 'file format pei-i386' || { echo "FAIL: not a 32-bit PE"; exit 1; }
imports=$("$objdump" -p "$exe" | awk '/DLL Name:/ {print toupper($3)}' | sort -u | tr '\n' ' ')
echo "imports: $imports"
for dll in $imports; do
  case "$dll" in KERNEL32.DLL|ADVAPI32.DLL|MSVCRT.DLL) ;; *) echo "FAIL: imports $dll"; exit 1 ;; esac
done
grep -aq 'level="requireAdministrator" uiAccess="false"' "$exe" || { echo "FAIL: no requireAdministrator manifest"; exit 1; }
# Version strings are UTF-16 in the resource section.
strings -el "$exe" | grep -qx 'Ravelcheck' || { echo "FAIL: no ProductName in the version resource"; exit 1; }
echo "ok"
