#!/usr/bin/env bash
# Screenshots of the real program for the README, made under a private Xvfb
# with the xcb platform as users run it, so they never go stale:
#   bash scripts/screenshots.sh [BUILD_DIR]     -> docs/screenshots/*.png
set -euo pipefail
cd "$(dirname "$0")/.."
TOP=$(pwd)
BUILD=${1:-build}
cmake --build "$BUILD" --target zentrope grab_window >/dev/null
OUT="$TOP/docs/screenshots"
mkdir -p "$OUT"
WORK=$(mktemp -d)
DISPLAY_NUMBER=$((200 + $$ % 500))
trap 'cleanup' EXIT

cleanup() { kill "${APP:-}" "${XVFB:-}" "${CUPSD:-}" 2>/dev/null || true; rm -rf "$WORK"; }

# A private print server with one printer on Letter paper, so the preview has
# a printer's page to show; nothing reaches the machine's own printers.
CUPS="$WORK/cups"
mkdir -p "$CUPS/spool/tmp" "$CUPS/cache" "$CUPS/state" "$CUPS/log"
cat > "$CUPS/cupsd.conf" <<CONF
Listen $CUPS/socket
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF
cat > "$CUPS/cups-files.conf" <<CONF
ServerRoot $CUPS
RequestRoot $CUPS/spool
TempDir $CUPS/spool/tmp
CacheDir $CUPS/cache
StateDir $CUPS/state
ErrorLog $CUPS/log/error_log
AccessLog $CUPS/log/access_log
PageLog $CUPS/log/page_log
Printcap $CUPS/printcap
ServerBin /usr/lib/cups
DataDir /usr/share/cups
FileDevice No
Sandboxing Relaxed
CONF
/usr/sbin/cupsd -f -c "$CUPS/cupsd.conf" -s "$CUPS/cups-files.conf" &
CUPSD=$!
export CUPS_SERVER="$CUPS/socket"
for _ in $(seq 1 50); do [ -S "$CUPS/socket" ] && break; sleep 0.1; done
lpadmin -p Envelopes -v socket://127.0.0.1:9 -m drv:///sample.drv/generic.ppd -o PageSize=Letter -E
lpadmin -d Envelopes

Xvfb ":$DISPLAY_NUMBER" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
XVFB=$!
export DISPLAY=":$DISPLAY_NUMBER" QT_QPA_PLATFORM=xcb HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" \
       XDG_DATA_HOME="$WORK/home/.local/share" XDG_RUNTIME_DIR="$WORK/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
sleep 1

# A copy of the program with a settings file beside it, and a few addresses.
cp "$BUILD/src/zentrope" "$WORK/zentrope"
printf 'Ms. Ada Lovelace\r\n12 St James Square\r\nSpringfield, IL 62704-1234\r\n\r\nDr. Alan Turing\r\n78 High Street\r\nBoston, MA 02118\r\n' \
  > "$WORK/letters.env"
"$WORK/zentrope" "$WORK/letters.env" >/dev/null 2>&1 &
APP=$!

window() { # the id of the first visible window whose title matches $1
  local id=
  for _ in $(seq 1 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "no window \"$1\" came up" >&2
  return 1
}
shot() { # shot <file> <title> [width height]: grabs the window, leaves its id in $ID
  ID=$(window "$2")
  [ -n "${3:-}" ] && xdotool windowsize --sync "$ID" "$3" "$4"
  xdotool windowfocus --sync "$ID" 2>/dev/null || true
  sleep 0.5
  "$BUILD/src/grab_window" "$OUT/$1" "$ID"
  echo "$OUT/$1"
}
close() { # closes the window shot last, as Escape does
  xdotool windowfocus --sync "$ID" 2>/dev/null || true
  xdotool key Escape
  sleep 0.3
}
keys() { # types keys into the main window
  xdotool windowfocus --sync "$main"
  xdotool key "$@"
}

main=$(window '^Zentrope')
xdotool windowsize "$main" 760 500
xdotool windowfocus --sync "$main"
shot main-window.png '^Zentrope'

# The envelope size dialog, then the return address dialog, each closed again.
keys alt+o e
shot envelope-sizes.png 'Define Envelope Sizes'
close
keys alt+o r
shot return-addresses.png 'Define Return Addresses'
close

# The print preview.
keys alt+f v
shot print-preview.png 'Print Preview' 760 620
close
