#!/usr/bin/env bash
# The Wine bench: one virtual screen and two Wine prefixes, made once and reused.
#   wine-bench.sh start   start Xvfb (1024x768x24) with openbox, make the prefixes if missing
#   wine-bench.sh prefixes  make the prefixes if missing (no screen of its own)
#   wine-bench.sh stop    stop what start started
# Prints nothing on success, so that a test runner's summary stays the last line.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
bench=${QV_BENCH_DIR:-$here/build/wine}
display=${QV_DISPLAY:-:77}
mkdir -p "$bench"

export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEARCH=win32 WINEDEBUG=-all DISPLAY=$display

wait_for() {  # wait_for SECONDS COMMAND...: wait until COMMAND succeeds
  local limit=$1; shift
  local end=$((SECONDS + limit))
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $end ] || { echo "wine-bench: timed out waiting for: $*" >&2; return 1; }
    sleep 0.2
  done
}

# True while a window manager runs on the screen (its check window exists, not only the root's note of it).
wm_running() {
  local id
  id=$(xprop -root -display "$display" _NET_SUPPORTING_WM_CHECK 2>/dev/null | awk '/window id/ {print $NF}')
  [ -n "$id" ] && xprop -display "$display" -id "$id" >/dev/null 2>&1
}

make_prefix() {  # make_prefix DIR [win98]
  local pfx=$1 version=${2:-}
  [ -f "$pfx/.qv-ready" ] && return 0
  rm -rf "$pfx"
  # No .NET or HTML engine: nothing here needs them, and their installers would ask on screen.
  WINEDLLOVERRIDES='mscoree,mshtml=' WINEPREFIX=$pfx wineboot -i >/dev/null 2>&1
  WINEPREFIX=$pfx wineserver -w
  # The dialog's font: a Japanese gothic stands in for the system's proportional gothic.
  WINEPREFIX=$pfx wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /d 'IPAPGothic' /f >/dev/null 2>&1
  WINEPREFIX=$pfx wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /d 'IPAGothic' /f >/dev/null 2>&1
  # No desktop integration: the tests own the screen.
  WINEPREFIX=$pfx wine reg add 'HKCU\Software\Wine\DllOverrides' /v winemenubuilder.exe /d '' /f >/dev/null 2>&1
  if [ "$version" = win98 ]; then
    WINEPREFIX=$pfx wine reg add 'HKCU\Software\Wine' /v Version /d win98 /f >/dev/null 2>&1
  fi
  WINEPREFIX=$pfx wineserver -w
  touch "$pfx/.qv-ready"
}

case "${1:-}" in
  start)
    if ! xdpyinfo -display "$display" >/dev/null 2>&1; then
      Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$bench/xvfb.log" 2>&1 &
      echo $! >"$bench/xvfb.pid"
      wait_for 30 xdpyinfo -display "$display"
    fi
    # A window manager, as a desktop has: without one new windows get no keyboard focus.
    # A window manager that starts the moment the screen answers may still miss it: try again.
    for attempt in 1 2 3 4 5; do
      wm_running && break
      openbox >"$bench/openbox.log" 2>&1 &
      echo $! >"$bench/openbox.pid"
      wait_for 10 wm_running && break
      kill "$(cat "$bench/openbox.pid")" 2>/dev/null || true
      [ "$attempt" -lt 5 ] || { echo "wine-bench: openbox does not start: $(cat "$bench/openbox.log")" >&2; exit 1; }
    done
    make_prefix "$bench/prefix-nt"
    make_prefix "$bench/prefix-98" win98
    # R: is a spare drive whose root the tests may fill.
    mkdir -p "$bench/drive-r"
    for p in prefix-nt prefix-98; do ln -sfn "$bench/drive-r" "$bench/$p/dosdevices/r:"; done
    ;;
  prefixes)
    make_prefix "$bench/prefix-nt"
    make_prefix "$bench/prefix-98" win98
    ;;
  stop)
    for p in prefix-nt prefix-98; do
      [ -d "$bench/$p" ] && WINEPREFIX=$bench/$p wineserver -k >/dev/null 2>&1 || true
    done
    for f in openbox xvfb; do
      if [ -f "$bench/$f.pid" ]; then
        pid=$(cat "$bench/$f.pid")
        kill "$pid" 2>/dev/null || true
        wait_for 30 sh -c "! kill -0 $pid" || true
        rm -f "$bench/$f.pid"
      fi
    done
    ;;
  *) echo "usage: $0 start|prefixes|stop" >&2; exit 2 ;;
esac
