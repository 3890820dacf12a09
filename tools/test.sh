#!/usr/bin/env bash
# Installs the dependencies, builds, and runs every test through ctest; then
# the same suite under AddressSanitizer + UndefinedBehaviorSanitizer, the
# server, probe and library tests under ThreadSanitizer, and each fuzz target
# for a bounded time (tools/check-sanitizers.sh, tools/check-fuzz.sh).
# CORVANE_QUICK=1 runs the plain suite only.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$top/build}"
bash "$top/tools/deps.sh"
bash "$top/tools/build.sh"
(cd "$build" && ctest --output-on-failure --timeout 900 "$@")
if [[ "${CORVANE_QUICK:-0}" != 1 ]]; then
  bash "$top/tools/check-sanitizers.sh"
  bash "$top/tools/check-fuzz.sh"
fi
