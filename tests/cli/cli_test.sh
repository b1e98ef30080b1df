#!/bin/bash
# End-to-end tests of quorvelan-cli: each case runs the program from a fresh
# program folder and checks the files it writes, its exit status and its
# error line.
#
# Usage: cli_test.sh PATH-TO-CLI [RUNNER...]   (RUNNER: e.g. wine for the Windows build)
set -u

cli=$1
shift
runner=("$@")
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A fresh program folder with the program in it; sets $dir and $P (the
# program folder as the program itself names it).
fresh() {
  dir=$work/$1
  mkdir -p "$dir"
  cp "$cli" "$dir/"
  if [[ $cli == *.exe ]]; then P="Z:${dir//\//\\}\\"; else P="$dir/"; fi
}

run() {
  (cd "$dir" && "${runner[@]}" "./$(basename "$cli")" "$@" >"$dir/stdout" 2>"$dir/stderr")
  status=$?
}

fail() {
  echo "FAIL [$case]: $*"
  failures=$((failures + 1))
}

expect_status() {
  [[ $status == "$1" ]] || fail "exit status $status, expected $1; stderr: $(cat "$dir/stderr")"
}

expect_same_file() {  # actual expected
  cmp -s "$1" "$2" || fail "$(basename "$1") differs:"$'\n'"$(diff <(od -c "$2") <(od -c "$1") | head -20)"
}

expect_text() {  # file text
  grep -qF -- "$2" "$1" || fail "no '$2' in $(basename "$1")"
}

expect_line() {  # file line
  grep -qxF -- "$2"$'\r' "$1" || fail "no line '$2' in $(basename "$1")"
}

crlf() { printf '%s\r\n' "$@"; }

quantizer_line() {  # input output log
  echo "x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct \"temporal\" --b-bias 0 -w -q 26 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o \"$2\" \"$1\" 2>&1|teelog.exe \"$3\""
}

case=default-settings-batch
fresh $case
run --bat out 'D:\v\clip.avs'
expect_status 0
{
  crlf "@cd /d \"$P\"" "@envprep.exe run" "@call envprep.bat" "@del envprep.bat"
  crlf '@echo Input:D:\v\clip.avs' '@echo Output:D:\v\clip.mp4' '@echo Encode Mode:Single Pass - Quantizer'
  crlf "$(quantizer_line 'D:\v\clip.avs' 'D:\v\clip.mp4' "${P}log\\clip.avs.txt")"
} >"$dir/expected"
expect_same_file "$dir/out.bat" "$dir/expected"
[[ -s $dir/stdout || -s $dir/stderr ]] && fail "wrote to stdout or stderr"

case=standard-output-same-bytes
run --bat - 'D:\v\clip.avs'
expect_status 0
expect_same_file "$dir/stdout" "$dir/expected"

case=wrapper-for-other-media
fresh $case
mkdir -p "$dir/avsinc"
: >"$dir/avsinc/DirectShow.avs"
run --set avsinc=DirectShow --bat jobs.bat 'D:\v\clip.mkv'
expect_status 0
printf 'fs="D:\\v\\clip.mkv"\r\nimport("..\\avsinc\\DirectShow.avs")\r\n' >"$dir/expected"
expect_same_file "$dir/avs/clip.mkv.avs" "$dir/expected"
expect_line "$dir/jobs.bat" "@echo Input:${P}avs\\clip.mkv.avs"
expect_line "$dir/jobs.bat" '@echo Output:D:\v\clip.mp4'

case=set-runs-the-rules-and-no-chroma-me
fresh $case
run --set mode=0 --set value=1200 --set mode=2 --no-chroma-me --bat out 'D:\v\clip.avs'
expect_status 0
expect_text "$dir/out.bat" ' -w --crf 51 '  # value 1200 limited to 51 in mode 2
expect_line "$dir/out.bat" '@echo Encode Mode:Single Pass - CRF'
expect_text "$dir/out.bat" ' -m 5 --no-chroma-me --qpmin '

case=output-folder-and-shutdown
fresh $case
run --output-folder 'E:\out' --shutdown --bat out 'D:\v\a.avs' 'D:\v\b.mkv'
expect_status 0
expect_line "$dir/out.bat" '@echo Output:E:\out\a.mp4'
expect_line "$dir/out.bat" '@echo Output:E:\out\b.mp4'
[[ $(tail -n 1 "$dir/out.bat") == $'shutdown.exe -s -f -t 30\r' ]] || fail "shutdown line not last"

case=named-config-config-file-state-file-and-defaults
fresh $case
mkdir -p "$dir/configs"
printf 'mode = 0\r\nvalue = 700\r\n' >"$dir/configs/fast.ini"
printf 'mode = 0\r\nvalue = 700\r\n' >"$dir/other.ini"
printf 'mode = 0\r\nvalue = 900\r\n' >"$dir/quorvelan.ini"
for args in '--config fast --bat named' '--config-file other.ini --bat file' '--defaults --bat defaults' '--bat state'; do
  read -r -a argv <<<"$args"
  run "${argv[@]}" 'D:\v\clip.avs'
  expect_status 0
done
expect_text "$dir/named.bat" ' -B 700 '
expect_same_file "$dir/file.bat" "$dir/named.bat"
expect_text "$dir/state.bat" ' -B 900 '
expect_line "$dir/defaults.bat" '@echo Encode Mode:Single Pass - Quantizer'

case=batch-safe-names
fresh $case
run --bat out 'D:\v\50% off.mkv' 'D:\v\Tom & Jerry.avs'
expect_status 0
expect_line "$dir/out.bat" "@echo Input:${P}avs\\50%% off.mkv.avs"
expect_line "$dir/out.bat" '@echo Output:D:\v\50%% off.mp4'
expect_line "$dir/out.bat" '@echo Input:D:\v\Tom ^& Jerry.avs'
expect_text "$dir/avs/50% off.mkv.avs" 'fs="D:\v\50% off.mkv"'  # the source unchanged

# Each error: status 2, one line on stderr, no batch written.
errors=(
  "--set nope=1 --bat out D:\\v\\a.avs"
  "--set mode=14 --bat out D:\\v\\a.avs"
  "--set aud=2 --bat out D:\\v\\a.avs"
  "--set deb-a=13 --bat out D:\\v\\a.avs"
  "--set avsinc=Missing --bat out D:\\v\\a.avs"
  "--config missing --bat out D:\\v\\a.avs"
  "--config ../x --bat out D:\\v\\a.avs"
  "--config-file missing.ini --bat out D:\\v\\a.avs"
  "--defaults --config x --bat out D:\\v\\a.avs"
  "--bat out"
  "D:\\v\\a.avs"
  "--bat out --start D:\\v\\a.avs"
  "--frobnicate --bat out D:\\v\\a.avs"
  "--bat out D:\\v\\"
  "--bat no-such-folder/out D:\\v\\a.avs"
)
for args in "${errors[@]}"; do
  case="error: $args"
  fresh error
  rm -f "$dir"/*.bat
  read -r -a argv <<<"$args"
  run "${argv[@]}"
  expect_status 2
  [[ $(wc -l <"$dir/stderr") == 1 ]] || fail "stderr: $(cat "$dir/stderr")"
  compgen -G "$dir/*.bat" >/dev/null && fail "a batch was written"
done

case="error: line break in a value"
run --set $'nr=0\r\ndel *' --bat out 'D:\v\a.avs'
expect_status 2
[[ -e $dir/out.bat ]] && fail "a batch was written"

case=help
fresh $case
run --help
expect_status 0
for option in --defaults --config --config-file --set --no-chroma-me --output-folder --shutdown --bat --start; do
  grep -q -- "$option " "$dir/stdout" || fail "--help does not explain $option"
done

case=start
fresh $case
run --set value=27 --start 'D:\v\a.avs'
expect_line "$dir/quorvelan.ini" 'value = 27'  # state saved before the start
if [[ $cli == *.exe ]]; then
  # The batch runs (its tools are missing, so each line fails at once) and
  # deletes itself.
  expect_status 0
else
  # No Windows batch can run here: reported, and nothing left to run later.
  expect_status 2
  expect_text "$dir/stderr" 'cannot start'
  [[ -e $dir/temp.bat ]] && fail "unstarted temp.bat left behind"
fi

if ((failures)); then
  echo "$failures failure(s)"
  exit 1
fi
echo "all quorvelan-cli cases passed"
