#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz") and runs each for a while on its
# seed corpus: scripts/run-fuzz.sh [SECONDS per target, default 30] [TARGET...]
# New inputs that reach new code go to build/fuzz/corpus/<target>/; a crash
# stops the run with a non-zero exit and leaves its input in
# build/fuzz/crashes/<target>-crash-<hash>, which the target replays:
#   build/fuzz/fuzz/<target> build/fuzz/crashes/<target>-crash-<hash>
# A run that takes longer than 10 s on one input, or more than 1 GiB of memory,
# fails like a crash.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-30}"
shift || true
targets=("$@")
if [ "${#targets[@]}" -eq 0 ]; then
    targets=(fuzz_modelfile fuzz_resultsfile fuzz_variablepath fuzz_numbers fuzz_plotdefinition fuzz_droppayload fuzz_plotpipeline)
fi

bash scripts/install-dependencies.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2

mkdir -p build/fuzz/crashes
for target in "${targets[@]}"; do
    mkdir -p "build/fuzz/corpus/$target"
    echo "== $target: ${seconds} s"
    # The first folder receives new inputs; the seeds in the tree are only read.
    log="build/fuzz/$target.log"
    status=0
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
        "build/fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -print_final_stats=1 \
        -artifact_prefix="build/fuzz/crashes/$target-" "build/fuzz/corpus/$target" "fuzz/corpus/$target" \
        >"$log" 2>&1 || status=$?
    if [ "$status" -ne 0 ]; then
        tail -n 60 "$log" >&2
        echo "$target failed (exit $status); its input is in build/fuzz/crashes/, the whole output in $log" >&2
        exit 1
    fi
    grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || true
done
