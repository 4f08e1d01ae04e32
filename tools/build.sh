#!/usr/bin/env bash
# Configures and builds Velmora into build/ (one configure, parallel build).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${VELMORA_BUILD_DIR:-$ROOT/build}"
export CCACHE_DIR="${CCACHE_DIR:-$ROOT/.ccache}"

if [[ ! -f "$BUILD_DIR/CMakeCache.txt" ]]; then
    cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$BUILD_DIR" --parallel "$(nproc)"
