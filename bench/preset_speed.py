#!/usr/bin/env python3
"""Encode time of each shipped config, and of each preset config beside x264's own preset.

For each config of configs/, the x264 lines of its batch (from
quorvelan-cli --config; both passes of a two-pass config) encode a generated
clip with Debian's x264, and for a "Preset N name" config x264 --preset name
--crf 20 encodes it too, in turns, several rounds. Prints the median
processor seconds (all threads), the ratio of a preset config to x264's own
preset, and each config's speed relative to "Preset 6 medium" (its time
divided into medium's): the column of the user guide's table of configs.

Usage: preset_speed.py QUORVELAN-CLI [--rounds N] [--size WxH] [--frames N]
"""

import argparse, os, resource, shlex, shutil, statistics, subprocess, sys, tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "realtools"))
from preset_configs_test import CONFIGS, batch_lines, differences  # noqa: E402


def encode_args(line, clip, out):
    """The x264 arguments of a batch line, with the clip as input and `out` as output."""
    words = shlex.split(line.split(" 2>&1|teelog.exe")[0])
    words = words[words.index("x264.exe") + 1:]
    at = words.index("-o")
    return words[:at] + ["-o", os.devnull if words[at + 1] == "nul" else out] + words[at + 2:-1] + [clip]


def seconds(args):
    """Processor seconds of one encode: on a shared machine they vary far less than the time on the clock."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    subprocess.run(["x264", "--quiet"] + args, check=True, capture_output=True)
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    return after.ru_utime + after.ru_stime - before.ru_utime - before.ru_stime


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("cli")
    parser.add_argument("--rounds", type=int, default=3)
    parser.add_argument("--size", default="640x360")
    parser.add_argument("--frames", type=int, default=50)
    options = parser.parse_args()
    work = tempfile.mkdtemp(prefix="qv_preset_speed_")
    try:
        program, clip, out = (os.path.join(work, name) for name in ("program", "clip.y4m", "out.264"))
        shutil.copytree(CONFIGS, os.path.join(program, "configs"))
        os.makedirs(os.path.join(program, "avsinc"))
        with open(os.path.join(program, "avsinc", "DirectShow.avs"), "w") as script:
            script.write("DirectShowSource(fs, utf8=true)\n")
        cli = shutil.copy(options.cli, program)
        # Moving, detailed pictures with noise, so that motion search and
        # partitions have work to do.
        subprocess.run(["ffmpeg", "-v", "error", "-f", "lavfi", "-i", "testsrc2=size=%s:rate=25" % options.size,
                        "-vf", "noise=alls=12:allf=t", "-frames:v", str(options.frames), "-pix_fmt", "yuv420p",
                        clip], check=True)
        runs = {}
        for name in sorted(f[:-4] for f in os.listdir(CONFIGS) if f.endswith(".ini")):
            with open(os.path.join(CONFIGS, name + ".ini"), encoding="utf-8") as file:
                preset = differences(file.read())[0]
            encodes = [encode_args(line, clip, out) for line in batch_lines(cli, name, clip)[2] if "x264.exe" in line]
            own = [["--preset", preset, "--crf", "20", "-o", out, clip]] if preset else []
            runs[name] = (preset, encodes, own)
        times = {name: ([], []) for name in runs}
        for round_number in range(options.rounds):
            for name, (_, config, own) in runs.items():
                pair = [(config, 0), (own, 1)]
                for encodes, side in pair if round_number % 2 == 0 else reversed(pair):
                    times[name][side].append(sum(seconds(args) for args in encodes))
    finally:
        shutil.rmtree(work, ignore_errors=True)
    medians = {name: (statistics.median(a), statistics.median(b)) for name, (a, b) in times.items()}
    medium = next(config for name, (config, _) in medians.items() if runs[name][0] == "medium")
    print("%d frames of %s, %d rounds, median processor seconds" % (options.frames, options.size, options.rounds))
    print("%-34s %8s %8s %7s %10s" % ("config", "config", "--preset", "ratio", "vs medium"))
    for name, (config, own) in medians.items():
        ratio = "%6.2fx" % (config / own) if runs[name][2] else "      -"
        own_text = "%8.2f" % own if runs[name][2] else "       -"
        print("%-34s %8.2f %s %s %9.2fx" % (name, config, own_text, ratio, medium / config))

if __name__ == "__main__":
    main()
