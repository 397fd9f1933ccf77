#!/usr/bin/env bash
# tools/fuzz.sh [SECONDS] [TARGET...]: builds the fuzz targets of tests/fuzz with clang's libFuzzer (in
# build-fuzz/, once) and runs each one SECONDS seconds (60 by default), one after the other, from its seed
# corpus. Prints executions, rate, corpus size and findings per target; the inputs that broke something
# are kept in build-fuzz/trouvailles/<target>/ (replay one: build-fuzz/bin/fuzz_<target> FILE).
# Exit 1 when anything was found.
set -euo pipefail
cd "$(dirname "$0")/.."
duree="${1:-60}"
shift || true
cibles=("$@")
[ ${#cibles[@]} -eq 0 ] && cibles=(scoresmemo scoresjong parties parametres plateaux tlvweb aide options robot nom)

if ! command -v clang++ >/dev/null; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq clang
fi
lanceur=()
command -v ccache >/dev/null && lanceur=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
if [ ! -f build-fuzz/CMakeCache.txt ]; then
    CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTLV_FUZZ=ON "${lanceur[@]}" >/dev/null
fi
cmake --build build-fuzz -j"$(nproc)" --target "${cibles[@]/#/fuzz_}" >/dev/null

export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
trouve=0
printf '%-11s %12s %9s %8s %10s\n' cible executions "exec/s" corpus trouvailles
for c in "${cibles[@]}"; do
    corpus="build-fuzz/corpus/$c" trouvailles="build-fuzz/trouvailles/$c"
    mkdir -p "$corpus" "$trouvailles"
    journal="build-fuzz/fuzz-$c.log"
    # The working corpus grows in build-fuzz; the seeds in the repository are only read.
    "build-fuzz/bin/fuzz_$c" -max_total_time="$duree" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$trouvailles/" "$corpus" "tests/fuzz/corpus/$c" >"$journal" 2>&1 || true
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$journal" | tail -1)
    vitesse=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$journal" | tail -1)
    n=$(find "$trouvailles" -type f | wc -l)
    [ "$n" -gt 0 ] && trouve=1
    printf '%-11s %12s %9s %8s %10s\n' "$c" "${execs:-?}" "${vitesse:-?}" "$(ls "$corpus" | wc -l)" "$n"
done
if [ "$trouve" -ne 0 ]; then
    echo "Trouvailles dans build-fuzz/trouvailles/ (journaux : build-fuzz/fuzz-<cible>.log)"
    exit 1
fi
