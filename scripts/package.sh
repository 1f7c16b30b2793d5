#!/usr/bin/env bash
# Installs the packages, builds (Release) and writes the Debian package
# build/bulbicalc_<version>_<arch>.deb. Install it with
#   sudo apt install ./build/bulbicalc_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh -DCMAKE_BUILD_TYPE=Release
(cd build && cpack -G DEB)
ls build/*.deb
