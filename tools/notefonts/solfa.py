"""Sol-fa, percussion and Traverso note fonts: Doremi, Percussion, Traverso.

Doremi: the syllable (Latin "Do" ... "Si" or katakana ド レ ミ ファ ソ ラ
シ), a sharp or flat small at its upper left, the octave digit (1-7, 4 the
octave of middle C) small at its lower right; the bare syllables carry no
digit.

Percussion: one beat per voice, each voice its own shape (● ○ ▲ ×);
"QuarterBeat", the scale's entry, is the first voice's.

Traverso: numbered notation, 1 = the flute's lowest scale degree: the
numeral, ♯ or ♭ small at its upper left, one dot above for the second
octave ("Dot"), two for the third ("Dot2").
"""

from glyphkit import NOTE, Circle, FontFile, Glyph, Line, Path, Text, mark
import marks

N = NOTE

SYLLABLES = ["Do", "#Do", "bRe", "Re", "#Re", "bMi", "Mi", "Fa", "#Fa", "bSo", "So", "#So", "bLa", "La",
             "#La", "bSi", "Si"]
KATAKANA = {"Do": "ド", "Re": "レ", "Mi": "ミ", "Fa": "ファ", "So": "ソ", "La": "ラ", "Si": "シ"}
TRAVERSO = ["1", "#1", "b2", "2", "#2", "b3", "3", "4", "#4", "b5", "5", "#5", "b6", "6", "b7", "7"]
SHARP, FLAT = "\u266f", "\u266d"

FONTS = [
    FontFile("Doremi", "Doremi_Alphabetic", {"name": "serif", "digit": "serif", "acc": "music",
                                             "latin": "serifItalic", "mark": "gothic"}, script="latin"),
    FontFile("Doremi", "Doremi_Katakana", {"name": "gothic", "digit": "sans", "acc": "music",
                                           "latin": "serifItalic", "mark": "gothic"}, script="kana"),
    FontFile("Doremi", "Doremi_Katakana_Bold", {"name": "feltpen", "digit": "sansBold", "acc": "music",
                                                "latin": "serifItalic", "mark": "gothic"}, script="kana"),
    FontFile("Percussion", "Percussion_Simple", {"name": "gothic", "latin": "serifItalic", "mark": "gothic"},
             style="percussion"),
    FontFile("Traverso", "Traverso", {"name": "sansBold", "acc": "music", "latin": "serifItalic",
                                      "mark": "gothic"}, style="traverso"),
]


def _accidental(name):
    if name[0] in "#b":
        return name[0], name[1:]
    return "", name


def doremi_glyph(gid, syllable, octave, script):
    acc, base = _accidental(syllable)
    text = base if script == "latin" else KATAKANA[base]
    right = 12 if octave else 0
    left = 9 if acc else 0
    box_w = N - 4 - right - left
    parts = [Text(text, "name", 2 + left + box_w / 2, 24, 34, fit=(box_w, 30))]
    # The accidental and the octave digit are marks (see glyphkit.MARK_SHARE).
    n = 1
    if acc:
        parts.append(mark([Text(SHARP if acc == "#" else FLAT, "acc", 6.5, 13, 40, fit=(9, 17), grow=True)]))
        n = 2
    if not octave:
        return Glyph(gid, N, N, parts)
    # The octave digit's column reaches past the note size.
    w = N + 4
    parts.append(mark([Text(octave, "digit", w - 1.5 - 7, 38, 40, fit=(12, 17), grow=True)], n))
    return Glyph(gid, w, N, parts)


def traverso_glyph(gid, name, high):
    acc, digit = _accidental(name)
    parts = [Text(digit, "name", 27, 28, 36, fit=(24, 30))]
    if acc:
        parts.append(mark([Text(SHARP if acc == "#" else FLAT, "acc", 8.5, 19, 40, fit=(10, 17), grow=True)]))
    for i in range(high):
        parts.append(Circle(27 - 4.5 * (high - 1) + 9 * i, 6, 2.8))
    return Glyph(gid, N, N, parts)


def percussion_glyphs():
    shapes = {
        "QuarterBeatV1": [Circle(25, 25, 11)],
        "QuarterBeatV2": [Circle(25, 25, 10, fill=None, stroke="#000", width=3)],
        "QuarterBeatV3": [Path("M25 12 L38 36 L12 36 Z")],
        "QuarterBeatV4": [Line(15, 15, 35, 35, 4), Line(35, 15, 15, 35, 4)],
    }
    out = [Glyph(gid, N, N, parts) for gid, parts in shapes.items()]
    out.append(Glyph("QuarterBeat", N, N, list(shapes["QuarterBeatV1"])))
    return out


def main_ids(font):
    """Plain names of the font, whose height its marks answer to."""
    style = font.opt("style")
    if style == "percussion":
        return []
    if style == "traverso":
        return [str(n) for n in range(1, 8)]
    return list(KATAKANA)


def glyphs(font):
    out = []
    style = font.opt("style")
    if style == "percussion":
        out += percussion_glyphs()
    elif style == "traverso":
        for high, suffix in ((0, ""), (1, "Dot"), (2, "Dot2")):
            for name in TRAVERSO:
                out.append(traverso_glyph(name + suffix, name, high))
    else:
        script = font.opt("script")
        for octave in "1234567":
            for s in SYLLABLES:
                out.append(doremi_glyph(s + octave, s, octave, script))
        for base in KATAKANA:
            out.append(doremi_glyph(base, base, "", script))
    out += marks.every_style("mark", "latin")
    out.append(Glyph("Prev", N, N, [Text("\u30fd", "mark", 25, 25, 70, fit=(26, 30))]))
    out += marks.simple_rests()
    out += marks.duration_bar("QuarterBar", 1, short=30)
    return out
