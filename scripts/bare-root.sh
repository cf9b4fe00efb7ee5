#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes a root file system that holds only what a bare Debian 12 desktop is
# sure to have for a CD's viewer: the C library and shell, OpenGL, the X11 and
# XCB client libraries (not the xcb-util ones, which the viewer brings),
# xkbcommon, fontconfig and FreeType, the C++ runtime, and whatever those
# packages need in turn. Nothing else: no Qt, no Exiv2, no libjpeg.
#
#   scripts/bare-root.sh ROOT                 from this computer's installed packages' files
#   scripts/bare-root.sh ROOT --debootstrap   debootstrap --variant=minbase bookworm, then apt-get
#                                             (needs a Debian mirror; MIRROR= to choose one)
set -eu
root=${1:?usage: scripts/bare-root.sh ROOT [--debootstrap]}
mode=${2:-}

# The xcb-util libraries are left out of the root on purpose.
xcb_util='^libxcb-(icccm|image|keysyms|render-util|cursor|util)[0-9]'
base="libc6 dash libgl1 libegl1 libopengl0 libx11-6 libx11-xcb1 libxcb1 libxkbcommon0 libxkbcommon-x11-0
  libfontconfig1 libfreetype6 libstdc++6 libgcc-s1"
xcb=$(dpkg-query -W -f='${Package}\n' 'libxcb-*' 2>/dev/null | grep -Ev "$xcb_util" | grep -v -- '-dev$' || true)

if [ "$mode" = --debootstrap ]; then
  debootstrap --variant=minbase bookworm "$root" "${MIRROR:-http://deb.debian.org/debian}"
  # shellcheck disable=SC2086
  chroot "$root" apt-get install -y --no-install-recommends $base $xcb
  exit 0
fi

# Offline: the installed packages' own files, with every package they depend on.
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
todo="$base $xcb"
done_list=" "
while [ -n "$(echo $todo)" ]; do
  set -- $todo
  p=$1; shift; todo="$*"
  case "$done_list" in *" $p "*) continue ;; esac
  installed "$p" || continue
  done_list="$done_list$p "
  deps=$(dpkg-query -W -f='${Pre-Depends}, ${Depends}' "$p" | tr ',' '\n' | sed 's/([^)]*)//g; s/:any//g')
  for alt in $(echo "$deps" | tr ' ' '\n' | grep -v '^$' | tr '\n' ' ' | sed 's/ | /|/g'); do
    first=
    for choice in $(echo "$alt" | tr '|' ' '); do
      if installed "$choice"; then first=$choice; break; fi
    done
    [ -n "$first" ] || continue
    echo "$first" | grep -Eq "$xcb_util" && continue
    todo="$todo $first"
  done
done
mkdir -p "$root/tmp" "$root/medium"
chmod 1777 "$root/tmp"
# shellcheck disable=SC2086
# Files and links only, each under its real folder (the merged /usr: /bin/dash
# is /usr/bin/dash); tar makes the folders.
dpkg-query -L $done_list | grep '^/' | sort -u | while read -r f; do
  if { [ -f "$f" ] || [ -L "$f" ]; } && [ ! -d "$f" ]; then
    echo "$(cd "${f%/*}/" && pwd -P)/${f##*/}"
  fi
done | sort -u | tar --no-recursion -cf - -P -T - 2>/dev/null | tar -xf - -C "$root" 2>/dev/null || true
# The merged /usr of Debian 12: /bin, /lib and /lib64 lead into /usr.
for d in bin lib lib64 sbin; do
  if [ -L "/$d" ] && [ ! -e "$root/$d" ] && [ ! -L "$root/$d" ]; then ln -s "$(readlink "/$d")" "$root/$d"; fi
done
# /bin/sh is dash's by its installation script, not by a file of the package.
if [ ! -e "$root/bin/sh" ]; then ln -s dash "$root/usr/bin/sh"; fi
echo "$done_list" > "$root/packages"
