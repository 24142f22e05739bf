#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds everything and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"
./tools/install-deps.sh
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-test --parallel "$(nproc)"
cd build-test
ctest --output-on-failure --timeout 300 -j"$(nproc)"
