#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Regenerates Wortilo's application icon: a bold capital W (DejaVu Sans Bold) in gold on a dark blue
# square, the W the main window shows in its corner. data/wortilo.svg holds the W as a path, so it looks the same without the font;
# data/icons/wortilo-N.png are its renderings for the icon theme and the program's window icon.
#
#   tools/make-icons.sh
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."

need=()
for tool in rsvg-convert:librsvg2-bin inkscape:inkscape python3:python3; do
  command -v "${tool%%:*}" >/dev/null || need+=("${tool#*:}")
done
fc-list | grep -q 'DejaVuSans-Bold' || need+=(fonts-dejavu-core)
((${#need[@]} == 0)) || tools/install-deps.sh "${need[@]}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work" LC_ALL=C.UTF-8

SIZE=256          # user units of the icon
WIDTH=192         # width of the W: about what a 3/4-size bold W takes
BACKGROUND='#0000a0'
LETTER='#ffc800'

# 1. The W alone, as a path.
cat >"$work/w.svg" <<EOF
<svg xmlns="http://www.w3.org/2000/svg" width="$SIZE" height="$SIZE" viewBox="0 0 $SIZE $SIZE">
  <text id="w" x="0" y="200" font-family="DejaVu Sans" font-weight="bold" font-size="200">W</text>
</svg>
EOF
inkscape --export-text-to-path --export-plain-svg --export-filename="$work/w-path.svg" "$work/w.svg" 2>/dev/null
d=$(python3 - "$work/w-path.svg" <<'EOF'
import sys, xml.etree.ElementTree as ET
paths = [p.get("d") for p in ET.parse(sys.argv[1]).getroot().iter("{http://www.w3.org/2000/svg}path")]
assert len(paths) == 1, paths
print(paths[0])
EOF
)
# 2. Its bounding box, to centre it on the square.
read -r bx by bw bh <<<"$(inkscape --query-all "$work/w-path.svg" 2>/dev/null | awk -F, '$1 ~ /^path/ { print $2, $3, $4, $5; exit }')"
transform=$(awk -v x="$bx" -v y="$by" -v w="$bw" -v h="$bh" -v s="$SIZE" -v W="$WIDTH" 'BEGIN {
  k = W / w; printf "translate(%.3f %.3f) scale(%.5f)", (s - k * w) / 2 - k * x, (s - k * h) / 2 - k * y, k }')

cat >data/wortilo.svg <<EOF
<svg xmlns="http://www.w3.org/2000/svg" width="$SIZE" height="$SIZE" viewBox="0 0 $SIZE $SIZE">
  <title>Wortilo</title>
  <rect width="$SIZE" height="$SIZE" rx="24" fill="$BACKGROUND"/>
  <path fill="$LETTER" transform="$transform" d="$d"/>
</svg>
EOF

mkdir -p data/icons
for n in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$n" -h "$n" data/wortilo.svg -o "data/icons/wortilo-$n.png"
done
echo "data/wortilo.svg and data/icons/wortilo-{16,22,24,32,48,64,128,256}.png written"
