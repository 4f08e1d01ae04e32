#!/usr/bin/env bash
# Sets up the machine, builds Velmora and starts it.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
bash "$ROOT/tools/install-deps.sh"
bash "$ROOT/tools/build.sh"
exec "${VELMORA_BUILD_DIR:-$ROOT/build}/velmora" "$@"
