#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs each for SECONDS
# (default 60) on a copy of its committed corpus. A crash or a broken property
# stops with the failing input under build-fuzz/crashes/TARGET/.
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
cmake --build build-fuzz --parallel "$(nproc)" --target "${targets[@]}" > /dev/null
for target in "${targets[@]}"; do
  work=build-fuzz/corpus/$target
  crashes=build-fuzz/crashes/$target
  mkdir -p "$work" "$crashes"
  cp -r tests/fuzz/corpus/"$target"/. "$work"/
  echo "fuzzing $target for $seconds s"
  (cd build-fuzz && ./bin/"$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=crashes/"$target"/ corpus/"$target" 2>&1 | tail -12)
done
