#!/usr/bin/env bash
# Compares two output folders of bench/render-set.sh byte for byte, apart
# from the footer line that holds the export date and a PDF's creation
# date. Prints each differing
# file; exit status 1 when any differs.
#
#   bench/compare-renders.sh BEFORE_DIR AFTER_DIR
set -uo pipefail
BEFORE="$1"
AFTER="$2"
status=0
DATE='[0-9]{4}[-/][0-9]{2}[-/][0-9]{2}|/CreationDate \(D:[0-9]{14}'
count=0
while IFS= read -r -d '' file; do
    rel="${file#"$BEFORE"/}"
    case "$rel" in in/* | *.log) continue ;; esac
    count=$((count + 1))
    other="$AFTER/$rel"
    if [[ ! -f "$other" ]]; then
        echo "missing: $rel"; status=1; continue
    fi
    if ! cmp -s "$file" "$other"; then
        # Only the lines holding the save or export date may differ.
        if ! diff <(grep -avE "$DATE" "$file") <(grep -avE "$DATE" "$other") >/dev/null; then
            echo "differs: $rel"; status=1
        fi
    fi
done < <(find "$BEFORE" -type f -print0)
extra=$(cd "$AFTER" && find . -type f ! -path './in/*' ! -name '*.log' | wc -l)
echo "compared $count files ($extra in after)"
exit $status
