#!/usr/bin/env bash
# The program at work without a display: under a virtual X display the demo
# driver picks a sample image through the real open dialog, the sheet it
# wrote is printed, and PNG pictures of the windows are saved.
#   tools/demo.sh BUILD_TREE OUT_FOLDER
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
tree="$(cd "${1:?usage: demo.sh BUILD_TREE OUT_FOLDER}" && pwd)"
out="${2:?usage: demo.sh BUILD_TREE OUT_FOLDER}"
winpath() { local p="Z:$1"; echo "${p//\//\\}"; }

"$root/tools/xprefix.sh"
rm -rf "$out"
mkdir -p "$out"
out="$(cd "$out" && pwd)"
export WINEPREFIX="$root/build/wineprefix-x11" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
status=0
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  /usr/lib/wine/wine64 "$@"; rc=$?
  wineserver -k 2>/dev/null || true
  exit $rc' _ "$tree/tests/sheetmill_demo.exe" "$(winpath "$tree/app/SheetMill.exe")" \
  "$(winpath "$out")" </dev/null || status=$?
for bmp in "$out"/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
echo "demo: the sample image, its sheet and the pictures are in $out:"
ls "$out"
exit $status
