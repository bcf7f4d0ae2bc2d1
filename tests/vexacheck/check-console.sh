#!/bin/sh
# Usage: check-console.sh VEXACHECK TEXT_TABLE
# The native console program prints its findings in UTF-8, as the text table
# has them; its statuses and the shipped data are checked under Wine.
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'stray\r\n' >"$work/stray.dat"
expected="stray.dat:1: warning: $(grep "^kCheckBeforeFirstHeader	" "$2" | cut -f2)"
output=$(cd "$work" && "$1" stray.dat 2>&1)
status=$?
[ "$status" -eq 1 ] && printf '%s\n' "$output" | grep -qxF -- "$expected" && exit 0
echo "FAIL: status $status, expected 1 and '$expected' in:"
printf '%s\n' "$output"
exit 1
