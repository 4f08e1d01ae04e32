#!/usr/bin/env bash
# Sets up the machine, builds Velmora and starts it. Without a display it
# renders a bundled sample score to PDF and SVG instead.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
BUILD_DIR="${VELMORA_BUILD_DIR:-$ROOT/build}"
bash "$ROOT/tools/install-deps.sh"
bash "$ROOT/tools/build.sh"
if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    exec "$BUILD_DIR/velmora" "$@"
fi

echo "No display found: rendering a bundled sample score instead."
SAMPLE="$ROOT/resources/samples/Sakura Sakura (Shakuhachi Tozan).tnsx"
OUT="$BUILD_DIR/sample"
mkdir -p "$OUT"
rm -f "$OUT"/sakura-sakura*.svg "$OUT/sakura-sakura.pdf"
QT_QPA_PLATFORM=offscreen "$BUILD_DIR/tools/velmora-render/velmora-render" "$SAMPLE" \
    --pdf "$OUT/sakura-sakura.pdf" --svg "$OUT/sakura-sakura.svg"
echo
echo "Written:"
ls -1 "$OUT"/sakura-sakura.pdf "$OUT"/sakura-sakura*.svg
