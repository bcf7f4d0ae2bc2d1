#!/bin/sh
# Usage: make-data-file.sh source.utf8.txt vexa.dat
# The shipped data file is Shift-JIS (code page 932) with CR LF line ends. A
# character that code page lacks fails the build and leaves no output file.
set -e
tmp=$2.tmp
trap 'rm -f "$tmp" "$tmp.sjis"' EXIT
# Not piped: a pipe's status is its last command's, and iconv's failure would be lost.
iconv -f UTF-8 -t CP932 "$1" > "$tmp.sjis"
sed 's/\r*$/\r/' "$tmp.sjis" > "$tmp"
mv "$tmp" "$2"
