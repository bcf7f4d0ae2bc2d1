#!/bin/sh
# Usage: check-program-imports.sh OBJDUMP PROGRAM
# The program is one PE32 GUI executable that imports Windows' own DLLs only,
# and only those it needs to start: the common dialogs and the version library
# are loaded when first used.
set -u
export LC_ALL=C
headers=$("$1" -p "$2") || exit 1
echo "$headers" | grep -q '^Magic.*(PE32)$' || { echo "not a PE32 image"; exit 1; }
echo "$headers" | grep -q '^Subsystem.*(Windows GUI)$' || { echo "not a GUI program"; exit 1; }
status=0
for dll in $(echo "$headers" | sed -n 's/^\tDLL Name: //p'); do
  case $(echo "$dll" | tr 'A-Z' 'a-z') in
    kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | msvcrt.dll) ;;
    *) echo "imports a DLL it does not need to start: $dll"; status=1 ;;
  esac
done
exit $status
