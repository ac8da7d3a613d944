#!/usr/bin/env bash
# `make gallery`: the theme gallery's tour on this display, or under a
# virtual one without a display; one PNG picture of the window per look.
#   tools/gallery.sh BUILD_TREE OUT_FOLDER
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/xsession.sh" gallery "$@"
tour=("${wine_then_stop[@]}" "$tree/gallery/ThemeGallery.exe" /tour "$(winpath "$out")")
status=0
if [ -n "${DISPLAY:-}" ]; then
  "${tour[@]}" </dev/null || status=$?
else
  echo "gallery: no display, so the tour runs under a virtual one."
  "${virtual_display[@]}" "${tour[@]}" </dev/null || status=$?
fi
keep_pictures "the pictures of the nine looks are in"
exit $status
