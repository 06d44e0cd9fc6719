#!/bin/sh
# Draws the bundled sample picture and writes it as a PhotoCD image.
# ImageMagick writes 0 at byte 72, which FreeImage's PhotoCD reader takes for
# an upside-down disc; Kodak discs carry 8 there.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert -size 768x512 gradient:'#2a6fd6-#bfe3ff' \
  -fill '#ffd84a' -draw 'circle 610,110 660,110' \
  -fill '#3f8f3a' -draw 'ellipse 200,560 420,200 180,360' \
  -fill '#2f7a2c' -draw 'ellipse 620,600 380,230 180,360' \
  -fill '#b5472f' -draw 'rectangle 300,300 420,400' \
  -fill '#6b2a1a' -draw 'polygon 285,300 360,240 435,300' \
  -fill '#f4e9c9' -draw 'rectangle 345,345 375,400' \
  -fill white -stroke '#1d3d6b' -strokewidth 2 -pointsize 44 -draw "text 40,70 'Tarnwick'" \
  "$work/sample.png"
convert "$work/sample.png" "$work/sample.pcd"
printf '\010' | dd of="$work/sample.pcd" bs=1 seek=72 conv=notrunc 2>/dev/null
cp "$work/sample.pcd" "$here/sample.pcd"
