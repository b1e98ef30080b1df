#!/bin/sh
# quorvelan job 2 (jobs.tsv lists them)
# Needs on the search path: x264 ffmpeg stat mkvmerge
PATH='/opt/q/':'/opt/q/tools':'/usr/local/x264':'/opt/q/bin':"$PATH"
export PATH
fail() { printf '%s\n' "$1" >&2; exit 1; }
for tool in x264 ffmpeg stat mkvmerge; do
  command -v "$tool" >/dev/null 2>&1 || fail "$tool is not on the search path"
done
printf '%s\n' 'Input:/media/it'\''s $(touch x) `y` a;b&c*.mkv'
printf '%s\n' 'Output:/media/it'\''s $(touch x) `y` a;b&c* (2).mp4'
printf '%s\n' 'Encode Mode:Conditional Double Passes(1P-CRF)'
x264 --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none --stats '/opt/q/stats/it'\''s $(touch x) `y` a;b&c*.mkv.stat' -p 1 --slow-firstpass --crf 16 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o '/media/it'\''s $(touch x) `y` a;b&c* (2).x264.mkv' '/media/it'\''s $(touch x) `y` a;b&c*.mkv' 2>>'/opt/q/log/it'\''s $(touch x) `y` a;b&c*.mkv.txt' || fail 'x264 pass 1 failed'
ffmpeg -hide_banner -nostdin -v error -y -i '/media/it'\''s $(touch x) `y` a;b&c* (2).x264.mkv' -c copy '/media/it'\''s $(touch x) `y` a;b&c* (2).mp4' || fail 'ffmpeg could not copy the video into MP4'
rm -f -- '/media/it'\''s $(touch x) `y` a;b&c* (2).x264.mkv'
size=$(stat -c %s -- '/media/it'\''s $(touch x) `y` a;b&c* (2).mp4' 2>/dev/null) || size=-1
if [ "$size" -lt 94371840 ] || [ "$size" -gt 524288 ]; then
  x264 --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -p 3 --stats '/opt/q/stats/it'\''s $(touch x) `y` a;b&c*.mkv.stat' -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o '/media/it'\''s $(touch x) `y` a;b&c* (2).x264.mkv' '/media/it'\''s $(touch x) `y` a;b&c*.mkv' 2>>'/opt/q/log/it'\''s $(touch x) `y` a;b&c*.mkv.txt' || fail 'x264 pass 2 failed'
  ffmpeg -hide_banner -nostdin -v error -y -i '/media/it'\''s $(touch x) `y` a;b&c* (2).x264.mkv' -c copy '/media/it'\''s $(touch x) `y` a;b&c* (2).mp4' || fail 'ffmpeg could not copy the video into MP4'
  rm -f -- '/media/it'\''s $(touch x) `y` a;b&c* (2).x264.mkv'
fi
ffmpeg -hide_banner -nostdin -y -i '/media/it'\''s $(touch x) `y` a;b&c*.mkv' -vn -c:a aac -b:a 64k '/media/it'\''s $(touch x) `y` a;b&c* (2).audio.m4a' || fail 'the audio encoder failed'
mkvmerge -o '/media/it'\''s $(touch x) `y` a;b&c* (2).mkv' '/media/it'\''s $(touch x) `y` a;b&c* (2).mp4' '/media/it'\''s $(touch x) `y` a;b&c* (2).audio.m4a' || [ $? -le 1 ] || fail 'mkvmerge could not merge the audio'
rm -f -- '/media/it'\''s $(touch x) `y` a;b&c* (2).audio.m4a' '/media/it'\''s $(touch x) `y` a;b&c* (2).mp4'
[ -e '/media/it'\''s $(touch x) `y` a;b&c* (2).mkv' ] || fail 'the final output is missing'
exit 0
