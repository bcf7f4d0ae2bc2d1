#!/bin/sh
# Usage: run-windows-tests.sh BUILD_DIR [ctest arguments]
# Runs the cross tree's tests under Wine with one Xvfb display and one
# wineserver per prefix (the main one, and each of another DPI that tests
# used) for the whole run, and stops them all afterwards. The screen takes
# the main window at 200 % whole, for its screenshot.
set -u
build=$(cd "$1" && pwd)
shift
export WINEPREFIX="$build/wineprefix"
export WINEARCH=win32 WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
here=$(cd "$(dirname "$0")" && pwd)
xvfb-run -a -s '-screen 0 1920x1200x24' sh -c '
  "$0/wine-prefix.sh" || exit 1
  cd "$1" && shift && ctest "$@"
  status=$?
  for prefix in wineprefix wineprefix-dpi*; do
    [ -d "$prefix" ] && WINEPREFIX="$PWD/$prefix" wineserver -k 2>/dev/null
  done
  for prefix in wineprefix wineprefix-dpi*; do
    [ -d "$prefix" ] && WINEPREFIX="$PWD/$prefix" wineserver -w 2>/dev/null
  done
  exit $status' "$here" "$build" "$@"
