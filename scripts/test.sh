#!/usr/bin/env bash
# Everything CI checks: installs what is missing, builds all presets, runs the unit tests on the
# simulated machine (ASan, UBSan), the checks of the product exe, and the Wine end-to-end tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh windows-x86 windows-x64 linux
echo "== unit tests and product checks"
ctest --preset linux
echo "== end-to-end tests under Wine"
ctest --preset e2e
