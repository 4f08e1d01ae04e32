#!/usr/bin/env bash
# Benchmark of the main road, run by hand (not by CI): load -> regenerate ->
# PDF of a small, a medium and a large score through velmora-render, with
# the time of each phase and the peak memory, and the linearity of the
# large generated score (100 against 1000 measures of 4 parts).
#
#   bench/run-bench.sh [--runs N] [--mscore]
#
# --mscore also converts the same files with MuseScore 3's command line
# (`mscore3 -o out.pdf in.musicxml`, headless) for a side-by-side time. It
# installs Debian's musescore3 package for that measurement when missing;
# Velmora itself never uses it.
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
    "small:$ROOT/resources/samples/sakura-sakura.musicxml:14 x 1"
    "medium:$WORK/gen-200x2.musicxml:200 x 2"
    "large-100:$WORK/gen-100x4.musicxml:100 x 4"
    "large:$WORK/gen-1000x4.musicxml:1000 x 4"
)
for spec in 200:2 100:4 1000:4; do
    m=${spec%:*} p=${spec#*:}
    f="$WORK/gen-${m}x${p}.musicxml"
    [[ -f "$f" ]] || python3 "$ROOT/bench/make-score.py" "$m" "$p" "$f"
done

# The median of the numbers on stdin.
median() { sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

# One velmora-render run: prints "load regen pdf pages wall_s peak_kb cpu_s",
# the phases in wall-clock milliseconds, cpu_s = user + system seconds.
render_once() {
    local input="$1" log="$WORK/render.log" tm="$WORK/time.txt"
    /usr/bin/time -f "%e %M %U %S" -o "$tm" "$RENDER" "$input" --pdf "$WORK/out.pdf" \
        >"$log" 2>"$WORK/render.err"
    awk '/^load:/{l=$2} /^regenerate:/{r=$2} /^pdf:/{p=$2} /^pages:/{n=$2}
         END {printf "%s %s %s %s ", l, r, p, n}' "$log"
    awk '{printf "%s %s %.2f\n", $1, $2, $3 + $4}' "$tm"
}

# One mscore3 run: prints "wall_s peak_kb cpu_s".
mscore_once() {
    local tm="$WORK/time.txt"
    /usr/bin/time -f "%e %M %U %S" -o "$tm" mscore3 -o "$WORK/mscore.pdf" "$1" >/dev/null 2>&1 || true
    awk '{printf "%s %s %.2f\n", $1, $2, $3 + $4}' "$tm"
}

if ((MSCORE)) && ! command -v mscore3 >/dev/null; then
    echo "Installing musescore3 for the comparison only ..."
    SUDO=""; [[ $(id -u) -ne 0 ]] && SUDO="sudo"
    $SUDO apt-get -o DPkg::Lock::Timeout=300 install -y -qq --no-install-recommends musescore3
fi

printf "velmora-render, median of %d runs (ms; wall in s; peak resident memory in MB)\n" "$RUNS"
printf "%-10s %-9s %6s %9s %11s %9s %10s %8s %8s %8s\n" score size pages load regenerate pdf sum wall cpu peakMB
declare -A SUM CPU
for entry in "${SCORES[@]}"; do
    IFS=: read -r name file size <<<"$entry"
    rows=()
    for ((i = 0; i < RUNS; i++)); do rows+=("$(render_once "$file")"); done
    col() { printf "%s\n" "${rows[@]}" | awk -v c="$1" '{print $c}' | median; }
    load=$(col 1) regen=$(col 2) pdf=$(col 3) pages=$(col 4) wall=$(col 5) peak=$(col 6) cpu=$(col 7)
    sum=$(awk -v a="$load" -v b="$regen" -v c="$pdf" 'BEGIN{printf "%.1f", a+b+c}')
    SUM[$name]=$sum
    CPU[$name]=$cpu
    printf "%-10s %-9s %6s %9s %11s %9s %10s %8s %8s %8.1f\n" "$name" "${size// /}" "$pages" \
        "$load" "$regen" "$pdf" "$sum" "$wall" "$cpu" "$(awk -v k="$peak" 'BEGIN{print k/1024}')"
done
awk -v a="${SUM[large-100]}" -v b="${SUM[large]}" \
    'BEGIN{printf "linearity: 1000 x 4 takes %.2f times the time of 100 x 4 (load+regenerate+pdf)\n", b/a}'
awk -v a="${CPU[large-100]}" -v b="${CPU[large]}" \
    'BEGIN{printf "linearity: 1000 x 4 takes %.2f times the processor time of 100 x 4 (whole run)\n", b/a}'

if ((MSCORE)); then
    echo
    printf "mscore3 -o out.pdf in.musicxml against velmora-render --pdf, whole runs, median of %d\n" "$RUNS"
    printf "%-10s %10s %10s %8s %10s %10s %8s %10s\n" score mscore_wall velm_wall speedup \
        mscore_cpu velm_cpu speedup mscoreMB
    for entry in "${SCORES[@]}"; do
        IFS=: read -r name file size <<<"$entry"
        ms=() vs=()
        for ((i = 0; i < RUNS; i++)); do
            ms+=("$(mscore_once "$file")")
            vs+=("$(render_once "$file")")
        done
        mwall=$(printf "%s\n" "${ms[@]}" | awk '{print $1}' | median)
        mpeak=$(printf "%s\n" "${ms[@]}" | awk '{print $2}' | median)
        mcpu=$(printf "%s\n" "${ms[@]}" | awk '{print $3}' | median)
        vwall=$(printf "%s\n" "${vs[@]}" | awk '{print $5}' | median)
        vcpu=$(printf "%s\n" "${vs[@]}" | awk '{print $7}' | median)
        ratio() { awk -v a="$1" -v b="$2" 'BEGIN{printf "%.1fx", (b > 0) ? a/b : 0}'; }
        printf "%-10s %10s %10s %8s %10s %10s %8s %10.1f\n" "$name" "$mwall" "$vwall" \
            "$(ratio "$mwall" "$vwall")" "$mcpu" "$vcpu" "$(ratio "$mcpu" "$vcpu")" \
            "$(awk -v k="$mpeak" 'BEGIN{print k/1024}')"
    done
fi
