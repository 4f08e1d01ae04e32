"""Shakuhachi note fonts: Kinko and Tozan schools, simple and traditional.

A note name is its katakana (Kinko: ロ ツ レ チ リ ...; Tozan: ロ ツ レ チ ハ
...). Small marks in a column at the right say how it is played:
メ meri, 中メ chu-meri, 大メ dai-meri, カ kari. Dai-kan names carry a small
大 at the top left; names below the normal range ("-Low") a dot under the
name. Two-kana names stand side by side, and stacked in their "_V" forms.

Every font file of a folder holds the same glyph set; they differ only in
the typeface the katakana come from.
"""

from glyphkit import NOTE, Circle, FontFile, Glyph, Line, Text
import marks

N = NOTE

# id -> (name kana, right-column marks, flags); flags: L low, K dai-kan,
# O circled (maru), "2" small-numbered variant.
KINKO = [
    ("Re-Low", "レ", "", "L"), ("ChiMeri-Low", "チ", "メ", "L"), ("Chi-Low", "チ", "", "L"),
    ("RiDaiMeri-Low", "リ", "大メ", "L"), ("RiChuMeri-Low", "リ", "中メ", "L"),
    ("RoDaiMeri", "ロ", "大メ", ""), ("RoMeri", "ロ", "メ", ""), ("Ro", "ロ", "", ""),
    ("Nayashi", "ナヤ", "", ""), ("RoMaru", "ロ", "", "O"), ("TsuMeri", "ツ", "メ", ""),
    ("TsuChuMeri", "ツ", "中メ", ""), ("Tsu", "ツ", "", ""), ("ReDaiMeri", "レ", "大メ", ""),
    ("ReDaiMeri2", "レ", "大", ""), ("Ru", "ル", "", ""), ("ReMeri", "レ", "メ", ""),
    ("Re", "レ", "", ""), ("ChiMeri", "チ", "メ", ""), ("U", "ウ", "", ""), ("Chi", "チ", "", ""),
    ("RiMeri", "リ", "メ", ""), ("Ha", "ハ", "", ""), ("Hara", "ハラ", "", ""),
    ("ChiKari", "チ", "カ", ""), ("RiChuMeri", "リ", "中メ", ""), ("Ri", "リ", "", ""),
    ("Hi", "ヒ", "", ""), ("Koro", "コロ", "", ""), ("IMeri", "イ", "メ", ""), ("I", "イ", "", ""),
    ("HiGo", "ヒ五", "", ""), ("RoKari", "ロ", "カ", ""), ("Ra", "ラ", "", ""), ("No", "ノ", "", ""),
    ("Nu", "ヌ", "", ""), ("U-", "ウ", "ー", ""), ("To", "ト", "", ""), ("HiMeri", "ヒ", "メ", ""),
    ("USan", "ウ三", "", ""), ("Na", "ナ", "", ""), ("HiChuMeri", "ヒ", "中メ", ""),
    ("Fu", "フ", "", ""), ("HiGoDaiMeri", "ヒ五", "大メ", ""), ("Ni", "ニ", "", ""),
    ("HiGoChuMeri", "ヒ五", "中メ", ""), ("HaSan", "ハ三", "", ""), ("Ta", "タ", "", ""),
    ("HaNi", "ハニ", "", ""), ("Shi", "シ", "", ""), ("TsuDaiKan", "ツ", "", "K"),
    ("ReMeriDaiKan", "レ", "メ", "K"), ("Te", "テ", "", ""), ("ReDaiKan", "レ", "", "K"),
    ("ReDaiKan2", "レ", "大甲", ""), ("ChiMeriDaiKan", "チ", "メ", "K"), ("Ku", "ク", "", ""),
    ("ChiDaiKan", "チ", "", "K"), ("HiMeriDaiKan", "ヒ", "メ", "K"),
    ("HiChuMeriDaiKan", "ヒ", "中メ", "K"), ("HiDaiKan", "ヒ", "", "K"),
]

TOZAN = [
    ("RoDaiMeri-Low", "ロ", "大メ", "L"), ("RoMeri-Low", "ロ", "メ", "L"), ("Ro-Low", "ロ", "", "L"),
    ("TsuMeri-Low", "ツ", "メ", "L"), ("TsuChuMeri-Low", "ツ", "中メ", "L"), ("Tsu-Low", "ツ", "", "L"),
    ("ReMeri-Low", "レ", "メ", "L"), ("Re-Low", "レ", "", "L"), ("ChiMeri-Low", "チ", "メ", "L"),
    ("Chi-Low", "チ", "", "L"), ("HaDaiMeri-Low", "ハ", "大メ", "L"), ("HaChuMeri-Low", "ハ", "中メ", "L"),
    ("RoDaiMeri", "ロ", "大メ", ""), ("RoMeri", "ロ", "メ", ""), ("Ro", "ロ", "", ""),
    ("Nayashi", "ナヤ", "", ""), ("TsuMeri", "ツ", "メ", ""), ("TsuChuMeri", "ツ", "中メ", ""),
    ("Tsu", "ツ", "", ""), ("ReDaiMeri", "レ", "大メ", ""), ("Ru", "ル", "", ""), ("ReMeri", "レ", "メ", ""),
    ("Re", "レ", "", ""), ("ChiMeri", "チ", "メ", ""), ("U", "ウ", "", ""), ("Chi", "チ", "", ""),
    ("HaMeri", "ハ", "メ", ""), ("ChiKari", "チ", "カ", ""), ("HaChuMeri", "ハ", "中メ", ""),
    ("Ha", "ハ", "", ""), ("Ra", "ラ", "", ""), ("Koro", "コロ", "", ""), ("HiDaiMeri", "ヒ", "大メ", ""),
    ("HiMeri", "ヒ", "メ", ""), ("Ri", "リ", "", ""), ("Hi", "ヒ", "", ""), ("Rin", "リン", "", ""),
    ("Fu", "フ", "", ""), ("RoKari", "ロ", "カ", ""), ("I", "イ", "", ""), ("I2", "イ", "二", ""),
    ("KaraMeri", "カラ", "メ", ""), ("KaraChuMeri", "カラ", "中メ", ""), ("Kara", "カラ", "", ""),
    ("Ka", "カ", "", ""), ("Pi", "ピ", "", ""), ("Ta", "タ", "", ""), ("Shi", "シ", "", ""),
    ("TsuDaiKan", "ツ", "", "K"), ("ReMeriDaiKan", "レ", "メ", "K"), ("ReDaiKan", "レ", "", "K"),
    ("ChiMeriDaiKan", "チ", "メ", "K"), ("Ku", "ク", "", ""), ("ChiDaiKan", "チ", "", "K"),
    ("HaMeriDaiKan", "ハ", "メ", "K"), ("HaChuMeriDaiKan", "ハ", "中メ", "K"), ("HaDaiKan", "ハ", "", "K"),
]

# Vertical forms of the two-kana names (stacked instead of side by side).
STACKED = {"Koro": "コロ", "Kara": "カラ", "KaraMeri": "カラ", "KaraChuMeri": "カラ"}

# Brush (kaisho), semi-cursive brush, felt pen, mincho, Soseki brush, gothic.
K, B, F, M, S, G = "brush", "gyosho", "feltpen", "mincho", "soseki", "gothic"


def _font(folder, name, face, **options):
    return FontFile(folder, name, {"name": face, "latin": "serifItalic", "marks": "gothic"}, **options)


FONTS = [
    _font("Shakuhachi_Kinko_Simple", "Kinko_Miyata_Classic", M, school="kinko", trad=False),
    _font("Shakuhachi_Kinko_Simple", "Kinko_Semi_Trad", B, school="kinko", trad=False),
    _font("Shakuhachi_Kinko_Simple", "Kinko_Simple_Brush", K, school="kinko", trad=False),
    _font("Shakuhachi_Kinko_Simple", "Kinko_Simple_Miyata", G, school="kinko", trad=False),
    _font("Shakuhachi_Kinko_Simple", "Kinko_Simple_Trad", S, school="kinko", trad=False),
    _font("Shakuhachi_Kinko", "Kinko_Brush", K, school="kinko", trad=True),
    _font("Shakuhachi_Kinko", "Kinko_Miyata", G, school="kinko", trad=True),
    _font("Shakuhachi_Kinko", "Kinko_Miyata_Classic", M, school="kinko", trad=True),
    _font("Shakuhachi_Kinko", "Kinko_Semi_Trad", B, school="kinko", trad=True),
    _font("Shakuhachi_Kinko", "Kinko_Trad", S, school="kinko", trad=True),
    _font("Shakuhachi_Tozan_Simple", "Tozan_Brush", K, school="tozan", trad=False),
    _font("Shakuhachi_Tozan_Simple", "Tozan_FeltPen", F, school="tozan", trad=False),
    _font("Shakuhachi_Tozan_Simple", "Tozan_FeltPen_Circled", F, school="tozan", trad=False, circled=True),
    _font("Shakuhachi_Tozan", "Tozan_Brush", K, school="tozan", trad=True),
    _font("Shakuhachi_Tozan", "Tozan_FeltPen", F, school="tozan", trad=True),
    _font("Shakuhachi_Tozan", "Tozan_FeltPen_Circled", F, school="tozan", trad=True, circled=True),
]


def note_name(gid, kana, mods, flags, circled, stacked=False):
    """One note name in a cell of one note size."""
    parts = []
    right = 15 if mods else 0
    top = 10 if "K" in flags else 0
    bottom = 8 if "L" in flags else 0
    box_w = N - 4 - right - (6 if "K" in flags and not mods else 0)
    box_h = N - 4 - top - bottom
    cx = 2 + (6 if "K" in flags and not mods else 0) + box_w / 2
    cy = 2 + top + box_h / 2
    if "O" in flags or circled:
        parts.append(Circle(N / 2, N / 2, 23.5, fill=None, stroke="#000", width=1.6))
        box_w, box_h = min(box_w, 30), min(box_h, 30)
        cx, cy = (N / 2, N / 2) if not mods else (cx, cy)
    if len(kana) == 1:
        parts.append(Text(kana, "name", cx, cy, 44, fit=(box_w, box_h)))
    elif stacked:
        parts.append(Text(kana, "name", cx, cy, 30, fit=(box_w, box_h), vertical=True, gap=0.14))
    else:
        parts.append(Text(kana, "name", cx, cy, 40, fit=(box_w, box_h), squeeze=0.7))
    if mods:
        parts.append(Text(mods, "name", N - 8.5, 2 + top + (N - 4 - top) * 0.6, 23,
                          fit=(15, (N - 4 - top) * 0.8), vertical=True, gap=0.04))
    if "K" in flags:
        parts.append(Text("大", "name", 8, 8, 13, fit=(12, 12)))
    if "L" in flags:
        parts.append(Circle(cx, N - 5, 3.2))
    return Glyph(gid, N, N, parts)


def _rhythm_dots():
    """KinkoTrad rhythm dots: white beat dot, black eighth dot, linking marks."""
    return [
        Glyph("DotWhite", 14, 14, [Circle(7, 7, 4.8, fill="#fff", stroke="#000", width=1.8)]),
        Glyph("DotBlack", 14, 14, [Circle(7, 7, 5.6)]),
        Glyph("DotCircle", 14, 14, [Circle(7, 7, 3.6, fill=None, stroke="#000", width=1.3)]),
        Glyph("DotTri", 14, 14, [marks.Path("M7 2.5 L11.5 10.5 L2.5 10.5 Z", fill=None, stroke="#000",
                                            width=1.3)]),
    ]


def _tozan_rests():
    """Tozan rests: a circle, with a line over the rest of a whole or half
    rest and one short stroke per flag for the shorter values."""
    out = []
    r = marks.rest_circle
    for gid, length in (("RestWhole", 4), ("RestHalf", 2)):
        w = length * N
        out += marks.pair(gid, w, 30, [r(25, 15), Line(40, 15, w - 6, 15, marks.BAR)],
                          [r(15, 25), Line(15, 40, 15, w - 6, marks.BAR)])
    for gid, flags in (("Rest8th", 1), ("Rest16th", 2), ("Rest32nd", 3), ("Rest64th", 4), ("Rest128th", 5)):
        strokes = [Line(10 + 6 * i, 27, 16 + 6 * i, 20, 2.0) for i in range(flags)]
        out.append(Glyph(gid, 50, 30, [r(25, 12, 8)] + strokes))
    return out


def glyphs(font):
    table = KINKO if font.opt("school") == "kinko" else TOZAN
    circled = font.opt("circled", False)
    out = [note_name(gid, kana, mods, flags, circled) for gid, kana, mods, flags in table]
    for gid, kana in STACKED.items():
        mods = {"KaraMeri": "メ", "KaraChuMeri": "中メ"}.get(gid, "")
        out.append(note_name(gid + "_V", kana, mods, "", circled, stacked=True))
    out += marks.every_style("name", "latin")
    out.append(Glyph("Prev", N, N, [Text("\u30fd", "name", 25, 25, 70, fit=(26, 30))]))
    out += marks.simple_rests()
    out += marks.duration_bar("QuarterBar", 1, short=30)
    out += _rhythm_dots()
    out += marks.duration_bar("Bar3Quarter", 3)
    out += marks.duration_bar("BarQuarter", 1, short=16)
    out += _tozan_rests()
    return out
