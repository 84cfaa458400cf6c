#!/usr/bin/env python3
"""Runs bench_peers five times over and prints each target: the medians of the CPU times, their
spread (lowest to highest of the five) and the ratio of one run against its goal.

Usage: bench/peer_ratios.py BUILD_DIR/bench/bench_peers
"""

import json
import statistics
import subprocess
import sys

REPETITIONS = 5

# (what, ours, peer, least ratio peer/ours) and, for the seasons, (ours, yardstick, most ratio).
SPEED_TARGETS = [
    ("sun apparent RA/Dec", "BM_SunPosition", "BM_LibnovaSolarEquCoords", 19.0),
    ("moon apparent RA/Dec", "BM_MoonPosition", "BM_LibnovaLunarEquCoordsPrec", 16.0),
    ("moon rise + transit + set", "BM_MoonRiseTransitSet", "BM_LibnovaLunarRst", 85.0),
]
TIME_TARGETS = [
    ("four seasons / eight SunPosition", "BM_FourSeasons", "BM_EightSunPositions", 1.0),
]


def run(program):
    output = subprocess.run(
        [program, f"--benchmark_repetitions={REPETITIONS}", "--benchmark_format=json"],
        check=True, capture_output=True, text=True).stdout
    times = {}
    for entry in json.loads(output)["benchmarks"]:
        if entry.get("run_type") == "iteration":
            scale = {"ns": 1.0, "us": 1e3, "ms": 1e6}[entry["time_unit"]]
            times.setdefault(entry["run_name"], []).append(entry["cpu_time"] * scale)
    return times


def describe(name, samples):
    return f"{name} {statistics.median(samples) / 1e3:.2f} us ({min(samples) / 1e3:.2f}..{max(samples) / 1e3:.2f})"


def main():
    times = run(sys.argv[1])
    met = True
    for what, ours, peer, least in SPEED_TARGETS:
        ratio = statistics.median(times[peer]) / statistics.median(times[ours])
        met &= ratio >= least
        print(f"{what}: {ratio:.1f}x faster (goal {least:g}x): "
              f"{describe(ours, times[ours])}, {describe(peer, times[peer])}")
    for what, ours, yardstick, most in TIME_TARGETS:
        ratio = statistics.median(times[ours]) / statistics.median(times[yardstick])
        met &= ratio <= most
        print(f"{what}: {ratio:.2f} (goal at most {most:g}): "
              f"{describe(ours, times[ours])}, {describe(yardstick, times[yardstick])}")
    print(f"{describe('BM_ChineseNewYear', times['BM_ChineseNewYear'])}")
    print("all goals met" if met else "a goal is missed")
    return 0 if met else 1


if __name__ == "__main__":
    sys.exit(main())
