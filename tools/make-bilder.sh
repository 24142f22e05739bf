#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Regenerates bilder/, Wortilo's bundled picture vocabulary, from the table tools/bilder.tsv and
# the flat emoji of a pinned version of the npm package fluentui-emoji (MIT licence).
#
#   tools/make-bilder.sh            rebuild every picture, WORTILO.INI and LIZENZ.txt
#
# To add a word: add a line to tools/bilder.tsv (article, noun, emoji name, format, orientation)
# and run this script. It first checks every article against Debian's German-English dictionary
# (trans-de-en) and stops, changing nothing, when one is not confirmed (see tools/bild-artikel.py
# for the exception lines). It needs npm and Debian's librsvg2-bin, imagemagick, inkscape, python3
# and trans-de-en (installed here if missing); the result does not depend on the time or the machine.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."

PACKAGE=fluentui-emoji
VERSION=1.3.0
SHA1=d0e7c7f37d9a93199ef8753b3dcffef6a189c743   # of the npm tarball, as published
BACKGROUND='#fffaf0'
# Debian's ImageMagick, by full path: another "convert" may come first in PATH.
MAGICK=/usr/bin/convert
DICTIONARY=/usr/share/trans/de-en

need=()
for tool in rsvg-convert:librsvg2-bin "$MAGICK":imagemagick inkscape:inkscape python3:python3 npm:npm; do
  command -v "${tool%%:*}" >/dev/null || need+=("${tool#*:}")
done
[ -f "$DICTIONARY" ] || need+=(trans-de-en)
((${#need[@]} == 0)) || tools/install-deps.sh "${need[@]}"

python3 tools/bild-artikel.py tools/bilder.tsv "$DICTIONARY" ||
  { echo "tools/bilder.tsv: articles not confirmed by $DICTIONARY, bilder/ left as it is" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack --silent "$PACKAGE@$VERSION" >/dev/null)
tarball="$work/$PACKAGE-$VERSION.tgz"
echo "$SHA1  $tarball" | sha1sum -c --quiet -
tar -xzf "$tarball" -C "$work"
emoji="$work/package/icons/flat"

# Inkscape wants a writable home for its preferences; keep it out of the user's.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_CACHE_HOME="$work/home/.cache"
mkdir -p "$HOME"
export LC_ALL=C.UTF-8 SOURCE_DATE_EPOCH=0

find bilder -maxdepth 1 -type f \( -iname '*.bmp' -o -iname '*.jpg' -o -iname '*.gif' -o -iname '*.wmf' \) -delete
mkdir -p bilder

sources=()
while IFS=$'\t' read -r article noun name format orientation; do
  [[ -z "$article" || "$article" == \#* || "$article" == exception ]] && continue
  src="$emoji/$name.svg"
  [ -f "$src" ] || { echo "$PACKAGE@$VERSION has no flat emoji '$name'" >&2; exit 1; }
  case "$orientation" in
    L) w=353 h=257 ;;
    P) w=257 h=353 ;;
    *) echo "orientation of $noun must be L or P" >&2; exit 1 ;;
  esac
  out="bilder/$article$noun.$format"
  # The visible content's bounding box, measured on a 1024 x 1024 rendering of the 32 x 32 emoji.
  rsvg-convert -w 1024 -h 1024 "$src" -o "$work/measure.png"
  geometry=$("$MAGICK" "$work/measure.png" -format '%@' info:)   # WxH+X+Y
  read -r bw bh bx by <<<"${geometry//[x+]/ }"
  box=$(awk -v w="$bw" -v h="$bh" -v x="$bx" -v y="$by" \
    'BEGIN { printf "%.4f %.4f %.4f %.4f", x / 32, y / 32, w / 32, h / 32 }')
  # shellcheck disable=SC2086  # box is four numbers
  python3 tools/bild-svg.py "$src" "$w" "$h" $box >"$work/bild.svg"
  rsvg-convert "$work/bild.svg" -o "$work/bild.png"
  flat=("$MAGICK" "$work/bild.png" -background "$BACKGROUND" -alpha remove -alpha off -strip)
  case "$format" in
    bmp) "${flat[@]}" -dither None -colors 256 -type Palette -compress None "BMP3:$out" ;;
    gif) "${flat[@]}" -dither None -colors 256 "GIF:$out" ;;
    jpg) "${flat[@]}" -quality 92 -sampling-factor 1x1 "JPEG:$out" ;;
    wmf) inkscape --export-type=wmf --export-filename="$work/bild.wmf" "$work/bild.svg" 2>/dev/null
         mv "$work/bild.wmf" "$out" ;;
    *) echo "format of $noun must be bmp, jpg, gif or wmf" >&2; exit 1 ;;
  esac
  sources+=("$(printf '%-26s %s.svg' "$article$noun.$format" "$name")")
done <tools/bilder.tsv

# The settings file in the program's own format: nine numbers (the defaults) and the selected
# letters, all 30 of them, in Windows-1252, every line ended by CR LF.
{
  printf ' %s \r\n' 1 0 0 1 10 12 0 0 0
  printf 'AÄBCDEFGHIJKLMNOÖPQRSßTUÜVWXYZ' | iconv -f UTF-8 -t WINDOWS-1252
  printf '\r\n'
} >bilder/WORTILO.INI

{
  cat <<EOF
Bilder / Pictures
=================

Die Bilder in diesem Ordner sind aus den flachen ("flat") Emoji des npm-Pakets
$PACKAGE $VERSION gemacht, das die Fluent Emoji von Microsoft enthält. Sie wurden
von tools/make-bilder.sh auf einen hellen Hintergrund gesetzt und in BMP, JPEG, GIF und WMF
umgewandelt. Es gilt die MIT-Lizenz (unten).

The pictures in this folder are made from the flat emoji of the npm package
$PACKAGE $VERSION, which packages Microsoft's Fluent Emoji. tools/make-bilder.sh put them on a
light background and converted them to BMP, JPEG, GIF and WMF. They are under the MIT licence
(below).

Fluent Emoji: Copyright (c) Microsoft Corporation, MIT License.
npm package $PACKAGE:
EOF
  sed 's/^/    /' "$work/package/LICENSE"
  printf '\nBild / picture             Emoji (icons/flat/ in %s %s)\n' "$PACKAGE" "$VERSION"
  printf '%s\n' "${sources[@]}"
} >bilder/LIZENZ.txt

echo "bilder/: ${#sources[@]} pictures, $(du -sh bilder | cut -f1)"
