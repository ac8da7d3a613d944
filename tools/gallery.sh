#!/usr/bin/env bash
# `make gallery`: the theme gallery's tour on this display, or under a
# virtual one without a display; one PNG picture of the window per look.
#   tools/gallery.sh BUILD_TREE OUT_FOLDER
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
tree="$(cd "${1:?usage: gallery.sh BUILD_TREE OUT_FOLDER}" && pwd)"
out="${2:?usage: gallery.sh BUILD_TREE OUT_FOLDER}"
winpath() { local p="Z:$1"; echo "${p//\//\\}"; }

"$root/tools/xprefix.sh"
rm -rf "$out"
mkdir -p "$out"
out="$(cd "$out" && pwd)"
export WINEPREFIX="$root/build/wineprefix-x11" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
tour=(bash -c '/usr/lib/wine/wine64 "$@"; rc=$?; wineserver -k 2>/dev/null || true; exit $rc' _
      "$tree/gallery/ThemeGallery.exe" /tour "$(winpath "$out")")
status=0
if [ -n "${DISPLAY:-}" ]; then
  "${tour[@]}" </dev/null || status=$?
else
  echo "gallery: no display, so the tour runs under a virtual one."
  xvfb-run -a -s "-screen 0 1024x768x24" "${tour[@]}" </dev/null || status=$?
fi
for bmp in "$out"/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
echo "gallery: the pictures of the nine looks are in $out:"
ls "$out"
exit $status
