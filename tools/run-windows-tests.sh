#!/bin/sh
# Usage: run-windows-tests.sh BUILD_DIR [ctest arguments]
# Runs the cross tree's tests under Wine with one Xvfb display and one
# wineserver for the whole run, and stops both afterwards.
set -u
build=$(cd "$1" && pwd)
shift
export WINEPREFIX="$build/wineprefix"
export WINEARCH=win32 WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
here=$(cd "$(dirname "$0")" && pwd)
xvfb-run -a -s '-screen 0 1280x1024x24' sh -c '
  "$0/wine-prefix.sh" || exit 1
  cd "$1" && shift && ctest "$@"
  status=$?
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  exit $status' "$here" "$build" "$@"
