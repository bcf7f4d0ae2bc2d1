#!/bin/sh
# Usage: check-console.sh VEXACHECK SHIPPED_DATA TEXT_TABLE
# The native console program as a user runs it: its exit statuses, and its
# findings as FILE:LINE: lines in UTF-8, the texts taken from the text table.
set -u
program=$1 table=$3 work=$(mktemp -d) failed=0
trap 'rm -rf "$work"' EXIT
cp "$2" "$work/vexa.dat"
printf 'stray\r\n' >"$work/stray.dat" && printf '[x]\r\n' >"$work/refused.dat"

# A text of the table as printed, without a closing \n.
text() { grep "^$1	" "$table" | cut -f2 | sed 's/\\n$//'; }

# check STATUS LINE [ARGUMENT...]: run in the scratch folder, it must exit with
# the status and print the line.
check() {
  expected=$1 line=$2
  shift 2
  output=$(cd "$work" && "$program" "$@" 2>&1)
  status=$?
  [ "$status" -eq "$expected" ] || { echo "FAIL $*: status $status, expected $expected"; failed=1; }
  printf '%s\n' "$output" | grep -qxF -- "$line" || { echo "FAIL $*: no '$line' in:"; printf '%s\n' "$output"; failed=1; }
}

check 0 "$(text kCheckSummaryClean)"
check 1 "stray.dat:1: warning: $(text kCheckBeforeFirstHeader)" stray.dat
check 2 "refused.dat:1: error: $(text kCheckUnknownSection)" refused.dat
check 2 "absent.dat: error: $(text kCheckUnreadable)" absent.dat
check 2 "$(text kCheckUsage)" one.dat two.dat
check 2 "$(text kCheckUsage)" --help
exit $failed
