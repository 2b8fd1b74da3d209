"""Side-by-side measuring shared by the PDF benchmarks: each command once
uncounted, then the commands taking turns (the order reversed every other
round), so that a change of load falls on all of them alike."""
import os
import subprocess
import sys
import time


def run(command):
    """CPU seconds (user + system), wall seconds and peak memory (KiB)."""
    start = time.monotonic()
    p = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(p.pid, 0)
    if status != 0:
        sys.exit(f"{' '.join(command)} failed ({status})")
    return usage.ru_utime + usage.ru_stime, time.monotonic() - start, usage.ru_maxrss


def load():
    return " ".join(open("/proc/loadavg").read().split()[:3])


def alternate(commands, runs):
    """{key: [run(...) of each round]} for a dict {key: command}."""
    keys = list(commands)
    for k in keys:
        run(commands[k])  # once first, not counted
    results = {k: [] for k in keys}
    for i in range(runs):
        for k in keys if i % 2 == 0 else reversed(keys):
            results[k].append(run(commands[k]))
    return results
