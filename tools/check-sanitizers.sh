#!/usr/bin/env bash
# The test suite under AddressSanitizer + UndefinedBehaviorSanitizer
# (./build-asan, every test), and the server, probe and library tests under
# ThreadSanitizer (./build-tsan). Suppressions, each with its reason, are in
# tools/sanitizers/. Pass "asan" or "tsan" to run only one of them.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
which="${1:-all}"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
supp="$top/tools/sanitizers"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$supp/ubsan.supp"

if [[ "$which" == all || "$which" == asan ]]; then
  build="${ASAN_BUILD_DIR:-$top/build-asan}"
  cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_WERROR=ON \
    -DCORVANE_SANITIZE=address,undefined "${launcher[@]}" >/dev/null
  cmake --build "$build" -j"$(nproc)"
  # The telemetry library installs its own crash handler, which the tests
  # check: ASan leaves fatal signals to it.
  ASAN_OPTIONS="detect_leaks=1:allow_user_segv_handler=1:handle_segv=0:handle_abort=0:handle_sigbus=0:handle_sigfpe=0:handle_sigill=0" \
  LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0" \
    ctest --test-dir "$build" --output-on-failure --timeout 1800 -j"$(nproc)"
fi

if [[ "$which" == all || "$which" == tsan ]]; then
  build="${TSAN_BUILD_DIR:-$top/build-tsan}"
  cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_WERROR=ON \
    -DCORVANE_SANITIZE=thread "${launcher[@]}" >/dev/null
  cmake --build "$build" -j"$(nproc)" --target server_http server_routes server_port tst_library
  TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$supp/tsan.supp" \
    ctest --test-dir "$build" --output-on-failure --timeout 1800 -R '^(server_http|server_routes|server_port|tst_library)$'
fi
