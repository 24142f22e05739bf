#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Wortilo in Release mode and prints its benchmark table, under
# a virtual X server of its own. Arguments go to the table, e.g. --compare <another wortilo build>.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."
./tools/install-deps.sh
./tools/install-deps.sh xvfb xauth libxcb1-dev libxcb-damage0-dev
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench --parallel "$(nproc)" --target wortilo_bench >/dev/null
# The speech rows play into a null sink of their own.
. tools/sound-server.sh
xvfb-run -a -s "-screen 0 1280x1024x24" build-bench/bench/wortilo_bench "$@"
