#!/bin/bash
# quorvelan-cli making one batch of COUNT non-AviSynth inputs (so COUNT
# wrapper scripts, given through --inputs-from) beside plain_batch_maker
# doing the same file work, round after round in fresh folders (each run
# starts after a sync, so that no earlier run's writes are still going to
# the disk); prints the median of each, the median of the rounds' ratios
# and the CLI's peak memory.
#   cli_vs_plain.sh CLI PLAIN [COUNT] [ROUNDS]
# A Windows CLI (ending in .exe) runs under Wine, and so does a Windows
# PLAIN; the CLI's time is also given without Wine's start-up (the median
# time of "--help").
set -eu

cli=$(realpath "$1")
plain=${2:+$(realpath "$2")}
count=${3:-10000}
rounds=${4:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/sources"
(cd "$work/sources" && seq 1 "$count" | sed 's/^/clip/; s/$/.mkv/' | xargs touch)
run=()
if [[ $cli == *.exe ]]; then
  run=(wine)
  root=$(cd "$work" && pwd)
  for ((i = 1; i <= count; i++)); do printf 'Z:%s\\sources\\clip%d.mkv\r\n' "${root//\//\\}" "$i"; done >"$work/list.txt"
else
  for ((i = 1; i <= count; i++)); do echo "$work/sources/clip$i.mkv"; done >"$work/list.txt"
fi

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
seconds() {
  sync
  /usr/bin/time -f '%e %M' -o "$work/time.txt" "$@" >/dev/null 2>"$work/err.txt" && cat "$work/time.txt"
}

for ((r = 1; r <= rounds; r++)); do
  mkdir -p "$work/cli$r" "$work/plain$r"
  cp "$cli" "$work/cli$r/"
  (cd "$work/cli$r" && seconds "${run[@]}" "./$(basename "$cli")" --defaults --bat jobs.bat --inputs-from ../list.txt) \
    >>"$work/cli.txt"
  if [ -n "$plain" ]; then
    plain_folder=$work/plain$r list=$work/list.txt
    [ ${#run[@]} -gt 0 ] && plain_folder="Z:${plain_folder//\//\\}" list="Z:${list//\//\\}"
    seconds "${run[@]}" "$plain" "$plain_folder" "$list" >>"$work/plain.txt"
  fi
  if [ ${#run[@]} -gt 0 ]; then (cd "$work/cli$r" && seconds wine "./$(basename "$cli")" --help) >>"$work/start.txt"; fi
done

cli_time=$(cut -d' ' -f1 "$work/cli.txt" | median)
peak=$(cut -d' ' -f2 "$work/cli.txt" | sort -n | tail -1)
echo "quorvelan-cli, $count inputs: median $cli_time s over $rounds rounds ($(cut -d' ' -f1 "$work/cli.txt" | tr '\n' ' ')s), peak $peak KB"
if [ -n "$plain" ]; then
  plain_time=$(cut -d' ' -f1 "$work/plain.txt" | median)
  echo "plain_batch_maker: median $plain_time s ($(cut -d' ' -f1 "$work/plain.txt" | tr '\n' ' ')s)"
  paste -d' ' <(cut -d' ' -f1 "$work/cli.txt") <(cut -d' ' -f1 "$work/plain.txt") | awk '{ print $1 / $2 }' |
    median | awk '{ printf "ratio (median of the rounds) %.2f\n", $1 }'
fi
if [ -f "$work/start.txt" ]; then
  start=$(cut -d' ' -f1 "$work/start.txt" | median)
  awk -v c="$cli_time" -v s="$start" 'BEGIN { printf "Wine start-up %.2f s; without it %.2f s\n", s, c - s }'
fi
