#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Where a build's time went, from Ninja's log of its last run.

    scripts/build-times.py [--first] BUILD_DIR|NINJA_LOG

Takes the log's last run, or with --first its first run (in build-run/ that
is ./run.sh's build of the program, the tools' build comes after it). Prints one line per target: the compiler time of its files (precompiled
headers, meta-object code and sources), its link or archive step, and when
it was done after the build started. Times are processor seconds summed
over the steps; the build's wall time is the last "ready" figure.
"""
import collections
import os
import re
import sys


def runs(path):
    """The log's runs, each a list of its steps. Ninja appends each run's
    steps in the order they finish, with times from that run's start; a step
    with several outputs gives one line per output."""
    result = [[]]
    with open(path) as log:
        for line in log:
            if line.startswith("#"):
                continue
            start, end, _, output, _ = line.rstrip("\n").split("\t")
            start, end = int(start), int(end)
            entries = result[-1]
            if entries and end < entries[-1][1]:
                entries = []  # a new run
                result.append(entries)
            if entries and (start, end) == entries[-1][:2]:
                continue  # another output of the same step
            entries.append((start, end, output))
    return result


def target_of(output):
    m = re.search(r"CMakeFiles/([^/]+)\.dir/", output)
    if m:
        return m.group(1), "compile"
    m = re.search(r"(?:^|/)lib([^/]+)\.a$", output)
    if m:
        return m.group(1), "link"
    m = re.search(r"(?:^|/)bin/([^/]+)$", output)
    if m:
        return m.group(1), "link"
    m = re.search(r"(?:^|/)([^/]+)_autogen/timestamp$", output)
    if m and not output.startswith("/"):
        return m.group(1), "moc"
    return None, None


def main():
    args = sys.argv[1:]
    first = args[:1] == ["--first"]
    if first:
        args = args[1:]
    if len(args) != 1:
        sys.exit(__doc__.strip())
    path = args[0]
    all_runs = runs(os.path.join(path, ".ninja_log") if os.path.isdir(path) else path)
    entries = all_runs[0] if first else all_runs[-1]
    if not entries:
        sys.exit("build-times.py: the log holds no run")
    times = collections.defaultdict(lambda: {"compile": 0.0, "moc": 0.0, "link": 0.0, "ready": 0.0})
    other = 0.0
    for start, end, output in entries:
        target, kind = target_of(output)
        seconds = (end - start) / 1000
        if target is None:
            other += seconds
            continue
        times[target][kind] += seconds
        times[target]["ready"] = max(times[target]["ready"], end / 1000)
    print(f"{'target':<28}{'compile':>9}{'moc':>7}{'link':>7}{'ready':>8}")
    for target, t in sorted(times.items(), key=lambda item: item[1]["ready"]):
        print(f"{target:<28}{t['compile']:9.1f}{t['moc']:7.1f}{t['link']:7.1f}{t['ready']:8.1f}")
    total = sum(t["compile"] + t["moc"] + t["link"] for t in times.values())
    print(f"{'all steps':<28}{total:9.1f}   (other steps {other:.1f})")
    print(f"wall time {max(end for _, end, _ in entries) / 1000:.1f} s")


if __name__ == "__main__":
    main()
