"""Building blocks of the note-font tables and the SVG writer.

A glyph is a cell (width x height in SVG units, origin top left, y down)
holding parts: text drawn from a source font, or drawn primitives. One note
size is NOTE units (the program scales glyphs by note size x 0.095 into scene
units of 4.72381 per millimetre, so one note size is 49.7 units).

Every glyph keeps an invisible rectangle of its cell, because the program's
SVG renderer places an element by its bounds: glyphs of one kind share a cell
and so line up.
"""

import os
import sys
from xml.sax.saxutils import quoteattr

import simplify

NOTE = 50.0

# A mark that carries meaning (a press, meri or string mark, an accidental, a
# technique kana) is at least this share of the height of its font's plain
# note names, so that it reads at the size the names are printed. Marks are
# drawn from the same source role as the names, so they share their weight.
MARK_SHARE = 0.6
# The generator aims a little above the share: outlines are rounded and the
# program measures the drawn ink, not the generator's boxes.
MARK_AIM = 0.65
# Least distance between the ink of a compound glyph and its frame's edge.
FRAME_MARGIN = 1.0


def num(v):
    """Coordinates are rounded to one decimal to keep the files small."""
    s = "%.1f" % v
    if s.endswith(".0"):
        s = s[:-2]
    return "0" if s in ("-0", "") else s


def fine(v):
    s = ("%.4f" % v).rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


class Glyph:
    def __init__(self, gid, w, h, parts, blank=False):
        self.id = gid
        self.w = w
        self.h = h
        self.parts = list(parts)
        self.blank = blank


class Text:
    """Characters of a source font, their ink centred on (cx, cy).

    role: a role of the font file (e.g. "name", "mark") or a source key.
    size: em size in SVG units. fit: (max width, max height) of the ink;
    the text shrinks to fit but never grows. squeeze: horizontal scale.
    vertical: stack the characters top to bottom instead of side by side.

    grow: scale up to fill `fit` as well as down (brush faces draw their
    kana small in the em). advance: per-character pen advance of horizontal
    text as a function (ink box, font advance) -> advance.
    """

    def __init__(self, text, role, cx, cy, size, fit=None, squeeze=1.0, vertical=False,
                 fill=None, gap=0.06, grow=False, advance=None):
        self.grow = grow
        self.advance = advance
        self.text = text
        self.role = role
        self.cx = cx
        self.cy = cy
        self.size = size
        self.fit = fit
        self.squeeze = squeeze
        self.vertical = vertical
        self.fill = fill
        self.gap = gap


class Named:
    """Parts written as one group with an id of their own inside the glyph:
    "<glyph id>.<suffix>". A group named "mark", "mark2", ... is a mark that
    carries meaning and must reach MARK_SHARE of the font's name height (the
    writer scales it up about its centre when it falls short); "circle" and
    "inside" are a circled glyph's ring and what the ring holds."""

    def __init__(self, suffix, parts, flat=False):
        self.suffix = suffix
        self.parts = list(parts)
        self.flat = flat

    def is_mark(self):
        return self.suffix.startswith("mark")


def mark(parts, n=1, flat=False):
    """A mark part; a `flat` one (a single level stroke such as 一) reaches
    its share along its width, since no height could read as a stroke."""
    return Named("mark" if n == 1 else "mark%d" % n, parts, flat)


class Placed:
    """One character of a source font with its own origin (pen position on
    the baseline) put at (x, y), `size` SVG units to the em: for symbols whose
    reference point is the origin (music symbols on their staff line)."""

    def __init__(self, ch, role, x, y, size, mirror=False):
        self.ch = ch
        self.role = role
        self.x = x
        self.y = y
        self.size = size
        self.mirror = mirror


class Path:
    def __init__(self, d, fill="#000", stroke=None, width=0.0, cap="round"):
        self.d = d
        self.fill = fill
        self.stroke = stroke
        self.width = width
        self.cap = cap


class Circle:
    def __init__(self, cx, cy, r, fill="#000", stroke=None, width=0.0):
        self.cx, self.cy, self.r = cx, cy, r
        self.fill, self.stroke, self.width = fill, stroke, width


class Line:
    def __init__(self, x1, y1, x2, y2, width=2.0, stroke="#000", cap="round"):
        self.p = (x1, y1, x2, y2)
        self.width, self.stroke, self.cap = width, stroke, cap


class Rect:
    def __init__(self, x, y, w, h, fill="#000", stroke=None, width=0.0, rx=0.0):
        self.r = (x, y, w, h)
        self.fill, self.stroke, self.width, self.rx = fill, stroke, width, rx


class Group:
    """Parts under one SVG transform (rotation for vertical forms, mirrors)."""

    def __init__(self, parts, transform, fill=None, stroke=None, width=0.0):
        self.parts = list(parts)
        self.transform = transform
        self.fill = fill
        self.stroke = stroke
        self.width = width


class Scaled:
    """Parts scaled by k about `centre` (a mark brought up to its share)."""

    def __init__(self, parts, k, centre):
        self.parts = list(parts)
        self.k = k
        self.centre = centre


def swapped(parts):
    """Drawn parts mirrored about the diagonal: x and y exchanged. Turns a
    mark drawn along x into the same mark along y (not for text)."""
    return Group(parts, "matrix(0 1 1 0 0 0)")


def rotated(parts, w, h, angle=90):
    """The parts turned about the cell centre (for "_V" forms of square cells)."""
    return Group(parts, "rotate(%s %s %s)" % (num(angle), num(w / 2), num(h / 2)))


class FontFile:
    """One note-font SVG: folder, base name, roles -> source keys, options."""

    def __init__(self, folder, name, roles, **options):
        self.folder = folder
        self.name = name
        self.roles = roles
        self.options = options

    def opt(self, key, default=None):
        return self.options.get(key, default)


def fail(message):
    sys.stderr.write("notefonts: error: %s\n" % message)
    sys.exit(1)


class OutlineSource:
    """Loads source fonts lazily and gives each character's outline at em 100."""

    def __init__(self, sources):
        self.sources = sources
        self.fonts = {}

    def _font(self, key):
        if key in self.fonts:
            return self.fonts[key]
        if key not in self.sources:
            fail("unknown source font '%s'" % key)
        src = self.sources[key]
        if not os.path.exists(src.path):
            fail("source font %s missing: install Debian package %s "
                 "(tools/install-generator-deps.sh)" % (src.path, src.package))
        from fontTools.ttLib import TTFont
        font = TTFont(src.path, fontNumber=src.index, lazy=True)
        entry = (font, font.getGlyphSet(), font.getBestCmap(), font["head"].unitsPerEm)
        self.fonts[key] = entry
        return entry

    def outline(self, key, ch):
        """(path data, ink box (x0, y0, x1, y1) y down, advance) at em 100."""
        from fontTools.pens.boundsPen import BoundsPen
        from fontTools.pens.svgPathPen import SVGPathPen
        font, glyphs, cmap, upm = self._font(key)
        if ord(ch) not in cmap:
            fail("source font '%s' (%s) has no character %r (U+%04X)"
                 % (key, self.sources[key].path, ch, ord(ch)))
        name = cmap[ord(ch)]
        s = 100.0 / upm
        pen = SVGPathPen(glyphs, ntos=num)
        simplify.draw(simplify.simplified(glyphs, name, (s, 0, 0, -s, 0, 0)), pen)
        bounds = BoundsPen(glyphs)
        glyphs[name].draw(bounds)
        adv = glyphs[name].width * s
        if bounds.bounds is None:
            return None, None, adv
        x0, y0, x1, y1 = bounds.bounds
        return pen.getCommands(), (x0 * s, -y1 * s, x1 * s, -y0 * s), adv


class SvgWriter:
    """Writes one note font: shared outlines in <defs>, one group per glyph."""

    def __init__(self, outlines, font):
        self.outlines = outlines
        self.font = font
        self.defs = []
        self.def_ids = {}
        self.used_sources = set()

    def _source_key(self, role):
        return self.font.roles.get(role, role)

    def _outline(self, key, ch):
        self.used_sources.add(key)
        cache_key = (key, ch)
        if cache_key not in self.def_ids:
            d, box, adv = self.outlines.outline(key, ch)
            did = None
            if d:
                did = "o%d" % len(self.defs)
                self.defs.append('<path id="%s" d="%s"/>' % (did, d))
            self.def_ids[cache_key] = (did, box, adv)
        return self.def_ids[cache_key]

    def _text_layout(self, t):
        """(placed outlines, kx, ky, tx, ty) of a Text: outline ids with their
        own offsets, then the scale and translation that put the ink centre
        on (cx, cy)."""
        key = self._source_key(t.role)
        placed = []
        pen = 0.0
        for ch in t.text:
            did, box, adv = self._outline(key, ch)
            if did is None:
                pen += adv if not t.vertical else 30
                continue
            if t.vertical:
                ox = -(box[0] + box[2]) / 2
                oy = pen - box[1]
                pen += (box[3] - box[1]) + t.gap * 100
            elif t.advance:
                ox, oy = pen - box[0], 0.0
                pen += t.advance(box, adv)
            else:
                ox, oy = pen, 0.0
                pen += adv
            placed.append((did, box, ox, oy))
        if not placed:
            fail("text %r of glyph draws nothing" % t.text)
        x0 = min(b[0] + ox for _, b, ox, _ in placed)
        x1 = max(b[2] + ox for _, b, ox, _ in placed)
        y0 = min(b[1] + oy for _, b, _, oy in placed)
        y1 = max(b[3] + oy for _, b, _, oy in placed)
        ky = t.size / 100.0
        kx = ky * t.squeeze
        if t.fit:
            f = min(t.fit[0] / max(1e-6, (x1 - x0) * kx), t.fit[1] / max(1e-6, (y1 - y0) * ky))
            if not t.grow:
                f = min(1.0, f)
            kx, ky = kx * f, ky * f
        tx = t.cx - kx * (x0 + x1) / 2
        ty = t.cy - ky * (y0 + y1) / 2
        box = (tx + kx * x0, ty + ky * y0, tx + kx * x1, ty + ky * y1)
        return placed, kx, ky, tx, ty, box

    def _text(self, t):
        placed, kx, ky, tx, ty, _ = self._text_layout(t)
        fill = ' fill="%s"' % t.fill if t.fill else ""
        return ['<use xlink:href="#%s" transform="matrix(%s 0 0 %s %s %s)"%s/>'
                % (did, fine(kx), fine(ky), num(tx + kx * ox), num(ty + ky * oy), fill)
                for did, _, ox, oy in placed]

    def ink_box(self, parts):
        """Ink box (x0, y0, x1, y1) of parts in their glyph's units, or None.
        Drawn primitives count with half their stroke; groups' transforms
        other than a scale about a point are not followed."""
        boxes = []
        for p in parts:
            b = None
            if isinstance(p, Text):
                b = self._text_layout(p)[5]
                if p.fill == "#fff":
                    b = None
            elif isinstance(p, Circle):
                e = p.r + (p.width / 2 if p.stroke else 0)
                b = (p.cx - e, p.cy - e, p.cx + e, p.cy + e)
            elif isinstance(p, Line):
                x1, y1, x2, y2 = p.p
                e = p.width / 2
                b = (min(x1, x2) - e, min(y1, y2) - e, max(x1, x2) + e, max(y1, y2) + e)
            elif isinstance(p, Named):
                b = self.ink_box(p.parts)
            elif isinstance(p, Group) and p.transform.startswith("translate(0 0)"):
                b = self.ink_box(p.parts)
                if b and p.stroke:
                    e = p.width / 2
                    b = (b[0] - e, b[1] - e, b[2] + e, b[3] + e)
            elif isinstance(p, Scaled):
                inner = self.ink_box(p.parts)
                if inner:
                    k, (cx, cy) = p.k, p.centre
                    b = (cx + k * (inner[0] - cx), cy + k * (inner[1] - cy),
                         cx + k * (inner[2] - cx), cy + k * (inner[3] - cy))
            if b:
                boxes.append(b)
        if not boxes:
            return None
        return (min(b[0] for b in boxes), min(b[1] for b in boxes),
                max(b[2] for b in boxes), max(b[3] for b in boxes))

    def _part(self, p):
        if isinstance(p, Text):
            return self._text(p)
        if isinstance(p, Placed):
            did, _, _ = self._outline(self._source_key(p.role), p.ch)
            if did is None:
                fail("character %r draws nothing" % p.ch)
            k = p.size / 100.0
            return ['<use xlink:href="#%s" transform="matrix(%s 0 0 %s %s %s)"/>'
                    % (did, fine(k), fine(-k if p.mirror else k), num(p.x), num(p.y))]
        if isinstance(p, Path):
            return ['<path d="%s"%s/>' % (p.d, _paint(p.fill, p.stroke, p.width, p.cap))]
        if isinstance(p, Circle):
            return ['<circle cx="%s" cy="%s" r="%s"%s/>'
                    % (num(p.cx), num(p.cy), num(p.r), _paint(p.fill, p.stroke, p.width))]
        if isinstance(p, Line):
            return ['<line x1="%s" y1="%s" x2="%s" y2="%s"%s/>'
                    % (tuple(num(v) for v in p.p) + (_paint(None, p.stroke, p.width, p.cap),))]
        if isinstance(p, Rect):
            rx = ' rx="%s"' % num(p.rx) if p.rx else ""
            return ['<rect x="%s" y="%s" width="%s" height="%s"%s%s/>'
                    % (tuple(num(v) for v in p.r) + (rx, _paint(p.fill, p.stroke, p.width)))]
        if isinstance(p, Named):
            inner = [line for q in p.parts for line in self._part(q)]
            return ['<g id=%s>' % quoteattr(self._glyph_id + "." + p.suffix)] + inner + ["</g>"]
        if isinstance(p, Scaled):
            inner = [line for q in p.parts for line in self._part(q)]
            cx, cy = p.centre
            return ['<g transform="matrix(%s 0 0 %s %s %s)">'
                    % (fine(p.k), fine(p.k), num(cx - p.k * cx), num(cy - p.k * cy))] + inner + ["</g>"]
        if isinstance(p, Group):
            fill = ' fill="%s"' % p.fill if p.fill else ""
            if p.stroke:
                fill += ' stroke="%s" stroke-width="%s"' % (p.stroke, num(p.width))
            inner = [line for q in p.parts for line in self._part(q)]
            return ['<g transform="%s"%s>' % (p.transform, fill)] + inner + ["</g>"]
        fail("unknown part %r" % (p,))

    def name_height(self, glyphs, main_ids):
        """Median ink height of the font's plain note names `main_ids`,
        without their marks and rings."""
        by_id = {g.id: g for g in glyphs}

        def name_only(parts):
            out = []
            for p in parts:
                if isinstance(p, Named):
                    if not p.is_mark() and p.suffix != "circle":
                        out += name_only(p.parts)
                else:
                    out.append(p)
            return out
        heights = sorted(b[3] - b[1] for b in
                         (self.ink_box(name_only(by_id[i].parts)) for i in main_ids if i in by_id) if b)
        if not heights:
            fail("%s/%s: none of its reference names %r is drawn"
                 % (self.font.folder, self.font.name, main_ids))
        return heights[len(heights) // 2]

    def _bring_up(self, g, name_h):
        """Marks of `g` scaled up to MARK_AIM of the name height; their
        ink must stay inside the frame with FRAME_MARGIN to spare."""
        g.parts = self._scaled_marks(g.id, g.parts, name_h)
        if any(isinstance(p, Named) for p in g.parts):
            box = self.ink_box(g.parts)
            m = FRAME_MARGIN - 0.05
            if box and (box[0] < m or box[1] < m or box[2] > g.w - m or box[3] > g.h - m):
                fail("%s/%s: glyph %r runs out of its %sx%s frame (ink %s)"
                     % (self.font.folder, self.font.name, g.id, num(g.w), num(g.h),
                        " ".join(num(v) for v in box)))

    def _check_ring(self, g):
        """Every part a ring holds lies inside the ring's inner edge."""
        named = {p.suffix: p for p in g.parts if isinstance(p, Named)}
        if "circle" not in named:
            return
        ring = named["circle"].parts[0]
        inner = ring.r - ring.width / 2

        def leaves(parts):
            for p in parts:
                if isinstance(p, Named):
                    yield from leaves(p.parts)
                else:
                    yield p
        for p in leaves(named["inside"].parts):
            b = self.ink_box([p])
            far = max(((x - ring.cx) ** 2 + (y - ring.cy) ** 2) ** 0.5
                      for x in (b[0], b[2]) for y in (b[1], b[3]))
            if far > inner:
                fail("%s/%s: glyph %r reaches over its ring (%s > %s)"
                     % (self.font.folder, self.font.name, g.id, num(far), num(inner)))

    def _scaled_marks(self, gid, parts, name_h):
        out = []
        for p in parts:
            if isinstance(p, Named) and p.is_mark():
                box = self.ink_box(p.parts)
                h = box[2] - box[0] if p.flat else box[3] - box[1]
                if h < MARK_AIM * name_h:
                    k = MARK_AIM * name_h / h
                    centre = ((box[0] + box[2]) / 2, (box[1] + box[3]) / 2)
                    p = Named(p.suffix, [Scaled(p.parts, k, centre)], p.flat)
                self.marks.append("%s.%s%s" % (gid, p.suffix, " flat" if p.flat else ""))
            elif isinstance(p, Named):
                p = Named(p.suffix, self._scaled_marks(gid, p.parts, name_h))
            out.append(p)
        return out

    def bring_up_marks(self, glyphs, main_ids):
        """Every mark of the font at its share; frames and rings checked."""
        self.marks = []
        name_h = self.name_height(glyphs, main_ids)
        for g in glyphs:
            self._bring_up(g, name_h)
            self._check_ring(g)

    def write(self, glyphs, path, comment, main_ids=()):
        self.marks = []
        if main_ids:
            self.bring_up_marks(glyphs, main_ids)
        body = []
        x = y = 0.0
        row_h = 0.0
        page_w = 1000.0
        seen = set()
        for g in glyphs:
            if g.id in seen:
                fail("%s: glyph id %r defined twice" % (path, g.id))
            seen.add(g.id)
            if x > 0 and x + g.w > page_w:
                x, y, row_h = 0.0, y + row_h + 20, 0.0
            self._glyph_id = g.id
            body.append('<g id=%s transform="translate(%s %s)">' % (quoteattr(g.id), num(x), num(y)))
            body.append('<rect width="%s" height="%s" fill="none"/>' % (num(g.w), num(g.h)))
            for p in g.parts:
                body.extend(self._part(p))
            body.append("</g>")
            x += g.w + 20
            row_h = max(row_h, g.h)
        total_h = y + row_h
        out = ['<?xml version="1.0" encoding="UTF-8"?>',
               '<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
               'version="1.1" width="%s" height="%s" viewBox="0 0 %s %s">'
               % (num(page_w), num(total_h), num(page_w), num(total_h)),
               "<!-- %s -->" % comment]
        if self.defs:
            out += ["<defs>"] + self.defs + ["</defs>"]
        out += body + ["</svg>", ""]
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8", newline="\n") as f:
            f.write("\n".join(out))


def _paint(fill, stroke, width, cap="round"):
    s = ' fill="%s"' % (fill if fill else "none")
    if stroke:
        s += ' stroke="%s" stroke-width="%s"' % (stroke, num(width))
        if cap:
            s += ' stroke-linecap="%s" stroke-linejoin="round"' % cap
    return s
