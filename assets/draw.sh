#!/usr/bin/env bash
# Draws the program's pictures with ImageMagick and icotool (Debian packages
# imagemagick and icoutils). The drawn files are committed; run this only to
# change them.
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

salmon='#FF6666'

# Minimize: a blue round button with a yellow arrow pointing down.
convert -size 488x488 xc:"$salmon" \
  -fill '#1f3fbf' -stroke '#0b1f6f' -strokewidth 14 -draw 'circle 244,244 244,28' \
  -stroke none -fill '#4f7fff' -draw 'ellipse 244,170 150,90 0,360' \
  -fill '#1f3fbf' -draw 'circle 244,270 244,80' \
  -fill '#ffd700' -stroke '#8a6d00' -strokewidth 8 \
  -draw 'polygon 204,110 284,110 284,250 354,250 244,380 134,250 204,250' \
  -resize 122x122 -quality 92 minimize.jpg

# Configure: a blue gear wheel.
gear=""
for i in $(seq 0 7); do
  a=$(echo "$i*45" | bc -l)
  gear+=" -draw \"rotate $a roundrectangle -34,-236 34,-150 10,10\""
done
eval convert -size 508x464 xc:"'$salmon'" -fill "'#1f4fcf'" -stroke "'#0b1f6f'" -strokewidth 6 \
  -draw "'translate 254,232 circle 0,0 0,170'" \
  "$(echo "$gear" | sed 's/rotate/translate 254,232 rotate/g')" \
  -fill "'$salmon'" -draw "'translate 254,232 circle 0,0 0,62'" \
  -stroke none -fill "'#6f9fff'" -draw "'translate 254,232 ellipse -40,-80 60,26 0,360'" \
  -resize 127x116\! -quality 92 configure.jpg

# Exit: a red disc with a white cross, five images at 4 and 8 bits per pixel.
exit_png() { # size colours file
  convert -size 384x384 xc:none \
    -fill '#d81e1e' -stroke '#7a0000' -strokewidth 22 -draw 'circle 192,192 192,18' \
    -stroke white -strokewidth 56 -draw 'line 118,118 266,266' -draw 'line 266,118 118,266' \
    -resize "$1x$1" -channel A -threshold 50% +channel +dither -colors "$2" "PNG32:$3"
}
exit_png 16 14 "$tmp/e16a.png"
exit_png 16 200 "$tmp/e16b.png"
exit_png 32 14 "$tmp/e32a.png"
exit_png 32 200 "$tmp/e32b.png"
exit_png 48 200 "$tmp/e48.png"
icotool -c -o exit.ico -b 4 "$tmp/e16a.png" -b 8 "$tmp/e16b.png" \
  -b 4 "$tmp/e32a.png" -b 8 "$tmp/e32b.png" -b 8 "$tmp/e48.png"

# Cube: three glossy cubes, blue, orange and green, one 128 x 128 image at 24
# bits per pixel.
cube() { # x y size top left right
  local x=$1 y=$2 s=$3 h=$(( $3 / 2 ))
  echo "-fill $4 -draw 'polygon $x,$y $((x + s)),$((y + h)) $x,$((y + s)) $((x - s)),$((y + h))'" \
       "-fill $5 -draw 'polygon $((x - s)),$((y + h)) $x,$((y + s)) $x,$((y + 2 * s)) $((x - s)),$((y + s + h))'" \
       "-fill $6 -draw 'polygon $x,$((y + s)) $((x + s)),$((y + h)) $((x + s)),$((y + s + h)) $x,$((y + 2 * s))'" \
       "-fill '#ffffff60' -draw 'ellipse $((x - s / 2)),$((y + s)) $((s / 5)),$((s / 3)) 0,360'"
}
eval convert -size 512x512 xc:none -stroke "'#00000080'" -strokewidth 4 \
  "$(cube 256 40 140 "'#8fb8ff'" "'#2f6fe0'" "'#1a4aa8'")" \
  "$(cube 150 220 120 "'#ffc680'" "'#f08a1a'" "'#b8620a'")" \
  "$(cube 362 220 120 "'#9be89b'" "'#2fb04a'" "'#1d7a31'")" \
  -resize 128x128 "PNG32:$tmp/cube.png"
icotool -c -o cube.ico -b 24 "$tmp/cube.png"

icotool -l exit.ico cube.ico
identify minimize.jpg configure.jpg
