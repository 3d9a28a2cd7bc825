#!/usr/bin/env bash
# Fuzzes the reading of the settings file with libFuzzer (clang), with the address and undefined-behaviour
# sanitizers, for FUZZ_SECONDS (default 300). Prints the executions run and the faults found.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
command -v clang++ >/dev/null || { apt-get update -qq && apt-get install -y -qq clang >/dev/null; }
out=build/fuzz
mkdir -p "$out/corpus"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I. \
  tests/fuzz/settings_fuzz.cpp toolkit/number_text.cpp toolkit/dir_search_common.cpp toolkit/ansi_host.cpp \
  catalogue/pict_list.cpp settings/settings_file.cpp tests/unit/fake_file_system.cpp \
  -o "$out/settings_fuzz"
# Seeds: a settings file as the dialog writes it, and a few hand-edited ones.
printf ' 1\0 0\0 1\0 1\0 0\0 1\0C:\\pics' >"$out/corpus/written"
printf '1.9\0-0.5\0junk\0 40000\0\0 2\0C:\\missing' >"$out/corpus/edited"
status=0
"$out/settings_fuzz" -max_total_time="${FUZZ_SECONDS:-300}" -max_len=2048 -print_final_stats=1 \
  -artifact_prefix="$out/" \
  "$out/corpus" >"$out/log" 2>&1 || status=$?
runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$out/log" | grep -o '[0-9]*$' || echo 0)
faults=$(find "$out" -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
echo "fuzz: settings reading, $runs executions, $faults faults found (log: $out/log)"
exit $status
