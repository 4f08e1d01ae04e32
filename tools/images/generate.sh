#!/usr/bin/env bash
# Redraws every picture of resources/images/ from tools/images/pictures.tsv:
# builds the generator into the build folder, then runs it. Commit the result;
# a rerun writes the same bytes.
#
#   tools/images/generate.sh [BUILD_DIR]
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD_DIR="${1:-$ROOT/build}"
cmake --build "$BUILD_DIR" --target image-generator -j4 >/dev/null
QT_QPA_PLATFORM=offscreen "$BUILD_DIR/tools/images/image-generator" \
    "$ROOT/tools/images/pictures.tsv" "$ROOT/resources/notefonts" "$ROOT/resources/images"
