#!/bin/sh
# quorvelan job 1 (jobs.tsv lists them)
# Needs on the search path: x264 ffmpeg MP4Box
PATH='/opt/q/':'/opt/q/tools':'/usr/local/x264':'/opt/q/bin':"$PATH"
export PATH
fail() { printf '%s\n' "$1" >&2; exit 1; }
for tool in x264 ffmpeg MP4Box; do
  command -v "$tool" >/dev/null 2>&1 || fail "$tool is not on the search path"
done
printf '%s\n' 'Input:/media/a.mp4'
printf '%s\n' 'Output:/media/a (2).mp4'
printf '%s\n' 'Encode Mode:Automated Double Passes'
x264 --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 2 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -p 1 --slow-firstpass --stats '/opt/q/stats/a.mp4.stat' -B 800 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o /dev/null '/media/a.mp4' 2>>'/opt/q/log/a.mp4.txt' || fail 'x264 pass 1 failed'
x264 --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 2 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -p 3 --stats '/opt/q/stats/a.mp4.stat' -B 800 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o '/media/a (2).x264.mkv' '/media/a.mp4' 2>>'/opt/q/log/a.mp4.txt' || fail 'x264 pass 2 failed'
ffmpeg -hide_banner -nostdin -v error -y -i '/media/a (2).x264.mkv' -c copy '/media/a (2).mp4' || fail 'ffmpeg could not copy the video into MP4'
rm -f -- '/media/a (2).x264.mkv'
ffmpeg -hide_banner -nostdin -y -i '/media/a.mp4' -vn -c:a aac -b:a 64k '/media/a (2).audio.m4a' || fail 'the audio encoder failed'
MP4Box -add '/media/a (2).audio.m4a' '/media/a (2).mp4' || fail 'MP4Box could not merge the audio'
rm -f -- '/media/a (2).audio.m4a'
[ -e '/media/a (2).mp4' ] || fail 'the final output is missing'
exit 0
