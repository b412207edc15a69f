#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12 (run as root, or
# with sudo available). Packages already present are left alone.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake pkg-config qt6-base-dev qt6-svg-dev libqt6svg6 libsqlite3-dev
  libgtest-dev libgmock-dev libbenchmark-dev fonts-noto-cjk unicode-data xvfb xauth qt6-translations-l10n clang-format)
# Node.js may come from another source that bundles npm; only add Debian's
# when the commands are missing.
command -v node >/dev/null 2>&1 || packages+=(nodejs)
command -v npm >/dev/null 2>&1 || packages+=(npm)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# The generators in tools/ use npm packages (only needed to regenerate the
# committed tables).
if [ -f tools/package-lock.json ] && [ ! -d tools/node_modules ]; then
  (cd tools && npm ci --no-audit --no-fund --loglevel=error)
fi
