#!/bin/sh
# Usage: run-benchmarks.sh NATIVE_BUILD_DIR [WIN_BUILD_DIR] [benchmark arguments]
# Runs the native core benchmarks, then every Windows benchmark (an executable
# named bench_*.exe anywhere in the cross tree) under Wine in Xvfb, with the
# same arguments. Figures are reported, not judged: the status is non-zero
# only when a benchmark program fails.
set -u
native=$(cd "$1" && pwd)
shift
win=""
if [ $# -gt 0 ] && [ -d "$1" ]; then
  win=$(cd "$1" && pwd)
  shift
fi
status=0

echo "== native: $native/bench/benchmarks"
"$native/bench/benchmarks" "$@" || status=1

if [ -n "$win" ]; then
  windows_benchmarks=$(find "$win" -path "$win/wineprefix" -prune -o -type f -name 'bench_*.exe' -print | sort)
  if [ -n "$windows_benchmarks" ]; then
    # As for the Windows tests: one display and one wineserver for the whole run.
    export WINEPREFIX="$win/wineprefix" BENCHMARKS="$windows_benchmarks"
    xvfb-run -a -s '-screen 0 1280x1024x24' sh -c '
      win=$1; shift
      status=0
      for benchmark in $BENCHMARKS; do
        echo "== windows: $benchmark"
        (cd "$(dirname "$benchmark")" && "$win/wine-run" "$benchmark" "$@") || status=1
      done
      wineserver -k 2>/dev/null
      wineserver -w 2>/dev/null
      exit $status' sh "$win" "$@" || status=1
  fi
fi
exit $status
