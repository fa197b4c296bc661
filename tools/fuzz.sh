#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs every libFuzzer harness of a fuzz build: first once over its kept regression inputs,
# then for the given number of seconds from the generated seed corpus. Any finding (crash,
# sanitizer report, broken property, timeout) fails the run and leaves the input in
# <build>/fuzz-artifacts/.
#
#   tools/fuzz.sh <fuzz build folder> <seconds per harness>
set -euo pipefail

build_dir=$(cd "$1" && pwd)
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)

seeds=$build_dir/fuzz-seeds
corpus=$build_dir/fuzz-corpus
artifacts=$build_dir/fuzz-artifacts
logs=$build_dir/fuzz-logs

rm -rf "$seeds"
mkdir -p "$corpus" "$artifacts" "$logs"
"$build_dir/fuzz/formwright-fuzz-seeds" "$seeds"

status=0
while read -r name; do
    [ -n "$name" ] || continue
    fuzzer=$build_dir/fuzz/${name}_fuzzer
    regressions=$root/fuzz/regressions/$name
    log=$logs/$name.log
    mkdir -p "$corpus/$name" "$seeds/$name"

    inputs=()
    if [ -d "$regressions" ]; then
        while IFS= read -r -d '' file; do inputs+=("$file"); done \
            < <(find "$regressions" -type f -print0 | sort -z)
    fi
    if [ ${#inputs[@]} -gt 0 ] && ! "$fuzzer" "${inputs[@]}" >"$log" 2>&1; then
        echo "fuzz: $name: a kept regression input fails again (log: $log)"
        tail -n 30 "$log"
        status=1
        continue
    fi

    dirs=("$corpus/$name" "$seeds/$name")
    [ -d "$regressions" ] && dirs+=("$regressions")
    if "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$name-" "${dirs[@]}" >>"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
        echo "fuzz: $name: ${runs:-?} runs in ${seconds} s, ${#inputs[@]} regression inputs, no findings"
    else
        echo "fuzz: $name: FINDING (log: $log, inputs in $artifacts)"
        grep -E 'ERROR|property violated|SUMMARY|runtime error' "$log" | head -n 10 || true
        status=1
    fi
done <"$build_dir/fuzzers.txt"
exit $status
