"""Koto note fonts: Koto_Ikuta, Koto_Seiha and Koto_Yamada.

A koto note is the string that sounds it, as the players read it: 一 ... 十,
斗 (To), 為 (I), 巾 (Kin) for the thirteen strings; strings 11 to 17 of the
seventeen-string koto as 十一 ... 十七; the strings below string 1 of the
twenty- and twenty-five-string kotos as the formal numerals 零 壱 弐 参 四 伍
六 七 with a dot below (low strings), the lowest as 乙一 ... 乙四 and the two
above 巾 as 甲一, 甲二.

A pressed string ("+" one semitone, "++" two, "+++" three) carries a small
mark at its right: Ikuta fonts write 弱 (yowa-oshi), 押 (oshi) and 強
(tsuyo-oshi); the Seiha fonts (*_Seiha) write オ with one dot, オ, and オ with
two dots. The techniques are ス (sukui), the press after the stroke (the
press mark alone), 放 (hanasu, releasing the press), × (a muted stroke) and
the repeat sign ヽ. Seiha's "KinWhite" is 巾 in outline, its "BarOsu" marks
a duration bar with the press mark.
"""

from glyphkit import NOTE, Circle, FontFile, Glyph, Group, Line, Text, mark, num
import marks

N = NOTE

KANJI = dict(zip(range(1, 11), "一二三四五六七八九十"))

# Low strings of the 21- and 25-string kotos, and the lowest and highest.
LOW = {"Rei": "零", "Ichi": "壱", "Ni": "弐", "San": "参", "Shi": "四", "Go": "伍", "Roku": "六",
       "Nana": "七"}
EXTRA = {"Otsu1": "乙一", "Otsu2": "乙二", "Otsu3": "乙三", "Otsu4": "乙四", "Kan1": "甲一", "Kan2": "甲二"}


def string_text(name):
    """(characters, dot below) of a string name."""
    if name.isdigit():
        n = int(name)
        return (KANJI[n] if n <= 10 else "十" + KANJI[n - 10]), False
    if name in LOW:
        return LOW[name], True
    return {"To": "斗", "I": "為", "Kin": "巾"}.get(name) or EXTRA[name], False


STRINGS = [str(n) for n in range(1, 18)] + ["To", "I", "Kin"] + list(LOW) + list(EXTRA)

IKUTA_PRESS = {1: "弱", 2: "押", 3: "強"}
SEIHA_PRESS = {1: "オ", 2: "オ", 3: "オ"}
SEIHA_DOTS = {1: 1, 2: 0, 3: 2}  # dots under the オ: one for a weak press, two for a strong one


def _font(folder, name, face, seiha_marks):
    return FontFile(folder, name, {"name": face, "latin": "serifItalic", "mark": "gothic"},
                    seiha=seiha_marks, folder_seiha=(folder == "Koto_Seiha"), ikuta=(folder == "Koto_Ikuta"))


# Kaisho brush, semi-cursive brush, Aoyagi brush, Soseki brush.
FONTS = [
    _font("Koto_Ikuta", "Koto_Brush", "brush", False),
    _font("Koto_Ikuta", "Koto_Brush_Callig", "gyosho", False),
    _font("Koto_Seiha", "Koto_Brush", "brush", False),
    _font("Koto_Seiha", "Koto_Brush_Callig", "gyosho", False),
    _font("Koto_Seiha", "Koto_Brush_Callig_Seiha", "soseki", True),
    _font("Koto_Seiha", "Koto_Brush_Seiha", "kouzanT", True),
    _font("Koto_Yamada", "Koto_Brush", "kouzanT", False),
]


def press_mark(level, seiha, cx, cy, size):
    """The press mark centred on (cx, cy), `size` units tall."""
    if not seiha:
        return [Text(IKUTA_PRESS[level], "name", cx, cy, size, fit=(size, size))]
    dots = SEIHA_DOTS[level]
    k = size / 14.0
    parts = [Text("オ", "name", cx, cy - (2.5 * k if dots else 0), size, fit=(size, size * (0.75 if dots else 1)))]
    for i in range(dots):
        parts.append(Circle(cx - 2.5 * k * (dots - 1) + 5 * k * i, cy + 5.5 * k, 1.4 * k))
    return parts


# A pressed string keeps the name box of the plain pressed form and gets a
# column of its own for the press mark, the frame growing by what the
# column needs beyond the note size.
NAME_W = 32.0
MARK_W = 19.0
MARK_H = 19.0


def column_press_mark(level, seiha, cx, cy):
    """The press mark of a pressed string, filling its column cell: Ikuta's
    kanji, or Seiha's オ with its dots below."""
    if not seiha:
        return [Text(IKUTA_PRESS[level], "name", cx, cy, 40, fit=(MARK_W, MARK_H), grow=True)]
    dots = SEIHA_DOTS[level]
    parts = [Text("オ", "name", cx, cy, 40, fit=(MARK_W, MARK_H), grow=True)]
    for i in range(dots):
        parts.append(Circle(cx - 3.5 * (dots - 1) + 7 * i, cy + MARK_H / 2 + 4.5, 2.2))
    return parts


def string_glyph(gid, name, level, seiha, white=False):
    text, low = string_text(name)
    box_w, box_h = (NAME_W if level else N - 4), N - 4 - (8 if low else 0)
    cx, cy = 2 + box_w / 2, 2 + box_h / 2
    if len(text) == 1:
        t = Text(text, "name", cx, cy, 44, fit=(box_w, box_h))
    else:
        t = Text(text, "name", cx, cy, 40, fit=(box_w, box_h), squeeze=0.62)
    parts = [Group([t], "translate(0 0)", fill="#fff", stroke="#000", width=2.2) if white else t]
    if low:
        parts.append(Circle(cx, N - 5, 3.2))
    if not level:
        return Glyph(gid, N, N, parts)
    w = 2 + NAME_W + 1 + MARK_W + 1.5
    parts.append(mark(column_press_mark(level, seiha, w - 1.5 - MARK_W / 2, N * 0.5)))
    return Glyph(gid, w, N, parts)


def technique_glyphs(seiha):
    out = [Glyph("Sukui", N, N, [Text("ス", "name", 25, 25, 40, fit=(34, 34))])]
    for level in (1, 2, 3):
        out.append(Glyph("Osu" + "+" * level, N, N, press_mark(level, seiha, 25, 25, 34)))
    out.append(Glyph("Hanasu", N, N, [Text("放", "name", 25, 25, 40, fit=(34, 34))]))
    out.append(Glyph("X", N, N, [Line(12, 12, 38, 38, 4.0), Line(38, 12, 12, 38, 4.0)]))
    out.append(Glyph("Prev", N, N, [Text("\u30fd", "name", 25, 25, 70, fit=(26, 30))]))
    return out


def bar_osu(seiha):
    """Seiha's held press: the duration bar with the press mark beside it."""
    out = []
    for level in (1, 2, 3):
        gid = "BarOsu" + "+" * level
        out.append(Glyph(gid, N, N, [Line(6, 42, 44, 42, marks.BAR, cap="butt"),
                                     mark(press_mark(level, seiha, 25, 19, 24))]))
        out.append(Glyph(gid + "_V", N, N, [Line(8, 6, 8, 44, marks.BAR, cap="butt"),
                                            mark(press_mark(level, seiha, 31, 25, 24))]))
    return out


def ikuta_rests_and_extensions():
    """Ikuta time-frame marks: rests are open circles, one short stroke per
    flag for the values below a quarter; an extension is a line along the
    reading direction, with the same strokes for the shorter values."""
    out = []
    r = marks.rest_circle
    out += marks.pair("WholeRest", 4 * N, 30, [r(25, 15), Line(40, 15, 4 * N - 6, 15, marks.BAR)],
                      [r(15, 25), Line(15, 40, 15, 4 * N - 6, marks.BAR)])
    for gid, flags in (("QuarterRest", 0), ("8thRest", 1), ("16thRest", 2), ("32ndRest", 3), ("64thRest", 4)):
        h_parts = [r(20, 15, 8)] + [Line(32, 6 + 5 * i, 38, 2 + 5 * i, 2.0) for i in range(flags)]
        v_parts = [r(15, 20, 8)] + [Line(6 + 5 * i, 32, 2 + 5 * i, 38, 2.0) for i in range(flags)]
        out += marks.pair(gid, 40, 30, h_parts, v_parts)
    for gid, flags in (("QuarterExtension", 0), ("8thExtension", 1), ("16thExtension", 2),
                       ("32ndExtension", 3)):
        h_parts = [Line(8, 12, 42, 12, marks.BAR, cap="butt")]
        h_parts += [Line(20 + 4 * i, 24, 30 + 4 * i, 18, 1.8) for i in range(flags)]
        v_parts = [Line(12, 8, 12, 42, marks.BAR, cap="butt")]
        v_parts += [Line(24, 20 + 4 * i, 18, 30 + 4 * i, 1.8) for i in range(flags)]
        out += marks.pair(gid, N, 30, h_parts, v_parts)
    return out


def main_ids(font):
    """The plain strings whose height the press marks are measured against."""
    return [str(n) for n in range(1, 11)] + ["To", "I", "Kin"]


def glyphs(font):
    seiha = font.opt("seiha")
    out = []
    for name in STRINGS:
        for level in range(4):
            out.append(string_glyph(name + "+" * level, name, level, seiha))
    out += technique_glyphs(seiha)
    if font.opt("folder_seiha"):
        for level in range(4):
            out.append(string_glyph("KinWhite" + "+" * level, "Kin", level, seiha, white=True))
        out += bar_osu(seiha)
    out += marks.every_style("name", "latin")
    if font.opt("ikuta"):
        out += ikuta_rests_and_extensions()
    else:
        out += marks.simple_rests()
    out += marks.duration_bar("QuarterBar", 1, short=30)
    return out
