#!/usr/bin/env bash
# The same 256 envelopes through gLabels' batch printer and through Zentrope:
# prints the median time of each (start to PDF, programs alternating) and the
# ratio. Each envelope is a 9 x 4 in page with a logo, a return address, a
# 3-line address with ZIP+4 and its POSTNET bar code above the address.
#
#   bash bench/compare_glabels.sh [build folder] [runs]
#
# glabels-3-batch comes from the Debian package glabels; run as root, this
# script installs it when it is missing (the test command never does).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$(cd "${1:-$here/../build}" && pwd)"
runs="${2:-5}"
envelopes=256
job="$build/bench/bench_print_job"
program="$build/src/zentrope"

if ! command -v glabels-3-batch >/dev/null; then
  if [ "$(id -u)" -eq 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get install -y -qq --no-install-recommends glabels >/dev/null ||
      { apt-get update -qq && apt-get install -y -qq --no-install-recommends glabels >/dev/null; }
  else
    echo "glabels-3-batch is not installed (Debian package glabels); nothing to compare."
    exit 0
  fi
fi
[ -x "$job" ] || { echo "$job is missing: build the target bench_print_job" >&2; exit 1; }
[ -x "$program" ] || { echo "$program is missing: build the target zentrope" >&2; exit 1; }

work="$(mktemp -d "${TMPDIR:-/tmp}/zentrope-glabels-XXXXXX")"
trap 'rm -rf "$work"' EXIT
cd "$work"

# Zentrope's side: the seconds from starting the program to its PDF, as a
# script runs it (start-up included).
zentrope_seconds() { seconds "$program" --pdf "$2" --settings "$work/zentrope.ini" "$1"; }

# The logo, as a BMP for Zentrope and a PNG for gLabels: one picture.
"$job" --write-logo logo.bmp
"$job" --write-logo logo.png

# The addresses: Zentrope's address file (CR LF, an empty line between
# envelopes) and gLabels' CSV of the same fields.
python3 - "$envelopes" <<'PY'
import sys
n = int(sys.argv[1])
rows = []
for i in range(n):
    zip5 = f"{10000 + i * 37 % 90000:05d}"
    plus4 = f"{1000 + i % 9000:04d}"
    rows.append((f"Addressee {i + 1}", f"{1700 + i % 100} Elm Street", f"Anytown, ST {zip5}-{plus4}", zip5 + plus4))
with open("addresses.env", "w", newline="") as f:
    f.write("\r\n".join(f"{a}\r\n{b}\r\n{c}\r\n" for a, b, c, _ in rows))
with open("addresses.csv", "w", newline="") as f:
    f.write("NAME,STREET,CITY,ZIP\n")
    for a, b, c, z in rows:
        f.write(f'"{a}","{b}","{c}",{z}\n')
PY

# Zentrope's settings: the built-in return address and envelope size
# (Business #10, 9 x 4 in), the logo at its 1 x 1 in corner, and the printer's
# paper set to 9 x 4 in (228.6 x 101.6 mm) as Print Setup would store it.
cat > zentrope.ini <<EOF
[Options]
GraphFile=$work/logo.bmp
[Printer]
Orientation=1
PaperSize=256
PaperLength=1016
PaperWidth=2286
EOF

# gLabels' template: one 9 x 4 in label per page, laid out as Zentrope lays
# out the envelope (logo and return address at the top left, the address from
# the middle, one inch above the bottom edge, the bar code above it).
cat > envelope.glabels <<EOF
<?xml version="1.0"?>
<Glabels-document xmlns="http://glabels.org/xmlns/3.0/">
  <Template brand="Zentrope" part="Business 10" size="Other" width="9in" height="4in" description="Envelope 9 x 4 in">
    <Meta category="mail"/>
    <Label-rectangle id="0" width="9in" height="4in" round="0in" x_waste="0in" y_waste="0in">
      <Layout nx="1" ny="1" x0="0in" y0="0in" dx="9in" dy="4in"/>
    </Label-rectangle>
  </Template>
  <Objects id="0" rotate="False">
    <Object-image x="0.25in" y="0.25in" w="1in" h="1in" src="$work/logo.png" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0"/>
    <Object-text x="1.35in" y="0.25in" w="3in" h="0.6in" justify="Left" auto_shrink="False" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0">
      <Span color="0x000000ff" font_family="Liberation Sans" font_size="10" font_weight="Regular" font_italic="False" line_spacing="1">Your Name<NL/>123 Main St.<NL/>Somewhere, XX 98765</Span>
    </Object-text>
    <Object-barcode x="4.5in" y="2.0in" w="3.2in" h="0.2in" style="POSTNET" backend="built-in" text="False" checksum="True" color="0x000000ff" field="ZIP" format="9" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0"/>
    <Object-text x="4.5in" y="2.25in" w="4in" h="0.75in" justify="Left" auto_shrink="False" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0">
      <Span color="0x000000ff" font_family="Liberation Sans" font_size="10" font_weight="Regular" font_italic="False" line_spacing="1"><Field name="NAME"/><NL/><Field name="STREET"/><NL/><Field name="CITY"/></Span>
    </Object-text>
  </Objects>
  <Merge type="Text/Comma/Line1Keys" src="$work/addresses.csv"/>
</Glabels-document>
EOF

# The wall time of a command, in seconds.
seconds() {
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null
  end=$(date +%s.%N)
  awk -v a="$start" -v b="$end" 'BEGIN {printf "%.3f\n", b - a}'
}
glabels_pdf() { glabels-3-batch -i "$1" -o "$2" envelope.glabels 2>/dev/null; }
pages() { pdfinfo "$1" | awk '/^Pages:/ {print $2}'; }
median() { sort -g | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
# Once each first, not counted: both programs' files come into the page cache.
glabels_pdf addresses.csv glabels.pdf >/dev/null
zentrope_seconds addresses.env zentrope.pdf >/dev/null
for f in glabels.pdf zentrope.pdf; do
  [ "$(pages "$f")" = "$envelopes" ] || { echo "$f has $(pages "$f") pages, not $envelopes" >&2; exit 1; }
  pdfinfo "$f" | grep -q 'Page size: *648 x 288 pts' || { echo "$f is not 9 x 4 in" >&2; exit 1; }
done

: > glabels.times
: > zentrope.times
for ((i = 0; i < runs; i++)); do
  if ((i % 2 == 0)); then
    seconds glabels_pdf addresses.csv glabels.pdf >>glabels.times
    zentrope_seconds addresses.env zentrope.pdf >>zentrope.times
  else
    zentrope_seconds addresses.env zentrope.pdf >>zentrope.times
    seconds glabels_pdf addresses.csv glabels.pdf >>glabels.times
  fi
done
g=$(median <glabels.times)
z=$(median <zentrope.times)
printf '%d envelopes, %d runs each, medians: glabels-3-batch %.3f s, Zentrope %.3f s; Zentrope takes %.2f x the time of gLabels\n' \
  "$envelopes" "$runs" "$g" "$z" "$(awk -v a="$z" -v b="$g" 'BEGIN {print a / b}')"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
