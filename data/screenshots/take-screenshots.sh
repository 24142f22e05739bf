#!/bin/sh
# SPDX-License-Identifier: MIT
# Takes the software-centre screenshots from the real program: the main window and the article
# exercise ("Begleiter"), each as the window alone. Needs xvfb, xdotool and imagemagick.
#
#   xvfb-run -a -s "-screen 0 1280x1024x24" data/screenshots/take-screenshots.sh build/wortilo
set -eu
here=$(cd "$(dirname "$0")" && pwd)
bin=$(readlink -f "${1:?usage: take-screenshots.sh <program>}")
home=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; rm -rf "$home"' EXIT

# A fresh user with the bundled pictures, started the way the launcher starts it.
HOME=$home WORTILO_BIN=$bin WORTILO_SEED=$here/../../bilder sh "$here/../wortilo-launcher.sh.in" &
pid=$!
main=$(xdotool search --sync --onlyvisible --name 'Menü' | head -1)
sleep 1
import -window "$main" +repage -strip "$here/hauptfenster.png"

# "Begleiter", the second button of the fourth column.
xdotool mousemove --window "$main" 416 297 click 1
exercise=$(xdotool search --sync --onlyvisible --name 'Begleiter' | head -1)
sleep 1
import -window "$exercise" +repage -strip "$here/begleiter.png"
