#!/usr/bin/env bash
# The program at work without a display: under a virtual X display the demo
# driver picks a sample image through the real open dialog, the sheet it
# wrote is printed, and PNG pictures of the windows are saved.
#   tools/demo.sh BUILD_TREE OUT_FOLDER
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/xsession.sh" demo "$@"
status=0
"${virtual_display[@]}" "${wine_then_stop[@]}" "$tree/tests/sheetmill_demo.exe" \
  "$(winpath "$tree/app/SheetMill.exe")" "$(winpath "$out")" </dev/null || status=$?
keep_pictures "the sample image, its sheet and the pictures are in"
exit $status
