#!/bin/sh
# Usage: check-conversion-failures.sh TOOLS_DIR
# A character that code page 932 lacks (here an emoji) must fail each
# conversion script of the build and leave no output file behind.
set -u
tools=$1 scratch=$(mktemp -d) status=0
trap 'rm -rf "$scratch"' EXIT
printf '[a]\nkey \343\201\202\nbad \360\237\230\200\n' >"$scratch/data.txt"
printf 'kGood\t\343\201\202\nkBad\t\360\237\230\200\n' >"$scratch/table.txt"
check() {  # SCRIPT INPUT OUTPUT
  if sh "$tools/$1" "$scratch/$2" "$scratch/$3" 2>/dev/null; then echo "FAIL $1 succeeded"; status=1; fi
  left=$(ls "$scratch/$3"* 2>/dev/null)
  [ -z "$left" ] || { echo "FAIL $1 left: $left"; status=1; }
}

check make-data-file.sh data.txt vexa.dat
check sjis-header.sh table.txt text.h
exit $status
