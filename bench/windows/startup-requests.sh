#!/bin/sh
# Usage: startup-requests.sh WIN_BUILD_DIR
# Counts the window-server requests that the program's main thread makes from
# its start until the first mouse event that Wine sends after the window
# shows, against the plain dialog program of bench_startup. Under Wine each
# request is a round trip to another process, so the count is what start-up
# time follows; unlike a time, it does not depend on how busy the machine is.
set -eu
win=$(cd "$1" && pwd)
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$win/app/PellgrovePlanner.exe" "$win/vexa.dat" "$folder/"
cp "$win/bench/windows/startup_reference_dialog.exe" "$folder/"
cp "$win/plugin/full/VexaChar.dll" "$folder/"

# The requests of the last process started in the server's log, up to the
# first mouse event: its first thread is the main thread.
count_requests() {
  awk '
    /init_first_thread\(\) = 0/ { main = substr($0, 1, 4); count = 0; done = 0 }
    main != "" && !done && substr($0, 1, 6) == main ": " && $2 ~ /^[a-z_]+\($/ {
      if ($2 == "send_hardware_message(") done = 1; else count++
    }
    END { print count }' "$1"
}

export WINEPREFIX="$win/wineprefix" FOLDER="$folder"
xvfb-run -a -s '-screen 0 1280x1024x24' sh -c '
  cd "$FOLDER"
  for program in startup_reference_dialog.exe PellgrovePlanner.exe; do
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    WINEDEBUG=-all wineserver -f -d1 2>"$program.log" &
    # The first run starts the services of the prefix; the second is counted.
    for run in 1 2; do timeout 6 "$0" "$program" >/dev/null 2>&1 || true; done
    wineserver -k 2>/dev/null || true
    wait
  done' "$win/wine-run"

program=$(count_requests "$folder/PellgrovePlanner.exe.log")
reference=$(count_requests "$folder/startup_reference_dialog.exe.log")
echo "window-server requests from the start to the painted main window:"
echo "  PellgrovePlanner.exe  $program"
echo "  plain dialog program  $reference"
awk -v p="$program" -v r="$reference" 'BEGIN { printf "  ratio                 %.2f\n", p / r }'
