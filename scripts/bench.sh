#!/usr/bin/env bash
# The benchmarks (not tests; ctest never runs them): installs what is missing, builds the product
# (windows-x86), the 64-bit program with the benchmark's Windows helpers (windows-x64) and the
# Linux benchmarks (preset bench), then measures under Wine and on Linux. Prints the report and
# writes it to build/bench/report.md. About ten minutes on two cores.
#   RAVEL_BENCH_PAIRS  timed pairs per case (default 5)
#   RAVEL_BENCH_SIZES  runtimes on PATH of the machines measured (default 1,4,16,32)
# Exits 1 when a run started other children than the ones it must start.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
scripts/install-deps.sh
log=$(mktemp)
trap 'rm -f "$log"' EXIT
echo "== building windows-x86, windows-x64, bench"
if ! scripts/build.sh windows-x86 windows-x64 bench >"$log" 2>&1; then
  tail -40 "$log"
  exit 1
fi

exe=build/windows-x86/ravelcheck.exe
report=build/bench/report.md
wine_status=0
{
  echo "# Ravelcheck benchmark"
  echo
  echo "Produced by \`scripts/bench.sh\` on $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores," \
       "$(/usr/lib/wine/wine64 --version), load average at the start $(cut -d' ' -f1-3 /proc/loadavg)."
  echo
  echo "## Under Wine: children and the program's own overhead"
  echo
  echo "Each case runs the 64-bit \`ravelcheck.exe type=<check> mode=no-silent\` on a machine whose"
  echo "PATH holds the given number of stub runtimes, cycling through an open Java 11 runtime (64-bit),"
  echo "a \"Java(TM)\" Java 8 runtime (64-bit), an \"AdoptOpenJDK\" Java 8 kit (64-bit) and a"
  echo "\"Java(TM)\" Java 11 runtime (32-bit); nothing registered, no JRE_HOME or JAVA_HOME, no setup key."
  echo
  echo "== measuring under Wine (most of the time) ..." >&2
  RAVEL_WINDOWS_X64_DIR="$PWD/build/windows-x64" \
  RAVEL_WINE64=/usr/lib/wine/wine64 RAVEL_WINESERVER=/usr/bin/wineserver \
    timeout 1800 build/bench/bench/ravelcheck_wine_bench || wine_status=$?
  echo "## The shipped 32-bit exe"
  echo
  echo "\`$exe\`: $(stat -c %s "$exe") bytes ($(( ($(stat -c %s "$exe") + 1023) / 1024 )) KiB)."
  echo "Imports (\`i686-w64-mingw32-objdump -p\`):"
  echo
  i686-w64-mingw32-objdump -p "$exe" | awk '
    /DLL Name:/ { if (dll != "") print "- " dll " (" n "): " names; dll = $3; n = 0; names = ""; next }
    dll != "" && /^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ { names = names (n ? ", " : "") $3; n++ }
    END { if (dll != "") print "- " dll " (" n "): " names }'
  echo
  echo "## Parse cost per output (Linux, Google Benchmark)"
  echo
  echo "== measuring the parse on Linux ..." >&2
  echo '```'
  build/bench/bench/ravelcheck_parse_bench --benchmark_min_time=0.2 2>&1
  echo '```'
  echo
  echo "Total time of \`scripts/bench.sh\`: $(( SECONDS - started )) s."
} >"$report"
cat "$report"
exit "$wine_status"
