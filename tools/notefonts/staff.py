"""Staff notation: Staff_Notation/Staff_Notation.svg, from Noto Music.

The program places a staff glyph by the top (horizontal writing) or left
edge (vertical writing) of its box, measured from the staff step it belongs
to. So each symbol is drawn at one staff space = SPACE units (a quarter of a
note size) and its box is cut so that the edge the program places lies the
prescribed distance from the symbol's reference line (the centre of a head
or an accidental, the line of a clef). "_V" forms are the same symbols
turned a quarter clockwise: higher pitch lies to the right in vertical
writing.
"""

from glyphkit import NOTE, Circle, FontFile, Glyph, Group, Line, OutlineSource, Path, Placed, Rect, \
    Text, num
from sources import SOURCES
import marks

N = NOTE
SPACE = N / 4.0            # one staff space in SVG units
FONT_SPACE = 268.0         # one staff space of Noto Music, font units (em 1000)
EM = SPACE / FONT_SPACE * 1000.0  # SVG units per em at full size

FONTS = [FontFile("Staff_Notation", "Staff_Notation",
                  {"music": "music", "latin": "serifItalic", "name": "gothic", "italic": "serifBoldItalic"})]

_outlines = OutlineSource(SOURCES)


def ink(ch):
    """Ink box of a Noto Music character in font units, y up: (x0, y0, x1, y1)."""
    _, box, _ = _outlines.outline("music", ch)
    # outline() answers at em 100, y down.
    return (box[0] * 10, -box[3] * 10, box[2] * 10, -box[1] * 10)


class Sym:
    """One music character placed by its reference height (font units above
    its origin) at a reference y of the cell, scaled by `scale`."""

    def __init__(self, ch, ref, scale=1.0, dx=0.0, dy=0.0):
        self.ch, self.ref, self.scale, self.dx, self.dy = ch, ref, scale, dx, dy
        self.k = EM * scale / 1000.0
        x0, y0, x1, y1 = ink(ch)
        self.width = (x1 - x0) * self.k
        self.above = (y1 - ref) * self.k   # ink above the reference line
        self.below = (ref - y0) * self.k
        self.x0 = x0

    def part(self, x, ref_y):
        """Draws with the ink's left at x and the reference line at ref_y."""
        return Placed(self.ch, "music", x - self.x0 * self.k + self.dx, ref_y + self.ref * self.k + self.dy,
                      EM * self.scale)


def turned(parts, w, h):
    return Group(parts, "translate(%s 0) rotate(90)" % num(h))


def pair(gid, w, top, bottom, parts, v_top=None, v_bottom=None):
    """A glyph whose parts are drawn about a reference line at y = 0 of the
    drawing frame; horizontal cell from `top` to `bottom` (negative above),
    vertical form from v_top to v_bottom, turned clockwise."""
    v_top = top if v_top is None else v_top
    v_bottom = bottom if v_bottom is None else v_bottom
    h = bottom - top
    hv = v_bottom - v_top
    g = Glyph(gid, w, h, [Group(parts, "translate(0 %s)" % num(-top))])
    gv = Glyph(gid + "_V", hv, w, [turned([Group(parts, "translate(0 %s)" % num(-v_top))], w, hv)])
    return [g, gv]


def symbols_row(syms, gap):
    """Parts of several symbols side by side, each at its reference y (the
    second item of each pair, relative to the row's reference line)."""
    parts, x = [], 0.0
    for sym, y in syms:
        parts.append(sym.part(x, y))
        x += sym.width + gap
    return parts, x - gap


# Accidentals: id -> (characters, horizontal top distance, vertical left
# distance), both in note sizes from the note's step.
ACCIDENTALS = [
    ("Natural", "\u266e", 0.265, 0.265),
    ("Sharp", "\u266f", 0.265, 0.265),
    ("DoubleSharp", "\U0001d12a", 0.12, 0.265),
    ("Flat", "\u266d", 0.36, 0.14),
    ("DoubleFlat", "\U0001d12b", 0.365, 0.14),
    ("NaturalFlat", "\u266e\u266d", 0.372, 0.265),
    ("NaturalSharp", "\u266e\u266f", 0.265, 0.25),
]


def centre_of(ch):
    """Reference height of an accidental: the middle of symmetric signs, the
    bowl of a flat."""
    x0, y0, x1, y1 = ink(ch)
    if ch in ("\u266d", "\U0001d12b"):
        return y0 + 0.5 * FONT_SPACE
    return (y0 + y1) / 2


def accidental(gid, chars, top, left, grace):
    scale = 0.7 if grace else 1.0
    top = top * N - (2.5 if grace else 0.0)
    left = left * N + (2.5 if grace else 0.0)
    syms = [Sym(ch, centre_of(ch), scale) for ch in chars]
    # Shrink until the ink fits between the edges the program places.
    shrink = min([1.0] + [top / s.above for s in syms] + [left / s.below for s in syms])
    syms = [Sym(ch, centre_of(ch), scale * shrink * 0.98) for ch in chars]
    parts, w = symbols_row([(s, 0.0) for s in syms], 1.5)
    ink_top = -max(s.above for s in syms)
    ink_bottom = max(s.below for s in syms)
    return pair(gid, w, -top, ink_bottom, parts, v_top=ink_top, v_bottom=left)


def accidentals():
    out = []
    for gid, chars, top, left in ACCIDENTALS:
        out += accidental(gid, chars, top, left, False)
        out += accidental(gid + "_Grace", chars, top, left, True)
    return out


def heads():
    out = []
    for gid, ch, scale in (("WholeNote", "\U0001d15d", 1.0), ("HalfNote", "\U0001d157", 1.0),
                           ("QuarterNote", "\U0001d158", 1.0), ("GraceNote", "\U0001d158", 0.76)):
        s = Sym(ch, FONT_SPACE / 2, scale)
        half = 0.125 * N * scale
        out += pair(gid, s.width, -half, half, [s.part(0, 0)])
    return out


def rests():
    """Rests hang from the step the program gives: box = ink."""
    out = []
    for gid, ch in (("WholeRestFull", "\U0001d13b"), ("HalfRestFull", "\U0001d13c"),
                    ("QuarterRest", "\U0001d13d"), ("8thRest", "\U0001d13e"), ("16thRest", "\U0001d13f"),
                    ("32ndRest", "\U0001d140"), ("64thRest", "\U0001d141"), ("128thRest", "\U0001d142")):
        s = Sym(ch, 0.0)
        out += pair(gid, s.width, -s.above, s.below, [s.part(0, 0)])
    return out


def dots():
    """Augmentation dots: the box top is 0.05 note size above the space's middle."""
    out = []
    r = 0.05 * N
    for gid, count in (("Dot", 1), ("Dot2", 2), ("Dot3", 3), ("Dot4", 4)):
        parts = [Circle(r + 3 * r * i, 0, r) for i in range(count)]
        w = 2 * r + 3 * r * (count - 1)
        g = pair(gid, w, -r, r, parts)
        out += g if gid != "Dot" else g  # "Dot_V" serves the vertical writing
    return out


def clef_pair(gid, sym, top, left):
    """A clef whose box edges lie fixed distances (staff spaces) from its
    reference line: `top` above it (horizontal writing), `left` below it
    (the left edge of the vertical form). The program places the clef by
    these edges (glyphs/staff_glyph_support.cpp), so the ink must fit."""
    assert sym.above <= top * SPACE + 0.01, (gid, sym.above / SPACE)
    assert sym.below <= left * SPACE + 0.01, (gid, sym.below / SPACE)
    return pair(gid, sym.width, -top * SPACE, sym.below, [sym.part(0, 0)],
                v_top=-sym.above, v_bottom=left * SPACE)


def clefs():
    """Clefs; Noto Music draws them from the staff's bottom line."""
    out = []
    g = Sym("\U0001d11e", FONT_SPACE)          # reference: the G line
    top_g = 4.2 * SPACE                          # top 0.05 size above step 6
    out += pair("ClefG", g.width, -max(top_g, g.above), g.below, [g.part(0, 0)],
                v_top=-g.above, v_bottom=max(g.below, 2.5 * SPACE))
    f = Sym("\U0001d122", 3 * FONT_SPACE)      # reference: the F line
    top_f = 0.84 * SPACE
    out += pair("ClefF", f.width, -max(top_f, f.above), f.below, [f.part(0, 0)],
                v_top=-f.above, v_bottom=max(f.below, 2 * SPACE))
    # Octave clefs, the C clef on whichever line, and the percussion clef.
    out += clef_pair("ClefG8va", Sym("\U0001d11f", FONT_SPACE), 5.5, 2.5)
    out += clef_pair("ClefG8vb", Sym("\U0001d120", FONT_SPACE), 4.2, 4.0)
    out += clef_pair("ClefF8va", Sym("\U0001d123", 3 * FONT_SPACE), 2.5, 2.7)
    out += clef_pair("ClefF8vb", Sym("\U0001d124", 3 * FONT_SPACE), 0.84, 3.5)
    out += clef_pair("ClefC", Sym("\U0001d121", 2 * FONT_SPACE), 2.5, 2.5)
    out += clef_pair("ClefPercussion", Sym("\U0001d125", 2 * FONT_SPACE), 2.0, 2.0)
    return out


# Staff steps of the key-signature accidentals (treble clef), in order.
FLAT_STEPS = [0, 3, -1, 2, -2, 1, -3]
SHARP_STEPS = [4, 1, 5, 2, -1, 3, 0]


def key_signatures():
    """Each key is one glyph: the box top lies a fixed distance above the
    highest accidental, its left (vertical writing) below the lowest."""
    out = []
    for kind, ch, steps, top, left in (("KeyFlat", "\u266d", FLAT_STEPS, 0.45, 0.18),
                                       ("KeySharp", "\u266f", SHARP_STEPS, 0.335, 0.335)):
        s0 = Sym(ch, centre_of(ch))
        shrink = min(1.0, top * N / s0.above, left * N / s0.below) * 0.98
        s = Sym(ch, centre_of(ch), shrink)
        for n in range(1, 8):
            used = steps[:n]
            parts = [s.part(i * (s.width + 1.5), -st * SPACE / 2) for i, st in enumerate(used)]
            w = n * s.width + (n - 1) * 1.5
            hi, lo = -max(used) * SPACE / 2, -min(used) * SPACE / 2
            out += pair("%s%d" % (kind, n), w, hi - top * N, lo + s.below, parts,
                        v_top=hi - s.above, v_bottom=lo + left * N)
    return out


STEM_W = 1.3


def stems_and_flags():
    out = []
    # Stems are one note size long; the program stretches them.
    for gid, w in (("Stem", STEM_W), ("Grace_Stem", 1.0)):
        out += pair(gid, w, 0, N, [Rect(0, 0, w, N)])
    flags = {8: "\U0001d16e", 16: "\U0001d16f", 32: "\U0001d170", 64: "\U0001d171", 128: "\U0001d172"}
    for grace, scale in (("", 1.0), ("Grace_", 0.7)):
        for value, ch in flags.items():
            s = Sym(ch, 0.0, scale)
            top = -s.above
            up = [s.part(0, 0)]
            down = [Group([s.part(0, 0)], "matrix(1 0 0 -1 0 0)")]
            out += pair("%sFlag_Up_%d" % (grace, value), s.width, top, top + s.above + s.below, up)
            out += pair("%sFlag_Down_%d" % (grace, value), s.width, -s.below, s.above, down)
        if grace:
            s = Sym(flags[8], 0.0, scale)
            top = -s.above
            h = s.above + s.below
            slash_up = Line(-3, top + 0.62 * h, s.width, top + 0.18 * h, 1.1)
            slash_down = Line(-3, -top - 0.62 * h, s.width, -top - 0.18 * h, 1.1)
            out += pair("Grace_Flag_Up_8_Slash", s.width, top - 1, top + h + 1, [s.part(0, 0), slash_up])
            out += pair("Grace_Flag_Down_8_Slash", s.width, -s.below - 1, s.above + 1,
                        [Group([s.part(0, 0)], "matrix(1 0 0 -1 0 0)"), slash_down])
    return out


def _strokes(count, w, thick=2.2, rise=3.5, gap=4.2):
    parts = []
    for i in range(count):
        y = i * gap
        parts.append(Path("M0 %s L%s %s L%s %s L0 %s Z" % (num(y + rise + thick), num(w), num(y + thick),
                                                          num(w), num(y), num(y + rise))))
    return parts, (count - 1) * gap + rise + thick


def tremolo_strokes():
    out = []
    for n in range(1, 5):
        parts, h = _strokes(n, 12)
        out += pair("Tremolo%d" % n, 12, 0, h, parts)
        parts, h = _strokes(n, 0.4 * N, thick=2.8, rise=2.0)
        out.append(Glyph("Tremolo%d_Double" % n, 0.4 * N, h, parts))
    return out


def ledger_lines():
    out = []
    t = 0.9
    for gid, w in (("AddedLineLongWhole", 46), ("AddedLineLong", 38), ("AddedLineGrace", 16),
                   ("AddedLineShortWhole", 27), ("AddedLineShort", 22)):
        out += pair(gid, w, 0, t, [Rect(0, 0, w, t)])
    return out


def tuplet_numbers():
    out = []
    for n in range(2, 17):
        s = str(n)
        w = 16 * len(s) + 4
        t = Text(s, "italic", w / 2, 11, 26, fit=(w - 2, 20))
        out += [Glyph(s + "_Italic", w, 22, [t]), Glyph(s + "_Italic_V", 22, w, [turned([t], w, 22)])]
    return out


def glyphs(font):
    out = heads() + accidentals() + rests() + dots() + clefs() + key_signatures()
    out += stems_and_flags() + tremolo_strokes() + ledger_lines() + tuplet_numbers()
    out += marks.breath() + marks.repeat_signs("name") + marks.suru("name") + marks.tremolo_signs()
    out += marks.glissando("latin") + marks.undefined("name")
    out.append(Glyph("Prev", N, N, [Text("\u30fd", "name", 25, 25, 70, fit=(26, 30))]))
    return out
