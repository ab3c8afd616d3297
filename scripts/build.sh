#!/usr/bin/env bash
# Configures and builds the given presets (default: all three).
set -euo pipefail
cd "$(dirname "$0")/.."
presets=("$@")
[ "${#presets[@]}" -gt 0 ] || presets=(windows-x86 windows-x64 linux)
for preset in "${presets[@]}"; do
  echo "== building $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
