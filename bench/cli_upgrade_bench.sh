#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Upgrades COUNT project files (default 1000) of every file version three ways and reports the
# rate of each: (a) one formwright-cli run per file, (b) one run with --output-dir, (c) one run
# with --in-place. The inputs are made by cutting new projects to the size of their version.
# Usage: bench/cli_upgrade_bench.sh [path/to/formwright-cli] [COUNT]
set -euo pipefail

cli="${1:-build/src/cli/formwright-cli}"
count="${2:-1000}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

versions=("1.00:60516" "1.01:60609" "1.02:61229" "1.09:61694" "1.11:67160" "1.12:67160" "1.13:67160"
          "1.14:67205")
"$cli" new "$work/seed.Q72"
mkdir -p "$work/versions"
for v in "${versions[@]}"; do
  version="${v%%:*}"
  size="${v##*:}"
  { printf 'Q720-%s\0' "$version"; head -c "$size" "$work/seed.Q72" | tail -c +11; } \
    > "$work/versions/v$version.Q72"
done

# Each way upgrades its own copy of the same inputs, all made before the first run: deleting
# files just before a run would slow the file creations of that run on some file systems.
for way in a b c; do
  mkdir -p "$work/in-$way" "$work/out-$way"
  for ((i = 0; i < count; i++)); do
    v="${versions[i % ${#versions[@]}]}"
    cp "$work/versions/v${v%%:*}.Q72" "$work/in-$way/$i.Q72"
  done
done
sync

now() { date +%s.%N; }
seconds_since() { awk -v s="$1" -v e="$(now)" 'BEGIN { print e - s }'; }

start=$(now)
for ((i = 0; i < count; i++)); do
  "$cli" upgrade "$work/in-a/$i.Q72" "$work/out-a/$i.Q72"
done
one_per_file=$(seconds_since "$start")

start=$(now)
"$cli" upgrade --output-dir "$work/out-b" "$work"/in-b/*.Q72
output_dir=$(seconds_since "$start")

start=$(now)
"$cli" upgrade --in-place "$work"/in-c/*.Q72
in_place=$(seconds_since "$start")

# The three ways must write the same bytes.
diff -rq "$work/out-a" "$work/out-b" >/dev/null || { echo "--output-dir wrote other bytes than one run per file" >&2; exit 1; }
diff -rq "$work/out-a" "$work/in-c" >/dev/null || { echo "--in-place wrote other bytes than one run per file" >&2; exit 1; }

awk -v n="$count" -v a="$one_per_file" -v b="$output_dir" -v c="$in_place" 'BEGIN {
  printf "%-24s %8s %10s %8s\n", "way", "seconds", "files/s", "vs (a)"
  printf "%-24s %8.3f %10.0f %7.1fx\n", "(a) one process per file", a, n / a, 1
  printf "%-24s %8.3f %10.0f %7.1fx\n", "(b) --output-dir", b, n / b, a / b
  printf "%-24s %8.3f %10.0f %7.1fx\n", "(c) --in-place", c, n / c, a / c
}'
