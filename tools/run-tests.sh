#!/usr/bin/env bash
# Runs every test of the given build trees through CTest, with one wineserver
# kept alive for the whole run so that each wine64 start is cheap. Every tree
# runs even when an earlier one failed; the exit status is non-zero if any did.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
[ $# -gt 0 ] || { echo "usage: run-tests.sh BUILD_TREE..." >&2; exit 2; }
export WINEPREFIX="$root/build/wineprefix" WINEDEBUG=-all

wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
# Start Wine's background services now, detached from CTest's output pipes:
# started from inside a test they would hold the pipe open until timeout.
"$root/tools/wine-run" cmd /c exit </dev/null >/dev/null 2>&1

# The 32-bit program is the product: a machine that cannot run it fails the
# run here, loudly, rather than passing without its tests.
if ! "$root/tools/wine-run" 'C:\windows\syswow64\cmd.exe' /c exit </dev/null >/dev/null 2>&1; then
  echo "run-tests: 32-bit Windows programs do not run here under Wine, so the i686 tests cannot run" >&2
  echo "run-tests: Wine's 32-bit loader says: $(/usr/lib/wine/wine --version 2>&1 | head -n 1)" >&2
  echo "run-tests: they need a kernel with IA-32 emulation, Debian's wine32:i386, and a prefix" >&2
  echo "run-tests: made after it (tools/bootstrap.sh makes one)" >&2
  exit 1
fi

status=0
for tree in "$@"; do
  echo "== tests of $(basename "$tree")"
  ctest --test-dir "$tree" --output-on-failure --timeout 180 || status=1
done
exit $status
