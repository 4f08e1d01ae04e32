"""Fue (shinobue) note fonts.

A fue note name is a scale degree 1-7 (kanji 一 ... 七 in the kanji fonts,
digits in Shinobue_Numeric), 0 and 8 being further spellings. A sharp or flat
stands small before it; the high octave ("...Dot") is one dot above, the
second high octave ("...Dot2") two dots; the low octave ("Dot...") a dot
below. "Maru" names are circled; "1-" names carry a short stroke before the
numeral. In the "_V" forms (vertical writing) the octave dots stand to the
right of the numeral (high) or to the left (low) and the accidental above.
"""

import re

from glyphkit import NOTE, Circle, FontFile, Glyph, Line, Named, Text, mark
import marks

N = NOTE

NAMES = ["Dot5", "Dot#5", "Dotb6", "Dot6", "Dotb7", "Dot#6", "Dot7", "1", "#1", "b2", "2", "b3", "#2",
         "3", "4", "#4", "b5", "5", "#5", "b6", "6", "b7", "#6", "0", "7", "7Maru", "1Dot", "1-Dot",
         "#1Dot", "b2Dot", "2Dot", "b3Dot", "#2Dot", "3Dot", "4Dot", "#4Dot", "b5Dot", "5Dot", "#5Dot",
         "b6Dot", "6Dot", "b7Dot", "#6Dot", "7Dot", "7DotMaru", "1Dot2", "1-Dot2", "8", "b2Dot2",
         "#1Dot2", "2Dot2", "b3Dot2", "#2Dot2", "3Dot2", "4Dot2", "b5Dot2", "#4Dot2", "5Dot2", "#5Dot2",
         "b6Dot2", "6Dot2", "b7Dot2", "7Dot2", "Dot0"]

KANJI = dict(zip("012345678", "〇一二三四五六七八"))

FONTS = [
    FontFile("Shinobue", "Shinobue_Fukuhara", {"name": "kouzanT", "acc": "music", "latin": "serifItalic"},
             numerals="kanji"),
    FontFile("Shinobue", "Shinobue_Kanji", {"name": "mincho", "acc": "music", "latin": "serifItalic"},
             numerals="kanji"),
    FontFile("Shinobue", "Shinobue_Numeric", {"name": "feltpen", "acc": "music", "latin": "serifItalic"},
             numerals="digits"),
]

_NAME = re.compile(r"^(Dot)?([#b]?)([0-8])(-)?(Dot2|Dot)?(Maru)?$")


def parse(name):
    m = _NAME.match(name)
    if not m:
        raise SystemExit("notefonts: error: fue name %r not understood" % name)
    low, acc, digit, dash, high, maru = m.groups()
    return bool(low), acc, bool(dash), digit, {"Dot": 1, "Dot2": 2}.get(high, 0), bool(maru)


# An accidental is a mark: in the horizontal form it takes a column of its
# own before the numeral (the frame grows by it); in the vertical form it
# stands above the numeral's left side.
ACC_W = 11.0
ACC_H = 17.0
NUMERAL_EM = 40
NUMERAL_BOX = 30.0


def fue_name(gid, name, numerals, vertical):
    low, acc, dash, digit, high, maru = parse(name)
    ch = KANJI[digit] if numerals == "kanji" else digit
    parts = []
    shift = ACC_W - 3 if acc and not vertical else 0
    w = N + shift
    cx, cy = 27.0 + shift, 26.0
    if acc and vertical:
        cx, cy = 29.0, 27.0
    if maru:
        parts.append(Named("circle", [Circle(cx, cy, 16.5, fill=None, stroke="#000", width=1.6)]))
        parts.append(Named("inside", [Text(ch, "name", cx, cy, 30, fit=(20, 20))]))
    else:
        parts.append(Text(ch, "name", cx, cy, NUMERAL_EM, fit=(NUMERAL_BOX, NUMERAL_BOX)))
    if acc:
        sym = "\u266f" if acc == "#" else "\u266d"
        ax, ay = (1.5 + ACC_W / 2, 11.5) if vertical else (1.5 + ACC_W / 2, 20)
        parts.append(mark([Text(sym, "acc", ax, ay, 40, fit=(ACC_W, ACC_H), grow=True)]))
    if dash:
        parts.append(Line(4, 38, 11, 38, 2.4) if not vertical else Line(19, 46, 35, 46, 2.4))
    if vertical:
        for i in range(high):
            parts.append(Circle(46, 17 + 10 * i, 2.8))
        if low:
            parts.append(Circle(7, 38, 2.8))
    else:
        for i in range(high):
            parts.append(Circle(cx - 5 * (high - 1) + 10 * i, 5, 2.8))
        if low:
            parts.append(Circle(cx, 46, 2.8))
    return Glyph(gid, w, N, parts)


def main_ids(font):
    """Plain numerals of the middle octave."""
    return [str(n) for n in range(1, 8)]


def glyphs(font):
    numerals = font.opt("numerals")
    out = []
    for name in NAMES:
        out.append(fue_name(name, name, numerals, False))
        out.append(fue_name(name + "_V", name, numerals, True))
    out += marks.every_style("name", "latin")
    out.append(Glyph("Prev", N, N, [Text("\u30fd", "name", 25, 25, 70, fit=(26, 30))]))
    out += marks.simple_rests()
    out += marks.duration_bar("QuarterBar", 1, short=30)
    return out
