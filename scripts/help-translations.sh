#!/usr/bin/env bash
# The user manual's translations. The English pages in assets/help are the
# source; each language has one gettext file, po/help/<lang>.po, that po4a
# keeps in step with them paragraph by paragraph.
#
#   scripts/help-translations.sh update [LANG...] [--po-dir DIR]
#       Refreshes po/help/<lang>.po (or the files in DIR) from the English
#       pages: a new paragraph comes in untranslated, a changed one keeps its
#       old translation marked fuzzy (with the old English beside it), and a
#       paragraph no longer in the pages is dropped. A LANG without a file
#       starts one. Then translate what it marked and run
#       scripts/check-translations.sh.
#   scripts/help-translations.sh pages OUTDIR
#       Writes the translated pages, OUTDIR/<lang>/<page>.html, for every
#       po/help/<lang>.po (the build's step). A paragraph that is not
#       translated yet stays English.
set -euo pipefail
cd "$(dirname "$0")/.."
TOP=$(pwd)

if ! command -v po4a >/dev/null; then
  echo "po4a is missing (Debian: po4a)" >&2
  exit 1
fi

mode=${1:-}
shift || true
PO_DIR=$TOP/po/help
OUT=
LANGS=()
case "$mode" in
  update)
    while [ $# -gt 0 ]; do
      case "$1" in
        --po-dir) PO_DIR=$(cd "$2" && pwd); shift 2 ;;
        -*) echo "unknown option $1" >&2; exit 2 ;;
        *) LANGS+=("$1"); shift ;;
      esac
    done ;;
  pages)
    [ $# -eq 1 ] || { echo "usage: $0 pages OUTDIR" >&2; exit 2; }
    mkdir -p "$1"
    OUT=$(cd "$1" && pwd) ;;
  *) echo "usage: $0 update [LANG...] [--po-dir DIR] | pages OUTDIR" >&2; exit 2 ;;
esac

shopt -s nullglob
for po in "$PO_DIR"/*.po; do
  LANGS+=("$(basename "$po" .po)")
done
if [ ${#LANGS[@]} -eq 0 ]; then
  echo "no translations of the manual in $PO_DIR" >&2
  exit 1
fi
mapfile -t LANGS < <(printf '%s\n' "${LANGS[@]}" | sort -u)

# The pages in the manual's order (that of assets/help.qrc), so that a
# translator reads the file from the contents on.
mapfile -t PAGES < <(sed -n 's|.*<file>help/\([^<]*\.html\)</file>.*|\1|p' assets/help.qrc)

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cfg=$tmp/po4a.cfg
{
  echo "[po4a_langs] ${LANGS[*]}"
  echo "[po4a_paths] $tmp/help.pot \$lang:$PO_DIR/\$lang.po"
  # --porefs file: a moved paragraph does not change the files, so work on
  # the pages merges without touching the translations. --keep 0: a page is
  # written however little of it is translated.
  echo "[options] --master-charset UTF-8 --localized-charset UTF-8 --porefs file --keep 0" \
    "--msgmerge-opt --previous --copyright-holder 'The Zentrope authors'" \
    "--package-name Zentrope"
  for page in "${PAGES[@]}"; do
    echo "[type: xhtml] assets/help/$page \$lang:$OUT/\$lang/$page"
  done
} >"$cfg"

if [ "$mode" = update ]; then
  po4a --no-translations "$cfg"
else
  po4a --no-update "$cfg" >/dev/null
  # po4a leaves an unchanged page alone; the build wants it newer than the
  # files it came from.
  for lang in "${LANGS[@]}"; do
    for page in "${PAGES[@]}"; do touch "$OUT/$lang/$page"; done
  done
fi
