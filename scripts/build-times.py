#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Where a build's time went, from Ninja's log of its last run.

    scripts/build-times.py BUILD_DIR|NINJA_LOG

Prints one line per target: the compiler time of its files (precompiled
headers, meta-object code and sources), its link or archive step, and when
it was done after the build started. Times are processor seconds summed
over the steps; the build's wall time is the last "ready" figure.
"""
import collections
import os
import re
import sys


def last_run(path):
    """The steps of the log's last run. Ninja appends each run's steps in the
    order they finish, with times from that run's start; a step with several
    outputs gives one line per output."""
    entries = []
    with open(path) as log:
        for line in log:
            if line.startswith("#"):
                continue
            start, end, _, output, _ = line.rstrip("\n").split("\t")
            start, end = int(start), int(end)
            if entries and end < entries[-1][1]:
                entries = []  # a new run
            if entries and (start, end) == entries[-1][:2]:
                continue  # another output of the same step
            entries.append((start, end, output))
    return entries


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
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip())
    path = sys.argv[1]
    entries = last_run(os.path.join(path, ".ninja_log") if os.path.isdir(path) else path)
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
