#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building and testing Zelvane need, only when
# some are missing. Runs "apt-get update" once, and only when it has to install.
set -euo pipefail

packages=(
  build-essential clang cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
  libgl-dev libvulkan-dev
  libexiv2-dev libjpeg62-turbo-dev libheif-dev qt6-image-formats-plugins
  libgtest-dev googletest
  libimage-exiftool-perl poppler-utils fonts-liberation2 tidy
  libheif-examples webp heif-thumbnailer
  xvfb xauth
)
# ./run.sh compiles with clang; the fuzzing build also needs its runtime.
if [ "${ZELVANE_WITH_CLANG:-0}" = 1 ]; then
  packages+=(libclang-rt-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]}" >&2
  echo "Run this script as root (or install them with apt-get) and try again." >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends "${missing[@]}"
