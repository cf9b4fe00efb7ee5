#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the photo fuzzer with clang and runs it.
#   fuzz/run.sh [SECONDS] [JOBS]     (default 600 seconds, 2 jobs)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
jobs=${2:-2}

ZELVANE_WITH_CLANG=1 ./scripts/install-deps.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DZELVANE_FUZZ=ON -DZELVANE_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target zelvane_photo_fuzzer zelvane-attr

# Seeds: the small sample photos, one with every stored attribute, and the
# regression inputs.
mkdir -p fuzz/corpus fuzz/artifacts
cp tests/data/Canon_40D.jpg tests/data/Nikon_D70.jpg fuzz/corpus/
cp tests/data/Canon_40D.jpg fuzz/corpus/marked.jpg
build-fuzz/bin/zelvane-attr set fuzz/corpus/marked.jpg --name Anna --description "a b" \
  --location Delft --date "2004-07-15 14:03:22" --actors "Anna;Bob;" --rotation 90 --roi 1,2,30,40 || true
if compgen -G "tests/data/fuzz/*" >/dev/null; then cp tests/data/fuzz/* fuzz/corpus/; fi
# Bare EXIF blocks (little- and big-endian, maker notes, an earlier save) for
# the attribute writer, which also takes each input as a block of its own.
for f in Canon_40D Nikon_D70 sanyo_sx113; do exiftool -b -EXIF "tests/data/$f.jpg" > "fuzz/corpus/$f.tiff"; done
exiftool -b -EXIF fuzz/corpus/marked.jpg > fuzz/corpus/marked.tiff
# A HEIC with a thumbnail and an AVIF, for libheif's reader.
heif-enc -q 30 -t 32 -o fuzz/corpus/BlueSquare.heic tests/data/BlueSquare.jpg >/dev/null
heif-enc -q 30 -o fuzz/corpus/BlueSquare.avif tests/data/BlueSquare.jpg >/dev/null
# XMP packets and Photoshop resource blocks with IPTC, from other programs and
# from a save of ours, for the XMP and IPTC readers and writers.
cp tests/data/BlueSquare.jpg fuzz/corpus/
exiftool -b -XMP tests/data/BlueSquare.jpg > fuzz/corpus/BlueSquare.xmp
exiftool -b -XMP fuzz/corpus/marked.jpg > fuzz/corpus/marked.xmp
python3 - tests/data/BlueSquare.jpg fuzz/corpus/BlueSquare.irb <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
start = data.index(b'Photoshop 3.0\0')
length = int.from_bytes(data[start - 2:start], 'big') - 2
open(sys.argv[2], 'wb').write(data[start + 14:start + length])
PY

export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
build-fuzz/bin/zelvane_photo_fuzzer fuzz/corpus -artifact_prefix=fuzz/artifacts/ \
  -max_total_time="$seconds" -jobs="$jobs" -workers="$jobs" -max_len=65536 -rss_limit_mb=2048 -timeout=20 \
  -print_final_stats=1
