#!/usr/bin/python3
"""Start-up benchmark: the program's window against a bare Qt main window.

Runs the two probes alternately (offscreen), each RUNS times, and prints for
each the median time from exec to the first paint and the median peak
resident memory at that moment, then the ratios program / bare window.

    tools/startup_benchmark/run.py BINDIR [RUNS]
"""
import os
import statistics
import subprocess
import sys
import time


def run_once(probe):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    start = time.monotonic_ns()
    out = subprocess.run([probe], env=env, capture_output=True, text=True, check=True).stdout.split()
    painted_ns, peak_kib = int(out[0]), int(out[1])
    return (painted_ns - start) / 1e6, peak_kib / 1024


def main():
    bindir = sys.argv[1] if len(sys.argv) > 1 else "build/bin"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    probes = {
        "program": os.path.join(bindir, "bulbicalc-startup-probe"),
        "bare": os.path.join(bindir, "bulbicalc-startup-probe-bare"),
    }
    results = {name: [] for name in probes}
    for name, probe in probes.items():  # one warm-up run each, not counted
        run_once(probe)
    for _ in range(runs):
        for name, probe in probes.items():
            results[name].append(run_once(probe))
    medians = {}
    for name, samples in results.items():
        ms = statistics.median(s[0] for s in samples)
        mib = statistics.median(s[1] for s in samples)
        medians[name] = (ms, mib)
        print(f"{name:8s} first paint {ms:7.1f} ms   peak memory {mib:6.1f} MiB   ({runs} runs, median)")
    time_ratio = medians["program"][0] / medians["bare"][0]
    memory_ratio = medians["program"][1] / medians["bare"][1]
    print(f"ratio    first paint {time_ratio:.2f}   peak memory {memory_ratio:.2f}   (goal: at most 1.50 each)")


if __name__ == "__main__":
    main()
