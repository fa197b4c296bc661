#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the Windows build's test suites under Wine and compares what its formwright-cli writes
# with the Linux build's, byte for byte.
#   tools/test-windows.sh WINDOWS_BUILD_DIR LINUX_CLI
set -euo pipefail

windows_dir=$(realpath "$1")
linux_cli=$(realpath "$2")
windows_cli="$windows_dir/src/cli/formwright-cli.exe"

# Wine in a prefix of its own, without a display or debug chatter.
export WINEPREFIX="$windows_dir/wine-prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
# Wine turns arguments and file names into UTF-16 through the locale's character set.
export LC_ALL=C.UTF-8
wine=$(command -v wine64 || command -v wine)
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating the Wine prefix $WINEPREFIX"
  "$wine" wineboot --init >/dev/null 2>&1
  wineserver -w 2>/dev/null || true
fi

echo "== Test suites under Wine"
(cd "$windows_dir" && ctest --output-on-failure -j 2)

echo "== formwright-cli: Windows against Linux"
work="$windows_dir/cli-compare"
rm -rf "$work"
mkdir -p "$work/linux" "$work/windows"
failures=0

# Runs one command in both builds, each in its own folder; `@/` in an argument stands for it
# (the names are relative, so that the printed paths match).
both() {
  local label=$1
  shift
  local args_linux=() args_windows=() a
  for a in "$@"; do
    args_linux+=("${a//@\//}")
    args_windows+=("${a//@\//}")
  done
  local linux_status=0 windows_status=0
  (cd "$work/linux" && "$linux_cli" "${args_linux[@]}") \
    >"$work/linux/$label.out" 2>"$work/linux/$label.err" || linux_status=$?
  (cd "$work/windows" && "$wine" "$windows_cli" "${args_windows[@]}") \
    >"$work/windows/$label.out" 2>"$work/windows/$label.err" || windows_status=$?
  if [ "$linux_status" != "$windows_status" ]; then
    echo "FAIL $label: exit status $windows_status on Windows, $linux_status on Linux"
    failures=$((failures + 1))
  fi
  if ! cmp -s "$work/linux/$label.out" "$work/windows/$label.out"; then
    echo "FAIL $label: standard output differs"
    failures=$((failures + 1))
  fi
  if ! cmp -s "$work/linux/$label.err" "$work/windows/$label.err"; then
    echo "FAIL $label: standard error differs"
    diff "$work/linux/$label.err" "$work/windows/$label.err" | head -n 5 || true
    failures=$((failures + 1))
  fi
}

# Compares a file that both builds wrote.
same() {
  if [ ! -f "$work/windows/$1" ] || ! cmp "$work/linux/$1" "$work/windows/$1"; then
    echo "FAIL $1 differs or is missing"
    failures=$((failures + 1))
  fi
}

# The language file: every built-in text, plus non-ASCII ones.
"$linux_cli" language-template "$work/lang.lng"
printf '3001=Datei \xc3\x9cbersicht\r\n3002=\xce\xa9mega\r\n' >>"$work/lang.lng"
cp "$work/lang.lng" "$work/linux/lang.lng"
cp "$work/lang.lng" "$work/windows/lang.lng"

for model in Q720CE Q720PPC; do
  both "new-$model" new "@/new-$model.Q72" --model "$model"
  same "new-$model.Q72"
  both "new-$model-language" new "@/new-$model-language.Q72" --model "$model" --language "@/lang.lng"
  same "new-$model-language.Q72"
done
both language-template language-template "@/template.lng"
same template.lng

# Every older version, as such a program wrote it: its magic, then the current layout cut to
# that version's size (which `info` names for a file that holds only the magic).
for version in Q720-1.00 Q720-1.01 Q720-1.02 Q720-1.05 Q720-1.09 Q720-1.11 Q720-1.12 Q720-1.13 Q720-1.14; do
  printf '%s\0' "$version" >"$work/probe.Q72"
  size=$({ "$linux_cli" info "$work/probe.Q72" 2>&1 || true; } | sed -n 's/.* of \([0-9]*\) bytes.*/\1/p' | head -n 1)
  if [ -z "$size" ]; then
    size=$(stat -c %s "$work/linux/new-Q720CE.Q72")
  fi
  for side in linux windows; do
    { printf '%s\0' "$version"; head -c "$size" "$work/linux/new-Q720PPC-language.Q72" | tail -c +11; } \
      >"$work/$side/old-$version.Q72"
  done
  both "upgrade-$version" upgrade "@/old-$version.Q72" "@/upgraded-$version.Q72" --language "@/lang.lng"
  same "upgraded-$version.Q72"
  both "info-$version" info "@/old-$version.Q72"
  both "export-$version" export "@/old-$version.Q72"
  same "export-$version.out"
  both "export-file-$version" export "@/old-$version.Q72" -o "@/export-$version.json"
  same "export-$version.json"
done

# Non-ASCII names survive new, upgrade --in-place, export and check, and print as UTF-8.
for name in 'Müller' 'Ωmega' '日本'; do
  both "new-$name" new "@/$name.Q72"
  same "$name.Q72"
  cp "$work/linux/old-Q720-1.05.Q72" "$work/linux/$name-old.Q72"
  cp "$work/windows/old-Q720-1.05.Q72" "$work/windows/$name-old.Q72"
  both "in-place-$name" upgrade --in-place "@/$name-old.Q72"
  same "$name-old.Q72"
  both "export-$name" export "@/$name-old.Q72" -o "@/$name.json"
  same "$name.json"
  both "check-$name" check "@/$name.Q72"
  same "check-$name.out"
done
ls -A "$work/windows" | grep -E '^\.' && { echo "FAIL a temporary file was left behind"; failures=$((failures + 1)); }

# A folder as input or output gets the same message.
mkdir -p "$work/linux/folder.Q72" "$work/windows/folder.Q72"
both folder-in info "@/folder.Q72"
both folder-out new "@/folder.Q72"
same folder-in.err
same folder-out.err

if [ "$failures" -ne 0 ]; then
  echo "formwright-cli: $failures difference(s) between Windows and Linux (files in $work)"
  exit 1
fi
echo "formwright-cli: every output equals the Linux build's"
