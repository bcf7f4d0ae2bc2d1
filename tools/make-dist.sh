#!/bin/sh
# Usage: make-dist.sh WIN_BUILD_DIR OUT_DIR
# Packs the program for Windows users: the program, the shipped game data,
# the plug-in, the data file checker and the read-me files (Japanese in
# Shift-JIS, both with CR LF).
set -eu
build=$(cd "$1" && pwd)
source_dir=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
stage="$out/PellgrovePlanner"
rm -rf "$stage" "$out/PellgrovePlanner.zip"
# On any failure neither a half-filled folder nor a zip is left behind.
trap 'status=$?; rm -rf "$stage"; [ $status -eq 0 ] || rm -f "$out/PellgrovePlanner.zip"' EXIT
mkdir -p "$stage"
cp "$build/app/PellgrovePlanner.exe" "$build/vexa.dat" "$build/plugin/full/VexaChar.dll" \
  "$build/vexacheck/vexacheck.exe" "$stage/"
sed 's/$/\r/' "$source_dir/dist/README-en.txt" >"$stage/README-en.txt"
# Not piped: a pipe's status is its last command's, and iconv's failure would be lost.
iconv -f UTF-8 -t CP932 "$source_dir/dist/README-ja.txt" >"$stage/README-ja.sjis"
sed 's/$/\r/' "$stage/README-ja.sjis" >"$stage/README-ja.txt"
rm "$stage/README-ja.sjis"
(cd "$out" && zip -q -r PellgrovePlanner.zip PellgrovePlanner)
echo "Package for Windows users: $out/PellgrovePlanner.zip"
