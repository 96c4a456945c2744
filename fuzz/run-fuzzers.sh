#!/usr/bin/env bash
# Builds the fuzz targets with clang in BUILD_DIR and runs each for SECONDS
# on its seed corpus (fuzz/corpus/<target>) plus what earlier runs found.
# Exits 77 (skipped) when clang or its libFuzzer runtime is not installed;
# any sanitizer finding or failed check exits non-zero.
#   fuzz/run-fuzzers.sh BUILD_DIR [SECONDS]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${1:?usage: run-fuzzers.sh BUILD_DIR [SECONDS]}"
seconds="${2:-10}"

if ! command -v clang++ >/dev/null 2>&1; then
    echo "clang++ is not installed: fuzz targets skipped"
    exit 77
fi
runtime="$(clang++ -print-runtime-dir 2>/dev/null || true)"
if ! ls "$runtime"/libclang_rt.fuzzer*.a >/dev/null 2>&1 &&
   ! ls "$(dirname "$runtime")"/linux/libclang_rt.fuzzer*.a >/dev/null 2>&1; then
    echo "clang's libFuzzer runtime is not installed: fuzz targets skipped"
    exit 77
fi

generator=()
if command -v ninja >/dev/null 2>&1; then
    generator=(-G Ninja)
fi
cmake -S "$here" -B "$build" "${generator[@]}" -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j 2

export ASAN_OPTIONS="${ASAN_OPTIONS:-}:abort_on_error=1"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-}:print_stacktrace=1:halt_on_error=1"
status=0
for target in fuzz_test_file fuzz_calibration_file fuzz_json fuzz_settings_file; do
    found="$build/found/$target"
    log="$build/$target.log"
    mkdir -p "$found"
    if (cd "$build" && "./$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -max_len=8192 "$found" "$here/corpus/$target" >"$log" 2>&1); then
        echo "$target: ${seconds}s, $(grep -c . "$log") log lines, no finding"
        tail -n 1 "$log"
    else
        echo "$target: FINDING (log $log, reproducer in $build)"
        tail -n 80 "$log"
        status=1
    fi
done
exit "$status"
