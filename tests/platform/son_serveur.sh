#!/usr/bin/env bash
# The sound tests again on a sound server that takes several streams (a private PulseAudio with a null
# sink): there the tune has a device of its own. Skipped (77) where PulseAudio is not installed.
# Usage: son_serveur.sh TEST_PLATFORM
set -uo pipefail
command -v pulseaudio >/dev/null || { echo "pulseaudio absent"; exit 77; }
dossier="$(mktemp -d)"
export XDG_RUNTIME_DIR="$dossier" HOME="$dossier" PULSE_RUNTIME_PATH="$dossier/pulse"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
    -L module-null-sink -L module-native-protocol-unix >"$dossier/journal" 2>&1 &
serveur=$!
trap 'kill "$serveur" 2>/dev/null; wait "$serveur" 2>/dev/null; rm -rf "$dossier"' EXIT
for _ in $(seq 100); do [ -S "$dossier/pulse/native" ] && break; sleep 0.1; done
if [ ! -S "$dossier/pulse/native" ]; then
    echo "le serveur de son n'a pas démarré :"
    cat "$dossier/journal"
    exit 1
fi
TLV_SON_SERVEUR=1 SDL_AUDIODRIVER=pulseaudio "$1" --gtest_filter='Veille.*'
