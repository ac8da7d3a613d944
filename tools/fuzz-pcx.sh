#!/usr/bin/env bash
# Builds the PCX decoder natively under libFuzzer with the address and
# undefined-behaviour sanitizers, writes the seed corpus with our own tool and
# fuzzes for the given number of seconds. Inputs that crash are kept in OUT.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$root/build/fuzz}"
seconds="${2:-60}"
cxx="${FUZZ_CXX:-clang++-14}"
command -v "$cxx" >/dev/null || { echo "fuzz-pcx: $cxx is missing (tools/bootstrap.sh installs it)" >&2; exit 1; }

mkdir -p "$out/pcx-seeds" "$out/pcx-corpus"
"$cxx" -std=c++17 -O1 -I"$root" "$root/tools/pcxseeds.cpp" -o "$out/pcxseeds"
"$out/pcxseeds" "$out/pcx-seeds"
"$cxx" -std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
      -I"$root" "$root/styling/core/pcxdecoder.cpp" "$root/tests/fuzz/pcx_fuzz.cpp" \
      -o "$out/pcx_fuzz"
"$out/pcx_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$out/pcx-crash-" "$out/pcx-corpus" "$out/pcx-seeds"
