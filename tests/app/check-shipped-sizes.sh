#!/bin/sh
# Usage: check-shipped-sizes.sh OBJDUMP PROGRAM PLUGIN CHECKER
# What ships stays small: stripped of debug sections, the program under
# 500 KB (its step images at five display scales are some 60 KB of it, the
# comparison and the picture commands with their PNG encoding some 30 KB), the
# plug-in under 100 KB and the data file checker under 300 KB.
set -u
export LC_ALL=C
objdump=$1 status=0
shift
for limit in 512000 102400 307200; do
  file=$1 size=$(wc -c <"$1") problem=""
  shift
  [ "$size" -lt "$limit" ] || problem="$size bytes, limit $limit"
  ! "$objdump" -h "$file" | grep -q '\.debug' || problem="$problem debug sections"
  if [ -n "$problem" ]; then echo "FAIL $file: $problem"; status=1; else echo "ok   $file: $size bytes"; fi
done
exit $status
