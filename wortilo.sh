#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Wortilo in Release mode and starts it the way the installed
# launcher does: in the per-user picture folder, seeded from bilder/ on the first start.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"
./tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --parallel "$(nproc)" --target wortilo
# Started the way the installed program starts: in the user's own picture folder
# (${XDG_DATA_HOME:-~/.local/share}/wortilo), filled from bilder/ on the first start, so that
# running it never changes the checkout.
export WORTILO_SEED="$PWD/bilder" WORTILO_BIN="$PWD/build/wortilo"
exec sh data/wortilo-launcher.sh.in
