#!/usr/bin/env bash
# The Slurm tier: a one-node Slurm on this machine (munged, slurmctld and
# slurmd as root, in the background, stopped at the end whatever happens)
# runs the job arrays that quorvelan-cli --per-job --scheduler slurm writes
# over tiny generated clips, with Debian's x264, ffmpeg and mkvmerge. Every
# final output is read back with ffprobe and every task's state checked: the
# job of a missing source fails its task, and only it.
# Usage: slurm_test.sh QUORVELAN-CLI   (as root; scripts/test.sh runs it)
set -euo pipefail
cli=$(realpath "$1")
# One Slurm at a time on this machine: the daemons' ports are fixed.
exec 9>/tmp/quorvelan-slurm.lock
flock -w 600 9
work=$(mktemp -d /tmp/qv-slurm.XXXXXX)
pids=()
stop() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap stop EXIT
fail() { echo "slurm tier: $*" >&2; tail -n 20 "$work"/*.log >&2 || true; exit 1; }

node=$(hostname -s)
export SLURM_CONF=$work/slurm.conf
mkdir -p "$work/state" "$work/spool" "$work/media"
cat >"$SLURM_CONF" <<CONF
ClusterName=quorvelan
SlurmctldHost=$node
SlurmUser=root
SlurmdUser=root
SlurmctldPort=16817
SlurmdPort=16818
AuthType=auth/munge
AuthInfo=socket=$work/munge.socket
CredType=cred/munge
StateSaveLocation=$work/state
SlurmdSpoolDir=$work/spool
SlurmctldPidFile=$work/slurmctld.pid
SlurmdPidFile=$work/slurmd.pid
SlurmctldLogFile=$work/slurmctld.log
SlurmdLogFile=$work/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
SelectType=select/cons_tres
SelectTypeParameters=CR_CPU
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
JobCompType=jobcomp/none
MpiDefault=none
ReturnToService=2
MinJobAge=3600
NodeName=$node CPUs=$(nproc) State=UNKNOWN
PartitionName=main Nodes=$node Default=YES MaxTime=10 State=UP
CONF
mungekey --create --keyfile="$work/munge.key" 2>/dev/null
chmod 700 "$work"
munged --foreground --force --socket="$work/munge.socket" --key-file="$work/munge.key" \
  --pid-file="$work/munged.pid" --log-file="$work/munged.log" --seed-file="$work/munged.seed" 2>>"$work/munged.log" &
pids+=($!)
for _ in $(seq 50); do [ -S "$work/munge.socket" ] && break; sleep 0.1; done
slurmctld -D -i >>"$work/slurmctld.log" 2>&1 &
pids+=($!)
slurmd -D >>"$work/slurmd.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do sinfo -h -o %T 2>/dev/null | grep -qx idle && break; sleep 0.2; done
sinfo -h -o %T | grep -qx idle || fail "the node did not come up"

# Tiny clips (40 frames, 160x120, with a tone), names with a blank and a
# quote. Each set has a program folder of its own: the jobs of both run at
# once, and each job's statistics and log are named after its source.
for set in double conditional; do
  mkdir -p "$work/program-$set"
  cp "$cli" "$work/program-$set/"
done
clips=()
for name in "one clip" "it's two" three; do
  ffmpeg -v error -f lavfi -i testsrc=size=160x120:rate=25 -f lavfi -i sine=frequency=440 -frames:v 40 -t 1.6 \
    -c:v ffv1 -c:a flac "$work/media/$name.mkv"
  clips+=("$work/media/$name.mkv")
done
common=(--defaults --set thr=1 --set aud=1 --set ae=7 --script sh --scheduler slurm)
# Two passes merged by mkvmerge, and a source that is not there.
"$work/program-double/quorvelan-cli" "${common[@]}" --set mode=6 --set value=300 --set muxer=2 --per-job "$work/double" -- \
  "${clips[@]}" "$work/media/missing.mkv" 2>/dev/null
# The conditional mode with a size bound its first pass misses, so that the
# second pass runs; audio beside the MP4.
"$work/program-conditional/quorvelan-cli" "${common[@]}" --set mode=13 --set minsize=0 --set maxsize=0.001 --set value=200 --set muxer=3 \
  --per-job "$work/conditional" -- "${clips[@]}"

ids=()
for set in double conditional; do
  ids+=("$(cd "$work/$set" && sbatch --parsable submit.sbatch)")
done
deadline=$((SECONDS + 240))
while [ -n "$(squeue -h -j "$(IFS=,; echo "${ids[*]}")" 2>/dev/null)" ]; do
  [ $SECONDS -lt $deadline ] || fail "the jobs did not end within 240 s"
  sleep 1
done

# Every task's state, matched to its source through jobs.tsv.
checked=0
for i in 0 1; do
  set=$([ $i -eq 0 ] && echo double || echo conditional)
  states=$(scontrol show job -o "${ids[$i]}")
  while IFS=$'\t' read -r number script input final mode passes; do
    [ "$number" = job ] && continue
    state=$(grep -E " ArrayTaskId=$number " <<<"$states" | grep -oE " JobState=[A-Z]+" || true)
    state=${state##*=}
    expected=COMPLETED
    [ -e "$input" ] || expected=FAILED
    [ "$state" = "$expected" ] || fail "$set task $number ($input): $state, expected $expected"
    [ -s "$work/$set/job-$(printf %04d "$number").out" ] || fail "$set task $number wrote no output file"
    if [ $expected = COMPLETED ]; then
      streams=$(ffprobe -v error -show_entries stream=codec_type -of csv=p=0 "$final" | sort | tr '\n' ' ')
      want="audio video "
      if [ $set = conditional ]; then
        want="video "
        audio="${final%.mp4}.audio.m4a"
        [ "$(ffprobe -v error -show_entries stream=codec_type -of csv=p=0 "$audio")" = audio ] ||
          fail "$audio is no audio file"
      fi
      [ "$streams" = "$want" ] || fail "$final has streams [$streams], expected [$want]"
      [ "$passes" = 2 ] || fail "$set task $number: $passes passes in jobs.tsv"
      # x264 ends each encode with this line in the job's log.
      encodes=$(cat "$work/program-$set/log/$(basename "$input" .mkv)"*.txt | grep -c "encoded 40 frames" || true)
      [ "$encodes" = 2 ] || fail "$set task $number: $encodes x264 encodes in the log, expected 2"
    fi
    checked=$((checked + 1))
  done <"$work/$set/jobs.tsv"
done
[ $checked -eq 7 ] || fail "checked $checked tasks, expected 7"
echo "slurm tier: 7 array tasks as expected (6 outputs read back, the missing source's task failed)"
