#!/usr/bin/env bash
# Builds the Debian package from a build folder (default: build) and checks
# it: its contents, lintian, the AppStream and desktop-entry validators, the
# program run from the unpacked package as a user would run it (no per-user
# registration, settings in the user's folder, one menu entry), and what a
# desktop still shows once the package is removed.
#   bash scripts/package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
TOP=$(pwd)
BUILD=${1:-build}

bash scripts/install-deps.sh package
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$BUILD" -j "$(nproc)"
(cd "$BUILD" && rm -f zentrope_*.deb && cpack -G DEB >/dev/null)
DEB=$(ls "$BUILD"/zentrope_*_amd64.deb)
echo "== $DEB"
dpkg-deb -c "$DEB"

echo "== lintian"
lintian --fail-on error "$DEB"

SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT
ROOT="$SCRATCH/root"
dpkg-deb -x "$DEB" "$ROOT"
for f in usr/bin/zentrope usr/share/applications/zentrope.desktop usr/share/kio/servicemenus/zentrope.desktop \
         usr/share/mime/packages/zentrope.xml usr/share/icons/hicolor/scalable/apps/zentrope.svg \
         usr/share/icons/hicolor/48x48/apps/zentrope.png usr/share/icons/hicolor/256x256/apps/zentrope.png \
         usr/share/metainfo/org.zentrope.zentrope.metainfo.xml usr/share/man/man1/zentrope.1.gz \
         usr/share/doc/zentrope/copyright usr/share/doc/zentrope/changelog.gz; do
  [ -e "$ROOT/$f" ] || { echo "!! the package lacks /$f"; exit 1; }
done
grep -qx 'Exec=/usr/bin/zentrope %f' "$ROOT/usr/share/applications/zentrope.desktop" ||
  { echo "!! the desktop entry does not start /usr/bin/zentrope"; exit 1; }

echo "== validators"
appstreamcli validate --no-net "$ROOT/usr/share/metainfo/org.zentrope.zentrope.metainfo.xml"
desktop-file-validate "$ROOT/usr/share/applications/zentrope.desktop"
man -l "$ROOT/usr/share/man/man1/zentrope.1.gz" >/dev/null

echo "== the unpacked program"
VERSION=$(dpkg-deb -f "$DEB" Version)
"$ROOT/usr/bin/zentrope" --version | tee "$SCRATCH/version"
grep -q "^Zentrope $VERSION (Qt " "$SCRATCH/version" || { echo "!! --version does not say $VERSION"; exit 1; }
grep -q "<release version=\"$VERSION\"" "$ROOT/usr/share/metainfo/org.zentrope.zentrope.metainfo.xml" ||
  { echo "!! the AppStream release is not $VERSION"; exit 1; }

echo "== a user's run of the package, and its removal"
# The package as installed: its share folder among the system's data folders.
HOME_DIR="$SCRATCH/home"
mkdir -p "$HOME_DIR"
USER_DATA="$HOME_DIR/.local/share"
SYSTEM_DIRS="$ROOT/usr/share:/usr/local/share:/usr/share"
# Runs the program until its window is up, then ends it; it registers itself
# (or not) at every start.
run_once() {
  HOME="$HOME_DIR" XDG_DATA_HOME="$USER_DATA" XDG_CONFIG_HOME="$HOME_DIR/.config" XDG_DATA_DIRS="$1" \
    QT_QPA_PLATFORM=offscreen timeout 5 "$ROOT/usr/bin/zentrope" >/dev/null 2>&1 || true
}
# What a desktop would show of Zentrope from the user's own folders.
user_leftovers() {
  find "$USER_DATA" \( -name '*.desktop' -o -name '*.xml' -o -name 'zentrope*' \) -type f \
    -exec grep -lis zentrope {} + 2>/dev/null || true
}
run_once "$SYSTEM_DIRS"
[ -z "$(user_leftovers)" ] || { echo "!! the packaged program wrote per-user registration:"; user_leftovers; exit 1; }
[ ! -e "$ROOT/usr/bin/zentrope.ini" ] && [ ! -e "$ROOT/usr/bin/zentrope.ini.lock" ] ||
  { echo "!! the installed program wrote its settings beside itself"; exit 1; }
[ -f "$HOME_DIR/.config/zentrope/zentrope.ini" ] ||
  { echo "!! the installed program kept no settings in the user's folder"; exit 1; }
XDG_DATA_HOME="$USER_DATA" XDG_DATA_DIRS="$SYSTEM_DIRS" python3 - <<'PY'
import os
dirs = [os.environ["XDG_DATA_HOME"]] + os.environ["XDG_DATA_DIRS"].split(":")
seen = {}
for d in dirs:
    apps = os.path.join(d, "applications")
    if not os.path.isdir(apps):
        continue
    for name in sorted(os.listdir(apps)):
        if name.endswith(".desktop"):
            seen.setdefault(name, os.path.join(apps, name))
names = [n for n in seen if "zentrope" in open(seen[n], encoding="utf-8").read().lower()]
print("menu entries:", ", ".join(f"{n} ({seen[n]})" for n in names))
if names != ["zentrope.desktop"]:
    raise SystemExit("!! the menu shows %d Zentrope entries" % len(names))
PY
# Copies an earlier start wrote (before the package's entries were seen) go
# at the next start.
run_once "/usr/local/share:/usr/share"
[ -f "$USER_DATA/applications/zentrope.desktop" ] ||
  { echo "!! the program did not register itself without the package's entries"; exit 1; }
run_once "$SYSTEM_DIRS"
# The desktop's caches are refreshed in the background.
for _ in 1 2 3 4 5 6 7 8 9 10; do [ -z "$(user_leftovers)" ] && break; sleep 1; done
[ -z "$(user_leftovers)" ] || { echo "!! per-user copies stayed:"; user_leftovers; exit 1; }

# Removal: the package's files go; what would a desktop still show?
rm -rf "$ROOT"
LEFT=$(user_leftovers; find "$HOME_DIR" -maxdepth 2 -name 'Zentrope.env' 2>/dev/null)
echo "left after removal: ${LEFT:-nothing}"
[ -z "$LEFT" ] || { echo "!! the removed package left entries behind"; exit 1; }
echo "== package checks passed"
