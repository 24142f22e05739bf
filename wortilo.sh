#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Wortilo in Release mode and starts it on the bundled pictures.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"
./tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --parallel "$(nproc)" --target wortilo
cd bilder
exec ../build/wortilo
