#!/usr/bin/env bash
# tools/monkey.sh [INPUTS] [SEED]: a long monkey run (100000 inputs, seed 1 by default) of the program
# built with AddressSanitizer and UBSan (in build-asan/, built if needed): random robot scripts from the
# launcher through every screen. Prints inputs, time, the screens reached and what was found; the scripts
# that failed are kept in build-asan/singe-SEED/. Exit 1 when anything was found.
set -euo pipefail
cd "$(dirname "$0")/.."
entrees="${1:-100000}"
graine="${2:-1}"
lanceur=()
command -v ccache >/dev/null && lanceur=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
if [ ! -f build-asan/CMakeCache.txt ]; then
    cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTLV_SANITIZE=ON "${lanceur[@]}" >/dev/null
fi
cmake --build build-asan -j"$(nproc)" --target tolvanex donnees singe >/dev/null
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
build-asan/bin/singe "$entrees" "$graine" build-asan/bin/tolvanex "build-asan/singe-$graine" --exige-ecrans --progres
