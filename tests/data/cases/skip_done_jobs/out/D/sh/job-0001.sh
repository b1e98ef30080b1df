#!/bin/sh
# quorvelan job 1 (jobs.tsv lists them)
# Needs on the search path: x264 ffmpeg
PATH=:"$PATH"
export PATH
fail() { printf '%s\n' "$1" >&2; exit 1; }
for tool in x264 ffmpeg; do
  command -v "$tool" >/dev/null 2>&1 || fail "$tool is not on the search path"
done
printf '%s\n' 'Input:D:\v\a.mkv'
printf '%s\n' 'Output:D:\v\a.mp4'
printf '%s\n' 'Encode Mode:Single Pass - CRF'
mkdir -p -- 'D:\v' || fail "the folder "'D:\v'" cannot be made"
[ -e 'D:\v\a.mp4' ] || : >'D:\v\a.mp4.unfinished'
if [ -e 'D:\v\a.mp4.unfinished' ]; then
x264 --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none --crf 26 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o 'D:\v\a.x264.mkv' 'D:\v\a.mkv' 2>>'C:\Q\log/a.mkv.txt' || fail 'x264 pass 1 failed'
ffmpeg -hide_banner -nostdin -v error -y -i 'D:\v\a.x264.mkv' -c copy 'D:\v\a.mp4' || fail 'ffmpeg could not copy the video into MP4'
rm -f -- 'D:\v\a.x264.mkv'
rm -f -- 'D:\v\a.mp4.unfinished'
fi
[ -e 'D:\v\a.mp4' ] || fail 'the final output is missing'
exit 0
