#!/usr/bin/env bash
# Prepares the Wine prefix for real X windows (screenshots, `make run`):
# the default X11 driver, with window decoration left to the program so a
# self-drawn frame shows as drawn. Idempotent.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
prefix="$root/build/wineprefix-x11"
if [ -f "$prefix/.sheetmill-ready" ]; then
  "$root/tools/wine-fonts.sh" "$prefix"
  exit 0
fi
echo "xprefix: creating the Wine prefix $prefix"
rm -rf "$prefix"
mkdir -p "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# wineboot needs no display when the X driver is not loaded yet.
/usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || { echo "xprefix: wineboot failed" >&2; exit 1; }
/usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
wineserver -w || true
wineserver -k 2>/dev/null || true
"$root/tools/wine-fonts.sh" "$prefix"
touch "$prefix/.sheetmill-ready"
