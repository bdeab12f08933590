#!/usr/bin/env bash
# Builds the Debian package from a configured build folder, checks it with lintian
# (any error fails), unpacks it into a scratch root and checks the installation:
# files in place, desktop entry and AppStream metadata valid, the installed
# programs run and find the help file, the desktop entry's start makes the data folder.
# Usage: scripts/check-package.sh BUILD_DIR
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)"

(cd "$build" && cpack -G DEB >/dev/null)
deb="$(ls -t "$build"/velmora_*.deb | head -n 1)"
echo "package: $(basename "$deb")"
dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6 ||
    { echo "the package does not depend on Qt's widget library" >&2; exit 1; }

command -v lintian >/dev/null ||
    { echo "lintian is missing: run scripts/install-deps.sh test" >&2; exit 1; }
lintian --fail-on error --display-info "$deb"

root="$(mktemp -d)"
work="$(mktemp -d)"
trap 'rm -rf "$root" "$work"' EXIT
dpkg -x "$deb" "$root"

for file in usr/bin/velmora usr/bin/velmora-report usr/share/velmora/Velmora.hlp \
            usr/share/applications/org.velmora.Velmora.desktop \
            usr/share/metainfo/org.velmora.Velmora.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/org.velmora.Velmora.svg \
            usr/share/icons/hicolor/48x48/apps/org.velmora.Velmora.png \
            usr/share/man/man1/velmora.1.gz usr/share/man/man1/velmora-report.1.gz \
            usr/share/doc/velmora/copyright usr/share/doc/velmora/changelog.gz; do
    [ -e "$root/$file" ] || { echo "missing from the package: /$file" >&2; exit 1; }
done
desktop-file-validate "$root/usr/share/applications/org.velmora.Velmora.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.velmora.Velmora.metainfo.xml" >/dev/null

# The installed program finds its help file from another folder.
found="$(cd "$work" && "$root/usr/bin/velmora" --help-file)"
[ "$found" = "$root/usr/share/velmora/Velmora.hlp" ] ||
    { echo "the installed program found the help file at '$found'" >&2; exit 1; }

# It starts (it waits at the welcome message until it is stopped).
set +e
(cd "$work" && QT_QPA_PLATFORM=offscreen timeout 5 "$root/usr/bin/velmora" 2>/dev/null)
status=$?
set -e
[ "$status" -eq 124 ] || { echo "the installed program ended with status $status" >&2; exit 1; }

# Started as its desktop entry starts it, it makes its data folder, for the user alone.
grep -qx 'Exec=velmora --data-folder' "$root/usr/share/applications/org.velmora.Velmora.desktop" ||
    { echo "the desktop entry does not start the program in its data folder" >&2; exit 1; }
set +e
(cd "$work" && XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=offscreen timeout 5 \
    "$root/usr/bin/velmora" --data-folder 2>/dev/null)
status=$?
set -e
[ "$status" -eq 124 ] || { echo "velmora --data-folder ended with status $status" >&2; exit 1; }
[ "$(stat -c %a "$work/data/velmora" 2>/dev/null)" = 700 ] ||
    { echo "velmora --data-folder did not make $work/data/velmora with mode 700" >&2; exit 1; }

# The installed report prints a plan's results.
cp "$top/tests/data/plan/married-household.dta" "$work/UserData.dta"
(cd "$work" && "$root/usr/bin/velmora-report" --json >/dev/null)
# Its usage points to its manual page.
"$root/usr/bin/velmora-report" --help | grep -q 'velmora-report(1)' ||
    { echo "velmora-report --help does not name its manual page" >&2; exit 1; }
echo "package check passed"
