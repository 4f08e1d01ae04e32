#!/usr/bin/env python3
"""Checks that every source file of the batched targets compiles on its own.

The build compiles sources in batches, where a file can lean on the includes
of the files before it. This runs the compiler's syntax pass on each batched
file alone, with its batch's command from compile_commands.json, and fails
when any file is missing an include.

Usage: check-compile-alone.py BUILD_DIR [JOBS]
JOBS defaults to the number of processors the process may use.
"""
import concurrent.futures
import json
import os
import re
import shlex
import subprocess
import sys


def batched_sources(batch_file):
    with open(batch_file, encoding="utf-8") as batch:
        return re.findall(r'^#include "([^"]+)"$', batch.read(), re.MULTILINE)


def syntax_command(command, batch_file, source):
    """The batch's command turned into a syntax pass over `source` alone."""
    words = shlex.split(command)
    if os.path.basename(words[0]) == "ccache":
        words = words[1:]
    result = []
    skip_next = False
    for word in words:
        if skip_next:
            skip_next = False
        elif word in ("-o", "-MF", "-MT", "-MQ"):
            skip_next = True
        elif word in ("-c", "-MD", "-MMD"):
            pass
        elif word == batch_file:
            result.append(source)
        else:
            result.append(word)
    return result + ["-fsyntax-only"]


def jobs_from(build_dir, source_dir):
    with open(os.path.join(build_dir, "compile_commands.json"), encoding="utf-8") as f:
        entries = json.load(f)
    for entry in entries:
        batch_file = entry["file"]
        if "_batches" + os.sep not in batch_file:
            continue  # compiled alone already by the build
        for relative in batched_sources(batch_file):
            source = os.path.join(source_dir, relative)
            yield relative, entry["directory"], syntax_command(entry["command"], batch_file, source)


def usable_cpus():
    """The processors this process may run on (as nproc counts them), not all
    the machine has: under taskset, more jobs would only wait for each other."""
    try:
        return len(os.sched_getaffinity(0)) or 1
    except AttributeError:
        return os.cpu_count() or 1


def main():
    if len(sys.argv) < 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    build_dir = os.path.abspath(sys.argv[1])
    source_dir = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    jobs = int(sys.argv[2]) if len(sys.argv) > 2 else usable_cpus()
    checks = list(jobs_from(build_dir, source_dir))
    if not checks:
        print(f"No batched sources found in {build_dir}/compile_commands.json", file=sys.stderr)
        return 1

    def run(check):
        relative, directory, command = check
        done = subprocess.run(command, cwd=directory, capture_output=True, text=True)
        return relative, done.returncode, done.stderr

    failed = []
    with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
        for relative, code, errors in pool.map(run, checks):
            if code != 0:
                failed.append(relative)
                print(f"--- {relative} does not compile alone:\n{errors}", file=sys.stderr)
    print(f"{len(checks) - len(failed)} of {len(checks)} batched sources compile alone")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
