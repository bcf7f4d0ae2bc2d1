#!/bin/sh
# Usage: run-fuzzer.sh FUZZER SEED_CORPUS WORK_DIR SECONDS
# Fuzzes a fresh copy of the seed corpus for a bounded time; a crash, leak, sanitizer
# report, slow input or memory beyond the limit fails, its input left in WORK_DIR.
set -eu
fuzzer=$(realpath "$1") seeds=$(realpath "$2") work=$3 seconds=$4
rm -rf "$work" && mkdir -p "$work/corpus" && cp "$seeds"/* "$work/corpus/" && cd "$work"
# The fuzzers write small files for every input: keep them in memory when we can.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
exec "$fuzzer" -max_total_time="$seconds" -rss_limit_mb=1024 -timeout=10 -max_len=4096 \
  -print_final_stats=1 -artifact_prefix="$PWD/" "$PWD/corpus"
