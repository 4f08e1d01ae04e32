#!/usr/bin/env bash
# Renders a fixed set of scores (generated bench scores, the sample and
# corpus files) in several notation styles and both page orientations to
# SVG pages and score files, so two builds' output can be compared byte for
# byte with bench/compare-renders.sh. A dev tool, not a test.
#
#   [CORPUS=dir] [PAGES_ONLY=1] bench/render-set.sh RENDER_BINARY OUTPUT_DIR
#
# PAGES_ONLY=1 writes no score files: the renderer then lets go of the
# document after loading, as it does for any render that only draws pages.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
RENDER="$1"
OUT="$2"
CORPUS="${CORPUS:-$ROOT/tests/fixtures/corpus}"
# The score file beside each render, unless only pages are asked for.
score_file() { [[ "${PAGES_ONLY:-0}" == 1 ]] || printf '%s\n' --tnsx "$1"; }
mkdir -p "$OUT/in"
export QT_QPA_PLATFORM=offscreen

python3 "$ROOT/bench/make-score.py" 100 4 "$OUT/in/gen-100x4.musicxml"
python3 "$ROOT/bench/make-score.py" 1000 4 "$OUT/in/gen-1000x4.musicxml"
python3 "$ROOT/bench/make-score.py" --realistic 200 4 "$OUT/in/real-200x4.musicxml"
python3 "$ROOT/bench/make-score.py" --realistic 1000 4 "$OUT/in/real-1000x4.musicxml"
INPUTS=("$OUT/in/gen-100x4.musicxml" "$OUT/in/real-200x4.musicxml" "$ROOT/tools/samples/sakura-sakura.musicxml"
    "$CORPUS/japanese/Echigo_Jishi.xml")
for name in 01a-Pitches-Pitches 12a-Clefs 22a-Noteheads 23a-Tuplets 31a-Directions \
    33a-Spanners 33c-Spanners-Slurs 41a-MultiParts-Partorder 45a-SimpleRepeat 74a-FiguredBass \
    46a-Barlines 61a-Lyrics 03b-Rhythm-Backup 24a-GraceNotes \
    33b-Spanners-Tie 42a-MultiVoice 43a-PianoStaff 43d-MultiStaff-StaffChange 43h-MultiStaff-Chords \
    52b-Breaks 72a-TransposingInstruments; do
    f=$(ls "$CORPUS"/lilypond-musicxml-testsuite/"$name"*.xml 2>/dev/null | head -1)
    [[ -n "$f" ]] && INPUTS+=("$f")
done

jobs=()
for input in "${INPUTS[@]}"; do
    base=$(basename "${input%.*}")
    for style in 0 7 12; do
        for orient in vertical horizontal; do
            tag="$base-s$style-$orient"
            mapfile -t scorefile < <(score_file "$OUT/$tag.tnsx")
            "$RENDER" "$input" --style "$style" "--$orient" --svg "$OUT/$tag" \
                "${scorefile[@]}" >"$OUT/$tag.log" 2>&1 &
            jobs+=($!)
            if ((${#jobs[@]} >= 4)); then wait "${jobs[0]}" || true; jobs=("${jobs[@]:1}"); fi
        done
    done
done
# The large scores once per orientation in their own style and one other,
# with their PDF.
for kind in gen real; do
    for style in 0 7; do
        for orient in vertical horizontal; do
            tag="$kind-1000x4-s$style-$orient"
            mapfile -t scorefile < <(score_file "$OUT/$tag.tnsx")
            "$RENDER" "$OUT/in/$kind-1000x4.musicxml" --style "$style" "--$orient" \
                --svg "$OUT/$tag" --pdf "$OUT/$tag.pdf" "${scorefile[@]}" \
                >"$OUT/$tag.log" 2>&1 &
            jobs+=($!)
            if ((${#jobs[@]} >= 4)); then wait "${jobs[0]}" || true; jobs=("${jobs[@]:1}"); fi
        done
    done
done
wait || true
