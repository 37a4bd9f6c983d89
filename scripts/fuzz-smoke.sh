#!/usr/bin/env bash
# Builds one libFuzzer target with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in a build folder of its own (only the target and the
# libraries it needs) and runs it for a bounded time.
#   scripts/fuzz-smoke.sh [seconds=20] [build folder=build-fuzz] [target=codec]
# Targets: codec, settings_file, frame_receiver, data_file, config_file.
# A crashing input is kept as $build/crash-*; the corpus grows in $build/corpus-<target>.
# Extra libFuzzer options go in FUZZ_FLAGS (e.g. FUZZ_FLAGS="-jobs=2").
# Exits 77 (skipped) when clang++ is not installed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
build=${2:-$root/build-fuzz}
target=${3:-codec}

if ! command -v clang++ >/dev/null 2>&1; then
  echo "clang++ is not installed: fuzz smoke skipped"
  exit 77
fi

launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
sanitizers="-fsanitize=address,undefined -fsanitize=fuzzer-no-link -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      "${launcher[@]}" -DZEL_FUZZ=ON -DCMAKE_CXX_FLAGS="$sanitizers" >"$build.configure.log" 2>&1 \
  || { cat "$build.configure.log"; exit 1; }
cmake --build "$build" --target "fuzz_$target" -j2

# Files of a whole data set or configuration group must fit in one input.
case $target in
  data_file) max_len=9000 ;;
  config_file) max_len=8400 ;;
  *) max_len=4096 ;;
esac
corpus="$build/corpus-$target"
# A finding must fail the test: libFuzzer's own exit status for one (77) is the
# one that marks the test as skipped.
mkdir -p "$corpus"
# shellcheck disable=SC2086
"$build/bin/fuzz_$target" -max_total_time="$seconds" -timeout=10 -error_exitcode=1 -artifact_prefix="$build/" -rss_limit_mb=2048 \
  -max_len=$max_len -print_final_stats=1 ${FUZZ_FLAGS:-} "$corpus"
