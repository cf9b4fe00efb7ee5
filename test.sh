#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Zelvane and runs every test. --sanitize builds and runs the whole
# suite with AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize/,
# --thread with ThreadSanitizer in build-thread/.
set -euo pipefail
cd "$(dirname "$0")"

mode=plain
for arg in "$@"; do
  case "$arg" in
    --sanitize) mode=sanitize ;;
    --thread) mode=thread ;;
    *) echo "Usage: ./test.sh [--sanitize|--thread]" >&2; exit 2 ;;
  esac
done

./scripts/install-deps.sh

if [ "$mode" = sanitize ]; then
  dir=build-sanitize
  options=(-DZELVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp"
elif [ "$mode" = thread ]; then
  dir=build-thread
  options=(-DZELVANE_THREAD=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
  # die_after_fork=0: the tests start helper programs (exiftool, the tools)
  # from a process that has threads; the child only execs.
  export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:die_after_fork=0:suppressions=$PWD/scripts/tsan.supp"
else
  dir=build
  options=()
fi

cmake -S . -B "$dir" -G Ninja -DZELVANE_TESTS=ON "${options[@]}"
cmake --build "$dir" --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
cd "$dir"
ctest --output-on-failure --parallel "$(nproc)"
