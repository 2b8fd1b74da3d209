#!/usr/bin/env python3
"""Peak memory (resident set) for 1, 256 and 2,560 envelopes (three lines with
ZIP+4, the built-in return address, a bar code and a corner logo), medians of
the runs:

  --pdf     `zentrope --pdf`
  --print   `zentrope --print` through a private cupsd's raw queue
  window    `zentrope FILE`: the main window holding the file, not printing
  text box  bench/minimal_window --main FILE: a bare Qt main window whose
            plain-text box holds the same text (the yardstick for the window)

The windows run on the offscreen platform and are measured after 1.5 s, when
the window has shown, painted and finished its start-up work.

    python3 bench/peak_memory.py [--build build] [--runs 3]
"""

import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

from alternate import load, run
from pdf_pages import logo_bmp
from startup import start_cups


def window_peak_kib(command, env):
    p = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1.5)
    with open(f"/proc/{p.pid}/status") as f:
        peak = next(int(line.split()[1]) for line in f if line.startswith("VmHWM:"))
    p.kill()
    p.wait()
    return peak


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--build", default=os.path.join(here, "..", "build"), help="the build folder")
    ap.add_argument("--runs", type=int, default=3, help="runs of each command")
    args = ap.parse_args()
    program = os.path.join(args.build, "src", "zentrope")
    minimal = os.path.join(args.build, "bench", "minimal_window")
    for p in (program, minimal):
        if not os.access(p, os.X_OK):
            sys.exit(f"{p} is missing: build the targets zentrope and minimal_window")

    print(f"load average before: {load()}")
    with tempfile.TemporaryDirectory(prefix="zentrope-peak-") as work:
        cupsd, sock = start_cups(work, raw_queue=True)
        try:
            app = os.path.join(work, "app")
            os.makedirs(app)
            copy = os.path.join(app, "zentrope")
            subprocess.run(["cp", program, copy], check=True)
            env = dict(os.environ, CUPS_SERVER=sock, HOME=work, XDG_CONFIG_HOME=work, XDG_DATA_HOME=work,
                       XDG_CACHE_HOME=work, QT_QPA_PLATFORM="offscreen")
            os.environ.update(env)  # for alternate.run
            logo_bmp(os.path.join(work, "logo.bmp"))
            settings = os.path.join(app, "zentrope.ini")
            with open(settings, "w") as f:
                f.write(f"[Options]\r\nGraphFile={work}/logo.bmp\r\nPrintBarCode=1\r\n")
            print(f"peak memory in MiB, medians of {args.runs}")
            print(f"{'envelopes':>9} {'--pdf':>7} {'--print':>8} {'window':>7} {'text box':>9}")
            for n in (1, 256, 2560):
                addresses = os.path.join(work, f"{n}.env")
                with open(addresses, "w", newline="") as f:
                    f.write("\r\n".join(f"Addressee {i + 1}\r\n{1700 + i % 100} Elm Street\r\n"
                                        f"Anytown, ST {10000 + i * 37 % 90000:05d}-{1000 + i % 9000:04d}\r\n"
                                        for i in range(n)))
                pdf = [run([copy, "--pdf", os.path.join(work, "out.pdf"), "--settings", settings, addresses])[2]
                       for _ in range(args.runs)]
                printed = [run([copy, "--print", "--printer", "Raw", "--settings", settings, addresses])[2]
                           for _ in range(args.runs)]
                window = [window_peak_kib([copy, addresses], env) for _ in range(args.runs)]
                box = [window_peak_kib([minimal, "--main", addresses], env) for _ in range(args.runs)]
                print(f"{n:>9} " + " ".join(f"{statistics.median(v) / 1024:{w}.1f}"
                                            for v, w in ((pdf, 7), (printed, 8), (window, 7), (box, 9))))
        finally:
            cupsd.terminate()
            cupsd.wait()
    print(f"load average after: {load()}")


if __name__ == "__main__":
    main()
