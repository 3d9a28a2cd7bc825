#!/usr/bin/env bash
# Runs every benchmark and prints its figures.
set -eu
source "$(dirname "$0")/wine-build.sh"
cd "$QV_HERE"
qv_wine_says "The Wine benchmarks run"
bash tools/wine-bench.sh start
trap 'bash tools/wine-bench.sh stop; qv_wine_says "The Wine benchmarks ran"' EXIT
echo "== native"
for b in build/host/qv_*_bench; do [ -x "$b" ] && "$b"; done
echo "== under Wine"
# Folders for the picture-list benchmark, made from this side: much faster than through Wine.
nt=$(qv_prefix nt)
python3 - "$nt/drive_c/qvbench" <<'PY'
import os, sys
for files in (1, 1000, 32767):
    d = os.path.join(sys.argv[1], "list%d" % files)
    if os.path.exists(os.path.join(d, "ready")):
        continue
    os.makedirs(d, exist_ok=True)
    for i in range(files):
        scrambled = (i * 2654435761) % 1000003
        open(os.path.join(d, "p%d.%s" % (scrambled, "jpg" if i % 2 else "bmp")), "wb").close()
    open(os.path.join(d, "ready"), "wb").close()
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
for size in "12 4000 3000" "50 8160 6120" "200 16320 12240"; do
  set -- $size
  [ -f "$big/big$1.jpg" ] || python3 tools/make_big_jpeg.py "$2" "$3" "$big/big$1.jpg"
  tools/run-wine.sh nt qv_big_picture_bench.exe 'C:\qvbench\big\small.bmp' "C:\\qvbench\\big\\big$1.jpg"
done
