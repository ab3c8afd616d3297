#!/usr/bin/env bash
# The main job: builds the 64-bit program and the demo driver, lays out a realistic Windows
# machine under Wine, runs ravelcheck.exe type=jre and type=java on it, and prints what it
# recorded and what became of JAVA_HOME. With --explain, ravelcheck-explain.exe first reports
# why each check will record what it records.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
echo "== building (first time: about a minute)"
scripts/build.sh windows-x64 linux | grep -E "^== |error" || true
RAVEL_WINDOWS_X64_DIR="$PWD/build/windows-x64" \
RAVEL_WINE64=/usr/lib/wine/wine64 RAVEL_WINESERVER=/usr/bin/wineserver \
  build/linux/tests/e2e/ravelcheck_demo "$@"
