#!/bin/sh
# Builds the room file fuzzer with clang in build-fuzz/ and runs it for a
# bounded time (FUZZ_SECONDS, default 60) on a copy of the seed corpus, so the
# committed seeds stay small. Exits non-zero when the fuzzer finds a crash;
# the crashing input is kept in build-fuzz/nalezy/.
set -eu

koren=$(cd "$(dirname "$0")/.." && pwd)
sestaveni="$koren/build-fuzz"

cmake -S "$koren" -B "$sestaveni" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DVINULA_FUZZ=ON -DVINULA_TESTS=OFF -DVINULA_SANITIZE=OFF
cmake --build "$sestaveni" --target fuzz_roomfile -j2

korpus=$(mktemp -d)
trap 'rm -rf "$korpus"' EXIT INT TERM
cp "$koren"/fuzz/corpus/* "$korpus"/
mkdir -p "$sestaveni/nalezy"

if ! "$sestaveni/bin/fuzz_roomfile" -max_total_time="${FUZZ_SECONDS:-60}" -max_len=4096 \
    -print_final_stats=1 -artifact_prefix="$sestaveni/nalezy/" "$korpus"; then
    echo "fuzz_roomfile found a crash; the input is in $sestaveni/nalezy/" >&2
    exit 1
fi
