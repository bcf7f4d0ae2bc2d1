#!/bin/sh
# Usage: run-program.sh WIN_BUILD_DIR RUN_DIR
# Lays out a run folder (the program, the shipped vexa.dat, the plug-in) and
# starts the program there under Wine in the build's private prefix. On the
# user's display it runs until closed; with no DISPLAY it runs under Xvfb, waits
# until the main window is painted, saves a screenshot and closes the program.
set -eu
build=$(cd "$1" && pwd)
mkdir -p "$2"
run=$(cd "$2" && pwd)
cp "$build/app/PellgrovePlanner.exe" "$build/vexa.dat" "$run/"
cp "$build/plugin/full/VexaChar.dll" "$run/"

if [ -n "${DISPLAY:-}" ]; then
  cd "$run" && exec "$build/wine-run" PellgrovePlanner.exe
fi

shot="$run/screenshot.png"
rm -f "$shot"
export WINEPREFIX="$build/wineprefix"
xvfb-run -a -s '-screen 0 1280x1024x24' sh -c '
  build=$1 run=$2 shot=$3
  cd "$run"
  "$build/wine-run" PellgrovePlanner.exe &
  # The screen centre lies in the skill list, painted in the dialog colour.
  painted=""
  for attempt in $(seq 1 120); do
    if import -window root -crop 1x1+640+512 -depth 8 txt:- 2>/dev/null | grep -qi "#C0E0FF"; then
      painted=yes
      break
    fi
    sleep 0.5
  done
  # Let the rest of the window finish painting before the picture.
  sleep 1
  import -window root "$shot"
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  wait
  [ -n "$painted" ]' sh "$build" "$run" "$shot" || {
  echo "run-program: the main window did not appear; see $shot" >&2
  exit 1
}
echo "Screenshot of the running program: $shot"
