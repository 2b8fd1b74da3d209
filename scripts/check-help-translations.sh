#!/usr/bin/env bash
# Fails when a translation of the user manual is not complete: a language of
# the program without po/help/<lang>.po; a paragraph of the English pages
# (assets/help) that is missing, untranslated or fuzzy (changed in English
# since it was translated), or one that is no longer in the pages; a
# translation whose markup differs from the English (links, anchors and
# emphasis must all be kept, or links break); and a menu, button or field name
# quoted in bold that does not read as the program shows it in that language
# (translations/zentrope_<lang>.ts). The fix is scripts/help-translations.sh
# update, then translating what it marked.
set -euo pipefail
cd "$(dirname "$0")/.."

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
shopt -s nullglob
files=(po/help/*.po)
if [ ${#files[@]} -eq 0 ]; then
  echo "no po/help/*.po" >&2
  exit 1
fi
cp "${files[@]}" "$tmp"/
bash scripts/help-translations.sh update --po-dir "$tmp" >/dev/null

python3 - "$tmp" "${files[@]}" <<'PY'
import itertools
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

tmp = Path(sys.argv[1])
problems = []


def unquote(s):
    out, i = [], 0
    escapes = {'n': '\n', 't': '\t', '"': '"', '\\': '\\'}
    while i < len(s):
        if s[i] == '\\' and i + 1 < len(s):
            out.append(escapes.get(s[i + 1], s[i + 1]))
            i += 2
        else:
            out.append(s[i])
            i += 1
    return ''.join(out)


def entries(path):
    """The messages of a PO file: (msgid, msgstr, fuzzy, obsolete)."""
    text = Path(path).read_text(encoding='utf-8')
    for block in re.split(r'\n\s*\n', text):
        lines = block.strip().splitlines()
        obsolete = bool(lines) and all(l.startswith('#~') for l in lines if not l.startswith('#,'))
        fuzzy = any(l.startswith('#,') and 'fuzzy' in l for l in lines)
        fields, current = {}, None
        for line in lines:
            if obsolete:
                line = line[2:].strip() if line.startswith('#~') else line
            if line.startswith('#'):
                continue
            m = re.match(r'(msgid|msgstr)\s+"(.*)"$', line)
            if m:
                current = m.group(1)
                fields[current] = unquote(m.group(2))
            elif line.startswith('"') and current:
                fields[current] += unquote(line[1:-1])
        if 'msgid' in fields and fields['msgid']:
            yield fields['msgid'], fields.get('msgstr', ''), fuzzy, obsolete


def names(text):
    """A menu or control name as the manual quotes it: no accelerator, no
    trailing ellipsis or colon."""
    text = re.sub(r'&(.)', r'\1', text)
    text = re.sub(r'\s*(\.\.\.|…)\s*$', '', text)
    return re.sub(r'\s*:\s*$', '', text).strip()


def ui_names(lang):
    """English name -> the names the program shows for it in lang."""
    path = Path(f'translations/zentrope_{lang}.ts')
    table = {}
    if not path.exists():
        return table
    for message in ET.parse(path).getroot().iter('message'):
        source, t = message.findtext('source') or '', message.find('translation')
        if t is None or not (t.text or '').strip():
            continue
        table.setdefault(names(source), set()).add(names(t.text))
    return table


def tags(text):
    return sorted(re.findall(r'<[^>]+>', text))


def bold(text):
    return [names(b) for b in re.findall(r'<b>(.*?)</b>', text, re.S)]


languages = set()
for committed in sys.argv[2:]:
    lang = Path(committed).stem
    languages.add(lang)
    ui = ui_names(lang)
    for label, path in (('with the English pages', tmp / Path(committed).name), ('committed', committed)):
        for msgid, msgstr, fuzzy, obsolete in entries(path):
            where = f'{committed}: "{msgid[:70]}"'
            if obsolete:
                problems.append(f'{where}: no longer in the English pages ({label})')
            elif fuzzy:
                problems.append(f'{where}: fuzzy, the English changed ({label})')
            elif not msgstr:
                problems.append(f'{where}: untranslated ({label})')
            elif label == 'committed':
                if tags(msgstr) != tags(msgid):
                    problems.append(f'{where}: markup differs in "{msgstr}"')
                shown = set(bold(msgstr))
                for quoted in bold(msgid):
                    parts = quoted.split(', ')
                    if not all(p in ui for p in parts):
                        continue
                    wanted = {', '.join(c) for c in itertools.product(*(sorted(ui[p]) for p in parts))}
                    if not wanted & shown:
                        problems.append(f'{where}: "{quoted}" should read as the program shows it: '
                                        + ' or '.join(f'"{w}"' for w in sorted(wanted)))

for ts in Path('translations').glob('zentrope_*.ts'):
    lang = ts.stem[len('zentrope_'):]
    if lang not in languages:
        problems.append(f'the program speaks "{lang}" but the manual has no po/help/{lang}.po')

for p in dict.fromkeys(problems):
    print(p, file=sys.stderr)
if problems:
    print(f'{len(set(problems))} problems in the manual\'s translations; run '
          'scripts/help-translations.sh update and translate what it marks', file=sys.stderr)
    sys.exit(1)
print('manual translations complete: ' + ', '.join(sorted(languages)))
PY
