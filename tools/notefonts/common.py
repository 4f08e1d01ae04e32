"""The common note font, Common/Basic.svg: glyphs every notation uses.

Marks that read as words or letters (dynamics, repeat words, "gliss.") are
turned a quarter clockwise in their "_V" forms, as Latin text runs in
vertical writing; symbols (segno, coda) stay upright; drawn lines are laid
along the vertical reading direction. Stretched marks (tuplet brackets,
long repeats) are one note size long along the reading direction, so the
program's stretch factor gives their length.
"""

from glyphkit import NOTE, Circle, FontFile, Glyph, Group, Line, Path, Rect, Text, num, swapped
import marks

N = NOTE
W = 2.4  # stroke of drawn marks
BLUE = "#2060c0"  # on-screen directive markers
GREY = "#888888"

FONTS = [FontFile("Common", "Basic", {
    "jp": "gothic", "jpBold": "feltpen", "mincho": "mincho", "music": "music", "serif": "serif",
    "serifBold": "serifBold", "italic": "serifItalic", "boldItalic": "serifBoldItalic", "sans": "sansBold"})]


def turned(parts, w, h):
    """Parts drawn in a (w x h) cell, turned clockwise into an (h x w) cell."""
    return Group(parts, "translate(%s 0) rotate(90)" % num(h))


def text_pair(gid, text, role, w, h, size, turn=True, fill=None):
    """Text and its "_V" form: turned clockwise, or upright when `turn` is off."""
    t = Text(text, role, w / 2, h / 2, size, fit=(w - 4, h - 4), fill=fill)
    if turn:
        return [Glyph(gid, w, h, [t]), Glyph(gid + "_V", h, w, [turned([t], w, h)])]
    return [Glyph(gid, w, h, [t]), Glyph(gid + "_V", w, h, [t])]


def drawn_pair(gid, w, h, parts):
    """A mark drawn along x, and its "_V" form along y."""
    return [Glyph(gid, w, h, parts), Glyph(gid + "_V", h, w, [swapped(parts)])]


def stroke(d, width=W):
    return Path(d, fill=None, stroke="#000", width=width)


def parentheses():
    out = []
    for gid, ch in (("LPar", "("), ("RPar", ")")):
        for prefix, fill in (("", None), ("Gray", GREY)):
            name = prefix + gid
            t = Text(ch, "serif", 10, 25, 60, fit=(16, 46), fill=fill)
            tv = Text(ch, "serif", 10, 25, 60, fit=(16, 46), fill=fill)
            out += [Glyph(name, 20, N, [t]), Glyph(name + "_V", N, 20, [turned([tv], 20, N)])]
    return out


def blanks():
    return [Glyph("WhiteSpace", N, N, [], blank=True), Glyph("WhiteSpace_V", N, N, [], blank=True),
            Glyph("Spacer", N, N, [], blank=True)]


def pizz_circles():
    r, c = 23.0, N / 2
    arc_l = "M%s 2 A%s %s 0 0 0 %s 48" % (num(c), num(r), num(r), num(c))
    arc_r = "M%s 2 A%s %s 0 0 1 %s 48" % (num(c), num(r), num(r), num(c))
    start = [stroke(arc_l, 1.6), stroke("M25 2 L50 2 M25 48 L50 48", 1.6)]
    cont = [stroke("M0 2 L50 2 M0 48 L50 48", 1.6)]
    stop = [stroke(arc_r, 1.6), stroke("M0 2 L25 2 M0 48 L25 48", 1.6)]
    out = [Glyph("PizzCircle", N, N, [Circle(c, c, r, fill=None, stroke="#000", width=1.6)])]
    for gid, parts in (("PizzCircleStart", start), ("PizzCircleContinue", cont), ("PizzCircleStop", stop)):
        out += [Glyph(gid, N, N, parts), Glyph(gid + "_V", N, N, [swapped(parts)])]
    return out


def _wave_y(x, y0, y1, amp=3.5, step=6.0):
    """A vertical wavy line at x from y0 to y1."""
    d = ["M%s %s" % (num(x), num(y0))]
    y, side = y0, 1
    while y + step <= y1 + 0.01:
        d.append("Q%s %s %s %s" % (num(x + side * amp), num(y + step / 2), num(x), num(y + step)))
        y += step
        side = -side
    return " ".join(d)


def arpeggios():
    wave = stroke(_wave_y(7, 8, 50), 1.8)
    up = Path("M7 0 L12 8 L2 8 Z")
    down = Path("M7 50 L12 42 L2 42 Z")
    kinds = {
        "Arpeggio": [stroke(_wave_y(7, 2, 50), 1.8)],
        "Arpeggio1": [stroke(_wave_y(7, 2, 50), 1.8)],
        "Arpeggio2": [wave, up],
        "Arpeggio3": [stroke(_wave_y(7, 0, 42), 1.8), down],
        "Arpeggio4": [stroke("M12 2 L4 2 L4 48 L12 48", 1.8)],
        "Arpeggio5": [stroke("M7 8 L7 50", 1.8), up],
        "Arpeggio6": [stroke("M7 0 L7 42", 1.8), down],
    }
    out = []
    for gid, parts in kinds.items():
        out += [Glyph(gid, 14, N, parts), Glyph(gid + "_V", N, 14, [swapped(parts)])]
    return out


def time_signatures():
    out = []
    for n in list(range(0, 33)) + [64]:
        s = str(n)
        w = 26 * len(s)
        out.append(Glyph(s, w, 26, [Text(s, "serifBold", w / 2, 13, 34, fit=(w - 2, 24))]))
    out.append(Glyph("+", 26, 26, [Text("+", "serifBold", 13, 13, 34, fit=(22, 22))]))
    return out


def tuplets():
    g = []
    g.append(Glyph("TupletTopHead", N, 12, [stroke("M1 11 L1 2 L49.2 2", 1.6)]))
    g.append(Glyph("TupletTopTail", N, 12, [stroke("M0.8 2 L49 2 L49 11", 1.6)]))
    g.append(Glyph("TupletBottomHead", N, 12, [stroke("M1 1 L1 10 L49.2 10", 1.6)]))
    g.append(Glyph("TupletBottomTail", N, 12, [stroke("M0.8 10 L49 10 L49 1", 1.6)]))
    g.append(Glyph("TupletLeftHead", 12, N, [stroke("M11 1 L2 1 L2 49.2", 1.6)]))
    g.append(Glyph("TupletLeftTail", 12, N, [stroke("M2 0.8 L2 49 L11 49", 1.6)]))
    g.append(Glyph("TupletRightHead", 12, N, [stroke("M1 1 L10 1 L10 49.2", 1.6)]))
    g.append(Glyph("TupletRightTail", 12, N, [stroke("M10 0.8 L10 49 L1 49", 1.6)]))
    for n in range(2, 17):
        if n == 8:  # the octave-shift eight, with its vertical form, below
            continue
        s = str(n)
        w = 16 * len(s) + 4
        g.append(Glyph(s + "_Italic", w, 22, [Text(s, "boldItalic", w / 2, 11, 26, fit=(w - 2, 20))]))
    g += text_pair("8_Italic", "8", "boldItalic", 20, 22, 26, turn=False)
    return g


def long_repeats():
    def line(extra, x0=1.2, x1=48.8):
        return [Line(x0, 15, x1, 15, W, cap="butt")] + extra

    def slashes(k):
        return [Line(6 + 7 * i, 24, 12 + 7 * i, 6, W) for i in range(k)]

    simile = [Line(14, 40, 36, 10, 3.2), Circle(15, 16, 3.5), Circle(35, 34, 3.5)]
    kinds = {
        "LongRepeat1": line(slashes(1)),
        "LongRepeat1Head": line(slashes(1)),
        "LongRepeat1Tail": line([Line(47.6, 6, 47.6, 24, W)], 1.2, 47.6),
        "LongRepeat2": line(slashes(2)),
        "LongRepeat3": line(slashes(3)),
        "LongRepeat4": line(slashes(4)),
        "LongRepeatAc": [stroke("M2 6 L48 13 M2 24 L48 17")],
        "LongRepeatBeat1": line([Circle(25, 8, 3)]),
        "LongRepeatBeat2": line([Circle(19, 8, 3), Circle(31, 8, 3)]),
        "StepUp": [stroke("M1 26 L13 26 L13 18 L25 18 L25 10 L37 10 L37 3 L49 3")],
        "StepDown": [stroke("M1 3 L13 3 L13 10 L25 10 L25 18 L37 18 L37 26 L49 26")],
    }
    out = [Glyph("Simile", N, N, simile), Glyph("Simile_V", N, N, [swapped(simile)])]
    for gid, parts in kinds.items():
        out += drawn_pair(gid, N, 30, parts)
    return out


def wavy_glissando():
    return [Glyph("wavy_Glissando", 5, 2, [stroke("M0 1 Q1.3 -0.2 2.5 1 T5 1", 0.5)])]


def octave_marks():
    white = Group([Text("甲", "jpBold", 12.5, 12.5, 26, fit=(22, 22))], "translate(0 0)",
                  fill="#fff", stroke="#000", width=3.5)
    return [
        Glyph("Otsu", 25, 25, [Text("乙", "jpBold", 12.5, 12.5, 26, fit=(22, 22))]),
        Glyph("Kan", 25, 25, [Text("甲", "jpBold", 12.5, 12.5, 26, fit=(22, 22))]),
        Glyph("KanWhite", 25, 25, [white]),
        Glyph("DoubleQuote", 25, 25, [Text("\u201d", "serifBold", 12.5, 10, 40, fit=(16, 16))]),
    ]


def stage_brackets():
    # Drawn unscaled (scene units); the program joins them with a 0.8 mm line.
    top = [Path("M1 20 L1 9 C1 5 6 2 16 0 C10 3 4.8 6 4.8 10 L4.8 20 Z")]
    bottom = [Path("M1 0 L1 11 C1 15 6 18 16 20 C10 17 4.8 14 4.8 10 L4.8 0 Z")]
    left = [Path("M20 0.7 L9 0.7 C5 0.7 2 5.7 0 16 C3 10 6 4.5 10 4.5 L20 4.5 Z")]
    right = [Path("M0 0.7 L11 0.7 C15 0.7 18 5.7 20 16 C17 10 14 4.5 10 4.5 L0 4.5 Z")]
    return [Glyph("Bracket_Top", 16, 20, top), Glyph("Bracket_Bottom", 16, 20, bottom),
            Glyph("Bracket_Left", 20, 16, left), Glyph("Bracket_Right", 20, 16, right)]


def directive_markers():
    out = []
    for gid, label in (("NoteName", "N"), ("Scale", "S"), ("NoPrev", "NP"), ("Pizz", "Pz"),
                       ("Transpose", "T"), ("Invisible", "I"), ("DirLongRepeat", "LR")):
        out.append(Glyph(gid, 26, 18, [Rect(1, 1, 24, 16, fill="#fff", stroke=BLUE, width=1.2, rx=3),
                                       Text(label, "sans", 13, 9, 14, fit=(20, 11), fill=BLUE)]))
    return out


def techniques():
    out = []
    out += text_pair("Tild", "\uff5e", "jp", 30, 20, 30, turn=True)
    curves = {
        "SuriTozan": [stroke("M2 24 Q8 16 14 20 T26 14 T38 8"), Path("M46 3 L36 5 L41 12 Z")],
        "Scoop": [stroke("M2 26 Q18 26 26 6")],
        "Fall": [stroke("M4 4 Q20 4 28 26")],
        "Doit": [stroke("M4 26 Q20 26 28 4")],
        "Plop": [stroke("M2 4 Q18 4 26 26")],
        "SlideInBelow": [stroke("M2 26 L28 6")],
        "SlideInAbove": [stroke("M2 4 L28 24")],
        "SlideOutUp": [stroke("M2 24 L28 4")],
        "SlideOutDown": [stroke("M2 6 L28 26")],
        "SlideInBelowRough": [stroke("M2 26 L8 18 L10 24 L16 14 L18 20 L28 6")],
        "SlideInAboveRough": [stroke("M2 4 L8 12 L10 6 L16 16 L18 10 L28 24")],
        "SlideOutUpRough": [stroke("M2 24 L8 16 L10 22 L16 12 L18 18 L28 4")],
        "SlideOutDownRough": [stroke("M2 6 L8 14 L10 8 L16 18 L18 12 L28 26")],
    }
    for gid, parts in curves.items():
        w = 48 if gid == "SuriTozan" else 30
        out += drawn_pair(gid, w, 30, parts)
    effects = {
        "Effect_C": [stroke("M24 6 Q6 0 6 15 Q6 30 24 24")],
        "Effect_Fall": [stroke("M4 6 Q22 6 26 26"), Path("M26 28 L21 20 L29 21 Z")],
        "Effect_S": [stroke("M23 5 Q8 2 9 10 Q10 16 17 16 Q24 17 22 24 Q20 29 6 25")],
        "Effect_Sink": [stroke("M3 8 Q15 34 27 8")],
        "Effect_Rise": [stroke("M15 28 L15 6"), Path("M15 1 L21 10 L9 10 Z")],
    }
    for gid, parts in effects.items():
        out.append(Glyph(gid, 30, 30, parts))
    out.append(Glyph("Ru", 30, 30, [Text("ル", "jp", 15, 15, 28, fit=(26, 26))]))
    out += drawn_pair("Bar", N, 10, [Line(10, 5, 40, 5, 3, cap="butt")])
    out.append(Glyph("Kan_Paren", 44, 25, [Text("(甲)", "jp", 22, 12.5, 22, fit=(42, 23))]))
    out.append(Glyph("Otsu_Paren", 44, 25, [Text("(乙)", "jp", 22, 12.5, 22, fit=(42, 23))]))
    bp = [Text("(", "serif", 5, 12, 26, fit=(8, 22)), Text(")", "serif", 31, 12, 26, fit=(8, 22)),
          stroke("M11 6 L18 18 L25 6")]
    out += [Glyph("Breath_Paren", 36, 24, bp), Glyph("Breath_Paren_V", 36, 24, list(bp))]
    for i in range(1, 6):
        out += text_pair("holeNo_%d" % i, chr(0x245F + i), "jp", 25, 25, 26, turn=False)
    out += [Glyph("BracketBegin", 14, N, [stroke("M12 2 L3 2 L3 48 L12 48")]),
            Glyph("BracketBegin_V", N, 14, [stroke("M2 12 L2 3 L48 3 L48 12")]),
            Glyph("BracketEnd", 14, N, [stroke("M2 2 L11 2 L11 48 L2 48")]),
            Glyph("BracketEnd_V", N, 14, [stroke("M2 2 L2 11 L48 11 L48 2")])]
    words = [
        ("Kesu", "消"), ("Tsukiiro", "突"), ("Hikiiro", "引"), ("Sukui2", "ス"), ("Yuri", "揺"),
        ("OshiHanashi", "押放"), ("An", "按"), ("ChirashiZume", "散"), ("ChirashiZumeSeiha", "チ"),
        ("Waren", "輪"), ("Waren_Seiha", "ワ"), ("Oshi", "押"), ("Oshi2", "弱押"), ("Oshi3", "強押"),
        ("Seiha_Oshi", "オ"), ("Seiha_Oshi2", "オ\u00b7"), ("Seiha_Oshi3", "オ:"),
        ("SuriAge", "上"), ("SuriSage", "下"), ("Utsu", "ウ"), ("Sukui", "ス"), ("Hajiki", "ハ"),
        ("Suri", "ス\u30ea"), ("Finger1", "\u2460"), ("Finger2", "\u2461"), ("Finger3", "\u2462"),
    ]
    for gid, text in words:
        w = 30 if len(text) == 1 else 40
        out.append(Glyph(gid, w, 30, [Text(text, "mincho", w / 2, 15, 28, fit=(w - 4, 26))]))
    # Marks with a direction: the word and an arrow.
    arrows = [("ChirashiZumeReverse", "散", -1), ("WarenReverse", "輪", -1),
              ("ZooLeft", "ゾ", -1), ("ZooRight", "ゾ", 1), ("SuriZumeLeft", "摺", -1),
              ("SuriZumeRight", "摺", 1)]
    for gid, text, direction in arrows:
        head = "M2 24 L9 20 L9 28 Z" if direction < 0 else "M38 24 L31 20 L31 28 Z"
        out.append(Glyph(gid, 40, 30, [Text(text, "mincho", 20, 10, 20, fit=(18, 18)),
                                       Line(4, 24, 36, 24, 1.8), Path(head)]))
    return out


def bowing():
    up = [stroke("M3 3 L11 25 L19 3")]
    harmonic = [Circle(10, 10, 6, fill=None, stroke="#000", width=1.8)]
    return [Glyph("UpBow", 22, 28, up), Glyph("UpBow_V", 28, 22, [swapped(up)]),
            Glyph("Stopped", 22, 22, [Line(11, 2, 11, 20, 2.6), Line(2, 11, 20, 11, 2.6)]),
            Glyph("Harmonic", 20, 20, harmonic),
            Glyph("Harmonic_8", 30, 20, harmonic + [Text("8", "serifBold", 24, 10, 14, fit=(9, 14))])]


DYNAMIC_LETTERS = {"p": "\U0001d18f", "m": "\U0001d190", "f": "\U0001d191", "r": "\U0001d18c",
                   "s": "\U0001d18d", "z": "\U0001d18e"}


def dynamics():
    out = []
    for gid in ("ppp", "pp", "p", "mp", "mf", "f", "ff", "fff", "fp", "sf", "sfz", "sff", "sffz",
                "sfp", "sfpp", "rfz", "rf", "fz"):
        text = "".join(DYNAMIC_LETTERS[c] for c in gid)
        w = 8 + 18 * len(gid)
        out += text_pair(gid, text, "music", w, 30, 44)
    return out


def repeat_words():
    out = []
    out += text_pair("Coda", "\U0001d10c", "music", 30, 36, 40, turn=False)
    out += text_pair("Segno", "\U0001d10b", "music", 30, 36, 40, turn=False)
    to_coda = [Text("To", "italic", 14, 18, 22, fit=(22, 20)), Text("\U0001d10c", "music", 40, 18, 34,
                                                                   fit=(26, 32))]
    out += [Glyph("ToCoda", 56, 36, to_coda),
            Glyph("ToCoda_V", 36, 56, [turned([Text("To", "italic", 14, 18, 22, fit=(22, 20)),
                                               Text("\U0001d10c", "music", 40, 18, 34, fit=(26, 32))],
                                              56, 36)])]
    for gid, text in (("D.C.", "D.C."), ("D.S.", "D.S."), ("Fine", "Fine"), ("D.C.alFine", "D.C. al Fine"),
                      ("D.C.alCoda", "D.C. al Coda"), ("D.S.alCoda", "D.S. al Coda"),
                      ("D.S.alFine", "D.S. al Fine")):
        w = 12 + 11 * len(text)
        out += text_pair(gid, text, "italic", w, 26, 24)
    return out


def metronome():
    out = [Glyph("Metronome-Quarter", 20, 36, [Text("\U0001d15f", "music", 10, 18, 40, fit=(18, 34))]),
           Glyph("Metronome-Eigth", 20, 36, [Text("\U0001d160", "music", 10, 18, 40, fit=(18, 34))]),
           Glyph("Metronome-Half", 20, 36, [Text("\U0001d15e", "music", 10, 18, 40, fit=(18, 34))]),
           Glyph("Metronome-Dot", 10, 36, [Circle(5, 27, 2.5)]),
           Glyph("Metronome-Equal", 20, 36, [Line(3, 16, 17, 16, 2), Line(3, 23, 17, 23, 2)])]
    for ch in "0123456789-.":
        out.append(Glyph(ch + "_tempo", 16, 36, [Text(ch, "serif", 8, 24 if ch in "-." else 20, 26,
                                                      fit=(14, 22))]))
    return out


def articulations():
    out = [Glyph("Staccato", 12, 12, [Circle(6, 6, 3)])]
    music = {"Fermata": "\U0001d110", "FermataInverted": "\U0001d111", "Accent": "\U0001d17b",
             "Staccatissimo": "\U0001d17e", "Tenuto": "\U0001d17d", "StrongAccent": "\U0001d17f",
             "Trill": "\U0001d196"}
    for gid, ch in music.items():
        out += text_pair(gid, ch, "music", 30, 30, 40)
    drawn = {
        "Staccato_Fue": [Path("M10 2 L14 2 L12 20 Z")],
        "Mordent": [stroke("M2 18 L8 8 L12 16 L18 6 L22 14 L28 4", 1.8), Line(15, 2, 15, 22, 1.6)],
        "InvertedMordent": [stroke("M2 18 L8 8 L12 16 L18 6 L22 14 L28 4", 1.8)],
        "DetachedLegato": [Line(4, 8, 26, 8, 2.6), Circle(15, 18, 3)],
        "Stress": [Path("M12 3 L18 3 L15 22 Z")],
        "Unstress": [stroke("M5 6 Q15 24 25 6")],
        "SoftAccent": [stroke("M3 15 L14 8 L26 15 L14 22 Z", 1.6)],
    }
    for gid, parts in drawn.items():
        out += [Glyph(gid, 30, 24, parts), Glyph(gid + "_V", 24, 30, [turned(parts, 30, 24)])]
    return out


def fingerings():
    out = []
    for i in range(6):
        out.append(Glyph("Fingering%d" % i, 20, 24, [Text(str(i), "sans", 10, 12, 22, fit=(16, 20))]))
    for gid, ch in (("Fingering2_Seiha", "人"), ("Fingering3_Seiha", "中"), ("Fingering4_Seiha", "薬"),
                    ("FingeringNaka", "中"), ("FingeringE", "エ")):
        out.append(Glyph(gid, 20, 24, [Text(ch, "jp", 10, 12, 20, fit=(18, 20))]))
    return out


def glyphs(font):
    out = parentheses() + blanks()
    out.append(Glyph("KinkoRa", N, N, [Text("ラ", "mincho", 25, 25, 30, fit=(26, 26))]))
    out += marks.suru("jp")
    out.append(Glyph("RestKinko", 30, 30, [marks.rest_circle(15, 15)]))
    out += pizz_circles() + arpeggios() + marks.dot() + marks.undefined("jp")
    out += time_signatures() + tuplets() + long_repeats() + wavy_glissando() + octave_marks()
    out += stage_brackets() + directive_markers() + techniques() + bowing() + dynamics()
    out += repeat_words() + metronome() + articulations() + fingerings()
    return out
