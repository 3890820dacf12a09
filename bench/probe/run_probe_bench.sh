#!/bin/sh
# Probe + poster time per file: our probe (bench/probe/probe_bench, linking
# corvane_core) against ffmpegthumbnailer -s 212 on the same 20 generated
# files, in one run. Prints the per-file times and the ratio.
#
#   bench/probe/run_probe_bench.sh [build dir]     (default /tmp/build-corvane)
set -eu

build=${1:-/tmp/build-corvane}
driver="$build/bin/probe_bench"
if [ ! -x "$driver" ]; then
    cmake --build "$build" --target probe_bench
fi
if ! command -v ffmpegthumbnailer >/dev/null 2>&1; then
    apt-get install -y ffmpegthumbnailer >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
mkdir -p "$work/videos" "$work/ours" "$work/theirs"

# 20 files: four codecs/containers, five lengths each, 640x360, a key
# frame every second.
ramp() { # name seconds codec-args...
    name=$1; seconds=$2; shift 2
    ffmpeg -hide_banner -nostdin -loglevel error -y -f lavfi \
        -i "testsrc2=s=640x360:r=25:d=$seconds" "$@" "$work/videos/$name"
}
n=0
for seconds in 4 8 12 16 20; do
    ramp "h264_$seconds.mp4" "$seconds" -c:v libx264 -preset veryfast -g 25 -pix_fmt yuv420p
    ramp "hevc_$seconds.mkv" "$seconds" -c:v libx265 -preset ultrafast -pix_fmt yuv420p \
        -x265-params log-level=error:keyint=25
    ramp "vp9_$seconds.webm" "$seconds" -c:v libvpx-vp9 -deadline realtime -cpu-used 8 -g 25 -pix_fmt yuv420p
    ramp "mpeg4_$seconds.avi" "$seconds" -c:v mpeg4 -q:v 4 -g 25
    n=$((n + 4))
done

now_us() { echo $(( $(date +%s%N) / 1000 )); }

# Warm the page cache and the loaders once for both tools.
for f in "$work"/videos/*; do cat "$f" >/dev/null; done
"$driver" "$work/ours" "$work/videos/h264_4.mp4" >/dev/null
ffmpegthumbnailer -s 212 -i "$work/videos/h264_4.mp4" -o "$work/theirs/warm.png" >/dev/null 2>&1

# One process per file for both, so start-up is counted alike.
start=$(now_us)
for f in "$work"/videos/*; do
    "$driver" "$work/ours" "$f" >/dev/null
done
ours=$(( $(now_us) - start ))

start=$(now_us)
for f in "$work"/videos/*; do
    b=$(basename "$f")
    ffmpegthumbnailer -s 212 -i "$f" -o "$work/theirs/${b%.*}.png" >/dev/null 2>&1
done
theirs=$(( $(now_us) - start ))

# Our probe alone, all files in one process (no start-up).
inproc=$("$driver" "$work/ours" "$work"/videos/* | awk '/^total_us/ {print $2}')

made=$(ls "$work/ours" | wc -l)
echo "files:                          $n (posters made: $made)"
echo "ours, one process per file:     $((ours / n)) us per file"
echo "ffmpegthumbnailer -s 212:       $((theirs / n)) us per file"
echo "ours, in one process:           $((inproc / n)) us per file"
awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "ratio ours/ffmpegthumbnailer:   %.2f\n", a / b }'
