#!/usr/bin/env bash
# Installs the dependencies, builds, and makes the Debian package
# build/corvane_<version>_amd64.deb (install it with apt, see the README).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$top/build}"
bash "$top/tools/deps.sh"
bash "$top/tools/build.sh"
cd "$build"
cpack -G DEB
ls "$build"/corvane_*.deb
