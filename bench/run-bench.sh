#!/usr/bin/env bash
# Benchmark of the main road, run by hand (not by CI): load -> regenerate ->
# PDF of a small, a medium, a large, a dense and a realistic score (and the
# realistic score with 12 parts) through velmora-render,
# with the time of each phase and the peak memory, the linearity of the large
# generated score (100 against 1000 measures of 4 parts), the page roll and
# the SVG pages of the large score, and the regeneration after an edit (a
# regeneration that finds the scene full, as every edit does) of generated
# scores, and the MusicXML export of one part of 1000 to 8000 measures.
#
#   bench/run-bench.sh [--runs N] [--mscore]
#
# --mscore also converts the small, medium, large and realistic scores with
# MuseScore 3's command line (`mscore3 -o out.pdf in.musicxml`, headless),
# and MuseScore 3's own demo scores exported by it to MusicXML, in rounds
# that alternate the two programs, and prints the medians (at least 3
# rounds) of wall time, peak memory and PDF size of each, with the ratios.
# Machines are shared: the ratios are the figures to read. It installs
# Debian's musescore3 package for that measurement when missing; Velmora
# itself never uses it.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${VELMORA_BUILD_DIR:-$ROOT/build}"
RENDER="$BUILD_DIR/tools/velmora-render/velmora-render"
WORK="${BENCH_DIR:-$BUILD_DIR/bench}"
RUNS=3
MSCORE=0
while (($#)); do
    case "$1" in
    --runs) RUNS="$2"; shift 2 ;;
    --mscore) MSCORE=1; shift ;;
    *) echo "usage: $0 [--runs N] [--mscore]" >&2; exit 2 ;;
    esac
done

[[ -x "$RENDER" ]] || bash "$ROOT/tools/build.sh"
mkdir -p "$WORK"
export QT_QPA_PLATFORM=offscreen

# name:file:measures x parts
SCORES=(
    "small:$ROOT/tools/samples/sakura-sakura.musicxml:14 x 1"
    "medium:$WORK/gen-200x2.musicxml:200 x 2"
    "large-100:$WORK/gen-100x4.musicxml:100 x 4"
    "large:$WORK/gen-1000x4.musicxml:1000 x 4"
    "dense:$WORK/dense-1000x4.musicxml:1000 x 4"
    "realistic:$WORK/real-1000x4.musicxml:1000 x 4"
    "real-12:$WORK/real-1000x12.musicxml:1000 x 12"
)
# Regeneration after an edit: name:file
REGEN_CASES=(
    "200x2:$WORK/gen-200x2.musicxml"
    "200x4:$WORK/gen-200x4.musicxml"
    "1000x4:$WORK/gen-1000x4.musicxml"
)
for size in 200:2 200:4 100:4 1000:4; do
    m=${size%:*} p=${size#*:}
    f="$WORK/gen-${m}x${p}.musicxml"
    [[ -f "$f" ]] || python3 "$ROOT/bench/make-score.py" "$m" "$p" "$f"
done
# The large score as notation programs export it: positions, stems and a
# lyric per note (twice the pages, half as many elements again).
[[ -f "$WORK/dense-1000x4.musicxml" ]] ||
    python3 "$ROOT/bench/make-score.py" --dense 1000 4 "$WORK/dense-1000x4.musicxml"
# Music as scores hold it: mixed durations, ties, slurs, dynamics, wedges,
# marks, chords and lyrics (make-score.py --realistic).
for parts in 4 12; do
    f="$WORK/real-1000x$parts.musicxml"
    [[ -f "$f" ]] || python3 "$ROOT/bench/make-score.py" --realistic 1000 "$parts" "$f"
done

# The median of the numbers on stdin.
median() { sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

# The size of a file in bytes, 0 when it is missing.
size_of() { stat -c %s "$1" 2>/dev/null || echo 0; }

# One velmora-render run: prints "load regen pdf pages wall_s peak_kb cpu_s
# pdf_bytes", the phases in wall-clock milliseconds, cpu_s = user + system
# seconds. Options after the input go to velmora-render.
render_once() {
    local input="$1" log="$WORK/render.log" tm="$WORK/time.txt"
    shift
    rm -f "$WORK/out.pdf"
    /usr/bin/time -f "%e %M %U %S" -o "$tm" "$RENDER" "$input" --pdf "$WORK/out.pdf" "$@" \
        >"$log" 2>"$WORK/render.err"
    awk '/^load:/{l=$2} /^regenerate:/{r=$2} /^pdf:/{p=$2} /^pages:/{n=$2}
         END {printf "%s %s %s %s ", l, r, p, n}' "$log"
    awk -v b="$(size_of "$WORK/out.pdf")" '{printf "%s %s %.2f %s\n", $1, $2, $3 + $4, b}' "$tm"
}

# One mscore3 run: prints "wall_s peak_kb cpu_s pdf_bytes".
mscore_once() {
    local tm="$WORK/time.txt"
    rm -f "$WORK/mscore.pdf"
    /usr/bin/time -f "%e %M %U %S" -o "$tm" mscore3 -o "$WORK/mscore.pdf" "$1" >/dev/null 2>&1 || true
    awk -v b="$(size_of "$WORK/mscore.pdf")" '{printf "%s %s %.2f %s\n", $1, $2, $3 + $4, b}' "$tm"
}

if ((MSCORE)) && ! command -v mscore3 >/dev/null; then
    echo "Installing musescore3 for the comparison only ..."
    bash "$ROOT/tools/install-deps.sh" musescore3
fi
echo "load at start: $(uptime)"
printf "velmora-render, median of %d runs (ms; wall in s; peak resident memory in MB)\n" "$RUNS"
printf "%-10s %-9s %6s %9s %11s %9s %10s %8s %8s %8s %8s\n" score size pages load regenerate pdf sum wall cpu peakMB pdfMB
declare -A SUM CPU
for entry in "${SCORES[@]}"; do
    IFS=: read -r name file size <<<"$entry"
    rows=()
    for ((i = 0; i < RUNS; i++)); do rows+=("$(render_once "$file")"); done
    col() { printf "%s\n" "${rows[@]}" | awk -v c="$1" '{print $c}' | median; }
    load=$(col 1) regen=$(col 2) pdf=$(col 3) pages=$(col 4) wall=$(col 5) peak=$(col 6) cpu=$(col 7)
    bytes=$(col 8)
    sum=$(awk -v a="$load" -v b="$regen" -v c="$pdf" 'BEGIN{printf "%.1f", a+b+c}')
    SUM[$name]=$sum
    CPU[$name]=$cpu
    printf "%-10s %-9s %6s %9s %11s %9s %10s %8s %8s %8.1f %8.2f\n" "$name" "${size// /}" "$pages" \
        "$load" "$regen" "$pdf" "$sum" "$wall" "$cpu" "$(awk -v k="$peak" 'BEGIN{print k/1024}')" \
        "$(awk -v b="$bytes" 'BEGIN{print b/1048576}')"
done
awk -v a="${SUM[large-100]}" -v b="${SUM[large]}" \
    'BEGIN{printf "linearity: 1000 x 4 takes %.2f times the time of 100 x 4 (load+regenerate+pdf)\n", b/a}'
awk -v a="${CPU[large-100]}" -v b="${CPU[large]}" \
    'BEGIN{printf "linearity: 1000 x 4 takes %.2f times the processor time of 100 x 4 (whole run)\n", b/a}'

# The page roll of the large score: one long PDF page.
rows=()
for ((i = 0; i < RUNS; i++)); do rows+=("$(render_once "$WORK/gen-1000x4.musicxml" --roll)"); done
printf "roll: 1000 x 4 as one page, median wall %s s, peak %.1f MB, PDF %.1f MB\n" \
    "$(printf "%s\n" "${rows[@]}" | awk '{print $5}' | median)" \
    "$(printf "%s\n" "${rows[@]}" | awk '{print $6}' | median | awk '{print $1/1024}')" \
    "$(printf "%s\n" "${rows[@]}" | awk '{print $8}' | median | awk '{print $1/1048576}')"

# The SVG pages of the large score: their total size and the whole run.
rows=()
for ((i = 0; i < RUNS; i++)); do
    rm -rf "$WORK/svg" && mkdir -p "$WORK/svg"
    /usr/bin/time -f "%e %M" -o "$WORK/time.txt" "$RENDER" "$WORK/gen-1000x4.musicxml" \
        --svg "$WORK/svg/page" >/dev/null 2>"$WORK/render.err"
    rows+=("$(cat "$WORK/time.txt") $(du -sb "$WORK/svg" | cut -f1) $(ls "$WORK/svg" | wc -l)")
done
printf "svg: 1000 x 4 as %s SVG files, median wall %s s, peak %.1f MB, total %.1f MB\n" \
    "$(printf "%s\n" "${rows[@]}" | awk '{print $4}' | median)" \
    "$(printf "%s\n" "${rows[@]}" | awk '{print $1}' | median)" \
    "$(printf "%s\n" "${rows[@]}" | awk '{print $2}' | median | awk '{print $1/1024}')" \
    "$(printf "%s\n" "${rows[@]}" | awk '{print $3}' | median | awk '{print $1/1048576}')"
rm -rf "$WORK/svg"

# Regeneration after an edit: the median of the regenerations that follow
# the first (the scene then holds a whole score's items, as after an edit).
echo
printf "regeneration after an edit, median of %d regenerations (ms)\n" "$((RUNS * 3))"
printf "%-10s %10s %10s\n" score wall cpu
for entry in "${REGEN_CASES[@]}"; do
    IFS=: read -r name file <<<"$entry"
    "$RENDER" "$file" --regenerate-again "$((RUNS * 3))" >"$WORK/regen.log" 2>"$WORK/render.err"
    wall=$(awk '/^regenerate again:/{print $3}' "$WORK/regen.log" | median)
    cpu=$(awk '/^regenerate again:/{gsub(/\)/, "", $6); print $6}' "$WORK/regen.log" | median)
    printf "%-10s %10s %10s\n" "$name" "$wall" "$cpu"
done

# The MusicXML export against the score file's save, one part of 1000 to
# 8000 measures: both walk the document once, so both grow with the length.
echo
printf "export of one long part, median of %d runs (ms of processor time)\n" "$RUNS"
printf "%-9s %10s %10s\n" measures tnsx musicxml
for m in 1000 2000 4000 8000; do
    f="$WORK/gen-${m}x1.musicxml"
    [[ -f "$f" ]] || python3 "$ROOT/bench/make-score.py" "$m" 1 "$f"
    rows=()
    for ((i = 0; i < RUNS; i++)); do
        "$RENDER" "$f" --tnsx "$WORK/out.tnsx" --musicxml "$WORK/out.musicxml" \
            >"$WORK/export.log" 2>"$WORK/render.err"
        rows+=("$(awk '/^tnsx:/{t=$5} /^musicxml:/{x=$5} END {print t, x}' "$WORK/export.log")")
    done
    printf "%-9s %10s %10s\n" "$m" \
        "$(printf "%s\n" "${rows[@]}" | awk '{print $1}' | median)" \
        "$(printf "%s\n" "${rows[@]}" | awk '{print $2}' | median)"
done
rm -f "$WORK/out.tnsx" "$WORK/out.musicxml"

if ((MSCORE)); then
    ((RUNS >= 3)) || RUNS=3
    # MuseScore 3's demo scores, exported once by it to MusicXML.
    COMPARED=()
    for entry in "${SCORES[@]}"; do
        case "${entry%%:*}" in small | medium | large | realistic) COMPARED+=("$entry") ;; esac
    done
    mkdir -p "$WORK/demos"
    for demo in /usr/share/mscore3*/demos/*.mscx /usr/share/mscore3*/demos/*.mscz; do
        [[ -f "$demo" ]] || continue
        name=$(basename "${demo%.*}")
        xml="$WORK/demos/$name.musicxml"
        [[ -s "$xml" ]] || mscore3 -o "$xml" "$demo" >/dev/null 2>&1 || continue
        [[ -s "$xml" ]] && COMPARED+=("${name:0:8}:$xml:demo")
    done
    echo
    echo "load: $(uptime)"
    printf "mscore3 -o out.pdf in.musicxml against velmora-render --pdf, whole runs, rounds alternating, median of %d\n" "$RUNS"
    printf "%-8s %-9s | %8s %8s %6s | %8s %8s %6s | %8s %8s %6s | %8s %8s %6s\n" score size \
        mscore_s velm_s ratio mscore_cpu velm_cpu ratio mscoreMB velmMB ratio mscorePDF velmPDF ratio
    for entry in "${COMPARED[@]}"; do
        IFS=: read -r name file size <<<"$entry"
        ms=() vs=()
        for ((i = 0; i < RUNS; i++)); do
            ms+=("$(mscore_once "$file")")
            vs+=("$(render_once "$file")")
        done
        mcol() { printf "%s\n" "${ms[@]}" | awk -v c="$1" '{print $c}' | median; }
        vcol() { printf "%s\n" "${vs[@]}" | awk -v c="$1" '{print $c}' | median; }
        mwall=$(mcol 1) mpeak=$(mcol 2) mcpu=$(mcol 3) mbytes=$(mcol 4)
        vwall=$(vcol 5) vpeak=$(vcol 6) vcpu=$(vcol 7) vbytes=$(vcol 8)
        ratio() { awk -v a="$1" -v b="$2" 'BEGIN{printf "%.1fx", (b > 0) ? a/b : 0}'; }
        mb() { awk -v k="$1" -v d="$2" 'BEGIN{printf "%.2f", k/d}'; }
        printf "%-8s %-9s | %8s %8s %6s | %8s %8s %6s | %8s %8s %6s | %8s %8s %6s\n" \
            "$name" "${size// /}" "$mwall" "$vwall" "$(ratio "$mwall" "$vwall")" \
            "$mcpu" "$vcpu" "$(ratio "$mcpu" "$vcpu")" \
            "$(mb "$mpeak" 1024)" "$(mb "$vpeak" 1024)" "$(ratio "$mpeak" "$vpeak")" \
            "$(mb "$mbytes" 1048576)" "$(mb "$vbytes" 1048576)" "$(ratio "$mbytes" "$vbytes")"
    done
    echo "ratios are MuseScore 3 over Velmora (above 1: Velmora is faster or smaller); sizes in MB"
fi
