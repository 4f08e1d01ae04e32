#!/usr/bin/env python3
"""Writes a generated MusicXML score for the benchmark.

    make-score.py [--dense] MEASURES PARTS OUTPUT

Every part plays the same kind of music: quarter and eighth notes (beamed in
pairs), a rest now and then, on the notes of a miyako-bushi scale, with a
title credit. The notes come from a fixed seed, so a given size always gives
the same file.

--dense writes the same notes the way notation programs export them: each
with its horizontal position, stem and a lyric syllable: 1.6 times the
text, and half as many elements again.
"""
import random
import sys

SCALE = [("D", 0, 4), ("E", 0, 4), ("F", 0, 4), ("A", 0, 4), ("B", -1, 4),
         ("D", 0, 5), ("E", 0, 5), ("F", 0, 5), ("A", 0, 5)]
NAMES = ["Shakuhachi", "Koto", "Sangen", "Fue", "Shakuhachi 2", "Koto 2"]
SYLLABLES = ["sa", "ku", "ra", "ya", "yo", "i", "no", "so", "ra", "wa"]
DENSE = False


def note(out, pitch, duration, kind, beam=None):
    step, alter, octave = pitch
    out.append(f'      <note default-x="{12 + 20 * (len(out) % 9)}">' if DENSE else "      <note>")
    out.append(f"        <pitch><step>{step}</step>" + (f"<alter>{alter}</alter>" if alter else "")
               + f"<octave>{octave}</octave></pitch>")
    out.append(f"        <duration>{duration}</duration><voice>1</voice><type>{kind}</type>")
    if DENSE:
        out.append("        <stem>up</stem>")
    if beam:
        out.append(f"        <beam number=\"1\">{beam}</beam>")
    if DENSE:
        out.append(f'        <lyric number="1"><syllabic>single</syllabic>'
                   f"<text>{SYLLABLES[len(out) % len(SYLLABLES)]}</text></lyric>")
    out.append("      </note>")


def measure_body(out, rng):
    beats = 0
    while beats < 4:
        choice = rng.random()
        if choice < 0.1:
            out.append("      <note><rest/><duration>2</duration><voice>1</voice>"
                       "<type>quarter</type></note>")
        elif choice < 0.55:
            note(out, rng.choice(SCALE), 2, "quarter")
        else:
            note(out, rng.choice(SCALE), 1, "eighth", "begin")
            note(out, rng.choice(SCALE), 1, "eighth", "end")
        beats += 1


def main():
    global DENSE
    args = sys.argv[1:]
    if args and args[0] == "--dense":
        DENSE = True
        args = args[1:]
    measures, parts, path = int(args[0]), int(args[1]), args[2]
    rng = random.Random(measures * 100 + parts)
    out = ['<?xml version="1.0" encoding="UTF-8"?>', '<score-partwise version="3.1">',
           f"  <work><work-title>Generated {measures} x {parts}</work-title></work>",
           f'  <credit page="1"><credit-words default-x="595" default-y="1600" '
           f'justify="center" font-size="24">Generated {measures} x {parts}</credit-words>'
           "</credit>", "  <part-list>"]
    for p in range(parts):
        name = NAMES[p % len(NAMES)]
        out.append(f'    <score-part id="P{p + 1}"><part-name>{name}</part-name>'
                   f'<score-instrument id="P{p + 1}-I1"><instrument-name>{name}</instrument-name>'
                   "</score-instrument></score-part>")
    out.append("  </part-list>")
    for p in range(parts):
        out.append(f'  <part id="P{p + 1}">')
        for m in range(1, measures + 1):
            out.append(f'    <measure number="{m}">')
            if m == 1:
                out.append("      <attributes><divisions>2</divisions><key><fifths>-1</fifths>"
                           "</key><time><beats>4</beats><beat-type>4</beat-type></time>"
                           "<clef><sign>G</sign><line>2</line></clef></attributes>")
            measure_body(out, rng)
            out.append("    </measure>")
        out.append("  </part>")
    out.append("</score-partwise>")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
