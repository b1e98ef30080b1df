#!/bin/sh
# quorvelan job 1 (jobs.tsv lists them)
# Needs on the search path: x264
PATH='/opt/q/':'/opt/q/tools':'/usr/local/x264':'/opt/q/bin':"$PATH"
export PATH
fail() { printf '%s\n' "$1" >&2; exit 1; }
for tool in x264; do
  command -v "$tool" >/dev/null 2>&1 || fail "$tool is not on the search path"
done
printf '%s\n' 'Input:/media/clip.avi'
printf '%s\n' 'Output:/media/clip.mp4'
printf '%s\n' 'Encode Mode:Mutipass - First Pass'
x264 --cqmfile '/media/it'\''s matrix.cfg' --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -p 1 --slow-firstpass --stats '/opt/q/stats/clip.avi.stat' -B 1000 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o /dev/null '/media/clip.avi' || fail 'x264 pass 1 failed'
[ -e '/opt/q/stats/clip.avi.stat' ] || fail 'the final output is missing'
exit 0
