#!/bin/sh
# Usage: wine-prefix.sh [DPI]
# Prepares the Wine prefix named by WINEPREFIX once (under a lock, since tests run
# in parallel) and keeps one wineserver alive for the whole test run. With a DPI,
# the prefix's display has it, set before any program runs there (a process
# reads it when it starts).
set -e
: "${WINEPREFIX:?}"
mkdir -p "$WINEPREFIX"
if [ ! -f "$WINEPREFIX/.prepared" ]; then
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [ ! -f "$WINEPREFIX/.prepared" ]; then
    wineboot --init >/dev/null 2>&1
    # No crash dialog that would wait for a click; a font for "MS UI Gothic";
    # unmanaged windows, so hiding a top-level window does not stall 2 s.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
      /v 'MS UI Gothic' /t REG_SZ /d IPAPGothic /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
    if [ -n "${1:-}" ]; then
      wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    fi
    wineserver -w
    touch "$WINEPREFIX/.prepared"
  fi
  flock -u 9
fi
# Wine draws the caption buttons with Marlett; this Wine does not look where
# Debian's fonts-wine puts it, so the prefix gets a copy (moved in whole, as
# tests may start Wine meanwhile).
marlett=/usr/share/wine/fonts/marlett.ttf
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ -f "$marlett" ] && [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ]; then
  cp "$marlett" "$fonts/.marlett.$$" && mv -f "$fonts/.marlett.$$" "$fonts/marlett.ttf"
fi
wineserver -p 2>/dev/null || true
