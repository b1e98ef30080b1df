#!/bin/sh
# quorvelan job 1 (jobs.tsv lists them)
# Needs on the search path: ffmpeg
PATH='/opt/q/':'/opt/q/tools':'/usr/local/x264':'/opt/q/bin':"$PATH"
export PATH
fail() { printf '%s\n' "$1" >&2; exit 1; }
for tool in ffmpeg; do
  command -v "$tool" >/dev/null 2>&1 || fail "$tool is not on the search path"
done
printf '%s\n' 'Input:/media/clip.avi'
printf '%s\n' 'Output:/media/clip.mp4'
printf '%s\n' 'Encode Mode:Single Pass - Quantizer'
ffmpeg -hide_banner -nostdin -y -i '/media/clip.avi' -vn -c:a aac -b:a 64k '/media/clip.audio.m4a' || fail 'the audio encoder failed'
[ -e '/media/clip.audio.m4a' ] || fail 'the final output is missing'
exit 0
