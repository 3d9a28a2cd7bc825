#!/usr/bin/env bash
# run-wine.sh nt|98 PROGRAM [ARGS...]: runs a Windows program in one of the bench's prefixes, on its screen.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
bench=${QV_BENCH_DIR:-$here/build/wine}
prefix=$1
shift
export WINEPREFIX=$bench/prefix-$prefix WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
export DISPLAY=${QV_DISPLAY:-:77} LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
exec wine "$@"
