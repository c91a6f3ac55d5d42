#!/usr/bin/env python3
"""Runs a Google Benchmark program with repetitions and prints each benchmark's median and min-max.

    bench/medians.py build/bench/canvas_bench [REPETITIONS] [more benchmark arguments]
"""
import json
import statistics
import subprocess
import sys


def main():
    program = sys.argv[1]
    repetitions = sys.argv[2] if len(sys.argv) > 2 else "15"
    out = subprocess.run([program, f"--benchmark_repetitions={repetitions}", "--benchmark_format=json",
                          *sys.argv[3:]], capture_output=True, text=True, check=True).stdout
    report = json.loads(out[out.index("{"):])
    runs = {}
    for b in report["benchmarks"]:
        if b.get("run_type") == "iteration":
            runs.setdefault(b["run_name"], []).append((b["real_time"], b["time_unit"]))
    for name, values in runs.items():
        times = [v[0] for v in values]
        unit = values[0][1]
        print(f"{name:45} median {statistics.median(times):9.1f} {unit} "
              f"({min(times):.1f}-{max(times):.1f}, {len(times)} runs)")


if __name__ == "__main__":
    main()
