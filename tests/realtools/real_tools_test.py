#!/usr/bin/env python3
"""Runs batches of the current x264 syntax with the real tools.

quorvelan-cli writes the batch of a seeded random sample of settings (every
encode mode, audio on and off, every muxer on this machine); each line is
read as cmd.exe would read it and run with Debian's x264, ffmpeg, mkvmerge
(and MP4Box where installed) on a small generated clip, which stands in for
the AviSynth script. Every step must exit as the batch expects and the batch
must end with the expected files, read back with ffprobe or mkvmerge -J. Two
more batches merge on a full disk and without their audio file: the encode
must survive.

Usage: real_tools_test.py QUORVELAN-CLI [--seed N] [--count N]
"""

import argparse, json, os, random, re, resource, shlex, shutil, signal, subprocess, sys, tempfile, time

FRAMES, FPS = 40, 25
DURATION = FRAMES / FPS
# The modes whose first pass must not run with x264's fast first-pass settings:
# every mode with a first pass but the "(fast)" ones (4, 7, 9, 11).
FULL_FIRST_PASS = {3, 6, 8, 10, 12, 13}
PROGRAMS = {"x264.exe": "x264", "mp4box.exe": "MP4Box", "ffmpeg": "ffmpeg", "mkvmerge": "mkvmerge"}
# Each config key with its range (a tuple) or its choices (a list).
SETTINGS = {
    "auto1pcrf": (14, 30), "minsize": [0], "maxsize": [1, 0.001], "ae": [7], "aub": [48, 96, 128], "m": (0, 8),
    "ms": (0, 3), "range": (4, 64), "ref": (1, 16), "mb": (0, 16), "bias": (-90, 100), "dm": (0, 2), "tre": (0, 2),
    "deb-a": (0, 12), "deb-b": (0, 12), "thr": (0, 4), "nr": (0, 1000), "kfb": (0, 70), "bfr": (0, 60),
    "vbr": (0, 100), "minqp": (1, 30), "maxqp": (30, 51), "qps": (1, 10), "vbs": [0, 0, 800, 4000],
    "vmb": [0, 0, 1000, 5000], "vib": [0.5, 0.9], "bv": (10, 300), "sct": (0, 100), "mingop": (1, 25),
    "maxgop": (25, 300), "arx": [1, 4, 16, 40], "ary": [1, 3, 15, 33], "cqm": ["flat", "jvt"],
    **{key: (0, 1) for key in "a1 a2 a3 a4 a5 a6 cab mxref fil bref bme ba bwb apin fastpsk dctd upstat".split()}}


def sample_settings(rng, number, muxers):
    mode = number % 14
    settings = {"mode": mode, "value": rng.randint(12, 40) if mode in (1, 2, 8, 9, 12) else rng.randint(150, 3000),
                "aud": int(number % 3 != 0), "muxer": muxers[number % len(muxers)]}
    for key, values in SETTINGS.items():
        settings[key] = rng.randint(*values) if isinstance(values, tuple) else rng.choice(values)
    return settings


def batch_lines(cli, settings, clip):
    sets = [word for kv in settings.items() for word in ("--set", "%s=%s" % kv)]
    run = subprocess.run([cli, "--defaults", "--x264-syntax", "current"] + sets + ["--bat", "-", clip],
                         capture_output=True, check=True)
    return [line for line in run.stdout.decode().split("\r\n") if line and not line.startswith("@")]


def host(word):
    return word.replace("\\", "/") if "/" in word else word


class Batch:
    """Runs batch lines as cmd.exe would, with the clip for every AviSynth input."""

    def __init__(self, clip, mp4_output, limit=None):
        self.clip, self.mp4_output, self.limit = clip, mp4_output, limit
        self.errorlevel, self.steps, self.failures = 0, [], []

    def run_line(self, line):
        words = [host(w) for w in shlex.split(line.split(" 2>&1|teelog.exe")[0])]
        while words[0] == "if":
            negate = words[1] == "not"
            words = words[1 + negate:]
            holds = self.errorlevel >= int(words[1]) if words[0] == "errorlevel" else os.path.exists(words[1])
            if holds == negate:
                return
            words = words[2:]
        if words[0] == "del":
            if os.path.exists(words[1]):
                os.remove(words[1])
        elif words[0] == "mensura.exe":
            size = os.path.getsize(words[3]) / 1048576 if os.path.exists(words[3]) else -1
            self.errorlevel = 0 if float(words[1]) <= size <= float(words[2]) else 1
        else:
            self.run_program(PROGRAMS[words[0]], words[1:], line)

    def run_program(self, program, args, line):
        remux = None
        if program == "x264":
            out = args.index("-o") + 1
            args[-1], args[out] = self.clip, os.devnull if args[out] == "nul" else args[out]
            if args[out].endswith(".mp4") and not self.mp4_output:
                remux, args[out] = args[out], args[out] + ".mkv"
        elif program == "ffmpeg":
            args[args.index("-i") + 1] = self.clip
        limited = self.limit and program == "mkvmerge"
        run = subprocess.run([program] + args, capture_output=True, text=True, errors="replace",
                             preexec_fn=self.limit_file_size if limited else None)
        self.errorlevel = run.returncode
        self.steps.append((program, run.returncode))
        if run.returncode not in ((0, 1) if program == "mkvmerge" else (0,)):
            self.failures.append("exit %d: %s\n%s" % (run.returncode, line, run.stdout[-600:] + run.stderr[-600:]))
        if remux and run.returncode == 0:
            subprocess.run(["ffmpeg", "-v", "error", "-y", "-i", remux + ".mkv", "-c", "copy", remux], check=True)
            os.remove(remux + ".mkv")

    def limit_file_size(self):
        signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
        resource.setrlimit(resource.RLIMIT_FSIZE, (self.limit, self.limit))


def tracks(path):
    """(video tracks, audio tracks, seconds) of a media file."""
    if path.endswith(".mkv"):
        info = json.loads(subprocess.run(["mkvmerge", "-J", path], capture_output=True, check=True).stdout)
        kinds, seconds = [t["type"] for t in info["tracks"]], info["container"]["properties"]["duration"] / 1e9
    else:
        info = json.loads(subprocess.run(["ffprobe", "-v", "error", "-show_entries", "stream=codec_type:format=duration",
                                          "-of", "json", path], capture_output=True, check=True).stdout)
        kinds, seconds = [s["codec_type"] for s in info["streams"]], float(info["format"]["duration"])
    return kinds.count("video"), kinds.count("audio"), seconds


def expected_files(settings, base, stats):
    """The files the batch must leave, with their (video, audio) tracks (None: no media), and those it must not."""
    audio, mp4, mkv = base + ".audio.m4a", base + ".mp4", base + ".mkv"
    if settings["muxer"] == 4:
        return {audio: (0, 1)}, []
    if settings["mode"] in (3, 4, 8, 9):
        return {stats: None}, [mp4]
    if not settings["aud"]:
        return {mp4: (1, 0)}, []
    return {0: ({mp4: (1, 1)}, [audio]), 2: ({mkv: (1, 1)}, [audio, mp4]),
            3: ({mp4: (1, 0), audio: (0, 1)}, [])}[settings["muxer"]]


def check_files(files, gone):
    problems = ["left behind: " + path for path in gone if os.path.exists(path)]
    for path, want in files.items():
        if not os.path.exists(path):
            problems.append("missing " + path)
        elif want is not None:
            video, audio, seconds = tracks(path)
            if (video, audio) != want or abs(seconds - DURATION) > 0.1:
                problems.append("%s: %d video, %d audio tracks, %.3f s" % (path, video, audio, seconds))
    return problems


def fullhelp_problems(lines):
    """Options of the x264 lines that x264 --fullhelp does not name."""
    helptext = subprocess.run(["x264", "--fullhelp"], capture_output=True, text=True).stdout
    options = {word for line in lines if "x264.exe" in line for word in shlex.split(line.split("2>&1")[0])
               if re.fullmatch(r"-[A-Za-z]|--[\w-]+", word)}
    return sorted(o for o in options if not re.search(r"(?<![\w-])%s(?![\w-])" % re.escape(o), helptext))


def run_sample(cli, work, seed, count, muxers, mp4_output):
    program, media, clip = os.path.join(work, "program"), os.path.join(work, "media"), os.path.join(work, "clip.mkv")
    os.makedirs(media)
    os.makedirs(os.path.join(program, "avsinc"))
    with open(os.path.join(program, "avsinc", "DirectShow.avs"), "w") as script:
        script.write("DirectShowSource(fs, utf8=true)\n")
    cli = shutil.copy(cli, program)
    subprocess.run(["ffmpeg", "-v", "error", "-f", "lavfi", "-i", "testsrc=size=160x120:rate=%d" % FPS, "-f", "lavfi",
                    "-i", "sine=frequency=440", "-frames:v", str(FRAMES), "-t", str(DURATION), "-c:v", "ffv1",
                    "-c:a", "flac", clip], check=True)
    rng, problems, steps, all_lines = random.Random(seed), {}, [], []
    for number in range(count + 2):
        settings, name = sample_settings(rng, number, muxers), "clip%03d" % number
        base, stats = os.path.join(media, name), os.path.join(program, "stats", name + ".avi.stat")
        failing = number >= count
        if failing:
            settings.update(mode=0, aud=1, muxer=2)
        # An Nth pass reads the statistics of an earlier first pass.
        # Named .avi: a source of the merged file's name would get names of its own.
        lines = batch_lines(cli, dict(settings, mode=3), base + ".avi") if settings["mode"] == 5 else []
        own = batch_lines(cli, settings, base + ".avi")
        lines += own
        all_lines += lines
        first_passes = [line for line in own if "x264.exe" in line and " -p 1" in line]
        if any(("--slow-firstpass" in line) != (settings["mode"] in FULL_FIRST_PASS) for line in first_passes):
            problems["first pass of mode %d %s" % (settings["mode"], settings)] = first_passes
        batch = Batch(clip, mp4_output, 8192 if number == count else None)
        for line in lines:
            if line.startswith("mkvmerge") and number > count:
                os.remove(base + ".audio.m4a")
            batch.run_line(line)
        steps += batch.steps
        if failing:
            kept = {base + ".mp4": (1, 0), base + ".audio.m4a": (0, 1)}
            found = check_files(dict(list(kept.items())[:2 if number == count else 1]), [])
            found += [] if batch.steps[-1] == ("mkvmerge", 2) else ["the failed merge gave %r" % (batch.steps[-1],)]
        else:
            found = batch.failures + check_files(*expected_files(settings, base, stats))
        if found:
            problems["batch %d %s" % (number, settings)] = found
    if fullhelp_problems(all_lines):
        problems["x264 --fullhelp does not name"] = fullhelp_problems(all_lines)
    x264 = [code for name, code in steps if name == "x264"]
    return problems, x264.count(0), len(x264)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("cli")
    parser.add_argument("--seed", type=int, default=12)
    parser.add_argument("--count", type=int, default=120)
    options = parser.parse_args()
    missing = [p for p in ("x264", "ffmpeg", "ffprobe", "mkvmerge") if not shutil.which(p)]
    if missing:
        sys.exit("missing %s: scripts/test.sh installs them" % ", ".join(missing))
    muxers = [m for m in (0, 2, 3, 4) if m != 0 or shutil.which("MP4Box")]
    if 0 not in muxers:
        print("MP4Box is not installed (Debian 12 has no gpac): its batches are left out")
    mp4_output = "(no)" not in subprocess.run(["x264", "--help"], capture_output=True, text=True).stdout
    if not mp4_output:
        print("this x264 writes no MP4: an .mp4 output is written as Matroska and copied into MP4 by ffmpeg")
    print("seed %d, %d batches and 2 failing merges" % (options.seed, options.count))
    started, work = time.time(), tempfile.mkdtemp(prefix="qv_real_tools_")
    try:
        problems, accepted, x264_lines = run_sample(options.cli, work, options.seed, options.count, muxers, mp4_output)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    for what, found in problems.items():
        print("FAIL %s:\n  %s" % (what, "\n  ".join(found)))
    print("x264 lines accepted: %d/%d; %.1f s" % (accepted, x264_lines, time.time() - started))
    print("%d passed, %d failed" % (options.count + 2 - len(problems), len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
