#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Velmora
# need, plus any packages named as arguments. Idempotent: when everything is
# present it only checks and returns.
set -euo pipefail

PACKAGES=(
    build-essential cmake ninja-build ccache pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools
    qt6-l10n-tools qt6-translations-l10n libgl-dev
    fonts-ipaexfont-mincho fonts-ipaexfont-gothic fonts-ipafont-mincho fonts-ipafont-gothic
    fonts-noto-cjk
    fonts-liberation2 fonts-dejavu-core fonts-freefont-ttf
    poppler-utils python3-pil
    "$@"
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
