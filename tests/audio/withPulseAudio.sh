#!/usr/bin/env bash
# Runs a command against a private PulseAudio server: a null sink and a pipe
# source (16-bit stereo at 44100 Hz, so the server passes sound on in short
# pieces) as the default input, whose pipe the command finds in
# VARNEL_PULSE_PIPE. The server is started here and stopped by its
# process id.
set -euo pipefail
dir=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$dir"
}
trap cleanup EXIT
cat > "$dir/server.pa" <<PA
load-module module-native-protocol-unix socket=$dir/native auth-anonymous=1
load-module module-null-sink sink_name=varnel_null
load-module module-pipe-source source_name=varnel_pipe file=$dir/capture.fifo format=s16le rate=44100 channels=2
set-default-source varnel_pipe
set-default-sink varnel_null
PA
# Nothing of the user's own sound set-up is read or touched.
export HOME="$dir" XDG_RUNTIME_DIR="$dir" PULSE_RUNTIME_PATH="$dir/runtime" PULSE_STATE_PATH="$dir/state"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no -F "$dir/server.pa" \
  --log-target=file:"$dir/server.log" &
pid=$!
for _ in $(seq 1 200); do
  [ -S "$dir/native" ] && break
  kill -0 "$pid" 2>/dev/null || { cat "$dir/server.log" >&2; exit 1; }
  sleep 0.05
done
export PULSE_SERVER="unix:$dir/native" VARNEL_PULSE_PIPE="$dir/capture.fifo"
"$@"
