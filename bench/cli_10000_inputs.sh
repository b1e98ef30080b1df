#!/bin/bash
# Times quorvelan-cli making one batch of 10,000 non-AviSynth inputs (so
# 10,000 wrapper scripts) from a fresh program folder, and reports its peak
# memory. Usage: cli_10000_inputs.sh PATH-TO-quorvelan-cli [COUNT]
set -eu

cli=$1
count=${2:-10000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$cli" "$work/"

inputs=()
for ((i = 1; i <= count; i++)); do inputs+=("D:\\videos\\holiday\\clip$i.mkv"); done

cd "$work"
/usr/bin/time -f '%e s elapsed (%U s user, %S s system), %M KB peak resident' -o time.txt \
  "./$(basename "$cli")" --bat jobs.bat "${inputs[@]}"

wrappers=$(find avs -name '*.avs' | wc -l)
echo "$count inputs: $(cat time.txt); $wrappers wrapper scripts; batch $(wc -c <jobs.bat) bytes, $(wc -l <jobs.bat) lines"
