# SPDX-License-Identifier: MIT
# Sourced by test.sh and bench/run.sh: starts a PulseAudio server of their own with a null sink,
# in a private runtime folder, so that what is played there never reaches a desktop's speakers,
# and exports PULSE_SERVER and WORTILO_TEST_PULSE_SERVER naming it. It is stopped by its PID when
# the sourcing script ends, whatever happens.
sound_dir="$(mktemp -d)"
mkdir -m 700 "$sound_dir/runtime" "$sound_dir/runtime/pulse" "$sound_dir/home"
sound_server="unix:$sound_dir/runtime/pulse/native"
sound_pid=""
stop_sound_server() {
  if [ -n "$sound_pid" ]; then
    kill "$sound_pid" 2>/dev/null || true
    wait "$sound_pid" 2>/dev/null || true
  fi
  rm -rf "$sound_dir"
}
trap stop_sound_server EXIT
XDG_RUNTIME_DIR="$sound_dir/runtime" PULSE_RUNTIME_PATH="$sound_dir/runtime/pulse" HOME="$sound_dir/home" \
  pulseaudio --daemonize=no --exit-idle-time=-1 -n --disable-shm=yes --log-target=file:"$sound_dir/pulse.log" \
  --load="module-null-sink sink_name=wortilo_null" \
  --load="module-native-protocol-unix auth-anonymous=1 socket=$sound_dir/runtime/pulse/native" &
sound_pid=$!
for _ in $(seq 50); do
  PULSE_SERVER="$sound_server" pactl info >/dev/null 2>&1 && break
  sleep 0.1
done
export PULSE_SERVER="$sound_server" WORTILO_TEST_PULSE_SERVER="$sound_server"
