#!/usr/bin/env python3
"""Start-up to first paint and peak resident memory: the program against a bare Qt window.

Runs the two probes alternately (paired runs), offscreen unless QT_QPA_PLATFORM is set (for example to xcb
under Xvfb), and prints medians with their min-max and the ratios of the paired medians.

    bench/startup.py BUILD_DIR [RUNS]
"""
import os
import statistics
import subprocess
import sys
import time


def run(probe):
    start = time.monotonic_ns()
    out = subprocess.run([probe, str(start)], capture_output=True, text=True, check=True).stdout.split()
    return int(out[0]), int(out[1])


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 30
    # Offscreen, on a screen that holds the main window as a desktop's does: the platform's own is smaller.
    wide = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "app", "wide-screen.json")
    os.environ.setdefault("QT_QPA_PLATFORM", "offscreen:configfile=" + os.path.normpath(wide))
    probes = {name: os.path.join(build, "bench", name) for name in ("bare_window_probe", "program_probe")}
    results = {name: [] for name in probes}
    for name, probe in probes.items():
        run(probe)  # warm the file cache
    for _ in range(runs):
        for name, probe in probes.items():
            results[name].append(run(probe))
    ratios_time, ratios_rss = [], []
    for (bt, br), (pt, pr) in zip(results["bare_window_probe"], results["program_probe"]):
        ratios_time.append(pt / bt)
        ratios_rss.append(pr / br)
    for name, values in results.items():
        t = [v[0] / 1000 for v in values]
        r = [v[1] / 1024 for v in values]
        print(f"{name:18} first paint {statistics.median(t):7.1f} ms ({min(t):.1f}-{max(t):.1f}), "
              f"peak RSS {statistics.median(r):5.1f} MiB ({min(r):.1f}-{max(r):.1f})")
    print(f"program / bare     first paint {statistics.median(ratios_time):.2f} "
          f"({min(ratios_time):.2f}-{max(ratios_time):.2f}), peak RSS {statistics.median(ratios_rss):.2f} "
          f"({min(ratios_rss):.2f}-{max(ratios_rss):.2f})  [{runs} paired runs, {os.environ['QT_QPA_PLATFORM']}]")


if __name__ == "__main__":
    main()
