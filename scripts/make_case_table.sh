#!/usr/bin/env bash
# Writes src/text/upper_case_table.inc, the upper-case table that the
# portable build compares names with, from the system's own call under Wine.
# Run it again after a change of Wine's Unicode data; the Wine tests check
# the committed table against the call.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/env.sh
wine_environment
ensure_wineprefix
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
x86_64-w64-mingw32-g++ -O2 -static -o "$work/make_case_table.exe" scripts/make_case_table.cpp
wine "$work/make_case_table.exe" | tr -d '\r' >"$work/table.inc"
mv "$work/table.inc" src/text/upper_case_table.inc
wineserver -k || true
echo "src/text/upper_case_table.inc: $(grep -c '^{' src/text/upper_case_table.inc) runs"
