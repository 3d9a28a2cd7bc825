#!/usr/bin/env bash
# Makes docs/reveal.gif, the README's animation of the reveal: a sample picture painted on the real saver
# window under Wine, its canvas recorded through the blue pass, the green pass and the full colours.
set -eu
source "$(dirname "$0")/wine-build.sh"
cd "$QV_HERE"
qv_wine_says "The demo runs"
bash tools/wine-bench.sh start
trap 'bash tools/wine-bench.sh stop' EXIT
[ -d build/samples ] || python3 tools/make_samples.py build/samples
out=build/demo
rm -rf "$out" && mkdir -p "$out/frames"
convert build/samples/evening.bmp -resize 320x240 "BMP3:$out/evening.bmp"
tools/run-wine.sh nt qv_reveal_demo.exe "$out/evening.bmp" "$out/frames" 20
# Five hundredths of a second a frame, the finished picture held for two seconds, then again from the start.
frames=("$out"/frames/frame*.bmp)
convert -delay 5 "${frames[@]:0:${#frames[@]}-1}" -delay 200 "${frames[-1]}" -loop 0 -layers Optimize docs/reveal.gif
echo "demo: docs/reveal.gif, ${#frames[@]} frames, $(du -k docs/reveal.gif | cut -f1) KiB; $(qv_wine_says "it ran")"
