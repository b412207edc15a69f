#!/usr/bin/env bash
# Sets up, builds and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "没有图形显示 (DISPLAY 未设置): 请在桌面会话中运行, 或使用命令行版 build/bin/hengmu-cli --help"
  exit 1
fi
exec build/bin/hengmu "$@"
