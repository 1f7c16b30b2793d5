#!/usr/bin/env bash
# Installs the packages, builds and starts Bulbicalc.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh -DCMAKE_BUILD_TYPE=Release
exec build/bin/bulbicalc
