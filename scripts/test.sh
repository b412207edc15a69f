#!/usr/bin/env bash
# Sets up, builds with warnings as errors and runs every test (windows under
# the offscreen platform); then builds once more with the address and
# undefined-behaviour sanitizers and runs the tests again there.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh -DHENGMU_WERROR=ON
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHENGMU_WERROR=ON -DHENGMU_SANITIZE=ON \
  -DHENGMU_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j"$(nproc)"
# Qt and fontconfig keep caches until exit, which the leak checker would
# report; memory errors and undefined behaviour stop the test.
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -E format_check
