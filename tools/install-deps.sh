#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages Wortilo needs to build, run and test, but only those that are missing.
# Fonts: Andika (a face for beginning readers) for the program's own text, DejaVu where it is
# missing and for the desktop's message boxes; for text in metafiles the faces Windows pictures name,
# Liberation (same widths as Arial, Times New Roman, Courier New) and WenQuanYi Micro Hei (Chinese,
# Japanese and Korean text in the test pictures). tools/fonts-fresh.conf limits a run to these.
# poppler-utils: pdftotext reads back the printed usage view in its test.
# Speech: libsndfile reads recordings, eSpeak NG's German voice speaks the rest, PulseAudio's
# simple API plays them; the tests play into a PulseAudio server of their own and record it with
# parecord.
# With arguments, installs those packages instead (the picture and icon generators use this).
set -euo pipefail
packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libfontconfig-dev
  qt6-translations-l10n
  fonts-sil-andika
  fonts-dejavu-core
  fonts-liberation2
  fonts-wqy-microhei
  desktop-file-utils appstream
  python3
  dpkg-dev file
  poppler-utils
  libsndfile1-dev libespeak-ng-dev espeak-ng-data libpulse-dev
  pulseaudio pulseaudio-utils
)
if (($#)); then
  packages=("$@")
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
