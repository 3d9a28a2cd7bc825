#!/usr/bin/env bash
# Runs every benchmark and prints its figures. QV_SCR=PATH runs another build of the saver (an earlier one, for its
# figures beside these) wherever a benchmark starts the saver as its own program; the others measure this build.
set -eu
source "$(dirname "$0")/wine-build.sh"
cd "$QV_HERE"
qv_wine_says "The Wine benchmarks run"
bash tools/wine-bench.sh start bench
trap 'bash tools/wine-bench.sh stop; qv_wine_says "The Wine benchmarks ran"' EXIT
scr=$QV_WIN/Quorvantile.scr
if [ -n "${QV_SCR:-}" ]; then
  scr=$(realpath "$QV_SCR")
  export QV_SCR="Z:$(echo "$scr" | tr / '\\')"
  echo "The saver started by the benchmarks: $scr"
fi
echo "== native"
for b in build/host/qv_*_bench; do [ -x "$b" ] && "$b"; done
echo "== under Wine"
# Folders for the picture-list and start benchmarks, of 8 x 8 bitmaps, made from this side: much faster than through
# Wine. Flat ones (names in a scrambled order, so that the sort has work to do), and a tree of 100 folders.
nt=$(qv_prefix nt)
python3 - "$nt/drive_c/qvbench" <<'PY'
import os, shutil, struct, sys
pixels = bytes([0xC0, 0x80, 0x30]) * 64
bmp = b"BM" + struct.pack("<IHHI", 54 + len(pixels), 0, 0, 54) + struct.pack("<IiiHHIIiiII", 40, 8, 8, 1, 24, 0, len(pixels), 2835, 2835, 0, 0) + pixels
def fill(d, names):
    if os.path.exists(os.path.join(d, "ready-bmp")):
        return
    shutil.rmtree(d, ignore_errors=True)
    for name in names:
        os.makedirs(os.path.dirname(os.path.join(d, name)), exist_ok=True)
        with open(os.path.join(d, name), "wb") as f:
            f.write(bmp)
    open(os.path.join(d, "ready-bmp"), "wb").close()
for files in (1, 1000, 32767):
    fill(os.path.join(sys.argv[1], "list%d" % files), ["p%d.bmp" % ((i * 2654435761) % 1000003) for i in range(files)])
fill(os.path.join(sys.argv[1], "tree"), ["f%02d/p%d.bmp" % (i % 100, i) for i in range(32767)])
PY
# The same folders on the desktop, where the settings dialog's folder chooser lists them.
desktop=$(ls -d "$nt"/drive_c/users/*/Desktop | grep -v Public | head -n 1)
for files in 1 1000 32767; do
  ln -sfn "$nt/drive_c/qvbench/list$files" "$desktop/qvscan$files"
done
for b in qv_list_bench qv_latency_bench qv_paint_bench qv_dialog_bench; do tools/run-wine.sh nt $b.exe; done
# Big JPEGs of 12, 50 and 200 megapixels, made once, each after a small picture in a process of its own.
big=$nt/drive_c/qvbench/big
mkdir -p "$big"
[ -f "$big/small.bmp" ] || convert -size 640x480 xc:gray "BMP3:$big/small.bmp"
echo "== a big photo's road on the worker, fitted to 1920 x 1080, under Wine"
for size in "12 4000 3000" "50 8160 6120" "200 16320 12240"; do
  set -- $size
  [ -f "$big/big$1.jpg" ] || python3 tools/make_big_jpeg.py "$2" "$3" "$big/big$1.jpg"
  tools/run-wine.sh nt qv_big_picture_bench.exe 'C:\qvbench\big\small.bmp' "C:\\qvbench\\big\\big$1.jpg" 1920 1080
done
echo "== photographs fitted at a fifth and two fifths of their width, against an area average, under Wine"
bash tools/photo-samples.sh build/photos
tools/run-wine.sh nt qv_fitting_bench.exe "Z:$(echo "$QV_HERE/build/photos/LadyBird.jpg" | tr / '\\')" \
  "Z:$(echo "$QV_HERE/build/photos/Storm.jpg" | tr / '\\')"

# The real saver on a configuration for a while: its share of a core and that of the prefix's Wine server over the
# last SECONDS (after WARMUP), and its peak resident memory. Ended through the prefix's server.
saver_figures() {  # saver_figures CONFIG FOLDER PAINT HOLD WARMUP SECONDS
  local config=$1 folder=$2 paint=$3 hold=$4 warmup=$5 seconds=$6 pfx run pid server
  pfx=$(qv_prefix "$config")
  run=$pfx/drive_c/qvbench/run
  mkdir -p "$run"
  cp "$scr" "$run/"
  python3 tools/write-ini.py "$run/Quorvantile.ini" "$folder" 0 1 1 1 1 1 1 "$paint" "$hold"
  tools/run-wine.sh "$config" "$run/Quorvantile.scr" /s &
  for _ in $(seq 300); do pid=$(pgrep -f 'qvbench.run.Quorvantile.scr' | head -n 1) && break; sleep 0.1; done
  sleep "$warmup"
  server=$(for p in $(pgrep -x 'wineserver(64)?'); do
             tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$pfx" && echo "$p"; done | head -n 1)
  ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
  local s0 w0 s1 w1 hz peak
  s0=$(ticks "$pid") w0=$(ticks "$server")
  sleep "$seconds"
  s1=$(ticks "$pid") w1=$(ticks "$server")
  peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  WINEPREFIX=$pfx wineserver -k 2>/dev/null || true
  wait || true
  hz=$(getconf CLK_TCK)
  awk -v s=$((s1 - s0)) -v w=$((w1 - w0)) -v hz="$hz" -v t="$seconds" -v peak="$peak" -v c="$config" \
      -v p="$paint" -v h="$hold" 'BEGIN {
    printf "the saver on %s, reveal setting %s s, hold %s s: %.1f%% of a core over %d s, Wine'"'"'s server %.1f%% beside it; peak resident memory %.0f MiB\n",
           c, p, h, 100 * s / hz / t, t, 100 * w / hz / t, peak / 1024 }'
}

echo "== the paced reveal, under Wine"
tools/run-wine.sh nt qv_reveal_bench.exe 0 2 3
tools/run-wine.sh fhd qv_reveal_bench.exe 0 2 3
for paint in 10 30; do
  tools/run-wine.sh nt qv_reveal_bench.exe "$paint" 2
  tools/run-wine.sh fhd qv_reveal_bench.exe "$paint" 2
done
# The reveal bench left its two 1920 x 1080 pictures in the fhd prefix.
saver_figures fhd 'C:\qvtest\reveal_bench\pics' 30 10 10 60
echo "== the window thread's steps, under Wine"
tools/run-wine.sh fhd qv_step_bench.exe 3
tools/run-wine.sh uhd qv_step_bench.exe 3
tools/run-wine.sh nt qv_load_key_bench.exe 'C:\qvbench\big\big50.jpg' 3
tri=$(qv_prefix tri)/drive_c/qvbench/tri
mkdir -p "$tri"
for i in 1 2 3 4; do cp -n "$big/big50.jpg" "$tri/b$i.jpg"; done
saver_figures tri 'C:\qvbench\tri' 0 0 5 85
