#!/bin/bash
# The real quorvelan-cli program around the core that the golden cases test:
# its files, standard output, exit status and error line, in a fresh program
# folder. Usage: cli_test.sh CLI EXPECTED-FOLDER X264-STANDIN [RUNNER...]
# (RUNNER: wine)
set -u
cli=$1 expected=$2 standin=$3
shift 3
failures=0
dir=$(mktemp -d)
drive=
trap 'rm -rf "$dir"; [ -z "$drive" ] || rm -f "$drive"' EXIT
# The output folder D:\v exists, so the expected batch makes none: in the
# test folder for the native program, as drive D: for Wine when the prefix
# has no such drive.
mkdir -p "$dir/D:/v" "$dir/D/v"
if [ "${1:-}" = wine ] && [ ! -e "$WINEPREFIX/dosdevices/d:" ]; then
  drive="$WINEPREFIX/dosdevices/d:"
  ln -s "$dir/D" "$drive"
fi
cp "$cli" "$dir/"
mkdir "$dir/avsinc" && echo 'DirectShowSource(fs, utf8=true)' >"$dir/avsinc/DirectShow.avs"
run() { (cd "$dir" && "$@" "./$(basename "$cli")" "${args[@]}" >stdout 2>stderr); status=$?; }
check() {  # what, actual, expected
  [[ "$2" == "$3" ]] || { echo "FAIL: $1: got [$2], expected [$3]"; failures=$((failures + 1)); }
}
# The program folder differs from run to run: it is named <P> for comparing.
body() {
  local text folder
  text=$(cat "$1")
  folder=$(sed -n '2s/^@cd \/d "\(.*\)"\r$/\1/p' "$dir/jobs.bat")
  echo "${text//"$folder"/<P>}"
}

# Classic, as the expected batch: "auto" would find whatever x264 this
# machine has.
args=(--defaults --x264-syntax classic --set mode=6 --set value=1000 --bat jobs 'D:\v\clip.mkv')
run "$@"
check "batch file exit" "$status" 0
check "batch file" "$(body "$dir/jobs.bat")" "$(cat "$expected/jobs.bat")"
check "wrapper script" "$(body "$dir/avs/clip.mkv.avs")" "$(cat "$expected/clip.mkv.avs")"
check "state file left alone" "$(ls "$dir"/*.ini 2>/dev/null)" ""

args=(--defaults --x264-syntax classic --set mode=6 --set value=1000 --bat - 'D:\v\clip.mkv')
run "$@"
check "standard output, byte for byte" "$(body "$dir/stdout" | od -c)" "$(od -c <"$expected/jobs.bat")"

args=(--defaults --set cab=2 --bat x.bat 'D:\v\clip.avs')
run "$@"
check "refused value exit" "$status" 2
check "refused value message" "$(tr -d '\r' <"$dir/stderr")" "quorvelan-cli: cab=2: cab takes 0 or 1"
check "nothing written" "$(ls "$dir"/x.bat 2>/dev/null)" ""

# "auto" runs the x264 of the tools folder for its version: x264.exe on
# Windows, x264 on a POSIX system.
mkdir -p "$dir/tools"
cp "$standin" "$dir/tools/$(basename "$standin" | sed 's/_standin//')"
args=(--defaults --bat - 'D:\v\clip.avs')
run "$@"
check "auto finds today's x264" "$(grep -c '^x264.exe --cqm' "$dir/stdout")" 1
args=(--defaults --x264-syntax classic --bat - 'D:\v\clip.avs')
run "$@"
check "classic as chosen" "$(grep -c '^x264.exe --progress' "$dir/stdout")" 1
rm -r "$dir/tools"

# A list of inputs on standard input: one with no inputs is refused and
# leaves the earlier batch alone; one past 256 MiB is refused once it passes
# the limit, before it is read whole (the program natively holds less than
# twice the limit).
feed_run() {  # FEED-COMMAND [RUNNER...]
  local feed=$1
  shift
  (cd "$dir" && $feed | "$@" "./$(basename "$cli")" "${args[@]}" >stdout 2>stderr)
  status=$?
}
before=$(od -c "$dir/jobs.bat")
args=(--defaults --inputs-from - --bat jobs)
feed_run "printf \r\n" "$@"
check "empty list exit" "$status" 2
check "empty list message" "$(tr -d '\r' <"$dir/stderr")" "quorvelan-cli: the list of inputs on standard input holds no inputs"
check "empty list writes nothing" "$(od -c "$dir/jobs.bat")" "$before"
if [[ $# -eq 0 ]]; then
  feed_run "head -c 400M /dev/zero" /usr/bin/time -f %M -o "$dir/kilobytes"
  check "memory within twice the limit" "$(($(tail -n 1 "$dir/kilobytes") < 512 * 1024))" 1
else
  feed_run "head -c 300M /dev/zero" "$@"
fi
check "endless list exit" "$status" 2
check "endless list message" "$(tr -d '\r' <"$dir/stderr")" "quorvelan-cli: the list of inputs on standard input is larger than 256 MiB"

# On Windows the command interpreter leaves "*" and "?" to the program: the
# system's own matching brings the files, in name order.
if [[ $# -gt 0 ]]; then
  mkdir "$dir/clips" && touch "$dir/clips/b.avs" "$dir/clips/a.avs" "$dir/clips/ab.avs" "$dir/clips/c.txt"
  args=(--defaults --bat - 'clips\?.avs')
  run "$@"
  check "pattern exit" "$status" 0
  check "pattern inputs" "$(grep -a '^@echo Input:' "$dir/stdout" | sed 's/.*\\//' | tr -d '\r' | tr '\n' ' ')" "a.avs b.avs "
  args=(--defaults --bat - 'clips\*.wmv')
  run "$@"
  check "pattern without a match" "$(tr -d '\r' <"$dir/stderr")" "quorvelan-cli: input 'clips\*.wmv' matches no file"
fi

# Names that Windows takes for one file, by its own upper-case table, get
# outputs of their own (the list file carries them whatever the locale).
printf '%s\r\n' 'D:\a\ǎ.avi' 'D:\b\Ǎ.avi' 'D:\a\ⅰ.avi' 'D:\b\Ⅰ.avi' 'D:\a\ⓐ.avi' 'D:\b\Ⓐ.avi' 'D:\a\ἀ.avi' \
  'D:\b\Ἀ.avi' >"$dir/pairs.txt"
args=(--defaults --output-folder 'D:\out' --inputs-from pairs.txt --bat -)
run "$@"
check "one name, one output" "$(sed -n 's/^@echo Output:D:.out.\(.*\)\.mp4\r$/\1/p' "$dir/stdout" | tr '\n' '|')" \
  "ǎ|Ǎ (2)|ⅰ|Ⅰ (2)|ⓐ|Ⓐ (2)|ἀ|Ἀ (2)|"

# A run refused at a later input leaves no wrapper of the earlier ones (the
# ANSI code page, in which bepipe.exe reads its script, has no "ǎ").
printf '%s\r\n' 'D:\v\early.mkv' 'D:\v\ǎ.avi' >"$dir/refused.txt"
args=(--defaults --set aud=1 --set ae=1 --inputs-from refused.txt --bat refused.bat)
run "$@"
check "refused run exit" "$status" 2
check "refused run writes nothing" "$(ls "$dir/refused.bat" "$dir"/avs/early* 2>/dev/null)" ""

args=(--help)
run "$@"
check "help exit" "$status" 0
check "help text" "$(head -n 1 "$dir/stdout" | tr -d '\r')" "Usage:"

exit $((failures != 0))
