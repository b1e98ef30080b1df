#!/bin/sh
# quorvelan job 1 (jobs.tsv lists them)
# Needs on the search path: x264 ffmpeg
PATH='/opt/q/':'/opt/q/tools':'/usr/local/x264':'/opt/q/bin':"$PATH"
export PATH
fail() { printf '%s\n' "$1" >&2; exit 1; }
for tool in x264 ffmpeg; do
  command -v "$tool" >/dev/null 2>&1 || fail "$tool is not on the search path"
done
printf '%s\n' 'Input:/media/clip.avi'
printf '%s\n' 'Output:/srv/new out/it'\''s/clip.mp4'
printf '%s\n' 'Encode Mode:Automated Double Passes'
mkdir -p -- '/srv/new out/it'\''s' || fail "the folder "'/srv/new out/it'\''s'" cannot be made"
x264 --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -p 1 --slow-firstpass --stats '/opt/q/stats/clip.avi.stat' -B 1000 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o /dev/null '/media/clip.avi' 2>>'/opt/q/log/clip.avi.txt' || fail 'x264 pass 1 failed'
x264 --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -p 3 --stats '/opt/q/stats/clip.avi.stat' -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o '/srv/new out/it'\''s/clip.x264.mkv' '/media/clip.avi' 2>>'/opt/q/log/clip.avi.txt' || fail 'x264 pass 2 failed'
ffmpeg -hide_banner -nostdin -v error -y -i '/srv/new out/it'\''s/clip.x264.mkv' -c copy '/srv/new out/it'\''s/clip.mp4' || fail 'ffmpeg could not copy the video into MP4'
rm -f -- '/srv/new out/it'\''s/clip.x264.mkv'
[ -e '/srv/new out/it'\''s/clip.mp4' ] || fail 'the final output is missing'
exit 0
