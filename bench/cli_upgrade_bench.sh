#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Upgrades COUNT project files (default 1000) with one formwright-cli run each and reports the
# rate. The inputs are a mix of every older file version, made by cutting new projects to the
# size of their version.
# Usage: bench/cli_upgrade_bench.sh [path/to/formwright-cli] [COUNT]
set -euo pipefail

cli="${1:-build/src/cli/formwright-cli}"
count="${2:-1000}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

versions=("1.00:60516" "1.01:60609" "1.02:61229" "1.09:61694" "1.11:67160" "1.12:67160" "1.13:67160")
"$cli" new "$work/seed.Q72"
mkdir -p "$work/in" "$work/out"
for v in "${versions[@]}"; do
  version="${v%%:*}"
  size="${v##*:}"
  { printf 'Q720-%s\0' "$version"; tail -c +11 "$work/seed.Q72" | head -c $((size - 10)); } > "$work/v$version.Q72"
done
for ((i = 0; i < count; i++)); do
  v="${versions[i % ${#versions[@]}]}"
  cp "$work/v${v%%:*}.Q72" "$work/in/$i.Q72"
done

start=$(date +%s.%N)
for ((i = 0; i < count; i++)); do
  "$cli" upgrade "$work/in/$i.Q72" "$work/out/$i.Q72"
done
end=$(date +%s.%N)

awk -v n="$count" -v s="$start" -v e="$end" \
  'BEGIN { t = e - s; printf "upgraded %d files in %.2f s: %.0f files/s\n", n, t, n / t }'
