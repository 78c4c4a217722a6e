#!/usr/bin/env bash
# Runs every benchmark and prints the budgets as ratios, with the machine they were taken on.
# Usage: run_benchmarks.sh NATIVE-RELEASE-BUILD MINGW-X64-BUILD
# STARTUP_RUNS sets how many times each program is started (15 unless set).
set -u
here=$(cd "$(dirname "$0")" && pwd)
native=$1 windows=$2
log=$(mktemp)
trap 'rm -f "$log"' EXIT

status=0
"$native/bench/converter_bench" 2>&1 | tee -a "$log" || status=1
"$native/bench/hook_bench" 2>&1 | tee -a "$log" || status=1
"$here/startup_bench.sh" "$windows" "${STARTUP_RUNS:-15}" 2>&1 | tee -a "$log" || status=1

echo
echo "Budgets on $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //'):"
grep -E '(target at most)' "$log" | sed 's/\x1b\[[0-9;]*m//g; s/^/  /'
exit $status
