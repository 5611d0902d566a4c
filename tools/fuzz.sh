#!/usr/bin/env bash
# Builds the session fuzzer with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer; workflow preset "fuzzing", in build/fuzz) and runs it.
#
#   tools/fuzz.sh [RUNS] [libFuzzer options...]     RUNS defaults to 1000000
#
# The corpus grows in build/fuzz/corpus and is reused by the next run; an input
# that breaks a rule is written to build/fuzz/hallazgos/ and the run stops. To
# replay one: build/fuzz/tests/fuzz_sesion FILE (it names the rule and the event).
set -euo pipefail
raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
corridas=${1:-1000000}
shift || true
dir=$raiz/build/fuzz # where the preset builds; the corpus and the findings stay there too

bash "$raiz/tools/preparar.sh" fuzz

(cd "$raiz" && CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)} \
    cmake --workflow --preset fuzzing)
mkdir -p "$dir/corpus" "$dir/hallazgos"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
inicio=$SECONDS
"$dir/tests/fuzz_sesion" -runs="$corridas" -max_len=4096 -timeout=20 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$dir/hallazgos/" "$@" "$dir/corpus"
echo "fuzz.sh: $corridas sessions run clean in $((SECONDS - inicio)) s"
