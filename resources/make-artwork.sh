#!/usr/bin/env bash
# Draws the installer's own pictures with ImageMagick (run once; the
# results are kept beside this script):
#   banner.jpg          120 x 280, baseline JPEG, three colour components
#   folder-closed.bmp   16 x 16, 24-bit, magenta where transparent
#   folder-open.bmp     16 x 16, the same, opened
set -euo pipefail
cd "$(dirname "$0")"
convert -size 120x280 gradient:'#00a0a0'-'#003048' \
  -fill '#ffffff30' -draw 'circle 95,40 95,95' -draw 'circle 20,230 20,275' \
  -fill '#ffffff' -stroke '#004050' -strokewidth 1 \
  -draw 'roundrectangle 30,60 90,140 6,6' \
  -fill '#e8f4f4' -draw 'line 60,66 60,134' \
  -stroke '#7aa' -draw 'line 38,76 54,76' -draw 'line 38,86 54,86' -draw 'line 38,96 54,96' \
  -draw 'line 66,76 82,76' -draw 'line 66,86 82,86' -draw 'line 66,96 82,96' \
  -stroke none -fill white -font DejaVu-Sans-Bold -pointsize 19 -gravity south -annotate +0+70 'Lexovant' \
  -font DejaVu-Sans -pointsize 11 -annotate +0+52 'Setup' \
  -type TrueColor -colorspace sRGB -interlace none -sampling-factor 2x2,1x1,1x1 -quality 90 -strip \
  banner.jpg
folder() {  # folder NAME FRONT-POLYGON FRONT-COLOUR
  convert -size 16x16 xc:'#ff00ff' \
    -fill '#c89000' -stroke '#805800' -draw 'polygon 1,3 6,3 7,5 14,5 14,13 1,13' \
    -fill "$3" -draw "polygon $2" \
    -type TrueColor -define bmp:format=bmp3 "BMP3:$1"
}
folder folder-closed.bmp '1,6 14,6 14,13 1,13' '#f8c838'
folder folder-open.bmp '3,7 15,7 13,13 1,13' '#fde08a'
