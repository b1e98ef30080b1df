#!/usr/bin/env python3
"""Runs per-job shell scripts in real sh with stand-ins for the tools.

Every row of tests/data/shell/names.tsv gives one job; its script must hand
the source's name whole to each tool, touch no file but the job's own, and
exit with 0 exactly when its final output exists.

Usage: shell_names_test.py QUORVELAN-CLI
"""

import os, shutil, subprocess, sys, tempfile

DATA = os.path.join(os.path.dirname(__file__), "..", "data", "shell", "names.tsv")
# Each stand-in logs its arguments, then writes the file after -o (x264,
# mkvmerge) or its last argument (ffmpeg, MP4Box); x264 also writes the
# statistics, 3000 bytes of output, and fails for a "broken" source.
STANDIN = r"""#!/bin/sh
printf '%s\0' "$(basename "$0")" "$@" >> "$QV_CALLS"
out=; prev=; for a in "$@"; do [ "$prev" = -o ] && out=$a; [ "$prev" = --stats ] && stats=$a; prev=$a; last=$a; done
case "$(basename "$0")" in
  x264) case "$last" in *broken*) exit 1;; esac
        [ -n "$stats" ] && echo stats > "$stats"
        [ "$out" = /dev/null ] || head -c 3000 /dev/zero > "$out";;
  mkvmerge) echo merged > "$out";;
  *) echo written > "$last";;
esac
"""


def files(root):
    return {os.path.join(d, f) for d, _, names in os.walk(root) for f in names}


def run_row(cli, work, number, name, settings):
    media, jobs = os.path.join(work, "media%d" % number), os.path.join(work, "jobs%d" % number)
    os.makedirs(media)
    source = os.path.join(media, name)
    open(source, "w").close()
    sets = [w for kv in settings.split() for w in ("--set", kv)]
    subprocess.run([cli, "--defaults"] + sets + ["--script", "sh", "--per-job", jobs, "--", source],
                   check=True, capture_output=True)
    manifest = open(os.path.join(jobs, "jobs.tsv"), encoding="utf-8").read().splitlines()[1].split("\t")
    final, calls = manifest[3], os.path.join(work, "calls")
    before, scratch = files(work), tempfile.mkdtemp(dir=work)
    run = subprocess.run(["sh", os.path.join(jobs, manifest[1])], cwd=scratch, capture_output=True,
                         env=dict(os.environ, QV_CALLS=calls, HOME=scratch))
    problems = []
    broken = "broken" in name
    if (run.returncode != 0) != broken or os.path.exists(final) == broken:
        problems.append("exit %d, final output %s there: %s" % (run.returncode, "not" if not os.path.exists(final)
                        else "", run.stderr.decode(errors="replace")[-300:]))
    words = open(calls, "rb").read().decode().split("\0") if os.path.exists(calls) else []
    os.remove(calls) if os.path.exists(calls) else None
    if source not in words:
        problems.append("no tool got the source whole: %r" % words)
    # The job's own: its outputs beside the source (named as its final
    # output up to the extension), its statistics and its log.
    stem = os.path.splitext(final)[0].split(".audio")[0]
    own = {p for p in files(work) if p.startswith(stem + ".") or "/prog/stats/" in p or "/prog/log/" in p}
    stray = files(work) - before - own
    if stray or os.listdir(scratch):
        problems.append("touched %s" % sorted(stray | set(os.listdir(scratch))))
    for leftover in ("pwned", "pwned2"):
        if any(os.path.exists(os.path.join(d, leftover)) for d in (work, media, scratch, os.getcwd())):
            problems.append("a name ran as a command")
    return problems


def main():
    work = tempfile.mkdtemp(prefix="qv-shell-")
    try:
        program = os.path.join(work, "prog")
        os.makedirs(program)
        cli = shutil.copy(sys.argv[1], program)
        for tool in ("x264", "ffmpeg", "mkvmerge", "MP4Box"):
            with open(os.path.join(program, tool), "w") as f:
                f.write(STANDIN)
            os.chmod(os.path.join(program, tool), 0o755)
        rows = [line.split("\t") for line in open(DATA, encoding="utf-8").read().splitlines()
                if line and not line.startswith("#")]
        failures = {}
        for number, (name, settings) in enumerate(rows):
            problems = run_row(cli, work, number, name, settings)
            if problems:
                failures[name] = problems
        for name, problems in failures.items():
            print("%r: %s" % (name, "; ".join(problems)))
        print("%d of %d shell jobs as expected" % (len(rows) - len(failures), len(rows)))
        return 1 if failures else 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
