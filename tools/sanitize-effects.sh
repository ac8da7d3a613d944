#!/usr/bin/env bash
# Builds the show animation's byte-level effect engine and its tests natively
# with AddressSanitizer and UndefinedBehaviorSanitizer and runs them: a write
# outside a frame or a mask fails the run.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$root/build/sanitize}"
gtest=/usr/src/googletest/googletest
cxx="${SANITIZE_CXX:-$(command -v clang++-14 || true)}"
[ -n "$cxx" ] || { echo "sanitize: clang++-14 is missing (tools/bootstrap.sh installs it)" >&2; exit 1; }
flags=(-std=c++17 -g -O1 -fsanitize=address,undefined -fno-sanitize-recover=undefined -pthread)

mkdir -p "$out"
for g in gtest-all gtest_main; do
  [ -f "$out/$g.o" ] || "$cxx" "${flags[@]}" -I"$gtest/include" -I"$gtest" -c "$gtest/src/$g.cc" -o "$out/$g.o"
done
"$cxx" "${flags[@]}" -I"$root" -I"$gtest/include" \
  "$root"/styling/forms/{skeffectmask,skeffectframe}.cpp "$root"/styling/core/skcolors.cpp \
  "$root"/framework/base/colors.cpp "$root"/tests/native/syscolors_grey.cpp \
  "$root"/tests/skeffects_test.cpp \
  "$out/gtest-all.o" "$out/gtest_main.o" -o "$out/effect_tests"
"$out/effect_tests" --gtest_brief=1
