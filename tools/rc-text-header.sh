#!/bin/sh
# Usage: rc-text-header.sh table.txt out.h
# Turns the UTF-8 text table into macros for the resource scripts, which
# windres reads as UTF-8 (#pragma code_page(65001)), so that a resource takes
# its text from the same table as the code. A text holding a double quote is
# left out: a resource string cannot hold it as written.
set -e
table=$1
out=$2
tmp=$out.tmp
trap 'rm -f "$tmp"' EXIT
{
  echo '// Generated from text/japanese.txt by tools/rc-text-header.sh; do not edit.'
  echo '// For resource scripts only: each text is a macro named as in the table.'
  echo '#ifndef RC_INVOKED'
  echo '#error "ResourceText.h is for resource scripts only"'
  echo '#endif'
  echo '#pragma once'
  grep -v -e '^#' -e '^[[:space:]]*$' -e '"' "$table" | while IFS='	' read -r name text; do
    printf '#define %s "%s"\n' "$name" "$text"
  done
} > "$tmp"
mv "$tmp" "$out"
