#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine. Idempotent: does nothing when all is there.
# Wine comes for the build that runs here (wine-build.sh): wine32 where the machine executes 32-bit code,
# else wine64 and the x86-64 cross compiler.
set -eu
source "$(dirname "$0")/wine-build.sh"
export DEBIAN_FRONTEND=noninteractive

if [ "$QV_WINE_BUILD" = 32 ] && ! qv_executes_32bit; then
  echo "install-deps: WINE_BUILD=32, but this machine cannot execute 32-bit code; WINE_BUILD=64 runs here" >&2
  exit 2
fi
need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
wine_packages=(wine wine32:i386 libxinerama1:i386)
[ "$QV_WINE_BUILD" = 64 ] && wine_packages=(wine wine64 libxinerama1 libxrandr2 g++-mingw-w64-x86-64-win32)
for p in make cmake g++ g++-mingw-w64-i686 binutils-mingw-w64-i686 libgtest-dev libbenchmark-dev \
         "${wine_packages[@]}" xvfb xserver-xephyr openbox xdotool x11-utils x11-apps imagemagick locales \
         fonts-ipafont-gothic python3 libjpeg-turbo-progs nasm dpkg-dev zlib1g-dev libz-mingw-w64-dev; do
  have "$p" || need+=("$p")
done

if [ ${#need[@]} -gt 0 ]; then
  echo "install-deps: installing ${need[*]}"
  if [ "$QV_WINE_BUILD" = 32 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

# Wine needs the Japanese locale to keep non-ASCII command lines and file names intact.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
  localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi

# The picture decoders, built once from Debian's source packages.
bash "$(dirname "$0")/build-deps.sh"
