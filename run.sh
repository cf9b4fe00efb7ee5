#!/usr/bin/env bash
# Builds Zelvane and starts it on an optional folder or photo.
#
# Until the main window arrives this runs the attribute tool: a folder shows
# the attributes of every photo in it, a photo its own, and "show"/"set"
# arguments go to zelvane-attr as they are.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DZELVANE_TESTS=ON >/dev/null
cmake --build build --parallel "$(nproc)"

tool=build/src/tools/attr/zelvane-attr
if [ $# -eq 0 ]; then
  exec "$tool" --help
elif [ $# -eq 1 ] && [ -d "$1" ]; then
  shopt -s nullglob nocaseglob
  photos=("$1"/*.jpg "$1"/*.jpeg "$1"/*.png "$1"/*.bmp "$1"/*.gif "$1"/*.tif "$1"/*.tiff)
  if [ ${#photos[@]} -eq 0 ]; then
    echo "No photos in $1" >&2
    exit 1
  fi
  exec "$tool" show "${photos[@]}"
elif [ $# -eq 1 ] && [ -f "$1" ]; then
  exec "$tool" show "$1"
else
  exec "$tool" "$@"
fi
