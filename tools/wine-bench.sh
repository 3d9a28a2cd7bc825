#!/usr/bin/env bash
# The Wine bench: a virtual screen, a second one with two monitors, and one Wine prefix per configuration,
# made once and reused, for the build that runs here (wine-build.sh).
#   wine-bench.sh start     start the screens with their window managers, make the prefixes if missing
#   wine-bench.sh start bench   the same, and the benchmarks' own screens (fhd, tri)
#   wine-bench.sh prefixes  make the prefixes if missing (no screen of its own)
#   wine-bench.sh stop      stop what start started
# Configurations (tools/run-wine.sh takes their names):
#   nt    the NT family at 96 dpi on a 1024 x 768 screen
#   98    the 95 family (Windows 98), and 2000 the NT family as Windows 2000, each on a 2880 x 1800 screen, where a
#         bitmap of the screen's size is past the 95 family's 16 MB
#   144   the NT family at 144 dpi on a 2048 x 1536 screen    192   the same at 192 dpi
#   dual  the NT family on two 640 x 480 monitors side by side (Xephyr with Xinerama on the first screen)
# and for the benchmarks only:
#   fhd   the NT family on a 1920 x 1080 screen               uhd   on a 3840 x 2160 screen
#   tri   on three 3840 x 2160 monitors (as dual)
# Prints nothing on success, so that a test runner's summary stays the last line.
set -eu
source "$(dirname "$0")/wine-build.sh"
bench=${QV_BENCH_DIR:-$QV_HERE/build/wine}
display=${QV_DISPLAY:-:77}
dual_display=${QV_DUAL_DISPLAY:-:78}
hidpi_display=${QV_HIDPI_DISPLAY:-:79}
old_display=${QV_OLD_DISPLAY:-:82}
uhd_display=${QV_UHD_DISPLAY:-:83}
fhd_display=${QV_FHD_DISPLAY:-:80}
tri_display=${QV_TRI_DISPLAY:-:81}
mkdir -p "$bench"

export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDEBUG=-all DISPLAY=$display

wait_for() {  # wait_for SECONDS COMMAND...: wait until COMMAND succeeds
  local limit=$1; shift
  local end=$((SECONDS + limit))
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $end ] || { echo "wine-bench: timed out waiting for: $*" >&2; return 1; }
    sleep 0.2
  done
}

# True while a window manager runs on the screen (its check window exists, not only the root's note of it).
wm_running() {  # wm_running DISPLAY
  local id
  id=$(xprop -root -display "$1" _NET_SUPPORTING_WM_CHECK 2>/dev/null | awk '/window id/ {print $NF}')
  [ -n "$id" ] && xprop -display "$1" -id "$id" >/dev/null 2>&1
}

# A window manager, as a desktop has: without one new windows get no keyboard focus. One that starts the
# moment the screen answers may still miss it: try again.
start_wm() {  # start_wm DISPLAY NAME
  for attempt in 1 2 3 4 5; do
    wm_running "$1" && return 0
    DISPLAY=$1 openbox >"$bench/openbox-$2.log" 2>&1 &
    echo $! >"$bench/openbox-$2.pid"
    wait_for 20 wm_running "$1" 2>/dev/null && return 0
    kill "$(cat "$bench/openbox-$2.pid")" 2>/dev/null || true
  done
  echo "wine-bench: openbox does not start: $(cat "$bench/openbox-$2.log")" >&2
  return 1
}

reg() {  # reg PREFIX ARGS...
  WINEPREFIX=$1 "$QV_WINE" reg add "${@:2}" /f >/dev/null 2>&1
}

make_prefix() {  # make_prefix NAME: the NT prefix is made, the others are copies of it with their settings
  local name=$1 pfx
  pfx=$(qv_prefix "$1")
  [ -f "$pfx/.qv-ready" ] && return 0
  rm -rf "$pfx"
  if [ "$name" = nt ]; then
    # No .NET or HTML engine: nothing here needs them, and their installers would ask on screen.
    WINEDLLOVERRIDES='mscoree,mshtml=' WINEPREFIX=$pfx "$QV_WINE" wineboot -i >/dev/null 2>&1
    WINEPREFIX=$pfx wineserver -w
    # The dialog's font: a Japanese gothic stands in for the system's proportional gothic.
    reg "$pfx" 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /d 'IPAPGothic'
    reg "$pfx" 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /d 'IPAGothic'
    # No desktop integration: the tests own the screen.
    reg "$pfx" 'HKCU\Software\Wine\DllOverrides' /v winemenubuilder.exe /d ''
    # A program that crashes ends at once, its test failing, rather than wait for a debugger.
    reg "$pfx" 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d ''
  else
    make_prefix nt
    cp -a "$(qv_prefix nt)" "$pfx"
    rm -f "$pfx/.qv-ready"
    case $name in
      98) reg "$pfx" 'HKCU\Software\Wine' /v Version /d win98 ;;
      2000) reg "$pfx" 'HKCU\Software\Wine' /v Version /d win2k ;;
      144|192) reg "$pfx" 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$name" ;;
      # The 64-bit X11 driver asks XRandR for the monitors, which sees one on Xephyr; Xinerama sees them all.
      dual|tri) reg "$pfx" 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /d N ;;
    esac
  fi
  WINEPREFIX=$pfx wineserver -w
  touch "$pfx/.qv-ready"
}

all_prefixes() {
  for name in nt 98 2000 144 192 dual ${bench_configs:-}; do make_prefix "$name"; done
  # R: is a spare drive whose root the tests may fill.
  mkdir -p "$bench/drive-r"
  for name in nt 98 2000 144 192 dual; do ln -sfn "$bench/drive-r" "$(qv_prefix "$name")/dosdevices/r:"; done
  # C:\qvfixtures\portrait6.jpg: a photo stored on its side, as a phone stores a portrait one, with the EXIF
  # orientation 6 that stands it upright as four quarters: red, green / blue, light grey.
  local fixture=$bench/portrait6.jpg
  if [ ! -f "$fixture" ]; then
    convert -size 320x240 xc:'#F0F0F0' -fill '#20D020' -draw 'rectangle 0,0 159,119' -fill '#D02020' \
      -draw 'rectangle 0,120 159,239' -fill '#2020D0' -draw 'rectangle 160,120 319,239' -quality 95 \
      "$bench/portrait.jpg"
    python3 "$QV_HERE/tools/exif_orient.py" "$bench/portrait.jpg" "$fixture" 6
  fi
  # C:\qvfixtures\big50.jpg: a JPEG of 50 megapixels, which takes seconds to decode.
  [ -f "$bench/big50.jpg" ] || python3 "$QV_HERE/tools/make_big_jpeg.py" 8160 6120 "$bench/big50.jpg"
  # C:\qvfixtures\encodings: a picture in each encoding the saver meets (tools/make_encodings.py).
  [ -f "$bench/encodings/rgb8.png" ] || python3 "$QV_HERE/tools/make_encodings.py" "$bench/encodings"
  for name in nt 98 2000 144 192 dual; do
    mkdir -p "$(qv_prefix "$name")/drive_c/qvfixtures"
    cp "$fixture" "$bench/big50.jpg" "$(qv_prefix "$name")/drive_c/qvfixtures/"
    cp -r "$bench/encodings" "$(qv_prefix "$name")/drive_c/qvfixtures/"
  done
}

# Starts Xephyr on the first screen with the given monitors side by side, joined by Xinerama.
start_xephyr() {  # start_xephyr DISPLAY NAME SCREEN...
  local d=$1 name=$2 screens=()
  shift 2
  for s in "$@"; do screens+=(-screen "$s"); done
  if ! xdpyinfo -display "$d" >/dev/null 2>&1; then
    Xephyr "$d" "${screens[@]}" +xinerama -wr -nolisten tcp >"$bench/$name.log" 2>&1 &
    echo $! >"$bench/$name.pid"
    wait_for 30 xdpyinfo -display "$d"
  fi
}

case "${1:-}" in
  start)
    with=${2:-}
    screens=("main $display 1024x768" "hidpi $hidpi_display 2048x1536" "old $old_display 2880x1800")
    if [ "$with" = bench ]; then
      screens+=("fhd $fhd_display 1920x1080" "uhd $uhd_display 3840x2160")
      bench_configs="fhd uhd tri"
    fi
    # The usual screen, and a large one for high dpi as such laptops have.
    for screen in "${screens[@]}"; do
      set -- $screen
      if ! xdpyinfo -display "$2" >/dev/null 2>&1; then
        Xvfb "$2" -screen 0 "$3x24" -nolisten tcp >"$bench/xvfb-$1.log" 2>&1 &
        echo $! >"$bench/xvfb-$1.pid"
        wait_for 30 xdpyinfo -display "$2"
      fi
      start_wm "$2" "$1"
    done
    # Two monitors: Xephyr on the first screen, its two screens joined by Xinerama, its desktop white so that
    # whatever a window leaves uncovered shows. No window manager: one would keep a full-screen window to
    # one monitor, which Windows does not; the tests there use the mouse only.
    start_xephyr "$dual_display" xephyr 640x480 640x480
    [ "$with" = bench ] && start_xephyr "$tri_display" xephyr-tri 3840x2160 3840x2160 3840x2160
    all_prefixes
    ;;
  prefixes)
    all_prefixes
    ;;
  stop)
    for pfx in "$bench"/prefix*-*; do
      [ -d "$pfx" ] && WINEPREFIX=$pfx wineserver -k >/dev/null 2>&1 || true
    done
    for f in xephyr-tri xephyr openbox-uhd xvfb-uhd openbox-fhd xvfb-fhd openbox-old xvfb-old openbox-hidpi xvfb-hidpi openbox-main xvfb-main; do
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
