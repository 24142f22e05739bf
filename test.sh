#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds everything and runs every test through CTest: first as built
# normally (build-test), then built with AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan), where any sanitizer report fails its test.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"
./tools/install-deps.sh

# A sound server of the tests' own (PulseAudio with a null sink) for both suites; the tests that
# need it fail when WORTILO_TEST_PULSE_SERVER is set but the server does not answer.
. tools/sound-server.sh

# suite <build folder> <cmake options...>: configure, build and run every test.
suite() {
  local dir="$1"
  shift
  cmake -S . -B "$dir" "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)"
  (cd "$dir" && ctest --output-on-failure --timeout 300 -j"$(nproc)")
}

suite build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWORTILO_WERROR=ON

# A leak, an invalid access or undefined behaviour ends the test with an error.
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
suite build-asan -DCMAKE_BUILD_TYPE=Debug -DWORTILO_SANITIZE=ON -DWORTILO_WERROR=ON
