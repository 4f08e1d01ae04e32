#!/usr/bin/env bash
# Sets up the machine, builds Velmora and runs every test headless.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
bash "$ROOT/tools/install-deps.sh"
bash "$ROOT/tools/build.sh"
export QT_QPA_PLATFORM=offscreen
cd "${VELMORA_BUILD_DIR:-$ROOT/build}"
ctest --output-on-failure --parallel "$(nproc)" "$@"
