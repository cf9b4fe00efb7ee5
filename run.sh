#!/usr/bin/env bash
# Builds Zelvane and starts it, on an optional folder or photo:
#   ./run.sh [FOLDER|PHOTO]
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DZELVANE_TESTS=ON >/dev/null
cmake --build build --parallel "$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: start ./run.sh from a desktop session (or under xvfb-run)." >&2
  exit 1
fi
exec build/src/app/zelvane "$@"
