#!/usr/bin/env bash
# run-wine.sh CONFIG PROGRAM [ARGS...]: runs a Windows program in one of the bench's configurations (nt, 98,
# 144, 192, dual; see wine-bench.sh), in its prefix and on its screen.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
bench=${QV_BENCH_DIR:-$here/build/wine}
config=$1
shift
case $config in
  dual) display=${QV_DUAL_DISPLAY:-:78} ;;
  144|192) display=${QV_HIDPI_DISPLAY:-:79} ;;
  *) display=${QV_DISPLAY:-:77} ;;
esac
export WINEPREFIX=$bench/prefix-$config WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
export DISPLAY=$display LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
# QV_TRACE: a file for the standard error of the program and of the programs it starts, where Wine's traces
# go; the program finds it in QV_TRACE_FILE.
if [ -n "${QV_TRACE:-}" ]; then
  : >"$QV_TRACE"
  export QV_TRACE_FILE="Z:$(realpath "$QV_TRACE" | tr / '\\')"
  exec wine "$@" 2>>"$QV_TRACE"
fi
exec wine "$@"
