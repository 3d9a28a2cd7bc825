#!/usr/bin/env bash
# Which Windows build of the sources runs under Wine here, and how. Sourced by the tools that run Windows
# programs; run alone it prints the choice ("bits": 32 or 64; "why": the sentence the tools print).
#
# Where this machine executes 32-bit x86 code, the real .scr (i686) runs under wine32. Where it cannot
# (a kernel without IA-32 emulation), the x86-64 build of the same sources runs under wine64, in 64-bit
# prefixes. WINE_BUILD=32 or WINE_BUILD=64 forces either.
#
# Sets: QV_HERE (the project), QV_WINE_BUILD (32 or 64), QV_WINE_WHY, QV_WIN (the build folder), QV_WINE (the loader),
# WINEARCH; qv_prefix CONFIG names a configuration's prefix folder.

# Whether the kernel runs a 32-bit x86 program: a 96-byte static ELF32 whose only work is exit(42).
qv_executes_32bit() {
  # In the build folder: a temporary folder may be mounted without the right to execute.
  local probe=$QV_HERE/build/.ia32-probe-$$
  mkdir -p "$QV_HERE/build"
  printf '\177ELF\1\1\1\0\0\0\0\0\0\0\0\0\2\0\3\0\1\0\0\0\124\200\4\10\64\0\0\0\0\0\0\0\0\0\0\0\64\0\40\0\1\0\0\0\0\0\0\0\1\0\0\0\0\0\0\0\0\200\4\10\0\200\4\10\140\0\0\0\140\0\0\0\5\0\0\0\0\20\0\0\270\1\0\0\0\273\52\0\0\0\315\200' >"$probe"
  chmod +x "$probe"
  local rc=0
  ("$probe"; exit $?) 2>/dev/null || rc=$?  # a subshell that reports a killed probe to nobody
  rm -f "$probe"
  [ "$rc" -eq 42 ]
}

qv_choose_build() {
  case "${WINE_BUILD:-}" in
    32 | 64)
      QV_WINE_BUILD=$WINE_BUILD
      QV_WINE_WHY="WINE_BUILD=$WINE_BUILD asked for it"
      ;;
    "")
      if qv_executes_32bit; then
        QV_WINE_BUILD=32 QV_WINE_WHY="this machine executes 32-bit code"
      else
        QV_WINE_BUILD=64 QV_WINE_WHY="this machine cannot execute 32-bit code"
      fi
      ;;
    *)
      echo "WINE_BUILD is 32 or 64, or empty to let the machine decide; not '$WINE_BUILD'" >&2
      return 2
      ;;
  esac
  if [ "$QV_WINE_BUILD" = 32 ]; then
    QV_WINE_NAME="the i686 build (the real .scr)" QV_WIN=build/win32 QV_WINE=wine WINEARCH=win32
  else
    QV_WINE_NAME="the x86-64 build" QV_WIN=build/win64 QV_WINE=/usr/lib/wine/wine64 WINEARCH=win64
    # The loader that Wine starts further programs with.
    export WINELOADER=$QV_WINE
  fi
  export QV_WINE_BUILD QV_WINE_WHY QV_WIN QV_WINE WINEARCH
}

# The sentence every Wine target prints at its start and in its closing summary.
qv_wine_says() { echo "${1:-Wine runs} $QV_WINE_NAME: $QV_WINE_WHY"; }

qv_prefix() { echo "${QV_BENCH_DIR:-$QV_HERE/build/wine}/prefix$QV_WINE_BUILD-$1"; }

QV_HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
qv_choose_build || exit 2

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  case "${1:-why}" in
    bits) echo "$QV_WINE_BUILD" ;;
    why) qv_wine_says ;;
    *) echo "usage: $0 [bits|why]" >&2; exit 2 ;;
  esac
fi
