#!/usr/bin/env bash
# Start-up benchmark: builds the probes (RelWithDebInfo, as the program's
# default build) and prints the program's first paint and peak memory against
# a bare Qt main window of the same size, medians of 15 alternated runs.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build > /dev/null
cmake --build build --target bulbicalc-startup-probe bulbicalc-startup-probe-bare --parallel "$(nproc)" > /dev/null
/usr/bin/python3 tools/startup_benchmark/run.py build/bin "${1:-15}"
