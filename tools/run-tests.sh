#!/usr/bin/env bash
# Runs every test of a build tree through CTest, with one wineserver kept
# alive for the whole run so that each wine64 start is cheap.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
tree="${1:?usage: run-tests.sh BUILD_TREE}"
export WINEPREFIX="$root/build/wineprefix" WINEDEBUG=-all

wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
# Start Wine's background services now, detached from CTest's output pipes:
# started from inside a test they would hold the pipe open until timeout.
"$root/tools/wine-run" cmd /c exit </dev/null >/dev/null 2>&1
ctest --test-dir "$tree" --output-on-failure --timeout 180
