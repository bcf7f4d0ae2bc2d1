#!/bin/sh
# Usage: check-shipped-sizes.sh OBJDUMP PROGRAM PLUGIN CHECKER
# What ships stays small: stripped of debug sections, the program under
# 500 KB (its step images at five display scales are some 60 KB of it, the
# comparison and the picture commands with their PNG encoding some 30 KB), the
# plug-in under 100 KB and the data file checker under 300 KB.
set -u
export LC_ALL=C
status=0

check() {
  file=$1 limit=$2
  size=$(wc -c <"$file")
  problem=""
  [ "$size" -lt "$limit" ] || problem="$size bytes, limit $limit"
  ! "$OBJDUMP" -h "$file" | grep -q '\.debug' || problem="$problem debug sections"
  if [ -n "$problem" ]; then
    echo "FAIL $file: $problem"
    status=1
  else
    echo "ok   $file: $size bytes"
  fi
}

OBJDUMP=$1
check "$2" 512000
check "$3" 102400
check "$4" 307200
exit $status
