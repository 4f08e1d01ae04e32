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
    """

    def __init__(self, text, role, cx, cy, size, fit=None, squeeze=1.0, vertical=False,
                 fill=None, gap=0.06):
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

    def _text(self, t):
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
            f = min(1.0, t.fit[0] / max(1e-6, (x1 - x0) * kx), t.fit[1] / max(1e-6, (y1 - y0) * ky))
            kx, ky = kx * f, ky * f
        tx = t.cx - kx * (x0 + x1) / 2
        ty = t.cy - ky * (y0 + y1) / 2
        fill = ' fill="%s"' % t.fill if t.fill else ""
        return ['<use xlink:href="#%s" transform="matrix(%s 0 0 %s %s %s)"%s/>'
                % (did, fine(kx), fine(ky), num(tx + kx * ox), num(ty + ky * oy), fill)
                for did, _, ox, oy in placed]

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
        if isinstance(p, Group):
            fill = ' fill="%s"' % p.fill if p.fill else ""
            if p.stroke:
                fill += ' stroke="%s" stroke-width="%s"' % (p.stroke, num(p.width))
            inner = [line for q in p.parts for line in self._part(q)]
            return ['<g transform="%s"%s>' % (p.transform, fill)] + inner + ["</g>"]
        fail("unknown part %r" % (p,))

    def write(self, glyphs, path, comment):
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
