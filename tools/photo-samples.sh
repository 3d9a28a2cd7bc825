#!/usr/bin/env bash
# photo-samples.sh FOLDER: real photographs for make run and the benchmarks, from Debian's package of the MATE
# desktop's backgrounds (mate-backgrounds, GPL-2+; its copyright file names each photographer), fetched once and
# not installed: JPEGs of several sizes (one progressive), a PNG made from one of them, and a portrait cut from
# another, stored on its side with the EXIF orientation that stands it upright, as a phone stores it.
set -eu
out=$1
[ -f "$out/.ready" ] && exit 0
here=$(cd "$(dirname "$0")/.." && pwd)
work=$here/build/photos-package
mkdir -p "$work" "$out"
if ! ls "$work"/mate-backgrounds_*.deb >/dev/null 2>&1; then
  (cd "$work" && apt-get download mate-backgrounds >/dev/null 2>&1) ||
    { apt-get update -qq && (cd "$work" && apt-get download mate-backgrounds >/dev/null); }
fi
rm -rf "$work/x"
dpkg-deb -x "$work"/mate-backgrounds_*.deb "$work/x"
nature=$work/x/usr/share/backgrounds/mate/nature
cp "$nature/LadyBird.jpg" "$nature/Dune.jpg" "$nature/FreshFlower.jpg" "$nature/Storm.jpg" "$out/"
convert "$nature/Aqua.jpg" -resize 1280x800 "PNG24:$out/Aqua.png"
convert "$nature/Wood.jpg" -crop 1440x1920+560+0 +repage -rotate -90 -quality 92 "$work/stored.jpg"
python3 "$here/tools/exif_orient.py" "$work/stored.jpg" "$out/Wood-portrait.jpg" 6
cp "$work/x/usr/share/doc/mate-backgrounds/copyright" "$out/COPYRIGHT.mate-backgrounds"
rm -rf "$work/x" "$work/stored.jpg"
touch "$out/.ready"
