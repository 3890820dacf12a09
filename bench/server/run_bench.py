#!/usr/bin/python3
"""Side-by-side benchmark of the Corvane media server and nginx on 127.0.0.1.

Streams a 1 GiB file through /video in ranges (one client, then eight at
once), measures seek latency (1000 ranged requests at random offsets, connect
to first body byte) and /list with 10 000 items. Every loop is bounded and
only 127.0.0.1 is contacted. Prints each figure for both servers and the
ratio, and whether our goals are met.

    run_bench.py --driver <build>/bin/corvane_bench_server [--size-mib 1024]
"""

import argparse
import os
import random
import shutil
import socket
import statistics
import subprocess
import sys
import tempfile
import threading
import time

HOST = "127.0.0.1"


def free_port():
    with socket.socket() as s:
        s.bind((HOST, 0))
        return s.getsockname()[1]


def make_file(path, size):
    block = os.urandom(16 << 20)
    with open(path, "wb") as f:
        left = size
        while left > 0:
            n = min(left, len(block))
            f.write(block[:n])
            left -= n


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    ticks = os.sysconf("SC_CLK_TCK")
    return (int(fields[11]) + int(fields[12])) / ticks


def rss_kib(pid, key="VmRSS"):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith(key + ":"):
                return int(line.split()[1])
    return 0


class RssSampler(threading.Thread):
    def __init__(self, pid):
        super().__init__(daemon=True)
        self.pid, self.peak, self.stop = pid, 0, threading.Event()

    def run(self):
        while not self.stop.is_set():
            self.peak = max(self.peak, rss_kib(self.pid))
            time.sleep(0.02)


def curl_ranges(url, size, pieces):
    """argv of one curl that fetches the file in `pieces` sequential ranges."""
    step = size // pieces
    argv = ["curl", "-s", "-S", "--max-time", "300"]
    for i in range(pieces):
        first = i * step
        last = size - 1 if i == pieces - 1 else first + step - 1
        if i:
            argv.append("--next")
        argv += ["-s", "-S", "-o", "/dev/null", "-H", f"Range: bytes={first}-{last}",
                 "-w", "%{size_download}\\n", url]
    return argv


def stream(url, size, clients, pieces=16):
    """Runs `clients` curls at once; returns (wall seconds, per-client seconds, bytes)."""
    start = time.perf_counter()
    procs = []
    for _ in range(clients):
        procs.append((subprocess.Popen(curl_ranges(url, size, pieces), stdout=subprocess.PIPE),
                      time.perf_counter()))
    times, total = [], 0
    ends = {}
    pending = list(range(clients))
    while pending:
        for i in list(pending):
            p, _ = procs[i]
            if p.poll() is not None:
                ends[i] = time.perf_counter()
                pending.remove(i)
        time.sleep(0.002)
    for i, (p, t0) in enumerate(procs):
        out = p.stdout.read().decode()
        got = sum(int(x) for x in out.split())
        if p.returncode != 0 or got != size:
            raise RuntimeError(f"stream {i}: curl rc={p.returncode}, {got} of {size} bytes")
        total += got
        times.append(ends[i] - t0)
    return time.perf_counter() - start, times, total


def ranged_request(port, path, first, last):
    """Returns (seconds connect->first body byte, seconds connect->end)."""
    t0 = time.perf_counter()
    s = socket.create_connection((HOST, port), timeout=30)
    s.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
    s.sendall(f"GET {path} HTTP/1.1\r\nHost: {HOST}\r\nRange: bytes={first}-{last}\r\n"
              f"Connection: close\r\n\r\n".encode())
    data = b""
    first_byte = None
    want = last - first + 1
    body = 0
    head_end = -1
    while True:
        chunk = s.recv(1 << 20)
        if not chunk:
            break
        if head_end < 0:
            data += chunk
            head_end = data.find(b"\r\n\r\n")
            if head_end >= 0:
                body = len(data) - head_end - 4
                if body > 0:
                    first_byte = time.perf_counter()
        else:
            if first_byte is None:
                first_byte = time.perf_counter()
            body += len(chunk)
        if head_end >= 0 and body >= want:
            break
    s.close()
    end = time.perf_counter()
    if body != want:
        raise RuntimeError(f"range {first}-{last}: got {body} of {want} bytes")
    return first_byte - t0, end - t0


def get(port, path):
    t0 = time.perf_counter()
    s = socket.create_connection((HOST, port), timeout=30)
    s.sendall(f"GET {path} HTTP/1.1\r\nHost: {HOST}\r\nConnection: close\r\n\r\n".encode())
    parts = []
    while True:
        chunk = s.recv(1 << 20)
        if not chunk:
            break
        parts.append(chunk)
    s.close()
    data = b"".join(parts)
    head, _, body = data.partition(b"\r\n\r\n")
    return time.perf_counter() - t0, head, body


def pct(values, p):
    values = sorted(values)
    return values[min(len(values) - 1, int(round(p / 100 * (len(values) - 1))))]


def wait_port(port, proc, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if proc.poll() is not None:
            raise RuntimeError("server ended early")
        try:
            socket.create_connection((HOST, port), timeout=1).close()
            return
        except OSError:
            time.sleep(0.05)
    raise RuntimeError(f"nothing listens on {port}")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--driver", required=True)
    ap.add_argument("--size-mib", type=int, default=1024)
    ap.add_argument("--seeks", type=int, default=1000)
    ap.add_argument("--rounds", type=int, default=3)
    ap.add_argument("--list-items", type=int, default=10000)
    ap.add_argument("--list-requests", type=int, default=200)
    ap.add_argument("--nginx", default=shutil.which("nginx") or "/usr/sbin/nginx")
    args = ap.parse_args()
    size = args.size_mib << 20
    gib = size / (1 << 30)

    work = tempfile.mkdtemp(prefix="corvane-bench-")
    procs = []
    try:
        www = os.path.join(work, "www")
        os.makedirs(www)
        video = os.path.join(www, "video.bin")
        print(f"making a {args.size_mib} MiB file ...", flush=True)
        make_file(video, size)

        ours_port = free_port()
        ours = subprocess.Popen([args.driver, "--port", str(ours_port), "--items",
                                 str(args.list_items), video],
                                stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        procs.append(ours)
        line = ours.stdout.readline().decode()
        if not line.startswith("ready"):
            raise RuntimeError("driver did not start: " + line)
        wait_port(ours_port, ours)

        nginx_port = free_port()
        conf = os.path.join(work, "nginx.conf")
        with open(conf, "w") as f:
            f.write(f"""
user root;
worker_processes 1;
daemon off;
master_process on;
pid {work}/nginx.pid;
error_log {work}/nginx-error.log;
events {{ worker_connections 1024; }}
http {{
    access_log off;
    sendfile on;
    tcp_nopush on;
    client_body_temp_path {work}/body;
    proxy_temp_path {work}/proxy;
    fastcgi_temp_path {work}/fastcgi;
    uwsgi_temp_path {work}/uwsgi;
    scgi_temp_path {work}/scgi;
    types {{ application/json json; application/octet-stream bin; }}
    server {{
        listen {HOST}:{nginx_port};
        root {www};
        location / {{ }}
    }}
}}
""")
        nginx = subprocess.Popen([args.nginx, "-p", work, "-c", conf])
        procs.append(nginx)
        wait_port(nginx_port, nginx)

        servers = {"corvane": (ours_port, "/video/bench0"), "nginx": (nginx_port, "/video.bin")}
        # Warm the page cache and both servers.
        for port, path in servers.values():
            stream(f"http://{HOST}:{port}{path}", size, 1)

        # The machine is shared: every measure alternates between the two
        # servers (rounds for streaming, request by request for latency), so
        # background load weighs on both alike.
        nginx_pids = [nginx.pid] + [int(x) for x in subprocess.run(
            ["pgrep", "-P", str(nginx.pid)], capture_output=True, text=True).stdout.split()]
        pids = {"corvane": [ours.pid], "nginx": nginx_pids}

        def cpu(name):
            return sum(cpu_seconds(p) for p in pids[name])

        results = {name: {k: [] for k in ("single_MBps", "eight_total_MBps", "eight_slowest_MBps",
                                          "eight_fastest_MBps", "cpu_s_per_GiB_single",
                                          "cpu_s_per_GiB_8")} for name in servers}
        rss_base = rss_kib(ours.pid)
        rss_peak = 0
        for _ in range(args.rounds):
            for name, (port, path) in servers.items():
                url = f"http://{HOST}:{port}{path}"
                r = results[name]
                cpu0 = cpu(name)
                wall, times, total = stream(url, size, 1)
                r["single_MBps"].append(total / wall / 1e6)
                r["cpu_s_per_GiB_single"].append((cpu(name) - cpu0) / gib)
                sampler = RssSampler(ours.pid) if name == "corvane" else None
                if sampler:
                    sampler.start()
                cpu0 = cpu(name)
                wall, times, total = stream(url, size, 8)
                r["cpu_s_per_GiB_8"].append((cpu(name) - cpu0) / (total / (1 << 30)))
                if sampler:
                    sampler.stop.set()
                    sampler.join()
                    rss_peak = max(rss_peak, sampler.peak)
                r["eight_total_MBps"].append(total / wall / 1e6)
                speeds = [size / t / 1e6 for t in times]
                r["eight_slowest_MBps"].append(min(speeds))
                r["eight_fastest_MBps"].append(max(speeds))
        for name in servers:
            for key, values in results[name].items():
                results[name][key] = statistics.median(values)
        results["corvane"]["rss_growth_KiB_per_stream"] = max(0, rss_peak - rss_base) / 8
        results["corvane"]["peak_rss_MiB"] = rss_peak / 1024

        rng = random.Random(20240601)
        firsts = {name: [] for name in servers}
        # Both read the same file: the second to ask for a range finds its
        # pages warm in the CPU's caches, so the two take turns going first.
        order = list(servers.items())
        for i in range(args.seeks):
            first = rng.randrange(0, size - 65536)
            for name, (port, path) in (order if i % 2 == 0 else order[::-1]):
                fb, _ = ranged_request(port, path, first, first + 65535)
                firsts[name].append(fb * 1e3)
        for name in servers:
            results[name]["seek_p50_ms"] = statistics.median(firsts[name])
            results[name]["seek_p99_ms"] = pct(firsts[name], 99)

        # /list with many items; nginx serves the same bytes as a static file.
        _, head, body = get(ours_port, "/list")
        with open(os.path.join(www, "list.json"), "wb") as f:
            f.write(body)
        lists = {"corvane": (ours_port, "/list"), "nginx": (nginx_port, "/list.json")}
        times = {name: [] for name in lists}
        order = list(lists.items())
        for i in range(args.list_requests):
            for name, (port, path) in (order if i % 2 == 0 else order[::-1]):
                t, _, b = get(port, path)
                if b != body:
                    raise RuntimeError(f"{name}: /list body differs")
                times[name].append(t * 1e3)
        for name in lists:
            results[name]["list_p50_ms"] = statistics.median(times[name])
            results[name]["list_p99_ms"] = pct(times[name], 99)
        results["corvane"]["peak_rss_MiB_end"] = rss_kib(ours.pid, "VmHWM") / 1024

        c, n = results["corvane"], results["nginx"]
        print(f"\nmedians of {args.rounds} alternating rounds; load average {os.getloadavg()[0]:.2f}")
        print(f"file {args.size_mib} MiB, list of {args.list_items} items ({len(body)} bytes)")
        print(f"{'measure':28} {'corvane':>12} {'nginx':>12} {'ratio':>8}")
        for key in ("single_MBps", "eight_total_MBps", "eight_slowest_MBps", "eight_fastest_MBps",
                    "cpu_s_per_GiB_single", "cpu_s_per_GiB_8",
                    "seek_p50_ms", "seek_p99_ms", "list_p50_ms", "list_p99_ms"):
            print(f"{key:28} {c[key]:12.3f} {n[key]:12.3f} {c[key] / n[key]:8.3f}")
        for key in ("rss_growth_KiB_per_stream", "peak_rss_MiB", "peak_rss_MiB_end"):
            print(f"{key:28} {c[key]:12.3f}")
        goals = [
            ("8 streams together > 1 GB/s", c["eight_total_MBps"] > 1000),
            ("slowest stream >= half the fastest", c["eight_slowest_MBps"] >= c["eight_fastest_MBps"] / 2),
            ("RSS growth < 1 MiB a stream", c["rss_growth_KiB_per_stream"] < 1024),
            ("single stream >= half of nginx", c["single_MBps"] >= n["single_MBps"] / 2),
            ("seek p99 < 2 ms", c["seek_p99_ms"] < 2),
            ("/list (10 000 items) p99 < 50 ms", c["list_p99_ms"] < 50),
        ]
        print()
        for text, ok in goals:
            print(f"{'met ' if ok else 'MISSED'} {text}")
        return 0
    finally:
        for p in procs:
            if p.poll() is None:
                if p.stdin:
                    p.stdin.close()
                p.terminate()
                try:
                    p.wait(10)
                except subprocess.TimeoutExpired:
                    p.kill()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
