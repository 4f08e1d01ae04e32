"""Shakuhachi note fonts: Kinko and Tozan schools, simple and traditional.

A note name is its katakana (Kinko: ロ ツ レ チ リ ...; Tozan: ロ ツ レ チ ハ
...). Small marks in a column at the right say how it is played:
メ meri, 中メ chu-meri, 大メ dai-meri, カ kari. Dai-kan names carry a small
大 at the top left; names below the normal range ("-Low") a dot under the
name. Two-kana names stand side by side, and stacked in their "_V" forms.

Every font file of a folder holds the same glyph set; they differ only in
the typeface the katakana come from.
"""

from glyphkit import NOTE, Circle, FontFile, Glyph, Group, Line, Named, Text, mark
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

# The kaisho brush draws its kana small in the em and with thin strokes:
# its names are drawn a quarter larger and thickened by a stroke of their
# own outline (em factor, stroke width), so that a name outweighs its marks.
BRUSH_WEIGHT = (1.25, 1.3)

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


# Compound names: the name keeps a box of its own as wide as the plain
# names' kana need, and the marks stand in columns beside it (大 of dai-kan
# at the top left, the meri and kari marks at the right), each mark
# character in a cell of MARK_CELL units, so the frame grows sideways
# rather than the name shrinking.
NAME_BOX = 36.0
MARK_CELL = 22.0
MARK_W = 25.0
# Level-stroke characters reach the mark share along their width.
FLAT_MARKS = "二"
EDGE = 1.5
GAP = 1.0


def _name_text(kana, cx, cy, box_w, box_h, stacked, weight):
    """The note name's kana, thickened by `weight` for thin brush faces."""
    box_w, box_h = box_w - weight[1], box_h - weight[1]
    if len(kana) == 1:
        t = Text(kana, "name", cx, cy, 44 * weight[0], fit=(box_w, box_h))
    elif stacked:
        t = Text(kana, "name", cx, cy, 30 * weight[0], fit=(box_w, box_h), vertical=True, gap=0.14)
    else:
        t = Text(kana, "name", cx, cy, 40 * weight[0], fit=(box_w, box_h), squeeze=0.7)
    if weight[1]:
        return Group([t], "translate(0 0)", fill="#000", stroke="#000", width=weight[1])
    return t


def _mark_column(mods, cx, top, bottom, first=1, weight=(1.0, 0.0)):
    """Mark characters stacked in a column centred on x = cx between `top`
    and `bottom`, each its own mark part, thickened as the names are. The
    thickened brush draws its marks a size smaller, so that its names,
    flat kana such as ハ among them, stay the larger."""
    n = len(mods)
    cell = min(MARK_CELL - (3 if weight[1] else 0), (bottom - top - GAP * (n - 1)) / n)
    y = (top + bottom) / 2 - (n * cell + GAP * (n - 1)) / 2
    parts = []
    for i, ch in enumerate(mods):
        if ch == "ー":
            # The long-sound bar is a stroke, not a character to read: it
            # spans the column rather than reaching a height.
            parts.append(Text(ch, "name", cx, y + cell / 2, 40, fit=(MARK_W, cell), grow=True))
            y += cell + GAP
            continue
        t = Text(ch, "name", cx, y + cell / 2, 40, fit=(MARK_W - weight[1], cell - weight[1]), grow=True)
        if weight[1]:
            t = Group([t], "translate(0 0)", fill="#000", stroke="#000", width=weight[1])
        parts.append(mark([t], first + i, flat=ch in FLAT_MARKS))
        y += cell + GAP
    return parts


def note_name(gid, kana, mods, flags, circled, stacked=False, weight=(1.0, 0.0)):
    """One note name: a cell of one note size, wider for compound names."""
    if circled:
        return _circled_name(gid, kana, mods, flags, stacked, weight)
    daikan = "K" in flags
    low = "L" in flags
    if not mods and not daikan and "O" not in flags:
        box_h = N - 4 - (8 if low else 0)
        parts = [_name_text(kana, N / 2, 2 + box_h / 2, N - 4, box_h, stacked, weight)]
        if low:
            parts.append(Circle(N / 2, N - 5, 3.2))
        return Glyph(gid, N, N, parts)
    if mods == "ー":
        # The long-sound bar is a stroke beside the name, not a mark to read:
        # the name keeps one note size.
        parts = [_name_text(kana, 17.5, N / 2, 31, N - 4, stacked, weight),
                 Text(mods, "name", N - 8.5, N / 2, 23, fit=(13, 36), vertical=True)]
        return Glyph(gid, N, N, parts)
    if "O" in flags:
        parts = [Named("circle", [Circle(N / 2, N / 2, 22.9, fill=None, stroke="#000", width=1.6)]),
                 Named("inside", [_name_text(kana, N / 2, N / 2, 30, 30, stacked, weight)])]
        return Glyph(gid, N, N, parts)
    left = EDGE + (MARK_W + GAP if daikan else 0)
    w = left + NAME_BOX + (GAP + MARK_W if mods else 0) + EDGE
    box_h = N - 4 - (8 if low else 0)
    cx = left + NAME_BOX / 2
    parts = [_name_text(kana, cx, 2 + box_h / 2, NAME_BOX, box_h, stacked, weight)]
    if low:
        parts.append(Circle(cx, N - 5, 3.2))
    n = 1
    if daikan:
        parts += _mark_column("大", EDGE + MARK_W / 2, 2, 2 + MARK_CELL, weight=weight)
        n = 2
    if mods:
        parts += _mark_column(mods, w - EDGE - MARK_W / 2, 2, N - 2, n, weight)
    return Glyph(gid, w, N, parts)


def _circled_name(gid, kana, mods, flags, stacked, weight):
    """The circled face: the ring holds the name and every mark, so a
    compound name gets a larger ring (and frame) instead of marks on it."""
    daikan = "K" in flags
    low = "L" in flags
    if not mods and not daikan:
        r, w = 22.9, N
        c = w / 2
        name = [_name_text(kana, c, c - (3 if low else 0), 30, 30 - (4 if low else 0), stacked, weight)]
        if low:
            name.append(Circle(c, c + 14.5, 3.0))
        inside = name
    else:
        # Name box and mark columns side by side, centred in the ring.
        nb = 28.0
        span = nb + (GAP + MARK_W if daikan else 0) + (GAP + MARK_W if mods else 0)
        col_h = 2 * MARK_CELL + GAP if len(mods) > 1 else MARK_CELL
        half_h = max(15.0 + (4 if low else 0), col_h / 2)
        r = (span / 2) ** 2 + half_h ** 2
        r = r ** 0.5 + 1.6 + 0.5
        w = 2 * (r + 0.8 + 1.0)
        c = w / 2
        x = c - span / 2
        inside = []
        n = 1
        if daikan:
            inside += _mark_column("大", x + MARK_W / 2, c - half_h, c - half_h + MARK_CELL, weight=weight)
            x += MARK_W + GAP
            n = 2
        ny = c - (4 if low else 0)
        inside.append(_name_text(kana, x + nb / 2, ny, nb, 30, stacked, weight))
        if low:
            inside.append(Circle(x + nb / 2, ny + 19, 3.0))
        x += nb + GAP
        if mods:
            inside += _mark_column(mods, x + MARK_W / 2, c - col_h / 2, c + col_h / 2, n, weight)
    parts = [Named("circle", [Circle(c, c, r, fill=None, stroke="#000", width=1.6)]),
             Named("inside", inside)]
    return Glyph(gid, w, w, parts)


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


def main_ids(font):
    """The plain names whose height the marks are measured against."""
    table = KINKO if font.opt("school") == "kinko" else TOZAN
    return [gid for gid, kana, mods, flags in table if not mods and not flags and len(kana) == 1]


def glyphs(font):
    table = KINKO if font.opt("school") == "kinko" else TOZAN
    circled = font.opt("circled", False)
    weight = BRUSH_WEIGHT if font.roles["name"] == K else (1.0, 0.0)
    out = [note_name(gid, kana, mods, flags, circled, weight=weight) for gid, kana, mods, flags in table]
    for gid, kana in STACKED.items():
        mods = {"KaraMeri": "メ", "KaraChuMeri": "中メ"}.get(gid, "")
        out.append(note_name(gid + "_V", kana, mods, "", circled, stacked=True, weight=weight))
    out += marks.every_style("name", "latin")
    out.append(Glyph("Prev", N, N, [Text("\u30fd", "name", 25, 25, 70, fit=(26, 30))]))
    out += marks.simple_rests()
    out += marks.duration_bar("QuarterBar", 1, short=30)
    out += _rhythm_dots()
    out += marks.duration_bar("Bar3Quarter", 3)
    out += marks.duration_bar("BarQuarter", 1, short=16)
    out += _tozan_rests()
    return out
