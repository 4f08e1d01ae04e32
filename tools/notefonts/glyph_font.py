"""The glyph font resources/glyphfont/VelmoraGlyphs.ttf and its table.

Exported PDFs draw note-font glyphs as characters of this font, so that a
PDF holds each glyph's outline once (model/glyphfont.h). The glyphs are the
contours that the program itself captures from the note fonts, dumped by the
glyph-outlines tool (tools/glyphfont): what the font draws is what the
screen draws. Cubic curves become quadratic ones within 1 font unit (1/16 of
a note-font unit); glyphs with the same contours share one glyph.

    cmake --build build --target glyph-outlines
    /usr/bin/python3 tools/notefonts/glyph_font.py build/tools/glyphfont/glyph-outlines

The font has no character map: the program draws its glyphs by index, and a
glyph without a character adds nothing to the text that a reader copies or
extracts from a PDF, so the text of lyrics, credits and directions reads
back exactly as it did when glyphs were outlines. (Characters of the
Private Use Area would show up in that text and move it around.) The table,
VelmoraGlyphs.tsv, has one line per note-font glyph: font key (folder/font),
glyph id, glyph index in the font, fingerprint of the contours. The output
is byte-identical on every run; commit it.
"""

import json
import os
import subprocess
import sys
import tempfile

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.cu2quPen import Cu2QuPen
from fontTools.pens.ttGlyphPen import TTGlyphPen

FAMILY = "VelmoraGlyphs"
UNITS_PER_EM = 2048  # model/glyphfont.h: 16 font units per note-font unit
MAX_ERROR = 1.0  # font units allowed between a cubic and its quadratic spline
TIMESTAMP = 0  # fixed, so that the file is the same on every run

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
OUT_DIR = os.path.join(ROOT, "resources", "glyphfont")


def contours_key(contours):
    return tuple(tuple((seg[0],) + tuple(round(v) for v in seg[1:]) for seg in c) for c in contours)


def draw(contours, pen):
    for contour in contours:
        start = (contour[0][1], contour[0][2])
        pen.moveTo(start)
        segs = contour[1:]
        # A closing line back to the start is implied by closePath.
        if segs and segs[-1][0] == "L" and (segs[-1][1], segs[-1][2]) == start:
            segs = segs[:-1]
        for seg in segs:
            if seg[0] == "L":
                pen.lineTo((seg[1], seg[2]))
            else:
                pen.curveTo((seg[1], seg[2]), (seg[3], seg[4]), (seg[5], seg[6]))
        pen.closePath()


def build(glyphs):
    unique = {}  # contours key -> glyph name
    order = [".notdef"]
    outlines = {}
    advances = {".notdef": 0}
    rows = []
    for g in glyphs:
        key = contours_key(g["contours"])
        name = unique.get(key)
        if name is None:
            name = "g%05d" % len(order)
            unique[key] = name
            order.append(name)
            pen = TTGlyphPen(None)
            draw(g["contours"], Cu2QuPen(pen, MAX_ERROR, reverse_direction=False))
            outlines[name] = pen.glyph()
            advances[name] = round(g["advance"])
        rows.append((g["font"], g["id"], int(name[1:]), g["fingerprint"]))
    outlines[".notdef"] = TTGlyphPen(None).glyph()

    count = len(order) - 1

    fb = FontBuilder(UNITS_PER_EM, isTTF=True)
    fb.font.recalcTimestamp = False
    fb.updateHead(created=TIMESTAMP, modified=TIMESTAMP)
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap({})  # glyphs are drawn by index
    fb.setupGlyf(outlines)
    glyf = fb.font["glyf"]
    metrics = {}
    for name in order:
        glyph = glyf[name]
        glyph.recalcBounds(glyf)
        metrics[name] = (advances[name], getattr(glyph, "xMin", 0) if glyph.numberOfContours else 0)
    fb.setupHorizontalMetrics(metrics)
    fb.setupHorizontalHeader(ascent=UNITS_PER_EM, descent=-UNITS_PER_EM // 4)
    fb.setupNameTable({"familyName": FAMILY, "styleName": "Regular", "psName": FAMILY + "-Regular",
                       "copyright": "Glyphs of the Velmora note fonts; see resources/notefonts/LICENSES.md"})
    # fsType 0: installable, so that PDF writers embed it.
    fb.setupOS2(fsType=0, sTypoAscender=UNITS_PER_EM, sTypoDescender=-UNITS_PER_EM // 4,
                usWinAscent=UNITS_PER_EM, usWinDescent=UNITS_PER_EM // 4)
    fb.setupPost()
    return fb, rows, count


def main(argv):
    if len(argv) != 2:
        sys.exit("usage: glyph_font.py <glyph-outlines binary>")
    with tempfile.TemporaryDirectory() as tmp:
        dump = os.path.join(tmp, "outlines.json")
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        subprocess.run([argv[1], dump], check=True, env=env, stderr=subprocess.DEVNULL)
        with open(dump, encoding="utf-8") as f:
            glyphs = json.load(f)
    fb, rows, count = build(glyphs)
    os.makedirs(OUT_DIR, exist_ok=True)
    font_path = os.path.join(OUT_DIR, FAMILY + ".ttf")
    fb.save(font_path)
    rows.sort()
    with open(os.path.join(OUT_DIR, FAMILY + ".tsv"), "w", encoding="utf-8", newline="\n") as f:
        for font, gid, index, fingerprint in rows:
            f.write("%s\t%s\t%d\t%s\n" % (font, gid, index, fingerprint))
    print("%s: %d note-font glyphs, %d font glyphs, %d bytes" % (
        os.path.relpath(font_path, ROOT), len(rows), count, os.path.getsize(font_path)))


if __name__ == "__main__":
    main(sys.argv)
