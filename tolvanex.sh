#!/usr/bin/env bash
# Installs what is missing, builds in Release and starts the game. Extra arguments go to the game.
set -euo pipefail
cd "$(dirname "$0")"
. tools/paquets.sh
installe_paquets
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTLV_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)"
exec build/bin/tolvanex "$@"
