#!/usr/bin/env bash
# Renders every corpus, layout and sample score to PDF in a set of notation
# styles and both directions, so two builds' output can be compared byte for
# byte with bench/compare-renders.sh. Each score is loaded once and drawn
# again for each style and direction (--then). A dev tool, not a test.
#
#   [STYLES="0 1 3 5 9 12"] [JOBS=4] [SVG=1] bench/render-styles.sh RENDER_BINARY OUTPUT_DIR
#
# SVG=1 writes each render's SVG pages beside its PDF.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
RENDER="$1"
OUT="$2"
STYLES="${STYLES:-0 1 3 5 9 12}"
JOBS="${JOBS:-4}"
mkdir -p "$OUT"
export QT_QPA_PLATFORM=offscreen

render_one() {
    local input="$1" tag args=()
    tag=$(printf '%s' "${input#"$ROOT"/}" | tr '/ ' '__')
    for style in $STYLES; do
        for orient in vertical horizontal; do
            ((${#args[@]})) && args+=(--then)
            args+=(--style "$style" "--$orient" --pdf "$OUT/$tag-s$style-$orient.pdf")
            [[ "${SVG:-0}" == 1 ]] && args+=(--svg "$OUT/$tag-s$style-$orient")
        done
    done
    "$RENDER" "$input" "${args[@]}" >"$OUT/$tag.log" 2>&1 || echo "failed: $input"
}
export -f render_one
export ROOT OUT STYLES RENDER

{
    find "$ROOT/tests/fixtures/corpus" -name '*.xml'
    find "$ROOT/tests/fixtures/layout" -maxdepth 1 -name '*.xml'
    find "$ROOT/resources/samples" -maxdepth 1 -type f
} | sort | tr '\n' '\0' | xargs -0 -P "$JOBS" -I{} bash -c 'render_one "$1"' _ {}
