#!/usr/bin/env bash
# Installs the packages, builds with warnings as errors and runs every test:
# the core rules (GoogleTest), the window (QtTest, offscreen) and the scenario
# files; then the same suite built with AddressSanitizer and
# UndefinedBehaviorSanitizer (leak detection on); then each fuzz target for a
# few seconds on its corpus. It fails when any of them fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)

bash scripts/build.sh -DBULBICALC_WERROR=ON
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$jobs")

# Debug keeps the sanitized build quick to compile; the sanitizers see the
# same faults at any optimisation level.
cmake -S . -B build-sanitize -DBULBICALC_WERROR=ON -DBULBICALC_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug > /dev/null
cmake --build build-sanitize --parallel "$jobs"
(cd build-sanitize && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
  UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure --parallel "$jobs")

bash scripts/fuzz.sh "${BULBICALC_FUZZ_SECONDS:-5}"
