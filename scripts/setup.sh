#!/usr/bin/env bash
# Installs the Debian packages Corvalet needs to build and test, only when one is missing.
# Safe to run again and again.
set -euo pipefail

packages=(g++ cmake ninja-build qt6-base-dev libgl-dev libgtest-dev libgmock-dev)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
