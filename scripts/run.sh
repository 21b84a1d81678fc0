#!/usr/bin/env bash
# Installs what is missing, builds, and starts the desktop program. The terminal front-end is
# built beside it: build/bin/halvard-cli.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default
cmake --build --preset default

exec build/bin/halvard
