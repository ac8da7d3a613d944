#!/usr/bin/env bash
# `make run`: the program on the user's display, or, without one, the
# scripted demo under a virtual display.
#   tools/run.sh BUILD_TREE
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
tree="$(cd "${1:?usage: run.sh BUILD_TREE}" && pwd)"
if [ -z "${DISPLAY:-}" ]; then
  echo "run: no display (DISPLAY is not set), so the program cannot open its windows here."
  echo "run: running the scripted demo under a virtual display instead."
  exec "$root/tools/demo.sh" "$tree" "$root/build/demo"
fi
"$root/tools/xprefix.sh"
export WINEPREFIX="$root/build/wineprefix-x11" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
echo "run: starting SheetMill.exe on $DISPLAY"
exec /usr/lib/wine/wine64 "$tree/app/SheetMill.exe"
