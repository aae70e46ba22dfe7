#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a user gets: every file in its usual
# place, a valid desktop entry, and an installed program that finds its data and writes only into
# the user's HOME.  Usage: check-install.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "check-install: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" > "$work/install.log" || fail "install failed"
for f in bin/gridwright bin/gridwright-make \
         share/gridwright/QLFLAY.DAT share/gridwright/QLFPAGE.DAT share/gridwright/Samples.QL3 \
         share/gridwright/QUARL.HLP share/doc/gridwright/QUARL.pdf \
         share/applications/gridwright.desktop share/mime/packages/gridwright.xml \
         share/icons/hicolor/scalable/apps/gridwright.svg \
         share/icons/hicolor/48x48/apps/gridwright.png \
         share/icons/hicolor/256x256/apps/gridwright.png; do
  [ -s "$prefix/$f" ] || fail "missing $f"
done
if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$prefix/share/applications/gridwright.desktop" || fail "invalid .desktop"
else
  echo "check-install: desktop-file-validate not installed, entry not validated"
fi
grep -q 'glob pattern="\*.ql3"' "$prefix/share/mime/packages/gridwright.xml" || fail "no .QL3 type"

# The installed program, started in a new HOME from another folder, with no display.
home=$work/home
mkdir -p "$home" "$work/elsewhere" "$work/tmp"
find "$prefix" -type f | sort > "$work/before"
(cd "$work/elsewhere" && env -i HOME="$home" PATH="$PATH" TMPDIR="$work/tmp" QT_QPA_PLATFORM=offscreen \
  timeout 6 "$prefix/bin/gridwright" > "$work/run.log" 2>&1) || true
data=$home/.local/share/gridwright
for f in QLFLAY.DAT QLFPAGE.DAT DEFAULT.QL3; do
  [ -s "$data/$f" ] || { cat "$work/run.log" >&2; fail "the program did not make $data/$f"; }
done
cmp -s "$data/DEFAULT.QL3" "$prefix/share/gridwright/Samples.QL3" || fail "first group is not the samples"
find "$prefix" -type f | sort > "$work/after"
cmp -s "$work/before" "$work/after" || fail "the program wrote into the installation"
[ -z "$(ls -A "$work/elsewhere")" ] || fail "the program wrote into the folder it was started from"

# The installed maker finds the user's libraries.
(cd "$work/elsewhere" && env -i HOME="$home" PATH="$PATH" "$prefix/bin/gridwright-make" \
  --list "$data/DEFAULT.QL3") > "$work/list" || fail "gridwright-make --list failed"
grep -q "Zoo Animals" "$work/list" || fail "the samples are not listed"
echo "check-install: ok"
