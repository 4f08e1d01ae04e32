#!/usr/bin/env python3
"""Fits the memory estimate's weights (document/layoutcost.h) to measured
peaks, and prints each row's estimate against its peak.

    fit-memory.py [PEAKS.csv]        default: bench/memory-peaks.csv

Each row of the table is one score and one thing measured of it, in
mebibytes of resident memory:

  loaded   the peak when the load has read every measure, the document
           still held (the renderer's peak at the end of its load phase);
  drawn    the peak of layout and PDF once the document is gone (the
           renderer drawing pages, its peak counted anew after the load:
           `echo 5 > /proc/self/clear_refs` in the process);
  pages    the whole PDF run (/usr/bin/time -v, maximum resident size);
  saving   the whole MusicXML export run (--musicxml), the same way;
  editing  the window's peak with the score imported, regenerated and
           shown (`velmora -I FILE`, VmHWM once it is idle).

with the counts the estimate reads from the score: elements and text
characters of its document, measures, parts, notes, marks (lyrics,
notations, fingerings, directives, directions) and time steps.

A weight set is fitted for loaded, drawn, saving and editing (least
squares on the relative error, no weight below zero), then raised until no
row's estimate is below its peak; the pages path is estimated as the larger
of loaded and drawn. Each estimate must stay within 1.3 times its peaks.
"""
import csv
import os
import sys

COUNTS = ["elements", "characters", "measures", "cells", "notes", "marks", "lyrics", "ticks"]
MIB = 1024 * 1024
# The load has made no time steps yet.
FITTED = {"loaded": COUNTS[:-1], "drawn": COUNTS, "saving": COUNTS, "editing": COUNTS}
HEADROOM = 1.02


def read(path):
    rows = []
    with open(path, encoding="utf-8") as f:
        for r in csv.DictReader(row for row in f if not row.startswith("#")):
            row = {k: float(r[k]) for k in ("elements", "characters", "measures", "notes", "marks",
                                             "lyrics", "ticks", "peak_mb")}
            row["cells"] = row["measures"] * float(r["parts"])
            # A lyric costs less than the other marks: it is weighed apart.
            row["marks"] -= row["lyrics"]
            row["score"], row["path"] = r["score"], r["path"]
            rows.append(row)
    return rows


def solve(a, b):
    n = len(a)
    m = [a[i][:] + [b[i]] for i in range(n)]
    for i in range(n):
        pivot = max(range(i, n), key=lambda r: abs(m[r][i]))
        m[i], m[pivot] = m[pivot], m[i]
        for r in range(n):
            if r != i:
                f = m[r][i] / m[i][i]
                for c in range(i, n + 1):
                    m[r][c] -= f * m[i][c]
    return [m[i][n] / m[i][i] for i in range(n)]


def least_squares(rows, active, emphasis):
    columns = ["base"] + active
    x = [[1.0] + [r[c] for c in active] for r in rows]
    y = [r["peak_mb"] for r in rows]
    w = [e / v for e, v in zip(emphasis, y)]
    a = [[sum(w[k] ** 2 * x[k][i] * x[k][j] for k in range(len(x)))
          for j in range(len(columns))] for i in range(len(columns))]
    b = [sum(w[k] ** 2 * x[k][i] * y[k] for k in range(len(x))) for i in range(len(columns))]
    for i in range(len(columns)):
        a[i][i] *= 1 + 1e-9  # counts that move together (measures, time steps)
    return dict(zip(columns, solve(a, b)))


def fit(rows, counts):
    """Weights in bytes: "base" and one per count. Least squares on the
    relative error, reweighted towards the rows it misses most (so the
    largest error, not the sum, is made small), no weight below zero."""
    active = list(counts)
    emphasis = [1.0] * len(rows)
    for _ in range(60):
        while True:
            weights = least_squares(rows, active, emphasis)
            negative = [(v, c) for c, v in weights.items() if c != "base" and v < 0]
            if not negative:
                break
            active.remove(min(negative)[1])
        mb = {k: v * MIB for k, v in weights.items()}
        misses = [abs(estimate(mb, r) / r["peak_mb"] - 1) for r in rows]
        emphasis = [e * (m + 1e-6) ** 0.5 for e, m in zip(emphasis, misses)]
        total = sum(emphasis)
        emphasis = [e * len(rows) / total for e in emphasis]
    low = max(r["peak_mb"] / estimate({k: v * MIB for k, v in weights.items()}, r)
              for r in rows)
    return {k: int(v * low * HEADROOM * MIB) + 1 for k, v in weights.items()}


def estimate(weights, row):
    return (weights["base"] + sum(weights.get(c, 0) * row[c] for c in COUNTS)) / MIB


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__),
                                                              "memory-peaks.csv")
    rows = read(path)
    weights = {p: fit([r for r in rows if r["path"] == p], c) for p, c in FITTED.items()}
    for p, w in weights.items():
        print(f"{p:8}", ", ".join(f"{k} {w.get(k, 0)}" for k in ["base"] + COUNTS))
    worst = {}
    print(f"\n{'score':20} {'path':8} {'peak MB':>9} {'estimate':>9} {'ratio':>6}")
    for r in sorted(rows, key=lambda r: (r["path"], r["score"])):
        if r["path"] == "loaded" or r["path"] == "drawn":
            continue
        if r["path"] == "pages":
            e = max(estimate(weights["loaded"], r), estimate(weights["drawn"], r))
        else:
            e = estimate(weights[r["path"]], r)
        ratio = e / r["peak_mb"]
        lo, hi = worst.get(r["path"], (ratio, ratio))
        worst[r["path"]] = (min(lo, ratio), max(hi, ratio))
        print(f"{r['score']:20} {r['path']:8} {r['peak_mb']:9.1f} {e:9.1f} {ratio:6.3f}")
    print()
    for p, (lo, hi) in worst.items():
        print(f"{p:8} estimate / peak from {lo:.3f} to {hi:.3f}")
    if any(lo < 1 or hi > 1.3 for lo, hi in worst.values()):
        sys.exit("an estimate is below its peak or above 1.3 times it")


if __name__ == "__main__":
    main()
