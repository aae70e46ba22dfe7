#!/usr/bin/env bash
# Packages a built tree into a temporary folder and checks the .deb as Debian's tools see it: its
# files and control fields, lintian, the AppStream metadata, the desktop entry, the manual pages,
# the bash completion, and one version everywhere.  Usage: check-package.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check-package: $*" >&2; exit 1; }

"$source_dir/scripts/package" "$build" "$work/out" > /dev/null || fail "packaging failed"
arch=$(dpkg --print-architecture)
deb=$work/out/gridwright_${version}_${arch}.deb
[ -f "$deb" ] || fail "no $(basename "$deb") in: $(ls "$work/out")"

# Files: the ones a user needs, everything under /usr, nothing from outside our folders (no test
# programs, no build paths), and no debug information.
dpkg-deb -x "$deb" "$work/root"
(cd "$work/root" && find . ! -type d | sed 's|^\./||' | sort) > "$work/files"
for f in usr/bin/gridwright usr/bin/gridwright-make \
         usr/share/gridwright/QLFLAY.DAT usr/share/gridwright/QLFPAGE.DAT \
         usr/share/gridwright/Samples.QL3 usr/share/gridwright/QUARL.HLP \
         usr/share/doc/gridwright/QUARL.pdf usr/share/doc/gridwright/copyright \
         usr/share/doc/gridwright/changelog.gz usr/share/doc-base/gridwright \
         usr/share/applications/gridwright.desktop usr/share/mime/packages/gridwright.xml \
         usr/share/metainfo/org.gridwright.Gridwright.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/gridwright.svg \
         usr/share/icons/hicolor/48x48/apps/gridwright.png \
         usr/share/man/man1/gridwright.1.gz usr/share/man/man1/gridwright-make.1.gz \
         usr/share/bash-completion/completions/gridwright-make; do
  grep -qx "$f" "$work/files" || fail "the package lacks $f"
done
stray=$(grep -vE '^usr/bin/gridwright(-make)?$|^usr/share/(gridwright|doc/gridwright|applications|icons/hicolor|man/man1|metainfo|mime/packages|bash-completion/completions|doc-base)/' "$work/files" || true)
[ -z "$stray" ] || fail "files outside the program's places: $stray"
for exe in gridwright gridwright-make; do
  ! readelf -S "$work/root/usr/bin/$exe" | grep -q '\.debug_' || fail "$exe keeps debug information"
done

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = gridwright ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = education ] || fail "Section: $(field Section)"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@]+@[^@]+\>$ ]] || fail "Maintainer: $(field Maintainer)"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
for d in fonts-liberation libqt6widgets6 libqt6printsupport6 libhunspell libmythes libuemf0 \
         libjpeg62-turbo libc6; do
  [[ $depends == *"$d"* ]] || fail "Depends lacks $d: $depends"
done
recommends=$(field Recommends)
for r in hunspell-en-us mythes-en-us; do
  [[ $recommends == *"$r"* ]] || fail "Recommends lacks $r: $recommends"
done

# lintian: no errors (warnings and notes are explained in packaging/README.md).
lintian --fail-on error --tag-display-limit 0 "$deb" > "$work/lintian" 2>&1 ||
  { cat "$work/lintian" >&2; fail "lintian found errors"; }

appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.gridwright.Gridwright.metainfo.xml" \
  > "$work/appstream" 2>&1 || { cat "$work/appstream" >&2; fail "invalid AppStream metadata"; }
desktop-file-validate "$work/root/usr/share/applications/gridwright.desktop" ||
  fail "invalid desktop entry"

for page in gridwright gridwright-make; do
  zcat "$work/root/usr/share/man/man1/$page.1.gz" > "$work/$page.1"
  groff -ww -z -man "$work/$page.1" 2> "$work/groff" || fail "groff failed on $page.1"
  [ ! -s "$work/groff" ] || { cat "$work/groff" >&2; fail "groff warns about $page.1"; }
done

# The completion loads as bash-completion loads it, and completes a language name.
completion=$work/root/usr/share/bash-completion/completions/gridwright-make
[ "$(bash -c "source /usr/share/bash-completion/bash_completion; source '$completion';
              complete -p gridwright-make")" = "complete -F _gridwright_make gridwright-make" ] ||
  fail "the completion does not register for gridwright-make"
languages=$(bash -c "source /usr/share/bash-completion/bash_completion; source '$completion'
  COMP_WORDS=(gridwright-make --check-spelling w.txt --language b); COMP_CWORD=4
  COMP_LINE='gridwright-make --check-spelling w.txt --language b'; COMP_POINT=\${#COMP_LINE}
  _gridwright_make gridwright-make b --language; echo \"\${COMPREPLY[*]}\"")
[ "$languages" = british ] || fail "--language b completes to '$languages', not british"

# One version: both programs (the window program without a display, a lock or a window), the
# manual pages and the AppStream release.
lockdir=$work/tmp
mkdir -p "$lockdir"
[ "$("$work/root/usr/bin/gridwright-make" --version)" = "gridwright-make $version" ] ||
  fail "gridwright-make --version is not $version"
gui=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM TMPDIR="$lockdir" \
  timeout 10 "$work/root/usr/bin/gridwright" --version 2>&1) || fail "gridwright --version failed: $gui"
[ "$gui" = "gridwright $version" ] || fail "gridwright --version said: $gui"
[ -z "$(ls -A "$lockdir")" ] || fail "gridwright --version took the single-instance lock"
grep -q "^\.TH GRIDWRIGHT-MAKE 1 .*\"Gridwright $version\"" "$work/gridwright-make.1" ||
  fail "gridwright-make.1 is not of version $version"
grep -q "<release version=\"$version\"" \
  "$work/root/usr/share/metainfo/org.gridwright.Gridwright.metainfo.xml" ||
  fail "the AppStream metadata has no release $version"
echo "check-package: ok ($(du -k "$deb" | cut -f1) KiB; Depends: $depends)"
