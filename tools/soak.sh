#!/usr/bin/env bash
# The soak run: the saver shows a folder of bad and good pictures for 300 pictures in each size mode, then
# the real saver runs on the same folder and is ended by a key in the middle of its work. Prints its figures.
set -eu
source "$(dirname "$0")/wine-build.sh"
cd "$QV_HERE"
qv_wine_says "The soak runs"
bash tools/wine-bench.sh start
trap 'bash tools/wine-bench.sh stop; qv_wine_says "The soak ran"' EXIT
nt=$(qv_prefix nt)
root=$nt/drive_c/qvsoak
rm -rf "$root"
python3 tools/make_corpus.py "$root/corpus"
chmod 000 "$root/corpus/bad-unreadable.bmp"
tools/run-wine.sh nt qv_soak.exe 'C:\qvsoak\corpus' "${SOAK_PICTURES:-300}"

# The dialog's scan of 40,000 files: past the count limit, and cut short by the user.
users=$nt/drive_c/users
huge=$users/$(ls $users | grep -v Public | head -n 1)/Desktop/qvhuge
mkdir -p "$huge"
python3 -c "import sys; [open('$huge/p%d.bmp' % i, 'wb').close() for i in range(40000)]"
tools/run-wine.sh nt qv_wine_tests.exe --gtest_filter='Soak_Dialog.*' | tail -n 3
rm -rf "$huge"

# The real saver on the corpus, ended by a key once it has shown several pictures.
mkdir -p "$root/saver"
cp "$QV_WIN/Quorvantile.scr" "$root/saver/"
python3 tools/write-ini.py "$root/saver/Quorvantile.ini" 'C:\qvsoak\corpus' 1 1
export DISPLAY=:77
tools/run-wine.sh nt "$root/saver/Quorvantile.scr" /s &
saver=$!
changes=0 last=""
for _ in $(seq 1200); do
  now=$(import -window root png:- 2>/dev/null | convert - -scale 32x24 -format '%#' info: 2>/dev/null || true)
  [ -n "$now" ] && [ "$now" != "$last" ] && changes=$((changes + 1)) && last=$now
  [ $changes -ge 20 ] && break
  sleep 0.1
done
start=$(date +%s%N)
xdotool key shift
if wait $saver; then
  ended=$(( ($(date +%s%N) - start) / 1000000 ))
  echo "soak: the real saver showed $changes screen changes and ended $ended ms after a key"
else
  echo "soak: the real saver did not end cleanly after a key"
  exit 1
fi
