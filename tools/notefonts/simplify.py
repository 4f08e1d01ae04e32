"""Outline simplification: fewer path segments for the same look.

The brush typefaces are traced with many short lines and split curves; every
segment ends up in each printed glyph, so the PDF writer has that much more to
write and compress. Each contour is simplified within TOLERANCE units at em
100; glyphs draw their characters at 13..70 units to the em, so the shape
moves by at most 0.3 units of the 50-unit note cell (0.2 for the usual 40):

- a curve whose control points lie on its chord becomes a line;
- runs of lines are thinned (Douglas-Peucker), keeping every corner;
- neighbouring quadratic curves that one quadratic matches are joined;
- a line shorter than the tolerance between two curves is dropped.

Only the path changes: the ink box the glyphs are placed by is measured on the
original outline. Pure arithmetic in a fixed order, so output is reproducible.
"""

import math

from fontTools.pens.basePen import BasePen

TOLERANCE = 0.4


class _ContourPen(BasePen):
    """Collects contours as [start, [(kind, points...)]] with curves split."""

    def __init__(self):
        super().__init__(None)
        self.contours = []
        self._cur = None

    def _moveTo(self, p):
        self._cur = [p, []]
        self.contours.append(self._cur)

    def _lineTo(self, p):
        self._cur[1].append(("L", p))

    def _qCurveToOne(self, c, p):
        self._cur[1].append(("Q", c, p))

    def _curveToOne(self, c1, c2, p):
        self._cur[1].append(("C", c1, c2, p))

    def _closePath(self):
        self._cur = None

    def _endPath(self):
        self._cur = None


def _dist_to_line(p, a, b):
    dx, dy = b[0] - a[0], b[1] - a[1]
    n = math.hypot(dx, dy)
    if n < 1e-9:
        return math.hypot(p[0] - a[0], p[1] - a[1])
    return abs((p[0] - a[0]) * dy - (p[1] - a[1]) * dx) / n


def _dist_to_segment(p, a, b):
    dx, dy = b[0] - a[0], b[1] - a[1]
    n2 = dx * dx + dy * dy
    if n2 < 1e-18:
        return math.hypot(p[0] - a[0], p[1] - a[1])
    t = max(0.0, min(1.0, ((p[0] - a[0]) * dx + (p[1] - a[1]) * dy) / n2))
    return math.hypot(p[0] - a[0] - t * dx, p[1] - a[1] - t * dy)


def _quad_at(p0, c, p1, t):
    u = 1 - t
    return (u * u * p0[0] + 2 * u * t * c[0] + t * t * p1[0],
            u * u * p0[1] + 2 * u * t * c[1] + t * t * p1[1])


def _flat(p0, seg):
    """A curve whose control points lie within the tolerance of its chord
    (a curve never leaves its control polygon) is drawn as its chord."""
    end = seg[-1]
    return all(_dist_to_segment(c, p0, end) <= TOLERANCE for c in seg[1:-1])


def _thin(points):
    """Douglas-Peucker on a polyline; keeps both ends."""
    if len(points) < 3:
        return points
    keep = [False] * len(points)
    keep[0] = keep[-1] = True
    stack = [(0, len(points) - 1)]
    while stack:
        i, j = stack.pop()
        far, at = -1.0, -1
        for k in range(i + 1, j):
            d = _dist_to_segment(points[k], points[i], points[j])
            if d > far:
                far, at = d, k
        if at >= 0 and far > TOLERANCE:
            keep[at] = True
            stack.append((i, at))
            stack.append((at, j))
    return [p for p, k in zip(points, keep) if k]


def _intersect(a, da, b, db):
    cross = da[0] * db[1] - da[1] * db[0]
    if abs(cross) < 1e-12:
        return None
    t = ((b[0] - a[0]) * db[1] - (b[1] - a[1]) * db[0]) / cross
    return (a[0] + t * da[0], a[1] + t * da[1])


def _joined_quad(p0, q1, q2):
    """One quadratic for two neighbours q1 = (c1, m), q2 = (c2, p2) from p0,
    or None when it would stray more than the tolerance from them."""
    c1, m = q1[1], q1[2]
    c2, p2 = q2[1], q2[2]
    da = (c1[0] - p0[0], c1[1] - p0[1])
    db = (p2[0] - c2[0], p2[1] - c2[1])
    c = _intersect(p0, da, p2, db)
    if c is None:
        return None
    # The control point must lie ahead of both ends, along their tangents.
    if (c[0] - p0[0]) * da[0] + (c[1] - p0[1]) * da[1] <= 0:
        return None
    if (p2[0] - c[0]) * db[0] + (p2[1] - c[1]) * db[1] <= 0:
        return None
    cand = [_quad_at(p0, c, p2, i / 32.0) for i in range(33)]
    for a, cc, b in ((p0, c1, m), (m, c2, p2)):
        for i in range(1, 16):
            s = _quad_at(a, cc, b, i / 16.0)
            if min(_dist_to_segment(s, cand[k], cand[k + 1]) for k in range(32)) > TOLERANCE:
                return None
    # And the other way round: the joined curve must not bulge past them.
    orig = [_quad_at(p0, c1, m, i / 16.0) for i in range(17)] + \
           [_quad_at(m, c2, p2, i / 16.0) for i in range(1, 17)]
    for s in cand[1:-1]:
        if min(_dist_to_segment(s, orig[k], orig[k + 1]) for k in range(len(orig) - 1)) > TOLERANCE:
            return None
    return ("Q", c, p2)


def _simplify_contour(start, segs):
    # Flat curves become lines.
    out = []
    p = start
    for s in segs:
        out.append(("L", s[-1]) if s[0] != "L" and _flat(p, s) else s)
        p = s[-1]
    segs = out
    # Join neighbouring quadratics, repeatedly, left to right.
    changed = True
    while changed:
        changed = False
        out = []
        p = start
        i = 0
        while i < len(segs):
            s = segs[i]
            if s[0] == "Q" and i + 1 < len(segs) and segs[i + 1][0] == "Q":
                j = _joined_quad(p, s, segs[i + 1])
                if j is not None:
                    out.append(j)
                    p = j[-1]
                    i += 2
                    changed = True
                    continue
            out.append(s)
            p = s[-1]
            i += 1
        segs = out
    # Drop lines shorter than the tolerance between two curves: the next
    # curve starts from where the line began.
    out = []
    p = start
    for k, s in enumerate(segs):
        nxt = segs[k + 1] if k + 1 < len(segs) else None
        if (s[0] == "L" and out and out[-1][0] != "L" and nxt is not None and nxt[0] != "L"
                and math.hypot(s[1][0] - p[0], s[1][1] - p[1]) < TOLERANCE):
            continue
        out.append(s)
        p = s[-1]
    segs = out
    # Thin runs of lines.
    out = []
    run = [start]
    for s in segs + [None]:
        if s is not None and s[0] == "L":
            run.append(s[1])
            continue
        out.extend(("L", q) for q in _thin(run)[1:])
        if s is None:
            break
        out.append(s)
        run = [s[-1]]
    return out


def simplified(glyph_set, name, transform):
    """Draws glyph `name` through `transform` and answers the simplified
    contours as [(start, [(kind, points...)])]."""
    from fontTools.pens.transformPen import TransformPen
    pen = _ContourPen()
    glyph_set[name].draw(TransformPen(pen, transform))
    return [(start, _simplify_contour(start, segs)) for start, segs in pen.contours]


def draw(contours, pen):
    for start, segs in contours:
        pen.moveTo(start)
        for s in segs:
            if s[0] == "L":
                pen.lineTo(s[1])
            elif s[0] == "Q":
                pen.qCurveTo(s[1], s[2])
            else:
                pen.curveTo(s[1], s[2], s[3])
        pen.closePath()


def segment_count(contours):
    return sum(len(segs) for _, segs in contours)
