#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine. Idempotent: does nothing when all is there.
set -eu
export DEBIAN_FRONTEND=noninteractive

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
for p in make cmake g++ g++-mingw-w64-i686 binutils-mingw-w64-i686 libgtest-dev libbenchmark-dev \
         wine wine32:i386 libxinerama1:i386 xvfb xserver-xephyr openbox xdotool x11-utils x11-apps imagemagick locales \
         fonts-ipafont-gothic python3; do
  have "$p" || need+=("$p")
done

if [ ${#need[@]} -gt 0 ]; then
  echo "install-deps: installing ${need[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

# Wine needs the Japanese locale to keep non-ASCII command lines and file names intact.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
  localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
