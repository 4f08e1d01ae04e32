#!/usr/bin/env bash
# Installs what tools/notefonts/generate.py needs to rebuild the note fonts:
# Debian's fontTools and the free source fonts the glyphs are drawn from.
# Building and testing Velmora do not need any of this: the generated SVGs
# are committed. Idempotent: when everything is present it only checks.
set -euo pipefail

PACKAGES=(
    python3 python3-fonttools python3-fontforge
    fonts-aoyagi-kouzan-t fonts-aoyagi-soseki fonts-kouzan-mouhitsu
    fonts-noto-cjk fonts-noto-core lilypond-fonts
)

missing=()
for pkg in "${PACKAGES[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [[ $(id -u) -ne 0 ]]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get -o DPkg::Lock::Timeout=300 update -qq
$SUDO apt-get -o DPkg::Lock::Timeout=300 install -y -qq --no-install-recommends "${missing[@]}"
