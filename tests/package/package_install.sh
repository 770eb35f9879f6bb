#!/usr/bin/env bash
# Builds the Debian package of a build tree with cpack, validates its AppStream metadata, its
# desktop entry and the package itself (lintian), unpacks it with dpkg -x into a scratch root
# outside the build tree (so the program can only find what the package holds) and starts the
# unpacked program there on a fresh documents folder.
# Usage: package_install.sh BUILD_DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "package_install: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; fail "cpack failed"; }
deb=$(ls "$scratch"/out/tolvane_*_amd64.deb)
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "dependencies not computed"
dpkg -x "$deb" "$scratch/root"
usr=$scratch/root/usr
for file in bin/tolvane bin/tolvane-product-server bin/tolvane-catalogue bin/tolvane-sync \
    share/tolvane/Tolvane.db share/tolvane/strings/tolvane_ru.qm share/tolvane/pictures/back.svg \
    share/applications/tolvane.desktop share/icons/hicolor/scalable/apps/tolvane.svg \
    share/metainfo/ch.tolvane.Tolvane.metainfo.xml; do
    [ -s "$usr/$file" ] || fail "not in the package: $file"
done
appstreamcli validate --no-net "$usr/share/metainfo/ch.tolvane.Tolvane.metainfo.xml"
hints=$(desktop-file-validate "$usr/share/applications/tolvane.desktop" 2>&1) &&
    [ -z "$hints" ] || fail "the desktop entry: $hints"
for program in tolvane tolvane-product-server tolvane-catalogue tolvane-sync; do
    [ -s "$usr/share/man/man1/$program.1.gz" ] || fail "no manual page for $program"
done
# Debian's own checker: no error and no warning.
lintian --fail-on error,warning --tag-display-limit 0 "$deb" 2>/dev/null ||
    fail "lintian reports errors or warnings"

"$usr/bin/tolvane" --help | grep -q -- --data-dir || fail "--help does not list the options"
docs=$scratch/documents
XDG_RUNTIME_DIR=$scratch XDG_CONFIG_HOME=$scratch/config timeout 60 \
    "$usr/bin/tolvane" --data-dir "$docs" --quit-after 3 || fail "the program did not quit cleanly"
# It came up on the shipped catalogue, copied from its own share folder, and let go of its lock.
count() { sqlite3 "$1" 'select count(*) from ProductsTable'; }
[ "$(count "$docs/Tolvane.db")" = "$(count "$usr/share/tolvane/Tolvane.db")" ] ||
    fail "the documents folder did not get the shipped catalogue"
[ ! -e "$docs/Tolvane.lock" ] || fail "the lock file was left behind"
echo "package_install: $(basename "$deb") installs and starts"
