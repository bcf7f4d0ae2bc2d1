#!/bin/sh
# Usage: check-console.sh VEXACHECK SHIPPED_DATA TEXT_TABLE
# The native console program as a user runs it: its exit statuses, and its
# findings as FILE:LINE: lines in UTF-8, the texts taken from the text table.
set -u
program=$1 shipped=$2 table=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# A text of the table as printed, without a closing \n.
text() { grep "^$1	" "$table" | cut -f2 | sed 's/\\n$//'; }

# check NAME EXPECTED_STATUS EXPECTED_LINE [ARGUMENT...]: runs the program in
# the scratch folder; its status must match and its output hold the line.
check() {
  name=$1 expected=$2 line=$3
  shift 3
  output=$(cd "$work" && "$program" "$@" 2>&1)
  status=$?
  if [ "$status" -ne "$expected" ]; then
    echo "FAIL $name: status $status, expected $expected"; failed=1
  fi
  if ! printf '%s\n' "$output" | grep -qxF -- "$line"; then
    echo "FAIL $name: no line '$line' in:"; printf '%s\n' "$output"; failed=1
  fi
}

cp "$shipped" "$work/vexa.dat"
check "shipped data, the default file" 0 "$(text kCheckSummaryClean)"
printf 'stray\r\n' >"$work/stray.dat"
check "warnings only" 1 "stray.dat:1: warning: $(text kCheckBeforeFirstHeader)" stray.dat
printf '[x]\r\n' >"$work/refused.dat"
check "a header naming no section" 2 "refused.dat:1: error: $(text kCheckUnknownSection)" refused.dat
check "a missing file" 2 "absent.dat: error: $(text kCheckUnreadable)" absent.dat
check "two files" 2 "$(text kCheckUsage)" one.dat two.dat
check "an option" 2 "$(text kCheckUsage)" --help
exit $failed
