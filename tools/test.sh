#!/usr/bin/env bash
# Installs the dependencies, builds, and runs every test through ctest.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$top/build}"
bash "$top/tools/deps.sh"
bash "$top/tools/build.sh"
cd "$build"
ctest --output-on-failure --timeout 900 "$@"
