#!/usr/bin/env bash
# run-wine.sh CONFIG PROGRAM [ARGS...]: runs a Windows program in one of the bench's configurations (nt, 98,
# 2000, 144, 192, dual; see wine-bench.sh), in its prefix and on its screen, with the build that runs here
# (wine-build.sh). A PROGRAM without a folder is one of that build's own (qv_wine_tests.exe).
set -eu
source "$(dirname "$0")/wine-build.sh"
config=$1 program=$2
shift 2
case $program in */* | *\\*) ;; *) program=$QV_HERE/$QV_WIN/$program ;; esac
case $config in
  dual) display=${QV_DUAL_DISPLAY:-:78} ;;
  144|192) display=${QV_HIDPI_DISPLAY:-:79} ;;
  98|2000) display=${QV_OLD_DISPLAY:-:82} ;;
  fhd) display=${QV_FHD_DISPLAY:-:80} ;;
  uhd) display=${QV_UHD_DISPLAY:-:83} ;;
  tri) display=${QV_TRI_DISPLAY:-:81} ;;
  *) display=${QV_DISPLAY:-:77} ;;
esac
WINEPREFIX=$(qv_prefix "$config")
export WINEPREFIX WINEDEBUG=${WINEDEBUG:--all}
export DISPLAY=$display LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
# The prefix's server of the program before, if it is still ending, ends first: a program that connects to a
# server on its way out is dropped with it ("recvmsg: connection reset by peer").
timeout 60 wineserver -w || true
# QV_TRACE: a file for the standard error of the program and of the programs it starts, where Wine's traces
# go; the program finds it in QV_TRACE_FILE.
if [ -n "${QV_TRACE:-}" ]; then
  : >"$QV_TRACE"
  export QV_TRACE_FILE="Z:$(realpath "$QV_TRACE" | tr / '\\')"
  exec "$QV_WINE" "$program" "$@" 2>>"$QV_TRACE"
fi
exec "$QV_WINE" "$program" "$@"
