#!/usr/bin/env bash
# Sets up the machine, builds Velmora and starts it.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
bash "$ROOT/tools/install-deps.sh"
bash "$ROOT/tools/build.sh"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "No display found: running without a window (QT_QPA_PLATFORM=offscreen)."
    export QT_QPA_PLATFORM=offscreen
fi
exec "${VELMORA_BUILD_DIR:-$ROOT/build}/velmora" "$@"
