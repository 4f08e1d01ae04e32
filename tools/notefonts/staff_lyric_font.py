"""The staff lyric font resources/fonts/VelmoraStaff.ttf.

When note names are exported as lyrics, every glyph id becomes one character
of "VelmoraStaff" by the glyph character maps (notenames/glyph_char_maps.cpp;
the runs below follow it code point for code point). Each character's glyph
is the note-font glyph of that id in the font the map stands for; the few ids
that no note font holds (beams, ties, lyric dots, the shamisen's marks) are
drawn here. One code point never stands for two ids, so one font serves all
nine maps.

Built with FontForge (python3-fontforge): each glyph is written as a small
SVG, imported, its strokes expanded, overlaps removed. With
SOURCE_DATE_EPOCH set the file is byte-identical on every run.
"""

import os
import re
import tempfile

from glyphkit import NOTE, Circle, Glyph, Line, Path, SvgWriter, fail
import marks

N = NOTE
FAMILY = "VelmoraStaff"
UNITS = 1000
# A note cell (N units) is 800 font units tall, sitting on the baseline.
BEARING = 30  # side bearing, font units

# Note fonts the maps stand for: map -> (module, folder, font file).
SOURCE_FONTS = {
    "kinko": ("shakuhachi", "Shakuhachi_Kinko", "Kinko_Miyata"),
    "tozan": ("shakuhachi", "Shakuhachi_Tozan", "Tozan_FeltPen"),
    "circled": ("shakuhachi", "Shakuhachi_Tozan", "Tozan_FeltPen_Circled"),
    "numeric": ("fue", "Shinobue", "Shinobue_Numeric"),
    "kanji": ("fue", "Shinobue", "Shinobue_Kanji"),
    "koto": ("koto", "Koto_Ikuta", "Koto_Brush"),
    "seiha": ("koto", "Koto_Seiha", "Koto_Brush"),
    "sangen": ("sangen", "Sangen_Ikuta", "Sangen_Bold"),
    "shamisen": ("sangen", "Shamisen_Bunka", "Shamisen_Brush"),
    "common": ("common", "Common", "Basic"),
    "own": (None, None, None),
}

SHINOBUE_NUMERALS = [
    "Dot5", "Dot#5", "Dotb6", "Dot6", "Dot#6", "Dotb7", "Dot7", "1", "#1", "b2", "2", "#2", "b3", "3", "4",
    "#4", "b5", "5", "#5", "b6", "6", "#6", "b7", "7", "1-Dot", "1Dot", "#1Dot", "b2Dot", "2Dot", "#2Dot",
    "b3Dot", "3Dot", "4Dot", "#4Dot", "b5Dot", "5Dot", "#5Dot", "b6Dot", "6Dot", "#6Dot", "b7Dot", "7Dot",
    "1-Dot2", "1Dot2", "#1Dot2", "b2Dot2", "2Dot2", "#2Dot2", "b3Dot2", "3Dot2", "4Dot2", "#4Dot2", "b5Dot2",
    "5Dot2", "#5Dot2", "b6Dot2", "6Dot2", "#6Dot2", "b7Dot2", "7Dot2"]


def numerals(runs):
    out = []
    for first, last, code in runs:
        out.append((code, SHINOBUE_NUMERALS[first - 1:last]))
    return out


# Where each id of a shared run is drawn from: (source, glyph id there).
SHARED = [
    (0x00C0, ["RepeatWhole"], "kinko"),
    (0x00C2, ["RepeatHalf", "RepeatQuarter", "Repeat8th"], "kinko"),
    (0x00C5, ["Repeat"], "kinko"),
    (0x00D0, ["Beam8", "Beam16", "Beam32", "Beam64", "Beam128", "Beam4Tozan", "Beam8Tozan"], "own"),
    (0x00E0, [("QuarterRestKinko", "RestKinko")], "common"),
    (0x00E2, [("WholeRestTozan", "RestWhole"), ("HalfRestTozan", "RestHalf"), ("QuarterRestTozan", "QuarterRest"),
              ("8thRestTozan", "Rest8th"), ("16thRestTozan", "Rest16th"), ("32thRestTozan", "Rest32nd"),
              ("64thRestTozan", "Rest64th")], "tozan"),
    (0x00EA, [("Lpar_V", "LPar_V"), ("Rpar_V", "RPar_V"), "Bar_V"], "common"),
    (0x00ED, ["Tie_V"], "own"),
    (0x00EE, [("Kan_V", "Kan"), ("Otsu_V", "Otsu")], "common"),
    (0x00F0, ["Dot1_V", "Dot2_V"], "own"),
    (0x00F2, [("Tremolo_V", "Tremolo1Quarter_V")], "kinko"),
    (0x00F3, ["Repeat_V"], "kinko"),
    (0x00F4, ["Beam8_V", "Beam16_V", "Beam32_V", "Beam64_V", "Beam128_V", "Beam4Tozan_V", "Beam8Tozan_V"], "own"),
    (0x00FB, [("WholeRestTozan_V", "RestWhole_V"), ("HalfRestTozan_V", "RestHalf_V")], "tozan"),
    (0x00FD, ["Breath_V"], "kinko"),
    (0x0100, [("Lpar", "LPar"), ("Rpar", "RPar"), "Bar"], "common"),
    (0x0103, ["Tie"], "own"),
    (0x0104, ["Kan", "Otsu"], "common"),
    (0x0106, ["Dot1", "Dot2"], "own"),
    (0x0108, ["Nayashi"], "kinko"),
    (0x0109, ["Ru", "Koro", "Hara"], "kinko"),
    (0x010C, ["Undefined"], "common"),
    (0x010D, ["Breath", ("Tremolo", "Tremolo1Quarter")], "kinko"),
    (0x0121, ["U"], "kinko"),
    (0x0142, ["Prev"], "kinko"),
    (0x0156, ["ChiKari"], "kinko"),
]

KINKO = [(0x0111, ["Re-Low", "ChiMeri-Low", "Chi-Low", "RiDaiMeri-Low", "RiChuMeri-Low", "RoDaiMeri", "RoMeri",
                   "Ro", "TsuMeri", "TsuChuMeri", "Tsu"]),
         (0x011D, ["ReMeri", "Re", "ChiMeri"]),
         (0x0122, ["Chi", "RiMeri", "Ri", "Hi", "Ha", "IMeri", "I", "HiGo", "RoKari", "HiMeri", "HiChuMeri", "USan",
                   "HiGoDaiMeri", "Ra"]),
         (0x0131, ["HiGoChuMeri", "HaNi", "HaSan", "Ta", "Shi", "TsuDaiKan", "ReMeriDaiKan", "ReDaiKan",
                   "ChiMeriDaiKan", "Ku", "ChiDaiKan", "HiMeriDaiKan", "HiChuMeriDaiKan", "HiDaiKan"]),
         (0x0141, ["RiChuMeri"]), (0x0150, ["Fu", "To", "Ni", "Nu"]), (0x0155, ["Na"]),
         (0x0158, ["U-", "Te", "RoMaru"]), (0x015C, ["No", "ReDaiMeri", "ReDaiMeri2", "ReDaiKan2"])]

TOZAN = [(0x0260, ["Re-Low", "ChiMeri-Low", "Chi-Low", "HaDaiMeri-Low", "HaChuMeri-Low", "RoDaiMeri", "RoMeri",
                   "Ro", "TsuMeri", "TsuChuMeri", "Tsu"]),
         (0x026C, ["ReMeri", "Re", "ChiMeri"]),
         (0x0270, ["Chi", "Ri", "HaMeri", "HaChuMeri", "Ha", "HiMeri", "Hi", "RoKari", "I"]),
         (0x027A, ["Pi", "Ta", "Shi", "TsuDaiKan", "ReMeriDaiKan", "ReDaiKan", "ChiMeriDaiKan", "ChiDaiKan",
                   "HaMeriDaiKan", "HaChuMeriDaiKan", "HaDaiKan", "Ra", "Rin", "Fu", "ReDaiMeri"]),
         (0x029E, ["HiDaiMeri"]),
         (0x02A0, ["I2", "Ka", "Kara", "KaraChuMeri", "KaraMeri", "Ku", "ReMeri-Low", "Ro-Low", "RoDaiMeri-Low",
                   "RoMeri-Low", "Tsu-Low", "TsuChuMeri-Low", "TsuMeri-Low"])]

CIRCLED = [(0x0290, ["ChiMeri-Low", "HaDaiMeri-Low", "RoDaiMeri", "RoMeri", "TsuMeri", "ReMeri", "ChiMeri",
                     "HaMeri", "HiMeri", "ReMeriDaiKan", "ChiMeriDaiKan", "HaMeriDaiKan", "ReDaiMeri", "HiDaiMeri"])]

NUMERIC = numerals([(1, 4, 0x0410), (5, 7, 0x0415), (8, 60, 0x0419)])
KANJI = numerals([(1, 21, 0x0451), (22, 22, 0x0498), (23, 24, 0x0466), (25, 42, 0x0469), (43, 49, 0x047C),
                  (50, 60, 0x048A)]) + [(0x0468, ["7Maru"]), (0x047B, ["7DotMaru"]), (0x0495, ["Dot0", "0", "8"])]


def raised(first, bases):
    return [(first + 4 * i, [b, b + "+", b + "++", b + "+++"]) for i, b in enumerate(bases)]


KOTO = ([(0x00FE, ["Pizz_V"]), (0x0180, ["Sukui", "Osu+", "Osu++", "Osu+++", "Hanasu", "Pizz", "X"]),
         (0x01B8, ["7"]), (0x01BA, ["7+", "7++", "7+++"])]
        + raised(0x01A0, ["1", "2", "3", "4", "5", "6"])
        + raised(0x01BD, ["8", "9", "10", "11", "12", "13", "14", "15", "16", "17"])
        + raised(0x01F0, ["To", "I", "Kin"])
        + raised(0x10A0, ["Otsu1", "Otsu2", "Otsu3", "Otsu4", "Rei", "Ichi", "Ni", "San"])
        + raised(0x10D0, ["Shi", "Go", "Roku", "Nana", "Kan1", "Kan2"])
        + [(0x10E8, ["KinWhite", "KinWhite+", "KinWhite++", "KinWhite+++", "BarOsu+", "BarOsu++", "BarOsu+++"])])

LOW_POSITIONS = ["1", "2", "3", "4", "4#", "5", "6", "7", "8", "8#", "9", "10", "11", "12", "13"]
HIGH_POSITIONS = ["14", "14#", "15", "16", "17", "18", "18#", "19"]


def positions(first, names):
    return [(first + 3 * i, [p, p + "-Hajiki", p + "-Sukui"]) for i, p in enumerate(names)]


SANGEN = ([(0x018A, ["SuriAgeSmall", "SuriSageSmall"]), (0x018D, ["UtsuSmall"]),
           (0x0190, ["Hajiki", "Sukui", "SuriAge", "SuriSage"])]
          + positions(0x1E00, ["1-" + p for p in LOW_POSITIONS])
          + positions(0x1E2D, ["2-" + p for p in LOW_POSITIONS])
          + positions(0x1E5A, ["3-" + p for p in LOW_POSITIONS + ["14", "14#", "15"]])
          + positions(0x049D, ["3-" + p for p in ["16", "17", "18", "18#", "19", "20", "21", "22", "23", "24",
                                                  "24#", "25"]])
          + positions(0x04C1, ["1-" + p for p in HIGH_POSITIONS])
          + positions(0x04D9, ["2-" + p for p in HIGH_POSITIONS])
          + positions(0x04F1, ["3-" + p for p in ["26", "27", "28", "28#", "29"]])
          + [(0x0500, ["SuriSageAge"])])

SHAMISEN = [(0x1100, ["B-0", "B-1", "B-2", "B-3", "B-#", "B-4", "B-5", "B-6", "B-7", "B-8", "B-9", "B-b", "B-10",
                      "B-11", "B-12", "B-13", "B-1#", "B-14", "B-15", "B-Sukui", "B-Hajiki", "B-Utsu", "B-Suri",
                      "B-Fing1", "B-Fing2", "B-Fing3", "B-Line", "B-Line_V", "B-String1", "B-String2",
                      "B-String3"]),
            (0x111F, ["B-16", "B-17", "B-18", "B-19"])]

# Koto ids the koto font draws under another name, sangen marks from Basic.
KOTO_SOURCES = {"Pizz": ("common", "PizzCircle"), "Pizz_V": ("common", "PizzCircle")}
KOTO_SOURCES.update({gid: ("seiha", gid) for gid in ["KinWhite", "KinWhite+", "KinWhite++", "KinWhite+++",
                                                    "BarOsu+", "BarOsu++", "BarOsu+++"]})
SANGEN_SOURCES = {"SuriAgeSmall": ("common", "SuriAge"), "SuriSageSmall": ("common", "SuriSage"),
                  "UtsuSmall": ("common", "Utsu")}
SHAMISEN_MARKS = {"B-Sukui": "Sukui", "B-Hajiki": "Hajiki", "B-Utsu": "Utsu", "B-Suri": "Suri",
                  "B-Fing1": "Finger1", "B-Fing2": "Finger2", "B-Fing3": "Finger3"}


def character_table():
    """Code point -> (id, source, source glyph id)."""
    table = {}

    def put(code, gid, source, src_id):
        if code in table and table[code][0] != gid:
            fail("U+%04X stands for %s and %s" % (code, table[code][0], gid))
        table[code] = (gid, source, src_id)

    for first, ids, source in SHARED:
        for i, entry in enumerate(ids):
            gid, src_id = entry if isinstance(entry, tuple) else (entry, entry)
            put(first + i, gid, source, src_id)
    for runs, source, special in ((KINKO, "kinko", {}), (TOZAN, "tozan", {}), (CIRCLED, "circled", {}),
                                  (NUMERIC, "numeric", {}), (KANJI, "kanji", {}), (KOTO, "koto", KOTO_SOURCES),
                                  (SANGEN, "sangen", SANGEN_SOURCES), (SHAMISEN, "shamisen", {})):
        for first, ids in runs:
            for i, gid in enumerate(ids):
                src, src_id = special.get(gid, (source, gid))
                if source == "shamisen":
                    if gid in SHAMISEN_MARKS:
                        src, src_id = "common", SHAMISEN_MARKS[gid]
                    elif gid.startswith("B-Line") or gid.startswith("B-String"):
                        src, src_id = "own", gid
                    else:
                        src_id = "3-" + gid[2:]
                put(first + i, gid, src, src_id)
    return table


def own_glyphs():
    """The marks no note font holds, in the note-font cell conventions."""
    out = []
    # Beams of the shakuhachi notations: one stroke per flag beside the name.
    for gid, count in (("Beam8", 1), ("Beam16", 2), ("Beam32", 3), ("Beam64", 4), ("Beam128", 5)):
        lines = [Line(6 + 5 * i, 4, 6 + 5 * i, 46, 2.2, cap="butt") for i in range(count)]
        out.append(Glyph(gid, 10 + 5 * count, N, lines))
        out.append(Glyph(gid + "_V", N, 10 + 5 * count,
                         [Line(4, 6 + 5 * i, 46, 6 + 5 * i, 2.2, cap="butt") for i in range(count)]))
    for gid, count in (("Beam4Tozan", 1), ("Beam8Tozan", 2)):
        lines = [Line(4, 8 + 6 * i, 46, 8 + 6 * i, 2.6, cap="butt") for i in range(count)]
        out.append(Glyph(gid, N, 16, lines))
        out.append(Glyph(gid + "_V", 16, N, [Line(8 + 6 * i, 4, 8 + 6 * i, 46, 2.6, cap="butt")
                                             for i in range(count)]))
    out.append(Glyph("Tie", N, 20, [Path("M4 6 Q25 22 46 6", fill=None, stroke="#000", width=2.4)]))
    out.append(Glyph("Tie_V", 20, N, [Path("M14 4 Q-2 25 14 46", fill=None, stroke="#000", width=2.4)]))
    out.append(Glyph("Dot1", 14, N, [Circle(7, 25, 3.5)]))
    out.append(Glyph("Dot2", 14, N, [Circle(7, 18, 3.5), Circle(7, 32, 3.5)]))
    out.append(Glyph("Dot1_V", N, 14, [Circle(25, 7, 3.5)]))
    out.append(Glyph("Dot2_V", N, 14, [Circle(18, 7, 3.5), Circle(32, 7, 3.5)]))
    out.append(Glyph("B-Line", N, N, [Line(0, 25, N, 25, 1.4, cap="butt")]))
    out.append(Glyph("B-Line_V", N, N, [Line(25, 0, 25, N, 1.4, cap="butt")]))
    for s in (1, 2, 3):
        # The three string lines, the named string's drawn heavy.
        parts = [Line(0, 10 + 15 * i, N, 10 + 15 * i, 3.2 if 3 - i == s else 1.0, cap="butt") for i in range(3)]
        out.append(Glyph("B-String%d" % s, N, N, parts))
    return out


def _source_glyphs(outlines):
    import importlib
    cache = {}
    for source, (module, folder, name) in SOURCE_FONTS.items():
        if module is None:
            cache[source] = (None, {g.id: g for g in own_glyphs()})
            continue
        mod = importlib.import_module(module)
        font = next(f for f in mod.FONTS if f.folder == folder and f.name == name)
        glyphs = mod.glyphs(font)
        if hasattr(mod, "main_ids"):
            # The marks as the note font draws them: brought up to their share.
            SvgWriter(outlines, font).bring_up_marks(glyphs, mod.main_ids(font))
        if source == "common":
            glyphs += marks.tremolo_signs()
        cache[source] = (font, {g.id: g for g in glyphs})
    return cache


_RECT = re.compile(r'<rect width="[^"]*" height="[^"]*" fill="none"/>\n')


def _glyph_svg(outlines, font, glyph, path):
    """One glyph alone, without the invisible cell rectangle, in a view box
    that FontForge maps onto the em: a note size spans the 800 units above
    the baseline, a smaller cell is centred in it, a larger one shrinks.
    Returns the font units per SVG unit."""
    from glyphkit import FontFile
    writer = SvgWriter(outlines, font or FontFile("own", "own", {}))
    writer.write([glyph], path, "")
    text = open(path, encoding="utf-8").read()
    text = _RECT.sub("", text, count=1)
    band = max(N, glyph.h)
    y0 = (glyph.h - band) / 2
    text = re.sub(r'<svg ([^>]*) width="[^"]*" height="[^"]*" viewBox="[^"]*">',
                  lambda m: '<svg %s width="%g" height="%g" viewBox="0 %g %g %g">'
                  % (m.group(1), glyph.w, 1.25 * band, y0, glyph.w, 1.25 * band), text, count=1)
    open(path, "w", encoding="utf-8").write(text)
    return UNITS / (1.25 * band)


def build(outlines, out_path):
    try:
        import fontforge
    except ImportError:
        fail("python3-fontforge is missing (tools/install-generator-deps.sh)")
    table = character_table()
    sources = _source_glyphs(outlines)
    font = fontforge.font()
    font.encoding = "UnicodeFull"
    font.fontname = FAMILY
    font.familyname = FAMILY
    font.fullname = FAMILY
    font.weight = "Regular"
    font.copyright = ("Velmora staff lyric font. Outlines from Noto fonts (SIL Open Font License 1.1) and "
                      "public-domain brush fonts; see resources/notefonts/LICENSES.md.")
    font.version = "1.0"
    font.em = UNITS
    font.ascent = 800
    font.descent = 200
    font.appendSFNTName("English (US)", "License", "SIL Open Font License 1.1")
    space = font.createChar(0x20, "space")
    space.width = 400
    with tempfile.TemporaryDirectory() as tmp:
        for code in sorted(table):
            gid, source, src_id = table[code]
            src_font, glyphs = sources[source]
            if src_id not in glyphs and source in ("numeric", "kanji"):
                # Numerals the fue scales never name ("#6Dot2") still have a character.
                import fue
                glyphs[src_id] = fue.fue_name(src_id, src_id, src_font.opt("numerals"), False)
            if src_id not in glyphs:
                fail("VelmoraStaff: %s has no glyph %s for %s" % (source, src_id, gid))
            g = glyphs[src_id]
            svg = os.path.join(tmp, "g%04X.svg" % code)
            k = _glyph_svg(outlines, src_font, g, svg)
            ch = font.createChar(code, "uni%04X" % code)
            ch.importOutlines(svg)
            ch.transform((1, 0, 0, 1, BEARING, 0))
            ch.removeOverlap()
            ch.correctDirection()
            ch.round()
            ch.width = int(round(g.w * k)) + 2 * BEARING
            ch.comment = gid
    os.makedirs(os.path.dirname(out_path), exist_ok=True)
    font.generate(out_path, flags=("no-FFTM-table", "omit-instructions"))
    font.close()
    return len(table)
