#!/usr/bin/env bash
# Fuzzes with libFuzzer (clang), with the address and undefined-behaviour sanitizers, for FUZZ_SECONDS each
# (default 300): the reading of the settings file, what the program reads from a picture file's first bytes (the
# EXIF orientation, the stored size), and the program's JPEG and PNG decoders over the same libjpeg-turbo and
# libpng as the saver's, built for this machine (tools/build-deps.sh). Prints the executions run and the faults
# found.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
command -v clang++ >/dev/null || { apt-get update -qq && apt-get install -y -qq clang >/dev/null; }
out=build/fuzz
mkdir -p "$out/settings" "$out/exif" "$out/picture"
bash tools/build-deps.sh
flags=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I.)
clang++ "${flags[@]}" tests/fuzz/settings_fuzz.cpp toolkit/portable/number_text.cpp toolkit/portable/dir_search_common.cpp \
  toolkit/portable/ansi_host.cpp catalogue/pict_list.cpp catalogue/kind_finds.cpp settings/settings_file.cpp tests/unit/fake_file_system.cpp \
  -o "$out/settings_fuzz"
clang++ "${flags[@]}" tests/fuzz/exif_fuzz.cpp toolkit/portable/orientation.cpp toolkit/portable/picture_header.cpp -o "$out/exif_fuzz"
deps=build/deps/host
clang++ "${flags[@]}" -isystem "$deps/include" tests/fuzz/picture_fuzz.cpp toolkit/portable/jpeg_decode.cpp \
  toolkit/portable/png_decode.cpp "$deps/lib/libpng16.a" "$deps/lib/libjpeg.a" -lz -o "$out/picture_fuzz"
# Seeds: a settings file as the dialog writes it, and a few hand-edited ones; a photo stored on its side.
printf ' 1\0 0\0 1\0 1\0 0\0 1\0C:\\pics' >"$out/settings/written"
printf '1.9\0-0.5\0junk\0 40000\0\0 2\0C:\\pics' >"$out/settings/edited"
[ -f build/wine/portrait6.jpg ] && head -c 4096 build/wine/portrait6.jpg >"$out/exif/portrait6" || true
printf '\377\330\377\341\0\42Exif\0\0MM\0\52\0\0\0\10\0\1\1\22\0\3\0\0\0\1\0\6\0\0\0\0\0\0\377\331' >"$out/exif/big-endian"
# The decoders' seeds: every encoding the saver meets, and a real photograph.
python3 tools/make_encodings.py "$out/encodings" && cp "$out"/encodings/* "$out/picture/"
bash tools/photo-samples.sh build/photos && cp build/photos/FreshFlower.jpg "$out/picture/"
status=0
for name in settings exif picture; do
  max_len=4096
  [ "$name" = picture ] && max_len=300000
  "$out/${name}_fuzz" -max_total_time="${FUZZ_SECONDS:-300}" -max_len=$max_len -print_final_stats=1 \
    -artifact_prefix="$out/$name-" "$out/$name" >"$out/$name.log" 2>&1 || status=$?
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$out/$name.log" | grep -o '[0-9]*$' || echo 0)
  faults=$(find "$out" -maxdepth 1 -name "$name-*" | wc -l)
  echo "fuzz: $name, $runs executions, $faults faults found (log: $out/$name.log)"
done
exit $status
