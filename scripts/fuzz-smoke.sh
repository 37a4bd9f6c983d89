#!/usr/bin/env bash
# Builds the libFuzzer target with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in a build folder of its own (only the target and the
# libraries it needs) and runs it for a bounded time.
#   scripts/fuzz-smoke.sh [seconds=20] [build folder=build-fuzz]
# A crashing input is kept as $build/crash-*. Extra libFuzzer options go in FUZZ_FLAGS (e.g. FUZZ_FLAGS="-jobs=2").
# Exits 77 (skipped) when clang++ is not installed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
build=${2:-$root/build-fuzz}

if ! command -v clang++ >/dev/null 2>&1; then
  echo "clang++ is not installed: fuzz smoke skipped"
  exit 77
fi

sanitizers="-fsanitize=address,undefined -fsanitize=fuzzer-no-link -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DZEL_FUZZ=ON -DCMAKE_CXX_FLAGS="$sanitizers" >"$build.configure.log" 2>&1 \
  || { cat "$build.configure.log"; exit 1; }
cmake --build "$build" --target fuzz_codec -j2

corpus="$build/corpus-codec"
mkdir -p "$corpus"
# shellcheck disable=SC2086
"$build/bin/fuzz_codec" -max_total_time="$seconds" -timeout=10 -artifact_prefix="$build/" -rss_limit_mb=2048 -print_final_stats=1 \
  ${FUZZ_FLAGS:-} "$corpus"
