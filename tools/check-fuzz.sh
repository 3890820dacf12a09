#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into ./build-fuzz (or $FUZZ_BUILD_DIR)
# and runs each one for $CORVANE_FUZZ_SECONDS seconds (60) through ctest, from
# libFuzzer seed $CORVANE_FUZZ_SEED (1, replayable; 0 for a new seed each run).
# A finding stops the run and leaves its input as build-fuzz/tests/fuzz/<target>-crash-*.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${FUZZ_BUILD_DIR:-$top/build-fuzz}"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang-14 \
  -DCMAKE_CXX_COMPILER=clang++-14 -DCORVANE_FUZZ=ON -DCORVANE_FUZZ_SECONDS="${CORVANE_FUZZ_SECONDS:-60}" \
  -DCORVANE_FUZZ_SEED="${CORVANE_FUZZ_SEED:-1}" \
  "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" --target corvane_fuzz
ctest --test-dir "$build" -L fuzz --output-on-failure
