#!/usr/bin/env bash
# The sound tests again on a sound server that takes several streams (a private PulseAudio with a null
# sink): there the tune has a device of its own. Skipped (77) where PulseAudio is not installed.
# SDL_AUDIODRIVER unset, the game reaches it as a player's would, past PipeWire's driver: absent, or a bare
# PipeWire beside it with no output, as one running only for screen sharing.
# Usage: son_serveur.sh TEST_PLATFORM
set -uo pipefail
command -v pulseaudio >/dev/null || { echo "pulseaudio absent"; exit 77; }
dossier="$(mktemp -d)"
export XDG_RUNTIME_DIR="$dossier" HOME="$dossier" PULSE_RUNTIME_PATH="$dossier/pulse"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
    -L module-null-sink -L module-native-protocol-unix >"$dossier/journal" 2>&1 &
serveur=$!
pipewire=""
if command -v pipewire >/dev/null; then
    DBUS_SESSION_BUS_ADDRESS=disabled: pipewire >"$dossier/journal-pipewire" 2>&1 &
    pipewire=$!
fi
trap 'kill $serveur $pipewire 2>/dev/null; wait $serveur $pipewire 2>/dev/null; rm -rf "$dossier"' EXIT
for _ in $(seq 300); do [ -S "$dossier/pulse/native" ] && break; sleep 0.1; done
if [ ! -S "$dossier/pulse/native" ]; then
    echo "le serveur de son n'a pas démarré :"
    cat "$dossier/journal"
    exit 1
fi
[ -z "$pipewire" ] || for _ in $(seq 100); do [ -S "$dossier/pipewire-0" ] && break; sleep 0.1; done
lance() {
    env -u SDL_AUDIODRIVER -u PULSE_SERVER -u PIPEWIRE_REMOTE -u PIPEWIRE_RUNTIME_DIR TLV_SON_SERVEUR=1 \
        "$1" --gtest_filter='Veille.*'
}
# A server starved by a loaded machine can miss its deadlines and refuse a stream: one more try, the
# first one's report kept above; a fault of ours fails both.
lance "$1" && exit 0
echo "nouvel essai, après l'échec ci-dessus ; journal du serveur :"
cat "$dossier/journal"
lance "$1"
