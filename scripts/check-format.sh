#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format (.clang-format
# at the root) would write.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "clang-format is not installed"; exit 1; }
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
