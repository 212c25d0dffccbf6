#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless. Non-zero on any failure.
set -eu
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
cd build && ctest --output-on-failure -j"$(nproc)"
