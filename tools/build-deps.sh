#!/usr/bin/env bash
# The picture decoders the program owns, libjpeg-turbo and libpng, built once into build/deps from Debian's own
# source packages: static libraries for the two Windows targets (i686, the product; x86-64, the test bench's) and
# for this machine (the fuzzers). zlib for Windows is Debian's MinGW build (libz-mingw-w64-dev), and this machine's
# its own. The source lines for apt are made from the machine's own package sources. Idempotent: does nothing when
# each target's build is there. A Windows target is built where its cross compiler is (install-deps.sh installs
# the x86-64 one only for the build that runs under Wine there).
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
deps=$here/build/deps
targets=()
for target in i686 x86_64 host; do
  [ -f "$deps/$target/.ready" ] && continue
  [ "$target" = host ] || command -v "$target-w64-mingw32-gcc-win32" >/dev/null || continue
  targets+=("$target")
done
[ ${#targets[@]} -gt 0 ] || exit 0
packages=(libjpeg-turbo libpng1.6)
mkdir -p "$deps/src"

# Debian's sources: a deb-src line for every package source the machine has.
if ! (cd "$deps/src" && apt-get source --print-uris "${packages[@]}" >/dev/null 2>&1); then
  python3 - /etc/apt/sources.list.d/qv-deb-src.sources <<'PY'
import glob, re, sys
stanzas = []
for name in glob.glob("/etc/apt/sources.list.d/*.sources"):
    for stanza in re.split(r"\n\s*\n", open(name).read()):
        if re.search(r"^Types:.*\bdeb\b", stanza, re.M) and not re.search(r"^Enabled:\s*no", stanza, re.M):
            stanzas.append(re.sub(r"^Types:.*$", "Types: deb-src", stanza, flags=re.M))
try:
    for line in open("/etc/apt/sources.list"):
        if line.startswith("deb "):
            stanzas.append(line.replace("deb ", "deb-src ", 1).strip())
except FileNotFoundError:
    pass
listed = [s for s in stanzas if s.startswith("deb-src ")]
with open(sys.argv[1], "w") as f:
    f.write("\n\n".join(s for s in stanzas if not s.startswith("deb-src ")) + "\n")
if listed:
    with open(sys.argv[1].replace(".sources", ".list"), "w") as f:
        f.write("\n".join(listed) + "\n")
PY
  apt-get update -qq || true  # a source of packages without their sources only warns
fi
cd "$deps/src"
# The newest version's source, or where the mirror lacks it (a security update's) the release's own.
release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
for p in "${packages[@]}"; do
  ls -d "$deps/src/$p"-*/ >/dev/null 2>&1 || apt-get source -qq "$p" >/dev/null 2>&1 ||
    apt-get source -qq "$p/$release" >/dev/null 2>&1 || { echo "build-deps: cannot fetch the source of $p" >&2; exit 1; }
done
jpeg_src=$(ls -d "$deps/src"/libjpeg-turbo-*/ | head -n 1)
png_src=$(ls -d "$deps/src"/libpng1.6-*/ | head -n 1)

# build TARGET: TARGET is i686, x86_64 or host.
build() {
  local target=$1 out=$deps/$1 toolchain=() zlib=()
  if [ "$target" != host ]; then
    toolchain=(-DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-$target.cmake")
    zlib=(-DZLIB_LIBRARY="/usr/$target-w64-mingw32/lib/libz.a" -DZLIB_INCLUDE_DIR="/usr/$target-w64-mingw32/include")
  fi
  # The SIMD code picks what the processor has at run time; the program keeps it to MMX on the 95 family.
  cmake -S "$jpeg_src" -B "$deps/build-jpeg-$target" "${toolchain[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$out" -DCMAKE_POSITION_INDEPENDENT_CODE=ON -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
    -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON -DREQUIRE_SIMD=ON -DCMAKE_INSTALL_LIBDIR="$out/lib" \
    -DCMAKE_INSTALL_INCLUDEDIR="$out/include" -DCMAKE_INSTALL_BINDIR="$out/bin" >/dev/null
  cmake --build "$deps/build-jpeg-$target" --target install -j2 >/dev/null
  cmake -S "$png_src" -B "$deps/build-png-$target" "${toolchain[@]}" "${zlib[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$out" -DCMAKE_POSITION_INDEPENDENT_CODE=ON -DPNG_SHARED=OFF -DPNG_STATIC=ON \
    -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF -DSKIP_INSTALL_EXECUTABLES=ON -DCMAKE_INSTALL_LIBDIR=lib >/dev/null
  cmake --build "$deps/build-png-$target" --target install -j2 >/dev/null
  touch "$out/.ready"
}
echo "build-deps: building $(basename "$jpeg_src") and $(basename "$png_src") for ${targets[*]} into build/deps"
for target in "${targets[@]}"; do build "$target"; done
