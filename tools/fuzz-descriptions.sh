#!/usr/bin/env bash
# Builds the native description fuzzer (clang, libFuzzer, AddressSanitizer)
# and runs it for a bounded time, seeded with the project's own stored
# descriptions. Usage: fuzz-descriptions.sh SECONDS
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
out="$root/build/fuzz"
fuzzer="$out/description_fuzzer"
sources=("$root/framework/components/descriptionlexer.cpp" "$root/framework/components/descriptionparser.cpp"
         "$root/tests/fuzz/description_fuzzer.cpp")
cxx="$(command -v clang++-14 || true)"
[ -n "$cxx" ] || { echo "fuzz: clang++-14 is missing (tools/bootstrap.sh installs it)" >&2; exit 1; }

mkdir -p "$out"
stale=0
[ -x "$fuzzer" ] || stale=1
for f in "${sources[@]}" "$root"/framework/components/descriptionlexer.h "$root"/framework/components/descriptionparser.h; do
  [ "$f" -nt "$fuzzer" ] && stale=1
done
if [ "$stale" = 1 ]; then
  "$cxx" -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I"$root" "${sources[@]}" -o "$fuzzer"
fi

# A fresh corpus each run, so that nothing the fuzzer finds lands in the tree.
corpus="$(mktemp -d)"
trap 'rm -rf "$corpus"' EXIT
find "$root/app" "$root/tests" -name '*.form' -exec cp {} "$corpus"/ \; 2>/dev/null || true
"$fuzzer" "$corpus" -max_total_time="$seconds" -max_len=16384 -timeout=10 -rss_limit_mb=2048 \
  -dict="$root/tests/fuzz/description.dict" -artifact_prefix="$out/" -print_final_stats=1 2>&1 |
  awk '/Recommended dictionary/ { skip = 1 } !skip && !/^#[0-9]/ && !/NEW_FUNC/ { print } /End of recommended/ { skip = 0 }'
exit "${PIPESTATUS[0]}"
