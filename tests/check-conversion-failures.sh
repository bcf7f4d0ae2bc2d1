#!/bin/sh
# Usage: check-conversion-failures.sh TOOLS_DIR
# A character that code page 932 lacks (here an emoji) must fail each
# conversion script of the build and leave no output file behind.
set -u
tools=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
printf '[a]\nkey \343\201\202\nbad \360\237\230\200\n' >"$scratch/data.txt"
printf 'kGood\t\343\201\202\nkBad\t\360\237\230\200\n' >"$scratch/table.txt"
status=0

check() {
  name=$1 out=$2
  shift 2
  if "$@" 2>/dev/null; then
    echo "FAIL $name succeeded"
    status=1
  fi
  left=$(ls "$out"* 2>/dev/null)
  [ -z "$left" ] || { echo "FAIL $name left: $left"; status=1; }
}

check make-data-file.sh "$scratch/vexa.dat" \
  sh "$tools/make-data-file.sh" "$scratch/data.txt" "$scratch/vexa.dat"
check sjis-header.sh "$scratch/text.h" sh "$tools/sjis-header.sh" "$scratch/table.txt" "$scratch/text.h"
[ $status -ne 0 ] || echo "ok   every conversion failed without output"
exit $status
