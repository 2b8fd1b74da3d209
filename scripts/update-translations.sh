#!/usr/bin/env bash
# Refreshes the translation files from the sources: every text in tr(),
# QCoreApplication::translate() and QT_TR_NOOP/QT_TRANSLATE_NOOP lands in
# translations/zentrope_<lang>.ts (new texts as unfinished entries), and texts
# no longer in the sources are dropped. Then translate the unfinished entries
# (Qt Linguist, or by hand: fill in <translation> and remove
# type="unfinished") and run scripts/check-translations.sh. The manual's
# po/help/<lang>.po files are refreshed too (scripts/help-translations.sh).
#
#   scripts/update-translations.sh           every existing language
#   scripts/update-translations.sh it        also start zentrope_it.ts
#   scripts/update-translations.sh --ts-dir DIR --keep-obsolete
#                                            the files in DIR instead, keeping
#                                            vanished texts (the check's use)
set -euo pipefail
cd "$(dirname "$0")/.."

TS_DIR=translations
OBSOLETE=(-no-obsolete)
LANGS=()
while [ $# -gt 0 ]; do
  case "$1" in
    --ts-dir) TS_DIR=$2; shift 2 ;;
    --keep-obsolete) OBSOLETE=(); shift ;;
    -*) echo "unknown option $1" >&2; exit 2 ;;
    *) LANGS+=("$1"); shift ;;
  esac
done

LUPDATE=${LUPDATE:-}
if [ -z "$LUPDATE" ]; then
  for candidate in /usr/lib/qt6/bin/lupdate "$(command -v lupdate-qt6 || true)"; do
    if [ -n "$candidate" ] && [ -x "$candidate" ]; then LUPDATE=$candidate; break; fi
  done
fi
if [ -z "$LUPDATE" ]; then
  echo "Qt 6's lupdate is missing (Debian: qt6-l10n-tools)" >&2
  exit 1
fi

shopt -s nullglob
for ts in "$TS_DIR"/zentrope_*.ts; do
  lang=$(basename "$ts" .ts)
  LANGS+=("${lang#zentrope_}")
done
for lang in $(printf '%s\n' "${LANGS[@]}" | sort -u); do
  ts=$TS_DIR/zentrope_$lang.ts
  # No source locations: a moved line does not change the translations, so
  # concurrent work on the sources merges without touching these files.
  "$LUPDATE" -silent -locations none -no-ui-lines -extensions cpp,h "${OBSOLETE[@]}" \
    -source-language en -target-language "$lang" -I src src -ts "$ts"
done

# The manual's translations follow the pages, for the same languages.
if [ "$TS_DIR" = translations ]; then
  bash scripts/help-translations.sh update "${LANGS[@]}"
fi
