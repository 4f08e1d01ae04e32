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

The "Proportional" Ikuta fonts keep the numerals' own widths; the others
squeeze two-digit positions into one note width.
"""

from glyphkit import NOTE, Circle, FontFile, Glyph, Text
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
    _font("Sangen_Ikuta", "Sangen_Bold", "sansBold", school="ikuta"),
    _font("Sangen_Ikuta", "Sangen_Bold_Proportional", "feltpen", school="ikuta", proportional=True),
    _font("Sangen_Ikuta", "Sangen_Brush", "brush", school="ikuta", kana="brush"),
    _font("Sangen_Ikuta", "Sangen_Brush_Proportional", "gyosho", school="ikuta", kana="gyosho",
          proportional=True),
    _font("Sangen_Yamada", "Sangen_Yamada", "serifBold", school="yamada"),
    _font("Shamisen_Bunka", "Shamisen_Brush", "brush", school="bunka"),
]


def suffix_mark(suffix):
    return {"": None, "-Hajiki": "ハ", "-Sukui": "ス"}[suffix]


def numeral(number, cx, cy, box_w, box_h, proportional):
    squeeze = 1.0 if proportional or len(number) < 2 else 0.72
    return Text(number, "name", cx, cy, 40, fit=(box_w, box_h), squeeze=squeeze)


def ikuta_glyph(gid, string, position, suffix, proportional):
    number = position.rstrip("#")
    parts = [Text(KANJI_STRING[string], "kana", 7, 7, 12, fit=(10, 10)),
             numeral(number, 25, 27, 38 if proportional else 34, 32, proportional)]
    if position.endswith("#"):
        parts.append(Text(SHARP, "acc", 44, 9, 16, fit=(8, 13)))
    mark = suffix_mark(suffix)
    if mark:
        parts.append(Text(mark, "kana", 44, 44, 13, fit=(10, 10)))
    return Glyph(gid, N, N, parts)


def yamada_glyph(gid, degree, suffix):
    low = degree.startswith(".")
    high = 1 if degree.endswith(".") and not low else 2 if degree.endswith(":") else 0
    core = degree.strip(".:")
    digit, acc = core[0], core[1:]
    parts = [Text(digit, "name", 25, 26, 36, fit=(22, 28))]
    if acc:
        parts.append(Text(SHARP if acc == "#" else FLAT, "acc", 8, 17, 18, fit=(9, 15)))
    for i in range(high):
        parts.append(Circle(25 - 4 * (high - 1) + 8 * i, 5, 2.8))
    if low:
        parts.append(Circle(25, 46, 2.8))
    mark = suffix_mark(suffix)
    if mark:
        parts.append(Text(mark, "kana", 43, 42, 13, fit=(10, 10)))
    return Glyph(gid, N, N, parts)


def bunka_glyph(gid, position):
    if position in ("#", "b"):
        parts = [Text(SHARP if position == "#" else FLAT, "acc", 25, 25, 36, fit=(18, 30))]
    elif position == "1#":
        parts = [Text("1", "name", 22, 26, 36, fit=(18, 28)), Text(SHARP, "acc", 36, 14, 16, fit=(8, 13))]
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
