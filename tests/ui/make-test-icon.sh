#!/bin/sh
# Usage: make-test-icon.sh out.ico
# Writes a 16 x 16 two-colour icon (white, opaque) for the dialog icon tests.
set -e
{
  # Icon directory, one entry: 16 x 16, 2 colours, 1 plane, 1 bit, 176 bytes at 22.
  printf '\000\000\001\000\001\000'
  printf '\020\020\002\000\001\000\001\000\260\000\000\000\026\000\000\000'
  # Bitmap header: 40 bytes, 16 x 32 (image and mask), 1 plane, 1 bit.
  printf '\050\000\000\000\020\000\000\000\040\000\000\000\001\000\001\000'
  printf '\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000'
  # Palette: black, white.
  printf '\000\000\000\000\377\377\377\000'
  i=0
  while [ $i -lt 16 ]; do printf '\377\377\000\000'; i=$((i + 1)); done
  i=0
  while [ $i -lt 16 ]; do printf '\000\000\000\000'; i=$((i + 1)); done
} > "$1"
