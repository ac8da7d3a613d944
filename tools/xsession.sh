# Sourced by the scripts that run a program under real X windows and keep
# pictures of it (gallery.sh, demo.sh):
#   . xsession.sh NAME BUILD_TREE OUT_FOLDER
# sets root, tree and out (emptied), prepares the X prefix and defines how
# to run wine64 and where, and how the pictures are kept.
name="$1"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
tree="$(cd "${2:?usage: $name.sh BUILD_TREE OUT_FOLDER}" && pwd)"
out="${3:?usage: $name.sh BUILD_TREE OUT_FOLDER}"
winpath() { local p="Z:$1"; echo "${p//\//\\}"; }

"$root/tools/xprefix.sh"
rm -rf "$out"
mkdir -p "$out"
out="$(cd "$out" && pwd)"
export WINEPREFIX="$root/build/wineprefix-x11" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The program, then the prefix's wineserver stopped so that the display it
# ran on can close; the program's exit status is kept.
wine_then_stop=(bash -c '/usr/lib/wine/wine64 "$@"; rc=$?; wineserver -k 2>/dev/null || true; exit $rc' _)
virtual_display=(xvfb-run -a -s "-screen 0 1024x768x24")

# The pictures the program saved as BMP, as PNG; then what is in out.
keep_pictures() {
  local bmp
  for bmp in "$out"/*.bmp; do
    [ -e "$bmp" ] || continue
    convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
  done
  echo "$name: $1 $out:"
  ls "$out"
}
