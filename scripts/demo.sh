#!/usr/bin/env bash
# The main job: builds the 64-bit program, creates an empty Windows machine under Wine, runs
# ravelcheck.exe on it and shows what it recorded.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh windows-x64
export WINEPREFIX
WINEPREFIX=$(mktemp -d /tmp/ravel-demo-XXXXXX)
export WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml=;where.exe=n"
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
wine=/usr/lib/wine/wine64
echo "== booting a Windows machine under Wine in $WINEPREFIX"
"$wine" wineboot -i >/dev/null 2>&1
cp build/windows-x64/e2e-tools/where.exe "$WINEPREFIX/drive_c/windows/system32/where.exe"
for args in "type=jre mode=no-silent" "type=java mode=no-silent"; do
  echo "== ravelcheck.exe $args"
  # shellcheck disable=SC2086
  "$wine" build/windows-x64/ravelcheck.exe $args
  echo "exit code $?"
done
echo "== recorded under SOFTWARE\\Quillmark\\Setup (per user; per machine 64-bit and 32-bit view)"
printf 'get\tHKCU\t64\tSOFTWARE\\Quillmark\\Setup\tRavelcheck32\nget\tHKCU\t64\tSOFTWARE\\Quillmark\\Setup\tRavelcheck64\nget\tHKCU\t64\tSOFTWARE\\Quillmark\\Setup\tQKJDKPrecheck\nget\tHKLM\t64\tSOFTWARE\\Quillmark\\Setup\tJavaLocation\nget\tHKLM\t32\tSOFTWARE\\Quillmark\\Setup\tJavaLocation\n' \
  | "$wine" build/windows-x64/e2e-tools/regtool.exe \
  | paste <(printf 'Ravelcheck32 (HKCU)\nRavelcheck64 (HKCU)\nQKJDKPrecheck (HKCU)\nJavaLocation (HKLM 64)\nJavaLocation (HKLM 32)\n') -
