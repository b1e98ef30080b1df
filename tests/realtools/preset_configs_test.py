#!/usr/bin/env python3
"""Runs the shipped configs (configs/) with the real tools.

Every config must load through quorvelan-cli --config NAME without a
message. Each "Preset N name" config encodes a small clip with its batch's
x264 line, and x264 --preset name --crf 20 encodes it again: the "options:"
texts that x264 writes into both streams must agree in every field except
those that the config's "Unlike x264 --preset" comment names, with the values
it gives for both sides. Every other config's batch runs end to end (the
two passes of the conditional mode included) and must leave its final file.

Usage: preset_configs_test.py QUORVELAN-CLI
"""

import os, re, shlex, shutil, subprocess, sys, tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from real_tools_test import DURATION, FPS, FRAMES, Batch, check_files, expected_files, fullhelp_problems  # noqa: E402

CONFIGS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "configs")
LADDER = "ultrafast superfast veryfast faster fast medium slow slower veryslow".split()
UNLIKE = re.compile(r"^; Unlike x264 --preset (\w+) \(the form cannot say these\): (.*)$", re.M)
FIELD = re.compile(r"(\w+)=(\S+) \(preset (\S+)\)")


def config_text(name):
    with open(os.path.join(CONFIGS, name + ".ini"), encoding="utf-8") as file:
        return file.read()


def settings(text):
    pairs = (line.split("=", 1) for line in text.splitlines() if "=" in line and not line.startswith(";"))
    return {key.strip(): value.strip() for key, value in pairs}


def differences(text):
    """(preset, {field: (this config's value, the preset's)}) of the comment."""
    found = UNLIKE.search(text)
    if not found:
        return None, {}
    return found.group(1), {f: (here, there) for f, here, there in FIELD.findall(found.group(2))}


def batch_lines(cli, name, source):
    run = subprocess.run([cli, "--config", name, "--bat", "-", source], capture_output=True)
    lines = [line for line in run.stdout.decode().split("\r\n") if line and not line.startswith("@")]
    return run.returncode, run.stderr.decode(), lines


def sei_options(stream):
    with open(stream, "rb") as file:
        found = re.search(rb"options: ([^\x00]*)", file.read())
    return dict(word.split("=", 1) for word in found.group(1).decode().split()) if found else {}


def x264(args, clip, out):
    run = subprocess.run(["x264", "--quiet"] + args + ["-o", out, clip], capture_output=True, text=True)
    return run.stderr if run.returncode else ""


def compare_preset(name, text, lines, clip, work):
    """Problems of one preset config against x264's own preset."""
    preset, listed = differences(text)
    if preset is None:
        return ["no \"Unlike x264 --preset\" comment"]
    if name.split()[-1] != preset:
        return ["named %r but compared with --preset %s" % (name, preset)]
    encodes = [line for line in lines if line.startswith("x264.exe")]
    if len(encodes) != 1:
        return ["%d x264 lines, not one" % len(encodes)]
    words = shlex.split(encodes[0].split(" 2>&1|teelog.exe")[0])[1:]
    output = words.index("-o")
    ours, theirs = os.path.join(work, preset + ".config.264"), os.path.join(work, preset + ".x264.264")
    problems = [p for p in (x264(words[:output] + words[output + 2:-1], clip, ours),
                            x264(["--preset", preset, "--crf", "20"], clip, theirs)) if p]
    if problems:
        return problems
    mine, own = sei_options(ours), sei_options(theirs)
    if not mine or not own:
        return ["no options text in the streams"]
    # A field that one stream leaves out (rc_lookahead without MB-tree) reads "none".
    value = {stream: (lambda field, options=options: options.get(field, "none")) for stream, options in
             (("mine", mine), ("own", own))}
    differing = {f for f in mine.keys() | own.keys() if value["mine"](f) != value["own"](f)}
    problems = ["%s=%s, --preset %s: %s=%s, not listed" % (f, value["mine"](f), preset, f, value["own"](f))
                for f in sorted(differing - listed.keys())]
    for field, (here, there) in sorted(listed.items()):
        if (value["mine"](field), value["own"](field)) != (here, there):
            problems.append("listed %s=%s (preset %s), found %s and %s" % (field, here, there, value["mine"](field),
                                                                           value["own"](field)))
    return problems


def run_target(name, text, lines, clip, media, mp4_output):
    """Problems of the batch of one target config, run end to end."""
    batch = Batch(clip, mp4_output)
    for line in lines:
        batch.run_line(line)
    config = settings(text)
    want = {"mode": int(config["mode"]), "aud": int(config["aud"]), "muxer": int(config["muxer"])}
    problems = batch.failures + check_files(*expected_files(want, os.path.join(media, name), None))
    passes = sum(1 for program, _ in batch.steps if program == "x264")
    if passes != (2 if want["mode"] == 13 else 1):
        problems.append("%d x264 passes ran" % passes)
    return problems


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    missing = [p for p in ("x264", "ffmpeg", "ffprobe", "mkvmerge") if not shutil.which(p)]
    if missing:
        sys.exit("missing %s: scripts/test.sh installs them" % ", ".join(missing))
    mp4_output = "(no)" not in subprocess.run(["x264", "--help"], capture_output=True, text=True).stdout
    names = sorted(f[:-4] for f in os.listdir(CONFIGS) if f.endswith(".ini"))
    presets = [n for n in names if n.startswith("Preset ")]
    problems = {}
    if [n.split()[-1] for n in presets] != LADDER:
        problems["the preset configs"] = ["sorted, they are %s" % presets]
    work = tempfile.mkdtemp(prefix="qv_presets_")
    try:
        program, media, clip = (os.path.join(work, d) for d in ("program", "media", "clip.mkv"))
        shutil.copytree(CONFIGS, os.path.join(program, "configs"))
        os.makedirs(media)
        os.makedirs(os.path.join(program, "avsinc"))
        with open(os.path.join(program, "avsinc", "DirectShow.avs"), "w") as script:
            script.write("DirectShowSource(fs, utf8=true)\n")
        cli = shutil.copy(sys.argv[1], program)
        subprocess.run(["ffmpeg", "-v", "error", "-f", "lavfi", "-i", "testsrc=size=160x120:rate=%d" % FPS, "-f",
                        "lavfi", "-i", "sine=frequency=440", "-frames:v", str(FRAMES), "-t", str(DURATION), "-c:v",
                        "ffv1", "-c:a", "flac", clip], check=True)
        all_lines = []
        for name in names:
            source = os.path.join(media, name + ".avi")
            open(source, "wb").close()
            status, said, lines = batch_lines(cli, name, source)
            all_lines += lines
            text = config_text(name)
            found = ["quorvelan-cli exit %d: %s" % (status, said.strip())] if status or said else []
            if not found:
                found = (compare_preset(name, text, lines, clip, work) if name in presets
                         else run_target(name, text, lines, clip, media, mp4_output))
            print("%s %s" % ("FAIL" if found else "ok  ", name))
            if found:
                problems[name] = found
        unnamed = fullhelp_problems(all_lines)
        if unnamed:
            problems["x264 --fullhelp does not name"] = unnamed
    finally:
        shutil.rmtree(work, ignore_errors=True)
    for what, found in problems.items():
        print("FAIL %s:\n  %s" % (what, "\n  ".join(found)))
    print("%d configs, %d problems" % (len(names), len(problems)))
    return 1 if problems or not names else 0


if __name__ == "__main__":
    sys.exit(main())
