#!/bin/sh
# Probe + poster time and peak memory: our probe (bench/probe/probe_bench,
# linking corvane_core) against ffmpegthumbnailer -s 212 on the same 20
# generated files and on 5.7K 10-bit HEVC files, in one run. Prints the
# figures, the ratios and the machine's load.
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
if [ ! -x /usr/bin/time ]; then
    apt-get install -y time >/dev/null
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

# The 5.7K 10-bit HEVC of a VR camera, a few seconds: with x265's own
# defaults (open GOP: the key frame in the middle is a CRA picture) and
# with closed GOPs (every key frame an IDR picture). Kept out of the repo.
big() { # name x265-params
    ffmpeg -hide_banner -nostdin -loglevel error -y -f lavfi -i "testsrc2=s=5760x2880:r=10:d=4" \
        -c:v libx265 -preset ultrafast -pix_fmt yuv420p10le -x265-params "log-level=error:keyint=10$2" \
        "$work/big/$1"
}
mkdir -p "$work/big"
big hevc10_5760x2880_open.mkv ""
big hevc10_5760x2880_closed.mkv ":no-open-gop=1"

now_us() { echo $(( $(date +%s%N) / 1000 )); }

# Runs one process under /usr/bin/time, adding its peak resident set (KiB)
# to the file given first; its output is thrown away.
measured() { # rss-file command...
    out=$1; shift
    /usr/bin/time -f %M -a -o "$out" "$@" >/dev/null 2>&1
}
peak() { sort -n "$1" | tail -1; }

# Warm the page cache and the loaders once for both tools.
for f in "$work"/videos/* "$work"/big/*; do cat "$f" >/dev/null; done
"$driver" "$work/ours" "$work/videos/h264_4.mp4" >/dev/null
ffmpegthumbnailer -s 212 -i "$work/videos/h264_4.mp4" -o "$work/theirs/warm.png" >/dev/null 2>&1

# One process per file for both, so start-up is counted alike; the two
# take turns file by file, so a change in the machine's load falls on both.
ours=0
theirs=0
for f in "$work"/videos/*; do
    b=$(basename "$f")
    start=$(now_us)
    measured "$work/ours.rss" "$driver" "$work/ours" "$f"
    middle=$(now_us)
    measured "$work/theirs.rss" ffmpegthumbnailer -s 212 -i "$f" -o "$work/theirs/${b%.*}.png"
    ours=$((ours + middle - start))
    theirs=$((theirs + $(now_us) - middle))
done

# Our probe alone, all files in one process (no start-up).
inproc=$("$driver" "$work/ours" "$work"/videos/* | awk '/^total_us/ {print $2}')

made=$(ls "$work/ours" | wc -l)
uptime
echo "files:                          $n (posters made: $made)"
echo "ours, one process per file:     $((ours / n)) us per file, peak $(peak "$work/ours.rss") KiB"
echo "ffmpegthumbnailer -s 212:       $((theirs / n)) us per file, peak $(peak "$work/theirs.rss") KiB"
echo "ours, in one process:           $((inproc / n)) us per file"
awk -v a="$ours" -v b="$theirs" -v m="$(peak "$work/ours.rss")" -v t="$(peak "$work/theirs.rss")" \
    'BEGIN { printf "ratio ours/ffmpegthumbnailer:   time %.2f, peak memory %.2f\n", a / b, m / t }'

# The large files, three runs each, the best time and the largest peak.
for f in "$work"/big/*; do
    b=$(basename "$f")
    for tool in ours theirs; do
        rm -f "$work/$tool.rss"
        best=0
        for run in 1 2 3; do
            start=$(now_us)
            if [ $tool = ours ]; then
                measured "$work/$tool.rss" "$driver" "$work/ours" "$f"
            else
                measured "$work/$tool.rss" ffmpegthumbnailer -s 212 -i "$f" -o "$work/theirs/${b%.*}.png"
            fi
            took=$(( $(now_us) - start ))
            if [ $best -eq 0 ] || [ $took -lt $best ]; then best=$took; fi
        done
        eval "${tool}_us=$best ${tool}_kib=$(peak "$work/$tool.rss")"
    done
    echo "$b: ours $((ours_us / 1000)) ms ${ours_kib} KiB, ffmpegthumbnailer $((theirs_us / 1000)) ms ${theirs_kib} KiB"
    awk -v a="$ours_us" -v b="$theirs_us" -v m="$ours_kib" -v t="$theirs_kib" \
        'BEGIN { printf "  ratio ours/ffmpegthumbnailer: time %.2f, peak memory %.2f\n", a / b, m / t }'
done
uptime
