#!/usr/bin/env python3
"""Reads every golden HTCondor submit file (submit.sub under tests/data/cases)
by the submit-description syntax of the HTCondor manual: "command = value"
lines of known commands, "#" comments, macros $(name) that are defined, one
"queue VAR from FILE" statement at the end, and a FILE beside it that names
one existing job script a line. HTCondor itself is not packaged for Debian
12, so these files are not run here.
"""

import glob, os, re, sys

CASES = os.path.join(os.path.dirname(__file__), "..", "data", "cases")
# The submit commands these files may use, as the manual names them.
COMMANDS = {"universe", "executable", "arguments", "transfer_executable", "should_transfer_files", "requirements",
            "request_cpus", "output", "error", "log", "initialdir", "getenv"}
BUILT_IN = {"cluster", "clusterid", "process", "procid"}
QUEUE = re.compile(r"queue(?:\s+(\d+))?\s+(\w+)\s+from\s+(\S+)", re.IGNORECASE)


def problems_of(path):
    text = open(path, encoding="utf-8").read()
    # The queue statement's variable is defined for every line before it.
    defined = {v.lower() for v in re.findall(r"^\s*queue\s+(?:\d+\s+)?(\w+)", text, re.I | re.M)} | BUILT_IN
    folder, found, queued = os.path.dirname(path), [], None
    for number, line in enumerate(text.splitlines(), 1):
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        where = "%s:%d" % (path, number)
        if queued:
            found.append(where + ": a line after the queue statement")
        if line.lower().startswith("queue"):
            match = QUEUE.fullmatch(line)
            if not match:
                found.append(where + ": not a 'queue VAR from FILE' statement")
                continue
            queued = match
            continue
        key, equals, value = line.partition("=")
        key = key.strip().lower()
        if not equals or key not in COMMANDS:
            found.append(where + ": not a known 'command = value' line")
        defined.add(key)
        for macro in re.findall(r"\$\((\w+)\)", value):
            if macro.lower() not in defined:
                found.append(where + ": $(%s) is never defined" % macro)
        if key == "universe" and value.strip() != "vanilla":
            found.append(where + ": universe " + value.strip())
    if not queued:
        return found + [path + ": no queue statement"]
    items = open(os.path.join(folder, queued.group(3)), encoding="utf-8").read().splitlines()
    scripts = [os.path.join(folder, item) for item in items]
    missing = [s for s in scripts if not os.path.isfile(s)]
    if not items or missing:
        found.append("%s: %s names %d scripts, missing %s" % (path, queued.group(3), len(items), missing))
    return found


def main():
    paths = sorted(glob.glob(os.path.join(CASES, "*", "out", "**", "submit.sub"), recursive=True))
    found = [problem for path in paths for problem in problems_of(path)]
    print("\n".join(found) or "%d submit files read" % len(paths))
    return 1 if found or not paths else 0


if __name__ == "__main__":
    sys.exit(main())
