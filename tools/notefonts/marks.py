"""Marks shared by the note fonts of every notation style: duration bars,
rests, repeat and tremolo signs, breath, glissando, dots, "Undefined".

Cell sizes follow the program's glyph maps: a glyph whose box length the maps
fix (RepeatHalf 2, RepeatWhole 4, TremoloWhole 3, Suru 0.6 note sizes ...)
is that many note sizes long along the reading direction and starts at the
cell's start; other marks are centred in their cells. "_V" forms are the
same marks laid along the vertical reading direction.
"""

from glyphkit import NOTE, Circle, Glyph, Line, Path, Text

N = NOTE
BAR = 3.0  # stroke width of bars and drawn marks


def pair(gid, w, h, parts_h, parts_v):
    """A horizontal glyph and its "_V" form with the cell turned."""
    return [Glyph(gid, w, h, parts_h), Glyph(gid + "_V", h, w, parts_v)]


def duration_bar(gid, length, short=None):
    """A bar along the reading direction, `length` note sizes long."""
    w = length * N
    b = short if short else w - 8
    x0 = (w - b) / 2
    return pair(gid, w, 10,
                [Line(x0, 5, x0 + b, 5, BAR, cap="butt")],
                [Line(5, x0, 5, x0 + b, BAR, cap="butt")])


def rest_circle(cx, cy, r=9.0):
    return Circle(cx, cy, r, fill=None, stroke="#000", width=2.6)


def simple_rests():
    """QuarterRest: an open circle; WholeRest: a circle crossed by a bar."""
    out = pair("QuarterRest", 30, 30, [rest_circle(15, 15)], [rest_circle(15, 15)])
    out += pair("WholeRest", 50, 30,
                [rest_circle(25, 15, 11), Line(4, 15, 46, 15, BAR)],
                [rest_circle(15, 25, 11), Line(15, 4, 15, 46, BAR)])
    return out


def repeat_signs(role):
    """Repeat*: a ditto mark, then a line over the rest of the stretch."""
    out = []
    for gid, length in (("Repeat", 1), ("Repeat8th", 1), ("RepeatQuarter", 1),
                        ("RepeatHalf", 2), ("RepeatWhole", 4)):
        size = 26 if gid == "Repeat8th" else 36
        w = length * N
        h_parts = [Text("\u3003", role, N / 2, 25, size, fit=(34, 34))]
        v_parts = [Text("\u3003", role, 25, N / 2, size, fit=(34, 34))]
        if length > 1:
            h_parts.append(Line(N, 25, w - 6, 25, BAR))
            v_parts.append(Line(25, N, 25, w - 6, BAR))
        out += pair(gid, w, 50, h_parts, v_parts)
    return out


def _zigzag(x0, x1, y, amp, teeth):
    step = (x1 - x0) / (2 * teeth)
    pts = ["M%s %s" % (round(x0, 1), y)]
    for i in range(1, 2 * teeth + 1):
        pts.append("L%s %s" % (round(x0 + i * step, 1), round(y + (amp if i % 2 else -amp), 1)))
    return " ".join(pts)


def tremolo_signs():
    """Tremolo*: a zigzag over the stretch; Tremolo1*: three slanted strokes."""
    out = []
    for gid, length in (("TremoloWhole", 3), ("TremoloHalf", 2), ("TremoloQuarter", 1)):
        w = length * N
        teeth = 3 * length
        d = _zigzag(4, w - 4, 12, 7, teeth)
        dv = " ".join(_swap(tok) for tok in d.split(" L"))
        out += pair(gid, w, 24,
                    [Path(d, fill=None, stroke="#000", width=2.4)],
                    [Path(dv, fill=None, stroke="#000", width=2.4)])
    for gid, length in (("Tremolo1Half", 2), ("Tremolo1Quarter", 1)):
        w = length * N
        c = w / 2
        h_parts = [Line(c - 14 + 10 * i, 20, c - 6 + 10 * i, 4, BAR) for i in range(3)]
        v_parts = [Line(4, c - 14 + 10 * i, 20, c - 6 + 10 * i, BAR) for i in range(3)]
        out += pair(gid, w, 24, h_parts, v_parts)
    return out


def _swap(tok):
    """Swaps x and y of one path token ("M4 12" or "54.2 5")."""
    lead = ""
    if tok[0] == "M":
        lead, tok = "M", tok[1:]
    else:
        lead = "L"
    x, y = tok.split(" ")
    return "%s%s %s" % (lead, y, x)


def breath():
    """The breath mark: a small check mark above the note."""
    v = Path("M4 6 L12 20 L20 6", fill=None, stroke="#000", width=BAR)
    return [Glyph("Breath", 24, 24, [v]), Glyph("Breath_V", 24, 24, [v])]


def glissando(role):
    """"gliss." written along the glissando line."""
    return pair("Glissando", 50, 20,
                [Text("gliss.", role, 25, 10, 18, fit=(46, 16))],
                [_turned(Text("gliss.", role, 25, 10, 18, fit=(46, 16)), 50, 20)])


def _turned(part, w, h):
    """A horizontal part turned to read top to bottom in a (h x w) cell."""
    from glyphkit import Group, num
    return Group([part], "translate(%s 0) rotate(90)" % num(h))


def dot():
    return [Glyph("Dot", 20, 20, [Circle(10, 10, 4.5)])]


def undefined(role):
    return [Glyph("Undefined", N, N, [Text("\uff1f", role, 25, 25, 40, fit=(34, 40))])]


def suru(role):
    return [Glyph("Suru", 0.6 * N, N, [Text("\u30b9", role, 15, 25, 24, fit=(26, 26))])]


def every_style(name_role, latin_role):
    """The marks the glyph maps name for every notation style."""
    return (dot() + breath() + repeat_signs(name_role) + suru(name_role)
            + tremolo_signs() + glissando(latin_role) + undefined("gothic"))
