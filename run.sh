#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Zelvane and starts it, on an optional folder or photo:
#   ./run.sh [FOLDER|PHOTO]
# Only the program and its command-line tools are built here (in build/bin);
# the tests are ./test.sh's.
set -euo pipefail
cd "$(dirname "$0")"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: Zelvane is a desktop program. Start ./run.sh from a desktop session," >&2
  echo "or without one under a virtual display: xvfb-run -a ./run.sh [FOLDER|PHOTO]" >&2
  echo "(./scripts/install-deps.sh installs xvfb-run with everything else the build needs)." >&2
  exit 1
fi

./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DZELVANE_TESTS=ON >/dev/null
cmake --build build --parallel "$(nproc)" --target zelvane zelvane-attr zelvane-find zelvane-print zelvane-export zelvane-card zelvane-bench
exec build/bin/zelvane "$@"
