#!/usr/bin/env bash
# Installs the dependencies, builds, and starts Corvane.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
bash "$top/tools/deps.sh"
bash "$top/tools/build.sh"
exec "${BUILD_DIR:-$top/build}/bin/Corvane" "$@"
