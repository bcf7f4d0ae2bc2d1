#!/bin/sh
# Usage: make-data-file.sh source.utf8.txt vexa.dat
# The shipped data file is Shift-JIS (code page 932) with CR LF line ends.
set -e
tmp=$2.tmp
iconv -f UTF-8 -t CP932 "$1" | sed 's/\r*$/\r/' > "$tmp"
mv "$tmp" "$2"
