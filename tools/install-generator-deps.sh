#!/usr/bin/env bash
# Installs what tools/notefonts/generate.py needs to rebuild the note fonts:
# Debian's fontTools and fontforge and the free source fonts the glyphs are
# drawn from. Building and testing Velmora do not need any of this: the
# generated SVGs and the TTF are committed.
set -euo pipefail
exec bash "$(dirname "${BASH_SOURCE[0]}")/install-deps.sh" \
    python3 python3-fonttools python3-fontforge \
    fonts-aoyagi-kouzan-t fonts-aoyagi-soseki fonts-kouzan-mouhitsu \
    fonts-noto-cjk fonts-noto-core lilypond-fonts
