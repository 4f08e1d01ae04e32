"""Sangen and shamisen note fonts: Sangen_Ikuta, Sangen_Yamada, Shamisen_Bunka.

Sangen_Ikuta names a note by string and position ("3-4#"): the position
number large, a raised position's ♯ small at its upper right, and the
string as a small kanji numeral (一 二 三) at the upper left. Sangen_Yamada
names scale degrees ("5#", ".6", "2.", "3:") as numbered notation: the
numeral, ♯ or ♭ small at its upper left, one dot below for the low octave,
one or two dots above for the high octaves. Shamisen_Bunka writes only the
position numeral: the program draws the three string lines and puts the
numeral on its string's line (♯ and ♭ are positions of their own, "1#" is
1 with a ♯). A "-Hajiki" name carries a small ハ at its lower right, a
"-Sukui" name a small ス.

The "Proportional" Ikuta fonts set each digit of a position by its own ink
width (a 1 takes less room than a 4), so two-digit positions need no
squeeze; the others set every digit in one fixed width, as tabular figures
are, and squeeze two-digit positions into the numeral box.

The string kanji, ♯ and technique kana are marks: each is at least the
generator's share of the numerals' height, drawn from a face of the
numerals' weight; the string kanji stands in a column at the left, ♯ and
the technique kana in a column at the right, and the frame grows by those
columns rather than the numeral shrinking.
"""

from glyphkit import NOTE, Circle, FontFile, Glyph, Text, mark
import koto
import marks

N = NOTE

KANJI_STRING = {"1": "一", "2": "二", "3": "三"}

IKUTA_LOW = ["1", "2", "3", "4", "4#", "5", "6", "7", "8", "8#", "9", "10", "11", "12", "13", "14", "14#",
             "15", "16", "17", "18", "18#", "19"]
IKUTA_HIGH = ["20", "21", "22", "23", "24", "24#", "25", "26", "27", "28", "28#", "29"]
YAMADA_DEGREES = ["1", "1#", "2", "2#", "3", "4", "4#", "5", "5#", "6", "7b", "7"]
BUNKA = ["0", "1", "2", "3", "#", "4", "5", "6", "7", "8", "9", "b", "10", "11", "12", "13", "1#", "14",
         "15", "16", "17", "18", "19"]

SHARP, FLAT = "\u266f", "\u266d"


def _font(folder, name, digits, **options):
    return FontFile(folder, name, {"name": digits, "kana": options.pop("kana", "gothic"), "acc": "music",
                                   "latin": "serifItalic", "mark": "gothic"}, **options)


FONTS = [
    _font("Sangen_Ikuta", "Sangen_Bold", "sansBold", school="ikuta", kana="feltpen"),
    _font("Sangen_Ikuta", "Sangen_Bold_Proportional", "feltpen", school="ikuta", kana="feltpen",
          proportional=True),
    _font("Sangen_Ikuta", "Sangen_Brush", "brush", school="ikuta", kana="brush"),
    _font("Sangen_Ikuta", "Sangen_Brush_Proportional", "gyosho", school="ikuta", kana="gyosho",
          proportional=True),
    _font("Sangen_Yamada", "Sangen_Yamada", "serifBold", school="yamada"),
    _font("Shamisen_Bunka", "Shamisen_Brush", "brush", school="bunka"),
]


def suffix_mark(suffix):
    return {"": None, "-Hajiki": "ハ", "-Sukui": "ス"}[suffix]


# Gap between proportional digits, in em hundredths of the source face.
DIGIT_GAP = 6.0
# Column widths of the Ikuta marks: the string kanji at the left, ♯ and the
# technique kana at the right; the numeral box between them.
KANJI_W = 23.0
RIGHT_W = 27.0
NUMERAL_W = 34.0
MARK_H = 19.0


def _proportional(box, adv):
    return (box[2] - box[0]) + DIGIT_GAP


def numeral(number, cx, cy, box_w, box_h, proportional):
    if proportional:
        return Text(number, "name", cx, cy, 40, fit=(box_w, box_h), advance=_proportional)
    squeeze = 1.0 if len(number) < 2 else 0.72
    return Text(number, "name", cx, cy, 40, fit=(box_w, box_h), squeeze=squeeze)


def ikuta_glyph(gid, string, position, suffix, proportional):
    number = position.rstrip("#")
    sharp = position.endswith("#")
    tech = suffix_mark(suffix)
    right = RIGHT_W + 1 if sharp or tech else 0
    # Proportional numerals may use a wider box; tabular ones are squeezed.
    box_w = NUMERAL_W + (4 if proportional else 0)
    w = 1.5 + KANJI_W + 1 + box_w + right + 1.5
    kanji_cx = 1.5 + KANJI_W / 2
    parts = [mark([Text(KANJI_STRING[string], "kana", kanji_cx, 2 + MARK_H / 2, 40,
                        fit=(KANJI_W, MARK_H), grow=True)], flat=(string != "3"))]
    parts.append(numeral(number, 1.5 + KANJI_W + 1 + box_w / 2, 27, box_w, 32, proportional))
    rx = w - 1.5 - RIGHT_W / 2
    n = 2
    if sharp:
        parts.append(mark([Text(SHARP, "acc", rx, 2 + MARK_H / 2, 40, fit=(RIGHT_W, MARK_H), grow=True)], n))
        n += 1
    if tech:
        parts.append(mark([Text(tech, "kana", rx, N - 2 - MARK_H / 2, 40, fit=(RIGHT_W, MARK_H), grow=True)], n))
    return Glyph(gid, w, N, parts)


def yamada_glyph(gid, degree, suffix):
    low = degree.startswith(".")
    high = 1 if degree.endswith(".") and not low else 2 if degree.endswith(":") else 0
    core = degree.strip(".:")
    digit, acc = core[0], core[1:]
    parts = [Text(digit, "name", 25, 26, 36, fit=(22, 28))]
    if acc:
        parts.append(mark([Text(SHARP if acc == "#" else FLAT, "acc", 8, 20, 40, fit=(10, 17), grow=True)]))
    for i in range(high):
        parts.append(Circle(25 - 4 * (high - 1) + 8 * i, 5, 2.8))
    if low:
        parts.append(Circle(25, 46, 2.8))
    tech = suffix_mark(suffix)
    if not tech:
        return Glyph(gid, N, N, parts)
    # The technique kana takes a column right of the numeral.
    w = 37 + RIGHT_W + 1.5
    parts.append(mark([Text(tech, "kana", 37 + RIGHT_W / 2, 38, 40, fit=(RIGHT_W, 17), grow=True)],
                      2 if acc else 1))
    return Glyph(gid, w, N, parts)


def bunka_glyph(gid, position):
    if position in ("#", "b"):
        parts = [Text(SHARP if position == "#" else FLAT, "acc", 25, 25, 36, fit=(18, 30))]
    elif position == "1#":
        parts = [Text("1", "name", 20, 27, 36, fit=(18, 28)),
                 mark([Text(SHARP, "acc", 38, 13, 40, fit=(10, 17), grow=True)])]
    else:
        parts = [Text(position, "name", 25, 25, 36, fit=(34, 28), squeeze=0.8 if len(position) > 1 else 1)]
    return Glyph(gid, N, N, parts)


def techniques(names):
    table = {"Hajiki": "ハ", "Sukui": "ス", "SuriAge": "上", "SuriSage": "下", "SuriSageAge": "下上",
             "Prev": "\u30fd"}
    out = []
    for gid in names:
        text = table[gid]
        size = 70 if gid == "Prev" else 38
        fit = (26, 30) if gid == "Prev" else (36, 36)
        out.append(Glyph(gid, N, N, [Text(text, "kana", 25, 25, size, fit=fit, vertical=len(text) > 1)]))
    return out


def main_ids(font):
    """Plain positions of one digit: the height the marks answer to."""
    school = font.opt("school")
    if school == "ikuta":
        return ["3-%d" % n for n in range(1, 10)]
    if school == "yamada":
        return [d for d in YAMADA_DEGREES if len(d) == 1]
    return ["3-%d" % n for n in range(0, 10)]


def glyphs(font):
    school = font.opt("school")
    out = []
    if school == "ikuta":
        for string in ("3", "2", "1"):
            positions = IKUTA_LOW + (IKUTA_HIGH if string == "3" else [])
            for p in positions:
                for suffix in ("", "-Hajiki", "-Sukui"):
                    gid = "%s-%s%s" % (string, p, suffix)
                    out.append(ikuta_glyph(gid, string, p, suffix, font.opt("proportional", False)))
        out += techniques(["Hajiki", "Sukui", "SuriAge", "SuriSage", "SuriSageAge", "Prev"])
        out += koto.ikuta_rests_and_extensions()
    elif school == "yamada":
        for octave in ("low", "", ".", ":"):
            degrees = ["5", "5#", "6", "7b", "7"] if octave == "low" else YAMADA_DEGREES
            for d in degrees:
                name = "." + d if octave == "low" else d + octave
                for suffix in ("", "-Hajiki", "-Sukui"):
                    out.append(yamada_glyph(name + suffix, name, suffix))
        out += techniques(["Hajiki", "Sukui", "SuriAge", "SuriSage", "Prev"])
        out += marks.simple_rests()
    else:
        for string in ("3", "2", "1"):
            for p in BUNKA:
                out.append(bunka_glyph("%s-%s" % (string, p), p))
        out += techniques(["Prev"])
        out += marks.simple_rests()
    out += marks.every_style("mark", "latin")
    out += marks.duration_bar("QuarterBar", 1, short=30)
    return out
