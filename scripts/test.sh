#!/usr/bin/env bash
# Everything CI checks: installs what is missing, builds all presets, runs the unit tests on the
# simulated machine (ASan, UBSan), the checks of the product exe, a bounded fuzzing run of the
# probes, and the Wine end-to-end tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh windows-x86 windows-x64 linux
echo "== unit tests and product checks"
ctest --preset linux
echo "== fuzzing the probes for a bounded time (libFuzzer, ASan, UBSan)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target ravelcheck_probe_fuzzer
build/fuzz/tests/fuzz/ravelcheck_probe_fuzzer -dict=tests/fuzz/probe_banners.dict \
  -max_total_time="${RAVEL_FUZZ_SECONDS:-30}" -max_len=4096 -print_final_stats=1 2>&1 | tail -4
echo "== end-to-end tests under Wine"
ctest --preset e2e
