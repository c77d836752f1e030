#!/bin/sh
# Builds the fuzz targets with clang in build-fuzz/ and runs each for a
# bounded time (FUZZ_SECONDS, default 60) on a copy of its seed corpus, so
# the committed seeds stay small; FUZZ_TARGETS picks some of them. Exits
# non-zero when a target finds a fault; the input is kept in
# build-fuzz/nalezy/, each target's log in build-fuzz/zaznamy/.
set -eu

koren=$(cd "$(dirname "$0")/.." && pwd)
sestaveni="$koren/build-fuzz"
cile=${FUZZ_TARGETS:-"roomfile tmx json sada argumenty svet"}

cmake -S "$koren" -B "$sestaveni" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DVINULA_FUZZ=ON -DVINULA_TESTS=OFF -DVINULA_SANITIZE=OFF
for cil in $cile; do
    cmake --build "$sestaveni" --target "fuzz_$cil" -j2
done

docasna=$(mktemp -d)
trap 'rm -rf "$docasna"' EXIT INT TERM
mkdir -p "$sestaveni/nalezy" "$sestaveni/zaznamy"
nalezeno=""
for cil in $cile; do
    cp -r "$koren/fuzz/corpus/$cil" "$docasna/$cil"
    slovnik=""
    case $cil in
    tmx | json | sada | svet) slovnik="-dict=$koren/fuzz/tiled.dict" ;;
    argumenty) slovnik="-dict=$koren/fuzz/argumenty.dict" ;;
    esac
    zaznam="$sestaveni/zaznamy/$cil.log"
    # shellcheck disable=SC2086 # no dictionary is no argument
    if ! ASAN_OPTIONS=detect_leaks=0 "$sestaveni/bin/fuzz_$cil" $slovnik \
        -max_total_time="${FUZZ_SECONDS:-60}" -print_final_stats=1 \
        -artifact_prefix="$sestaveni/nalezy/$cil-" "$docasna/$cil" >"$zaznam" 2>&1; then
        tail -n 40 "$zaznam" >&2
        nalezeno="$nalezeno $cil"
    fi
    # Runs, coverage and features of the run.
    echo "fuzz_$cil: $(grep -E '^(#[0-9]+[[:space:]]+DONE|Done)' "$zaznam" | tr '\n' ' ')"
done
if [ -n "$nalezeno" ]; then
    echo "fuzzing found faults in:$nalezeno; the inputs are in $sestaveni/nalezy/" >&2
    exit 1
fi
