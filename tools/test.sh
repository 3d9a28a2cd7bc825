#!/usr/bin/env bash
# Runs every test (CTest, one at a time) and ends with the runner's summary, after the line that says which
# build the Wine suites ran and why.
set -u
source "$(dirname "$0")/wine-build.sh"
cd "$QV_HERE/build/host"
qv_wine_says "Wine suites run"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
ctest --output-on-failure | tee "$log"
status=${PIPESTATUS[0]}
qv_wine_says "Wine suites ran"
grep -E '^[0-9]+% tests passed' "$log" | tail -n 1
exit "$status"
