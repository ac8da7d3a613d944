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

# The 32-bit program is the product: its tests run wherever the machine can
# execute 32-bit code. A kernel (or sandbox) that cannot is said loudly, and
# its i686 tests are reported as not run; a missing package or a stale prefix
# on a machine that could run them fails the run.
run32=1
if ! "$root/tools/wine-run" 'C:\windows\syswow64\cmd.exe' /c exit </dev/null >/dev/null 2>&1; then
  loader="$(/usr/lib/wine/wine --version 2>&1 | head -n 1)"
  case "$loader" in
    *"Exec format error"*)
      run32=0
      {
        echo "run-tests: ************************************************************"
        echo "run-tests: THIS MACHINE CANNOT EXECUTE 32-BIT CODE: the i686 tests do NOT run."
        echo "run-tests: Wine's 32-bit loader says: $loader"
        echo "run-tests: The i686 program is compiled and linked, but not tested on this machine."
        echo "run-tests: ************************************************************"
      } >&2 ;;
    *)
      echo "run-tests: 32-bit Windows programs do not run here under Wine, so the i686 tests cannot run" >&2
      echo "run-tests: Wine's 32-bit loader says: $loader" >&2
      echo "run-tests: they need Debian's wine32:i386 and a prefix made after it" >&2
      echo "run-tests: (tools/bootstrap.sh makes one)" >&2
      exit 1 ;;
  esac
fi

status=0
for tree in "$@"; do
  if [ $run32 = 0 ] && [ "$(basename "$tree")" = i686 ]; then
    echo "== tests of i686: NOT RUN (this machine cannot execute 32-bit code)" >&2
    continue
  fi
  echo "== tests of $(basename "$tree")"
  ctest --test-dir "$tree" --output-on-failure --timeout 180 || status=1
done
exit $status
