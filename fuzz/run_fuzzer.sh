#!/usr/bin/env bash
# Runs one fuzz target for FUZZ_SECONDS (5 unless set) from the seed corpus kept in the repository.
# New inputs go to a work folder in the build tree, never into the repository; an input that
# breaks a property is kept there (crash-*) and the run fails.
# Usage: run_fuzzer.sh FUZZ-TARGET SEED-CORPUS WORK-FOLDER
set -u
target=$1 seeds=$2 work=$3
seconds=${FUZZ_SECONDS:-5}
name=$(basename "$target")
mkdir -p "$work/corpus" "$work/artifacts" "$work/tmp"
# Scratch files of the targets stay in the build tree too.
export TMPDIR=$work/tmp
log=$work/last-run.log
echo "$name: ${seconds} s from $seeds"
# -timeout: no single input may take a second; -rss_limit_mb: ASan's shadow counts as well.
"$target" -max_total_time="$seconds" -timeout=1 -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="$work/artifacts/" "$work/corpus" "$seeds" >"$log" 2>&1
status=$?
if [ "$status" -ne 0 ]; then
    head -n 300 "$log"
    echo "$name failed (status $status); the input is in $work/artifacts/" >&2
else
    grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)|cov:' "$log" | tail -n 4
fi
exit "$status"
