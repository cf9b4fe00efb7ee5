#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of Zelvane: a clean Release build in
# build-package/ and cpack, then the checks (desktop-file-validate,
# appstreamcli, lintian). The last line names the folder holding
# zelvane_<version>_amd64.deb.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
extra=(help2man lintian desktop-file-utils appstream dpkg-dev file)
missing=()
for p in "${extra[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" != 0 ]; then
    echo "Missing packages: ${missing[*]} (run as root or install them)" >&2
    exit 1
  fi
  apt-get install -y --no-install-recommends "${missing[@]}"
fi

dir=build-package
rm -rf "$dir"
# Debian's hardening: fortified functions, read-only relocations bound at start.
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DZELVANE_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="-D_FORTIFY_SOURCE=2" -DCMAKE_EXE_LINKER_FLAGS="-Wl,-z,relro,-z,now"
cmake --build "$dir" --parallel "$(nproc)"
(cd "$dir" && cpack -G DEB)

stage="$dir/stage"
rm -rf "$stage"
DESTDIR="$PWD/$stage" cmake --install "$dir"
desktop-file-validate "$stage/usr/share/applications/zelvane.desktop"
appstreamcli validate --no-net "$stage/usr/share/metainfo/nl.vornsoftware.Zelvane.metainfo.xml"
deb=$(ls "$dir"/zelvane_*_amd64.deb)
lintian --no-tag-display-limit "$deb" || true
echo "$(cd "$dir" && pwd)"
