#!/usr/bin/env bash
# Builds the component, property and description tests natively with
# AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer and runs
# them: a leak or a bad access in the framework's core fails the run.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$root/build/sanitize"
gtest=/usr/src/googletest/googletest
cxx="$(command -v clang++-14 || true)"
[ -n "$cxx" ] || { echo "sanitize: clang++-14 is missing (tools/bootstrap.sh installs it)" >&2; exit 1; }
flags=(-std=c++17 -g -O1 -fsanitize=address,undefined -fno-sanitize-recover=undefined -pthread)

sources=("$root"/framework/components/{persistent,classregistry,component,properties,roots}.cpp "$root"/framework/base/colors.cpp
         "$root"/framework/components/{descriptionlexer,descriptionparser,reader,writer}.cpp
         "$root"/tests/native/ansi_latin1.cpp
         "$root"/tests/{component_test,description_test,properties_test}.cpp)
mkdir -p "$out"
# GoogleTest itself only once.
for g in gtest-all gtest_main; do
  [ -f "$out/$g.o" ] || "$cxx" "${flags[@]}" -I"$gtest/include" -I"$gtest" -c "$gtest/src/$g.cc" -o "$out/$g.o"
done
objects=()
for s in "${sources[@]}"; do
  o="$out/$(basename "$(dirname "$s")")_$(basename "$s" .cpp).o"
  "$cxx" "${flags[@]}" -I"$root" -I"$gtest/include" -c "$s" -o "$o"
  objects+=("$o")
done
"$cxx" "${flags[@]}" "${objects[@]}" "$out/gtest-all.o" "$out/gtest_main.o" -o "$out/component_tests"
"$out/component_tests" --gtest_brief=1
