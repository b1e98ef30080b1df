#!/usr/bin/env python3
"""Runs batches of the current x264 syntax with the real tools.

quorvelan-cli writes the batch of a seeded random sample of settings (every
encode mode, audio on and off, every muxer on this machine); each line is
read as cmd.exe would read it and run with Debian's x264, ffmpeg, mkvmerge
(and MP4Box where installed) on a small generated clip, which stands in for
the AviSynth script. Every step must exit as the batch expects and the batch
must end with the expected files, read back with ffprobe or mkvmerge -J.

Usage: real_tools_test.py QUORVELAN-CLI [--seed N] [--count N]
"""

import argparse, json, os, random, re, resource, shlex, shutil, signal, subprocess, sys, tempfile, time

FRAMES, FPS = 40, 25
DURATION = FRAMES / FPS
DISCARDS = {3, 4, 8, 9}  # modes whose passes write the encode to nul
MUXERS = {0: "MP4Box", 2: "MKVMerge", 3: "No mux", 4: "Audio Only"}
PROGRAMS = {"x264.exe": "x264", "mp4box.exe": "MP4Box", "ffmpeg": "ffmpeg", "mkvmerge": "mkvmerge"}


def sample_settings(rng, number, muxers):
    mode = number % 14
    quantizer = mode in (1, 2, 8, 9, 12)
    s = {"mode": mode, "value": rng.randint(12, 40) if quantizer else rng.randint(150, 3000),
         "auto1pcrf": rng.randint(14, 30), "minsize": 0, "maxsize": rng.choice([1, 0.001]),
         "aud": number % 3 != 0, "ae": 7, "aub": rng.choice([48, 96, 128]), "muxer": muxers[number % len(muxers)],
         "m": rng.randint(0, 8), "ms": rng.randint(0, 3), "range": rng.randint(4, 64), "ref": rng.randint(1, 16),
         "mb": rng.randint(0, 16), "bias": rng.randint(-90, 100), "dm": rng.randint(0, 2), "tre": rng.randint(0, 2),
         "deb-a": rng.randint(0, 12), "deb-b": rng.randint(0, 12), "thr": rng.randint(0, 4), "nr": rng.randint(0, 1000),
         "kfb": rng.randint(0, 70), "bfr": rng.randint(0, 60), "vbr": rng.randint(0, 100), "minqp": rng.randint(1, 30),
         "maxqp": rng.randint(30, 51), "qps": rng.randint(1, 10), "vbs": rng.choice([0, 0, 800, 4000]),
         "vmb": rng.choice([0, 0, 1000, 5000]), "vib": rng.choice([0.5, 0.9]), "bv": rng.randint(10, 300),
         "sct": rng.randint(0, 100), "mingop": rng.randint(1, 25), "maxgop": rng.randint(25, 300),
         "arx": rng.choice([1, 4, 16, 40]), "ary": rng.choice([1, 3, 15, 33]), "cqm": rng.choice(["flat", "jvt"])}
    for key in ("a1", "a2", "a3", "a4", "a5", "a6", "cab", "mxref", "fil", "bref", "bme", "ba", "bwb", "apin",
                "fastpsk", "dctd", "upstat"):
        s[key] = rng.randint(0, 1)
    return {k: int(v) if isinstance(v, bool) else v for k, v in s.items()}


def batch_lines(cli, folder, settings, clip_name):
    args = [cli, "--defaults", "--x264-syntax", "current"]
    for key, value in settings.items():
        args += ["--set", "%s=%s" % (key, value)]
    run = subprocess.run(args + ["--bat", "-", os.path.join(folder, clip_name)], capture_output=True, check=True)
    return [l for l in run.stdout.decode().split("\r\n") if l and not l.startswith("@")]


class Batch:
    """Runs batch lines as cmd.exe would, with the clip for every AviSynth input."""

    def __init__(self, clip, mp4_output, limits=None):
        self.clip, self.mp4_output, self.limits = clip, mp4_output, limits or {}
        self.errorlevel, self.steps, self.x264_lines, self.failures = 0, [], 0, []

    def run_line(self, line):
        words = shlex.split(line.replace("2>&1|teelog.exe", "| teelog.exe"))
        while words[0] == "if":
            negate = words[1] == "not"
            words = words[2:] if negate else words[1:]
            if words[0] == "errorlevel":
                holds, words = self.errorlevel >= int(words[1]), words[2:]
            else:
                holds, words = os.path.exists(host(words[1])), words[2:]
            if holds == negate:
                return
        if "|" in words:
            words = words[:words.index("|")]
        words = [host(w) for w in words]
        if words[0] == "del":
            if os.path.exists(words[1]):
                os.remove(words[1])
        elif words[0] == "mensura.exe":
            size = os.path.getsize(words[3]) / 1048576 if os.path.exists(words[3]) else -1
            self.errorlevel = 0 if float(words[1]) <= size <= float(words[2]) else 1
        else:
            self.run_program(PROGRAMS[words[0]], words[1:], line)

    def run_program(self, program, args, line):
        expected = (0,) if program != "mkvmerge" else (0, 1)
        remux = None
        if program == "x264":
            self.x264_lines += 1
            args[-1] = self.clip
            out = args.index("-o") + 1
            args[out] = os.devnull if args[out] == "nul" else args[out]
            if args[out].endswith(".mp4") and not self.mp4_output:
                remux, args[out] = args[out], args[out] + ".mkv"
        elif program == "ffmpeg":
            args[args.index("-i") + 1] = self.clip
        limit = self.limits.get(program)
        run = subprocess.run([program] + args, capture_output=True, text=True, errors="replace",
                             preexec_fn=(lambda: limit_file_size(limit)) if limit else None)
        self.errorlevel = run.returncode
        self.steps.append((program, run.returncode))
        if run.returncode not in expected and not limit:
            self.failures.append("exit %d: %s\n%s" % (run.returncode, line, run.stdout[-600:] + run.stderr[-600:]))
        if remux and run.returncode == 0:
            subprocess.run(["ffmpeg", "-v", "error", "-y", "-i", remux + ".mkv", "-c", "copy", remux], check=True)
            os.remove(remux + ".mkv")


def host(word):
    return word.replace("\\", "/") if "\\" in word and "/" in word else word


def limit_file_size(size):
    signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
    resource.setrlimit(resource.RLIMIT_FSIZE, (size, size))


def tracks(path):
    """(video tracks, audio tracks, seconds) of a media file."""
    if path.endswith(".mkv"):
        info = json.loads(subprocess.run(["mkvmerge", "-J", path], capture_output=True, check=True).stdout)
        kinds = [t["type"] for t in info["tracks"]]
        seconds = info["container"]["properties"]["duration"] / 1e9
    else:
        probe = subprocess.run(["ffprobe", "-v", "error", "-show_entries", "stream=codec_type:format=duration",
                                "-of", "json", path], capture_output=True, check=True).stdout
        info = json.loads(probe)
        kinds = [s["codec_type"] for s in info["streams"]]
        seconds = float(info["format"]["duration"])
    return kinds.count("video"), kinds.count("audio"), seconds


def expected_files(settings, base, stats):
    """Each file the batch must leave, with its (video, audio) tracks; None: no media."""
    audio = base + ".audio.m4a"
    if settings["muxer"] == 4:
        return {audio: (0, 1)}
    if settings["mode"] in DISCARDS:
        return {stats: None}
    if not settings["aud"]:
        return {base + ".mp4": (1, 0)}
    return {0: {base + ".mp4": (1, 1)}, 2: {base + ".mkv": (1, 1)},
            3: {base + ".mp4": (1, 0), audio: (0, 1)}}[settings["muxer"]]


def check_files(files, gone):
    problems = []
    for path, want in files.items():
        if not os.path.exists(path):
            problems.append("missing " + path)
        elif want is not None:
            video, audio, seconds = tracks(path)
            if (video, audio) != want or abs(seconds - DURATION) > 0.1:
                problems.append("%s: %d video, %d audio tracks, %.3f s" % (path, video, audio, seconds))
    return problems + ["left behind: " + p for p in gone if os.path.exists(p)]


def fullhelp_problems(lines):
    """Options of the current lines that x264 --fullhelp does not name."""
    helptext = subprocess.run(["x264", "--fullhelp"], capture_output=True, text=True).stdout
    options = {w for line in lines if "x264.exe" in line for w in shlex.split(line.split("2>&1")[0])
               if re.fullmatch(r"-[A-Za-z]|--[\w-]+", w)}
    return sorted(o for o in options if not re.search(r"(?<![\w-])%s(?![\w-])" % re.escape(o), helptext))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("cli")
    parser.add_argument("--seed", type=int, default=int(os.environ.get("QV_REAL_TOOLS_SEED", "12")))
    parser.add_argument("--count", type=int, default=120)
    options = parser.parse_args()
    missing = [p for p in ("x264", "ffmpeg", "ffprobe", "mkvmerge") if not shutil.which(p)]
    if missing:
        sys.exit("missing %s: scripts/test.sh installs them" % ", ".join(missing))
    muxers = [m for m in MUXERS if m != 0 or shutil.which("MP4Box")]
    if 0 not in muxers:
        print("MP4Box is not installed (Debian 12 has no gpac): its batches are left out")
    mp4_output = "(no)" not in subprocess.run(["x264", "--help"], capture_output=True, text=True).stdout
    if not mp4_output:
        print("this x264 writes no MP4: an .mp4 output is written as Matroska and copied into MP4 by ffmpeg")
    print("seed %d, %d batches" % (options.seed, options.count))
    started, rng = time.time(), random.Random(options.seed)
    work = tempfile.mkdtemp(prefix="qv_real_tools_")
    try:
        program, media = os.path.join(work, "program"), os.path.join(work, "media")
        os.makedirs(program), os.makedirs(media)
        cli = shutil.copy(options.cli, program)
        clip = os.path.join(work, "clip.mkv")
        subprocess.run(["ffmpeg", "-v", "error", "-f", "lavfi", "-i", "testsrc=size=160x120:rate=%d" % FPS,
                        "-f", "lavfi", "-i", "sine=frequency=440", "-frames:v", str(FRAMES), "-t", str(DURATION),
                        "-c:v", "ffv1", "-c:a", "flac", clip], check=True)
        failures, failed, x264_lines, accepted, all_lines = [], set(), 0, 0, []
        for number in range(options.count + 2):
            settings = sample_settings(rng, number, muxers)
            name = "clip%03d" % number
            base, stats = os.path.join(media, name), os.path.join(program, "stats", name + ".mkv.stat")
            lines = batch_lines(cli, media, dict(settings, mode=3), name + ".mkv") if settings["mode"] == 5 else []
            lines += batch_lines(cli, media, settings, name + ".mkv")
            all_lines += lines
            # The last two batches merge on a full disk and without their audio file.
            failing = number >= options.count
            if failing:
                settings.update(mode=0, aud=1, muxer=2)
                lines = batch_lines(cli, media, settings, name + ".mkv")
            batch = Batch(clip, mp4_output, {"mkvmerge": 8192} if number == options.count else None)
            for line in lines:
                if failing and line.startswith("mkvmerge") and number > options.count:
                    os.remove(base + ".audio.m4a")
                batch.run_line(line)
            x264_lines += batch.x264_lines
            accepted += sum(1 for program, code in batch.steps if program == "x264" and code == 0)
            if failing:
                files = {base + ".mp4": (1, 0)} if number > options.count else {base + ".mp4": (1, 0),
                                                                              base + ".audio.m4a": (0, 1)}
                problems = check_files(files, [])
                if batch.steps[-1] != ("mkvmerge", 2):
                    problems.append("the failed merge exited %r" % (batch.steps[-1],))
            else:
                gone = [base + ".audio.m4a"] if settings["muxer"] in (0, 2) and settings["aud"] else []
                gone += [base + ".mp4"] if settings["muxer"] == 2 and settings["aud"] else []
                problems = batch.failures + check_files(expected_files(settings, base, stats), gone)
            failures += ["batch %d %s: %s" % (number, settings, p) for p in problems]
            failed |= {number} if problems else set()
        failures += ["x264 --fullhelp does not name " + o for o in fullhelp_problems(all_lines)]
        batches = options.count + 2
        print("x264 lines accepted: %d/%d; batches with the expected files: %d/%d (the last two: failed merges "
              "that keep the encode); %.1f s" % (accepted, x264_lines, batches - len(failed), batches,
                                                 time.time() - started))
        for failure in failures:
            print("FAIL " + failure)
        print("%d passed, %d failed" % (batches - len(failed), len(failures) - len(failed) + len(failed)))
        return 1 if failures else 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
