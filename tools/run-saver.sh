#!/usr/bin/env bash
# Starts the saver full-screen on sample photographs (tools/photo-samples.sh), under Wine. On a machine without a
# display it runs on the bench's virtual screen, saves a screenshot, says where, and ends the saver with a key.
set -eu
source "$(dirname "$0")/wine-build.sh"
here=$QV_HERE
cd "$here"
qv_wine_says "The saver runs as"
run=build/run
bash tools/photo-samples.sh build/photos
mkdir -p "$run"
cp "$QV_WIN/Quorvantile.scr" "$run/"
# Full screen, sequential order, every kind.
python3 tools/write-ini.py "$run/Quorvantile.ini" "Z:$(echo "$here/build/photos" | tr / '\\')" 0 1

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  QV_DISPLAY=$DISPLAY bash tools/wine-bench.sh prefixes
  echo "Quorvantile is running full-screen; press any key or click to end it."
  QV_DISPLAY=$DISPLAY tools/run-wine.sh nt "$run/Quorvantile.scr" /s
  qv_wine_says "It ran as"
  exit 0
fi

bash tools/wine-bench.sh start
trap 'bash tools/wine-bench.sh stop' EXIT
export DISPLAY=:77
tools/run-wine.sh nt "$run/Quorvantile.scr" /s &
saver=$!
# Wait until the saver's window is up and the painting has covered most of its white canvas.
for _ in $(seq 600); do
  if xdotool search --name '^Quorvantile_Main$' >/dev/null 2>&1; then
    white=$(import -window root -fill black +opaque white -format '%[fx:mean]' info: 2>/dev/null || echo 1)
    black=$(import -window root -fill white +opaque black -format '%[fx:1-mean]' info: 2>/dev/null || echo 1)
    awk "BEGIN { exit !($white < 0.2 && $black < 0.5) }" && break
  fi
  sleep 0.1
done
import -window root "$run/screenshot.png"
xdotool key space
wait $saver || true
echo "The saver ran on a virtual screen; its screenshot is $here/$run/screenshot.png"
qv_wine_says "It ran as"
