#!/usr/bin/env bash
# Configures and builds Velmora into build/ (one configure, parallel build).
# VELMORA_BUILD_DIR names another folder; VELMORA_CMAKE_ARGS adds options to
# its first configure (the sanitizer pass: -DVELMORA_SANITIZE=ON).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${VELMORA_BUILD_DIR:-$ROOT/build}"

if [[ ! -f "$BUILD_DIR/CMakeCache.txt" ]]; then
    # Ninja schedules the whole build as one graph and checks an up-to-date
    # build in well under a second; a build folder made earlier keeps the
    # generator it was made with.
    GENERATOR=()
    if command -v ninja > /dev/null; then
        GENERATOR=(-G Ninja)
    fi
    # shellcheck disable=SC2086 # the options are words
    cmake -S "$ROOT" -B "$BUILD_DIR" "${GENERATOR[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${VELMORA_CMAKE_ARGS:-}
fi
cmake --build "$BUILD_DIR" --parallel "$(nproc)"
