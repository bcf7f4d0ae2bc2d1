#!/bin/sh
# Usage: sjis-header.sh table.txt out.h
# Turns the UTF-8 text table into a header of code page 932 byte strings. A
# text that code page cannot hold fails the build and leaves no header.
set -e
table=$1
out=$2
tmp=$out.tmp
trap 'rm -f "$tmp" "$tmp.sjis"' EXIT
{
  echo '// Generated from text/japanese.txt by tools/sjis-header.sh; do not edit.'
  echo '#pragma once'
  echo
  grep -v -e '^#' -e '^[[:space:]]*$' "$table" | while IFS='	' read -r name text; do
    # Not piped into od: a pipe's status is its last command's.
    printf '%b' "$text" | iconv -f UTF-8 -t CP932 > "$tmp.sjis" || exit 1
    bytes=$(od -An -tx1 -v "$tmp.sjis" | tr -d ' \n' | sed 's/\(..\)/\\x\1/g')
    printf 'inline constexpr char %s[] = "%s";  // %s\n' "$name" "$bytes" "$text"
  done
} > "$tmp"
mv "$tmp" "$out"
