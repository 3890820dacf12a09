#!/bin/sh
# Runs bench_headsets in a network namespace of its own (the side panel
# broadcasts as soon as it exists): sh bench/desktop/run_bench_headsets.sh build [seconds] [rounds]
set -eu
build="${1:-build}"
ns="corvane-bench-$$"
ip netns add "$ns"
trap 'ip netns del "$ns"' EXIT
ip netns exec "$ns" ip link set lo up
ip netns exec "$ns" "$build/bin/bench_headsets" "${2:-5}" "${3:-3}"
