#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs each for SECONDS
# (default 60) on a copy of its committed corpus, with the dictionary
# tests/fuzz/TARGET.dict when there is one. Memory is capped: a process above
# 2 GB, or a single allocation above 512 MB, is a failure. A crash or a broken
# property stops with the failing input under build-fuzz/crashes/TARGET/; the
# whole output of each run is kept in build-fuzz/logs/TARGET.log.
#   bash scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
CXX=clang++ CC=clang cmake -S . -B build-fuzz -DBULBICALC_FUZZ=ON -DBULBICALC_BUILD_UI=OFF \
  -DBULBICALC_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=($(ls tests/fuzz/*_fuzz.cpp | xargs -n1 basename | sed 's/\.cpp$//'))
fi
# One target at a time: make, given several goals, builds their shared
# libraries in parallel runs that trample each other.
for target in "${targets[@]}"; do
  cmake --build build-fuzz --parallel "$(nproc)" --target "$target" > /dev/null
done
mkdir -p build-fuzz/logs
status=0
for target in "${targets[@]}"; do
  work=build-fuzz/corpus/$target
  crashes=build-fuzz/crashes/$target
  mkdir -p "$work" "$crashes"
  cp -r tests/fuzz/corpus/"$target"/. "$work"/
  options=(-max_total_time="$seconds" -print_final_stats=1 -rss_limit_mb=2048 -malloc_limit_mb=512
    -artifact_prefix=crashes/"$target"/)
  if [ -f tests/fuzz/"$target".dict ]; then
    options+=(-dict=../tests/fuzz/"$target".dict)
  fi
  log=build-fuzz/logs/$target.log
  echo "fuzzing $target for $seconds s (log: $log)"
  (cd build-fuzz && ./bin/"$target" "${options[@]}" corpus/"$target") > "$log" 2>&1 || status=1
  tail -12 "$log"
done
exit $status
