#!/usr/bin/env python3
"""Gives unfinished entries of the translation files the translation that the
same English text (with the same disambiguation) already has in another
context, as kept in an older copy of the files: a text that moved from one
class to another keeps its translation. The files are edited in place, entry
by entry, so their layout stays lupdate's.

    cp translations/*.ts /tmp/old/ && scripts/update-translations.sh
    scripts/carry-translations.py /tmp/old translations/*.ts
"""
import html
import re
import sys
from pathlib import Path

MESSAGE = re.compile(r'<message( [^>]*)?>.*?</message>', re.S)


def field(block, tag):
    m = re.search(rf'<{tag}>(.*?)</{tag}>', block, re.S)
    return html.unescape(m.group(1)) if m else None


def finished(block):
    m = re.search(r'<translation( type="[a-z]+")?>(.*?)</translation>', block, re.S)
    if not m or m.group(1) or not m.group(2):
        return None
    return m.group(2)


old_dir = Path(sys.argv[1])
for path in map(Path, sys.argv[2:]):
    known = {}
    old = old_dir / path.name
    if old.exists():
        for m in MESSAGE.finditer(old.read_text(encoding='utf-8')):
            t = finished(m.group(0))
            if t is not None:
                known.setdefault((field(m.group(0), 'source'), field(m.group(0), 'comment')), t)
    carried = 0

    def carry(m):
        global carried
        block = m.group(0)
        key = (field(block, 'source'), field(block, 'comment'))
        if '<translation type="unfinished">' not in block or key not in known:
            return block
        carried += 1
        return re.sub(r'<translation type="unfinished">.*?</translation>',
                      lambda _: f'<translation>{known[key]}</translation>', block, flags=re.S)

    text = MESSAGE.sub(carry, path.read_text(encoding='utf-8'))
    path.write_text(text, encoding='utf-8')
    print(f'{path.name}: {carried} carried')
