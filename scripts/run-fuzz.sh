#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz") and runs each for a while on its
# seed corpus: scripts/run-fuzz.sh [SECONDS per target, default 30] [TARGET...]
# Targets run side by side, one per processor. New inputs that reach new code
# go to build/fuzz/corpus/<target>/; a crash makes the run exit non-zero once
# the others are done and leaves its input in
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
# One target: its summary on success; on a crash, the end of its log and a
# non-zero exit.
run_target() {
    local target="$1" log="build/fuzz/$1.log" status=0
    mkdir -p "build/fuzz/corpus/$target"
    # The first folder receives new inputs; the seeds in the tree are only read.
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
        "build/fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -print_final_stats=1 \
        -artifact_prefix="build/fuzz/crashes/$target-" "build/fuzz/corpus/$target" "fuzz/corpus/$target" \
        >"$log" 2>&1 || status=$?
    if [ "$status" -ne 0 ]; then
        tail -n 60 "$log" >&2
        echo "$target failed (exit $status); its input is in build/fuzz/crashes/, the whole output in $log" >&2
        return 1
    fi
    # One write, so that targets running side by side do not interleave.
    local summary
    summary=$(grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || true)
    printf '== %s: %s s\n%s\n' "$target" "$seconds" "$summary"
}

# As many targets at once as there are processors; each runs on one.
failed=0
running=0
for target in "${targets[@]}"; do
    if [ "$running" -ge "$(nproc)" ]; then
        wait -n || failed=1
        running=$((running - 1))
    fi
    run_target "$target" &
    running=$((running + 1))
done
while [ "$running" -gt 0 ]; do
    wait -n || failed=1
    running=$((running - 1))
done
exit "$failed"
