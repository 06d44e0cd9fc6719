#!/bin/sh
# Installs the build into a temporary prefix, unlike the configured one, and
# runs the installed program from another working folder: the layout, the
# version, a conversion, the themes it finds, the desktop entry and file
# types, the manual page.
#   install_test.sh <build folder> <source folder>
set -eu
build=$1
source=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/velmora-install-XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" >/dev/null

# Every program gets its own home, settings and lock; none sees a display.
mkdir -p "$work/home" "$work/config" "$work/elsewhere" "$work/out" "$work/data"
mkdir -m 700 "$work/runtime"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" XDG_DATA_HOME="$work/data"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM TARNWICK_VENDOR_URL
cd "$work/elsewhere"
velmora=$prefix/bin/velmora
data=$prefix/share/velmora

echo "== layout"
[ -x "$velmora" ] || fail "no executable bin/velmora"
for file in "$data/gfx/handdrawn.zip" "$data/velmora.html" "$prefix/share/applications/velmora.desktop" \
  "$prefix/share/mime/packages/velmora.xml" "$prefix/share/man/man1/velmora.1.gz" "$prefix/share/doc/velmora/copyright"; do
  [ -s "$file" ] || fail "missing ${file#"$prefix"/}"
done
for size in 16 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x$size/apps/velmora.png
  [ "$(identify -format '%m %wx%h' "$icon" 2>/dev/null)" = "PNG ${size}x$size" ] || fail "no ${size}x$size PNG icon"
done

echo "== version"
[ "$("$velmora" -v)" = "2.9" ] || fail "velmora -v does not print 2.9"

echo "== console conversion"
status=0
"$velmora" -i "$source/samples/sample.pcd" -o "$work/out" -q || status=$?
[ "$status" -eq 0 ] || fail "the conversion ended with $status"
[ "$(identify -format '%m' "$work/out/sample.jpg" 2>/dev/null)" = "JPEG" ] || fail "no JPEG file out/sample.jpg"

echo "== themes"
# The screenshot shows the main window with the pictures of the theme; with
# the installed themes moved away it shows the built-in ones. The second
# screenshot with the themes shows that the screenshots are repeatable.
# The built program, with gfx/ beside it, shows the same themes.
screenshot() {
  mkdir -p "$work/shots/$2"
  QT_QPA_PLATFORM=offscreen "$1" -T "$work/shots/$2" 2>"$work/shots/$2.log" ||
    fail "$2: velmora -T ended with $?: $(cat "$work/shots/$2.log")"
  [ -s "$work/shots/$2/velmora1.jpg" ] || fail "$2: velmora -T wrote no screenshot"
}
same_screenshots() { cmp -s "$work/shots/$1/velmora1.jpg" "$work/shots/$2/velmora1.jpg"; }
screenshot "$velmora" themed
mv "$data/gfx" "$work/gfx-away"
screenshot "$velmora" built-in
mv "$work/gfx-away" "$data/gfx"
screenshot "$velmora" themed-again
screenshot "$build/src/velmora" build-tree
same_screenshots themed themed-again || fail "two screenshots with the same themes differ"
same_screenshots themed built-in && fail "the installed program does not show the installed themes"
same_screenshots themed build-tree || fail "the built program does not show the themes beside it"

echo "== desktop entry and file types"
desktop=$prefix/share/applications/velmora.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate refuses the desktop entry"
grep -qx 'Exec=velmora %f' "$desktop" || fail "the desktop entry does not start velmora with the file"
grep -qx "Icon=velmora" "$desktop" || fail "the desktop entry does not name the installed icon"
grep -q '^MimeType=.*image/x-photo-cd;' "$desktop" || fail "the desktop entry does not open PhotoCD files"
# The package's names on top of the system's database, as a desktop sees them.
mkdir -p "$work/data/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$prefix/share/mime/packages/velmora.xml" "$work/data/mime/packages/"
update-mime-database "$work/data/mime" || fail "update-mime-database refuses the file types"
for extension in pcd pcd1 pcds ppcd; do
  grep -qx "[0-9]*:image/x-photo-cd:\*\.$extension" "$work/data/mime/globs2" || fail "*.$extension is no image/x-photo-cd"
done

echo "== manual page"
warnings=$(zcat "$prefix/share/man/man1/velmora.1.gz" | groff -man -ww -z 2>&1) || fail "groff cannot read the manual page"
[ -z "$warnings" ] || fail "the manual page renders with warnings: $warnings"

[ "$failures" -eq 0 ] || exit 1
echo "all passed"
