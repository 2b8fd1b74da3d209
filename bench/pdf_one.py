#!/usr/bin/env python3
"""`zentrope --pdf` of one envelope against bench/pdf_loop.cpp writing one
page: the CPU time (user + system) of each whole process, start-up included,
the two commands alternating, medians. Zentrope prints one envelope with three
address lines, the built-in return address and a bar code, the loop the same
text and 62 bars.

    python3 bench/pdf_one.py [--build build] [--runs 11]
"""

import argparse
import os
import statistics
import sys
import tempfile

from alternate import alternate, load


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--build", default=os.path.join(here, "..", "build"), help="the build folder")
    ap.add_argument("--runs", type=int, default=11, help="measured runs of each command")
    args = ap.parse_args()
    program = os.path.join(args.build, "src", "zentrope")
    loop = os.path.join(args.build, "bench", "pdf_loop")
    for p in (program, loop):
        if not os.access(p, os.X_OK):
            sys.exit(f"{p} is missing: build the targets zentrope and pdf_loop")

    with tempfile.TemporaryDirectory(prefix="zentrope-pdf-one-") as work:
        settings = os.path.join(work, "zentrope.ini")
        with open(settings, "w") as f:
            f.write("[Options]\nPrintBarCode=1\n")
        addresses = os.path.join(work, "one.env")
        with open(addresses, "w", newline="") as f:
            f.write("Addressee 0\r\n1700 Elm Street\r\nAnytown, ST 10000-6789\r\n\r\n")
        commands = {
            "zentrope --pdf": [program, "--pdf", os.path.join(work, "z.pdf"), "--settings", settings, addresses],
            "pdf_loop": [loop, os.path.join(work, "loop.pdf"), "1"],
        }
        print(f"load average before: {load()}")
        results = alternate(commands, args.runs)
        cpu = {name: statistics.median(r[0] for r in results[name]) for name in commands}
        for name in commands:
            wall = statistics.median(r[1] for r in results[name])
            print(f"{name:15s} one page: CPU {cpu[name] * 1000:6.1f} ms, wall {wall * 1000:6.1f} ms "
                  f"(medians of {args.runs})")
        print(f"CPU ratio: {cpu['zentrope --pdf'] / cpu['pdf_loop']:.2f}")
        print(f"load average after: {load()}")


if __name__ == "__main__":
    main()
