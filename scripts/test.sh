#!/usr/bin/env bash
# Sets up, builds with warnings as errors and runs every test (windows under
# the offscreen platform).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh -DHENGMU_WERROR=ON
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
