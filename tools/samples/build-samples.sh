#!/usr/bin/env bash
# Rebuilds the sample scores of resources/samples/ (File > Open Sample) from
# the MusicXML sources beside this script: each is imported, given its parts'
# notation styles and its writing direction, and saved as a score file by the
# program's own load and save (velmora-render). Commit the result.
#
#   tools/samples/build-samples.sh [BUILD_DIR]
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD_DIR="${1:-$ROOT/build}"
RENDER="$BUILD_DIR/tools/velmora-render/velmora-render"
cmake --build "$BUILD_DIR" --target velmora-render -j4 >/dev/null
export QT_QPA_PLATFORM=offscreen

# source | sample name (the menu entry) | notation styles, one per part | direction
SAMPLES=(
    "sakura-sakura|Sakura Sakura (Shakuhachi Tozan)|3|vertical"
    "kagome-kagome|Kagome Kagome (Shakuhachi Kinko)|1|vertical"
    "edo-komoriuta|Edo Komoriuta (Shinobue)|4|horizontal"
    "toryanse|Toryanse (Koto Ikuta)|5|vertical"
    "hotaru-koi|Hotaru Koi (Koto Seiha)|6|horizontal"
    "kuroda-bushi|Kuroda Bushi (Shamisen Bunka)|9|horizontal"
    "usagi|Usagi (Staff Notation and Shakuhachi)|12,1|horizontal"
)

rm -f "$ROOT"/resources/samples/*.tnsx
mkdir -p "$ROOT/resources/samples"
for entry in "${SAMPLES[@]}"; do
    IFS='|' read -r source name styles direction <<<"$entry"
    "$RENDER" "$ROOT/tools/samples/$source.musicxml" --style "$styles" "--$direction" \
        --tnsx "$ROOT/resources/samples/$name.tnsx"
done
