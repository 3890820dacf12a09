#!/usr/bin/env bash
# Configures and builds into ./build (or $BUILD_DIR).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$top/build}"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_WERROR=ON "${launcher[@]}" "$@"
cmake --build "$build" -j"$(nproc)"
