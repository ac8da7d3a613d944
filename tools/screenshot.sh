#!/usr/bin/env bash
# Starts a Windows program under a virtual X display and saves a PNG of the
# screen after it has had time to show its windows.
#   tools/screenshot.sh OUT.png SECONDS PROGRAM.exe [ARGS...]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$1" seconds="$2"
shift 2
"$root/tools/xprefix.sh"
export WINEPREFIX="$root/build/wineprefix-x11" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  /usr/lib/wine/wine64 "$@" &
  sleep "'"$seconds"'"
  import -window root "'"$out"'"
  wineserver -k 2>/dev/null || true
' _ "$@"
echo "screenshot: $out"
