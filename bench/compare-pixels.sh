#!/usr/bin/env bash
# Renders a fixed set of scores to PDF with two builds of velmora-render,
# rasterises every page at 300 dpi (pdftoppm) and compares the pages pixel
# by pixel (bench/compare-pixels.py: pixels dark in one and light in the
# other beyond one pixel, as a share of the page's ink). A dev tool, not a
# test; needs poppler-utils and python3-pil.
#
#   [RASTER=pdftocairo] bench/compare-pixels.sh BEFORE_RENDER AFTER_RENDER OUTPUT_DIR [TOLERANCE]
#
# RASTER picks poppler's rasteriser: pdftoppm (the default) places text
# glyphs on a quarter pixel across and a whole pixel down, pdftocairo
# finer; paths are placed exactly by both.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BEFORE="$1"
AFTER="$2"
OUT="$3"
TOLERANCE="${4:-0.0025}"
RASTER="${RASTER:-pdftoppm}"
CORPUS="${CORPUS:-$ROOT/tests/fixtures/corpus}"
export QT_QPA_PLATFORM=offscreen
mkdir -p "$OUT/in" "$OUT/before" "$OUT/after"

python3 "$ROOT/bench/make-score.py" 30 4 "$OUT/in/gen-30x4.musicxml"
# Realistic music narrows crowded measures and squeezes their notes.
python3 "$ROOT/bench/make-score.py" --realistic 12 4 "$OUT/in/real-12x4.musicxml"
INPUTS=("$OUT/in/gen-30x4.musicxml" "$OUT/in/real-12x4.musicxml"
    "$ROOT/tools/samples/sakura-sakura.musicxml" "$CORPUS/japanese/Echigo_Jishi.xml")
for name in 01a-Pitches-Pitches 12a-Clefs 23a-Tuplets 31a-Directions 33c-Spanners-Slurs \
    43a-PianoStaff 61a-Lyrics 24a-GraceNotes; do
    f=$(ls "$CORPUS"/lilypond-musicxml-testsuite/"$name"*.xml 2>/dev/null | head -1)
    [[ -n "$f" ]] && INPUTS+=("$f")
done

for input in "${INPUTS[@]}"; do
    base=$(basename "${input%.*}")
    for style in 0 3 5 7 9 12; do
        for orient in vertical horizontal; do
            tag="$base-s$style-$orient"
            for side in before after; do
                render="$BEFORE"
                [[ $side == after ]] && render="$AFTER"
                "$render" "$input" --style "$style" "--$orient" --pdf "$OUT/$side/$tag.pdf" \
                    >"$OUT/$side/$tag.log" 2>&1 || echo "render failed: $side $tag"
                "$RASTER" -r 300 -gray -png "$OUT/$side/$tag.pdf" "$OUT/$side/$tag" 2>/dev/null || true
            done
        done
    done
done
/usr/bin/python3 "$ROOT/bench/compare-pixels.py" "$OUT/before" "$OUT/after" "$TOLERANCE"
