#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what the Windows cross build needs (MinGW-w64 with POSIX threads, Wine to run its
# tests) when missing. Called by `make test-windows` only; `make deps` does not need these.
set -euo pipefail

packages=(g++-mingw-w64-x86-64-posix wine wine64 libgtest-dev)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
