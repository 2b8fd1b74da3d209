#!/usr/bin/env bash
# Fails when a translation file is not complete: a text of the sources that is
# missing from one (lupdate, run into temporary copies, adds it unfinished), an
# unfinished, vanished or obsolete entry, or a translation that loses what the
# program relies on: its %1 place holders, one & accelerator when the English
# has one, the leading and trailing blanks, and file patterns such as (*.env).
# The fix is scripts/update-translations.sh, then translating what it added.
# The manual's translations (po/help) are checked too, by
# scripts/check-help-translations.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
shopt -s nullglob
files=(translations/zentrope_*.ts)
if [ ${#files[@]} -eq 0 ]; then
  echo "no translations/zentrope_*.ts" >&2
  exit 1
fi
cp "${files[@]}" "$tmp"/
# lupdate's own complaints (a tr() outside a class, a class without Q_OBJECT)
# are faults too: such a text lands in the wrong context.
bash scripts/update-translations.sh --ts-dir "$tmp" --keep-obsolete 2>&1 | tee "$tmp/lupdate.log"
if grep -E '^[^ ]+:[0-9]+: ' "$tmp/lupdate.log" >/dev/null; then
  echo "lupdate reported problems in the sources (above)" >&2
  exit 1
fi

status=0
python3 - "$tmp" "${files[@]}" <<'PY' || status=1
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

tmp = Path(sys.argv[1])
problems = []

def accelerators(text):
    return len(re.findall(r'&(?!&)', text.replace('&&', '')))

def placeholders(text):
    return sorted(re.findall(r'%(?:L?[1-9]|n)', text))

def patterns(text):
    return sorted(re.findall(r'\(\*[^)]*\)', text))

def blanks(text):
    return (len(text) - len(text.lstrip(' ')), len(text) - len(text.rstrip(' \n')))

for committed in sys.argv[2:]:
    name = Path(committed).name
    for label, path in (('in the sources', tmp / name), ('committed', Path(committed))):
        root = ET.parse(path).getroot()
        for context in root.iter('context'):
            ctx = context.findtext('name')
            for message in context.iter('message'):
                source = message.findtext('source') or ''
                t = message.find('translation')
                kind = t.get('type') if t is not None else 'missing'
                where = f'{name} [{ctx}] "{source}"'
                if kind in ('unfinished', 'vanished', 'obsolete', 'missing'):
                    problems.append(f'{where}: {kind} ({label})')
                    continue
                if label != 'committed':
                    continue
                text = t.text or ''
                if placeholders(text) != placeholders(source):
                    problems.append(f'{where}: place holders differ in "{text}"')
                if (accelerators(source) > 0) != (accelerators(text) == 1) or accelerators(text) > 1:
                    problems.append(f'{where}: accelerators differ in "{text}"')
                if patterns(text) != patterns(source):
                    problems.append(f'{where}: file patterns differ in "{text}"')
                if blanks(text) != blanks(source):
                    problems.append(f'{where}: leading or trailing blanks differ in "{text}"')

for p in dict.fromkeys(problems):
    print(p, file=sys.stderr)
if problems:
    print(f'{len(set(problems))} translation problems; run scripts/update-translations.sh '
          'and translate what it marks unfinished', file=sys.stderr)
    sys.exit(1)
print('translations complete: ' + ', '.join(Path(f).stem for f in sys.argv[2:]))
PY

# The user manual's translations, checked the same way.
bash scripts/check-help-translations.sh || status=1
exit $status
