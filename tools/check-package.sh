#!/usr/bin/env bash
# Checks the desktop files, or with --deb the whole Debian package: built by
# cpack, clean for lintian (no error), unpacked with dpkg-deb -x into a
# scratch folder, and started from there (in a network namespace of its own,
# so it broadcasts nowhere) until it serves /list.
#   tools/check-package.sh <build dir> [--deb]
# Exit 77: the check cannot run here (no root for the namespace).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "$1" && pwd)"
id=example.nuvovr.Corvane

desktop-file-validate "$top/packaging/$id.desktop"
appstreamcli validate --no-net --pedantic "$top/packaging/$id.metainfo.xml"
[ "${2:-}" = "--deb" ] || exit 0

[ "$(id -u)" -eq 0 ] || { echo "network namespaces need root"; exit 77; }
scratch="$(mktemp -d)"
ns="corvane-pkg-$$"
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
  ip netns del "$ns" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out" > "$scratch/cpack.log") || { cat "$scratch/cpack.log"; exit 1; }
deb="$(ls "$scratch"/out/corvane_*.deb)"
dpkg-deb -I "$deb" | grep -E '^ (Depends|Recommends):'
lintian --tag-display-limit 0 "$deb" > "$scratch/lintian.log" 2>&1 || true
cat "$scratch/lintian.log"
if grep -q '^E:' "$scratch/lintian.log"; then echo "lintian reports errors"; exit 1; fi

dpkg-deb -x "$deb" "$scratch/root"
ip netns add "$ns"
ip netns exec "$ns" ip link set lo up
mkdir -p "$scratch/data"
XDG_DATA_HOME="$scratch/data" QT_QPA_PLATFORM=offscreen \
  ip netns exec "$ns" "$scratch/root/usr/bin/corvane" > "$scratch/run.log" 2>&1 &
pid=$!
for _ in $(seq 1 100); do
  port="$(sed -n 's/^serverPort=//p' "$scratch/data/NuvoVR/Brindlecast/Corvane.ini" 2>/dev/null || true)"
  if [ -n "$port" ] && [ "$port" != 0 ] \
     && body="$(ip netns exec "$ns" curl -sf --max-time 5 "http://127.0.0.1:$port/list")"; then
    echo "the unpacked program serves /list on port $port: $body"
    exit 0
  fi
  sleep 0.2
done
echo "the unpacked program never served /list"; cat "$scratch/run.log"; exit 1
