#!/usr/bin/env python3
"""`zentrope --pdf` per page: the program's CPU time (user + system) for 1,
256 and 2,560 envelopes (three lines with ZIP+4, the built-in return address,
a bar code and a corner logo), the commands alternating, medians; the marginal
CPU per page is the difference of the two long runs over their difference in
pages. The peak memory is the largest of any run.

    python3 bench/pdf_pages.py [--build build] [--runs 5]
"""

import argparse
import os
import statistics
import struct
import sys
import tempfile

from alternate import alternate, load


def logo_bmp(path):
    """A 96 x 96 BMP: a blue square with a black one inside."""
    rows = []
    for y in range(96):
        row = bytearray()
        for x in range(96):
            if 28 <= x < 68 and 28 <= y < 68:
                row += bytes((0, 0, 0))
            elif 8 <= x < 88 and 8 <= y < 88:
                row += bytes((0xCC, 0x66, 0x33))
            else:
                row += bytes((255, 255, 255))
        rows.append(bytes(row))
    data = b"".join(rows)
    header = b"BM" + struct.pack("<IHHI", 54 + len(data), 0, 0, 54)
    header += struct.pack("<IiiHHIIiiII", 40, 96, 96, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + data)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--build", default=os.path.join(here, "..", "build"), help="the build folder")
    ap.add_argument("--runs", type=int, default=5, help="measured runs of each command")
    args = ap.parse_args()
    program = os.path.join(args.build, "src", "zentrope")
    if not os.access(program, os.X_OK):
        sys.exit(f"{program} is missing: build the target zentrope")

    with tempfile.TemporaryDirectory(prefix="zentrope-pdf-pages-") as work:
        logo_bmp(os.path.join(work, "logo.bmp"))
        settings = os.path.join(work, "zentrope.ini")
        with open(settings, "w") as f:
            f.write(f"[Options]\nGraphFile={work}/logo.bmp\nPrintBarCode=1\n")
        counts = (1, 256, 2560)
        commands = {}
        for n in counts:
            addresses = os.path.join(work, f"{n}.env")
            with open(addresses, "w", newline="") as f:
                for i in range(n):
                    f.write(f"Addressee {i}\r\n{1700 + i % 100} Elm Street\r\n"
                            f"Anytown, ST {10000 + i * 37 % 90000:05d}-6789\r\n\r\n")
            commands[n] = [program, "--pdf", os.path.join(work, f"{n}.pdf"), "--settings", settings, addresses]

        print(f"load average before: {load()}")
        results = alternate(commands, args.runs)
        cpu = {n: statistics.median(r[0] for r in results[n]) for n in counts}
        for n in counts:
            wall = statistics.median(r[1] for r in results[n])
            peak = max(r[2] for r in results[n]) / 1024
            print(f"{n:5d} envelopes: CPU {cpu[n] * 1000:7.1f} ms, wall {wall * 1000:7.1f} ms, "
                  f"peak {peak:.1f} MiB (medians of {args.runs})")
        print(f"marginal CPU per page: {(cpu[2560] - cpu[256]) / (2560 - 256) * 1000:.3f} ms")
        print(f"load average after: {load()}")


if __name__ == "__main__":
    main()
