#!/usr/bin/env bash
# Renders every shown tab of the window to PNG files in screenshots/ (or the
# folder given first). Scenario files given after it run first, so the
# pictures show the window after that input:
#   bash scripts/screenshots.sh screenshots/worked tests/scenarios/doses/full_input.scn
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-screenshots}
shift || true
cmake --build build --target bulbicalc-screenshots --parallel "$(nproc)" > /dev/null
QT_QPA_PLATFORM=offscreen build/bin/bulbicalc-screenshots "$out" "$@"
