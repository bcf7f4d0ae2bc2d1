#!/bin/sh
# Usage: check-plugin-exports.sh OBJDUMP FULL RECORDING NO_GETWND NO_CHARACTER
# Checks each plug-in variant's export names, exactly: undecorated (no leading
# underscore, no @n), nothing more, nothing missing.
set -u
# objdump translates its headings in other locales.
export LC_ALL=C
objdump=$1
all="VexaChar_Create VexaChar_Delete VexaChar_GetChar VexaChar_GetRank VexaChar_GetWnd
VexaChar_Initialize VexaChar_SetChar VexaChar_SetRank VexaChar_Terminate"
status=0

check() {
  dll=$1
  expected=$(printf '%s\n' $2 | sort)
  actual=$("$objdump" -p "$dll" |
    sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/s/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p' | sort)
  if [ "$actual" != "$expected" ]; then
    echo "FAIL $dll exports:"; echo "$actual"; echo "expected:"; echo "$expected"
    status=1
  else
    echo "ok   $dll"
  fi
}

check "$2" "$all"
check "$3" "$all"
check "$4" "$(printf '%s\n' $all | grep -v '^VexaChar_GetWnd$')"
check "$5" "$(printf '%s\n' $all | grep -v -e GetChar -e SetChar -e GetRank -e SetRank)"
exit $status
