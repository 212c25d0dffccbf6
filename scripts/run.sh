#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -eu
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh velqora
exec ./build/velqora "$@"
