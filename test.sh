#!/usr/bin/env bash
# Installs what is missing, builds and runs every test, then again with AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")"
. tools/paquets.sh
installe_paquets
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
jobs="$(nproc)"

# The Release build is laid out as the Debian package is, so its package test (label paquet) checks that.
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Release -DTLV_DEBIAN_GAMES=ON -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build-test -j"$jobs"
ctest --test-dir build-test --output-on-failure -j"$jobs"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTLV_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs" -LE paquet
