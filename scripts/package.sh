#!/usr/bin/env bash
# Builds the Debian package from a build folder (default: build) and checks
# it: its contents, lintian, the AppStream and desktop-entry validators, the
# program run from the unpacked package, and the menu entries a desktop sees
# once the user's own registration and the package's are both there.
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

echo "== menu entries with the user's own registration beside the package's"
HOME_DIR="$SCRATCH/home"
mkdir -p "$HOME_DIR"
# The program registers itself for the user at every start; it runs here until
# its window is up, then ends.
HOME="$HOME_DIR" XDG_DATA_HOME="$HOME_DIR/.local/share" XDG_CONFIG_HOME="$HOME_DIR/.config" \
  QT_QPA_PLATFORM=offscreen timeout 10 "$ROOT/usr/bin/zentrope" >/dev/null 2>&1 || true
[ -f "$HOME_DIR/.local/share/applications/zentrope.desktop" ] ||
  { echo "!! the program did not register itself for the user"; exit 1; }
XDG_DATA_HOME="$HOME_DIR/.local/share" XDG_DATA_DIRS="$ROOT/usr/share" python3 - <<'PY'
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
echo "== package checks passed"
