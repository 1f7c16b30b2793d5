#!/usr/bin/env bash
# Installs what Bulbicalc needs to build, run and test on Debian 12 (as root or
# through sudo). Packages already installed are left alone.
set -euo pipefail

packages=(
  build-essential cmake
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
  libgtest-dev libzip-dev libpugixml-dev libglpk-dev
  fonts-liberation2 fonts-wine
  poppler-utils python3-openpyxl
  dpkg-dev desktop-file-utils appstream
  clang libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
