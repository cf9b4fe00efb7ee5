#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Zelvane and starts it, on an optional folder or photo:
#   ./run.sh [FOLDER|PHOTO]
# A build of its own in build-run/ (the tests are ./test.sh's, in build/):
# optimised (-O2) without debug information, compiled with clang (which
# install-deps.sh installs; it compiles this code in three quarters of GCC's
# time), a folder's files in batches of 16 as one unit beside the precompiled
# headers, with ccache when it is installed. The program is built first and
# started at once; the command-line tools follow in the background (their log
# in build-run/tools.log) while it runs.
set -euo pipefail
cd "$(dirname "$0")"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: Zelvane is a desktop program. Start ./run.sh from a desktop session," >&2
  echo "or without one under a virtual display: xvfb-run -a ./run.sh [FOLDER|PHOTO]" >&2
  echo "(./scripts/install-deps.sh installs xvfb-run with everything else the build needs)." >&2
  exit 1
fi

./scripts/install-deps.sh
dir=build-run
mkdir -p "$dir"
# One build at a time in the folder: a second ./run.sh waits for the tools
# of the first to finish.
exec 9>"$dir/.build-lock"
flock 9

options=(-DZELVANE_TESTS=OFF -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG"
  -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=16)
compiler=$(command -v clang++ || command -v c++)
options+=("-DCMAKE_CXX_COMPILER=$compiler")
# A build made with another compiler is configured afresh (its objects are
# then rebuilt), rather than CMake warning about the changed compiler.
if [ -f "$dir/CMakeCache.txt" ] && ! grep -qx "CMAKE_CXX_COMPILER:[A-Z]*=$compiler" "$dir/CMakeCache.txt"; then
  rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles"
fi
if command -v ccache >/dev/null; then
  options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$dir" -G Ninja "${options[@]}" >/dev/null
cmake --build "$dir" --parallel "$(nproc)" --target zelvane

tools=(zelvane-attr zelvane-find zelvane-print zelvane-export zelvane-card zelvane-bench)
# In a session of its own: Ctrl+C or closing the program does not stop it.
setsid bash -c 'nice -n 10 cmake --build "$0" --parallel "$(nproc)" --target "${@}" >"$0/tools.log" 2>&1 ||
  echo "./run.sh: the command-line tools did not build; see $0/tools.log" >&2' "$dir" "${tools[@]}" &
exec 9>&-
exec "$dir/bin/zelvane" "$@"
