#!/usr/bin/env python3
"""Writes a generated MusicXML score for the benchmark.

    make-score.py [--dense | --realistic [--seed N]] MEASURES PARTS OUTPUT

Every part plays the same kind of music: quarter and eighth notes (beamed in
pairs), a rest now and then, on the notes of a miyako-bushi scale, with a
title credit. The notes come from a fixed seed, so a given size always gives
the same file.

--dense writes the same notes the way notation programs export them: each
with its horizontal position, stem and a lyric syllable: 1.6 times the
text, and half as many elements again.

--realistic writes music as a score holds it: durations from whole notes to
sixteenths, dotted notes, eighth triplets, ties across bar lines, slurs,
dynamics, crescendo and diminuendo wedges, tempo and rehearsal marks,
staccato and accents, accidentals where the key does not give the pitch,
two-note chords in the second part of every four and lyrics with hyphenated
words in the first. The same seed (by default one from the size) always
gives the same file.
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


def simple_score(measures, parts):
    rng = random.Random(measures * 100 + parts)
    out = header(f"Generated {measures} x {parts}", parts)
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
    return out


def header(title, parts):
    out = ['<?xml version="1.0" encoding="UTF-8"?>', '<score-partwise version="3.1">',
           f"  <work><work-title>{title}</work-title></work>",
           f'  <credit page="1"><credit-words default-x="595" default-y="1600" '
           f'justify="center" font-size="24">{title}</credit-words>'
           "</credit>", "  <part-list>"]
    for p in range(parts):
        name = NAMES[p % len(NAMES)]
        out.append(f'    <score-part id="P{p + 1}"><part-name>{name}</part-name>'
                   f'<score-instrument id="P{p + 1}-I1"><instrument-name>{name}</instrument-name>'
                   "</score-instrument></score-part>")
    out.append("  </part-list>")
    return out


# The realistic score: divisions of 12 per quarter hold sixteenths (3) and
# eighth triplets (4). A rhythm is a list of (duration, type, dots, beam
# level per note: "" none, "begin"/"continue"/"end"; for sixteenths a second
# beam), with "3" marking a triplet member.
DIVISIONS = 12
RHYTHMS = [
    # (weight, length, notes); a note is (duration, type, dots, beams, triplet)
    (6, 12, [(12, "quarter", 0, [], False)]),
    (6, 12, [(6, "eighth", 0, ["begin"], False), (6, "eighth", 0, ["end"], False)]),
    (2, 12, [(4, "eighth", 0, ["begin"], True), (4, "eighth", 0, ["continue"], True),
             (4, "eighth", 0, ["end"], True)]),
    (2, 12, [(3, "16th", 0, ["begin", "begin"], False), (3, "16th", 0, ["continue", "continue"], False),
             (3, "16th", 0, ["continue", "continue"], False), (3, "16th", 0, ["end", "end"], False)]),
    (2, 12, [(9, "eighth", 1, ["begin"], False), (3, "16th", 0, ["end", "backward hook"], False)]),
    (1, 12, [(6, "eighth", 0, ["begin"], False), (3, "16th", 0, ["continue", "begin"], False),
             (3, "16th", 0, ["end", "end"], False)]),
    (3, 24, [(24, "half", 0, [], False)]),
    (2, 24, [(18, "quarter", 1, [], False), (6, "eighth", 0, [], False)]),
    (1, 36, [(36, "half", 1, [], False)]),
    (1, 48, [(48, "whole", 0, [], False)]),
]
# Pitches around the key of one flat (D minor / F major), chromatic notes
# now and then: (step, alter, octave).
DIATONIC = [("C", 0, 4), ("D", 0, 4), ("E", 0, 4), ("F", 0, 4), ("G", 0, 4), ("A", 0, 4),
            ("B", -1, 4), ("C", 0, 5), ("D", 0, 5), ("E", 0, 5), ("F", 0, 5), ("G", 0, 5),
            ("A", 0, 5)]
CHROMATIC = [("C", 1, 4), ("F", 1, 4), ("G", 1, 4), ("B", 0, 4), ("E", -1, 5), ("C", 1, 5)]
KEY_ALTER = {"B": -1}
ACCIDENTAL = {-1: "flat", 0: "natural", 1: "sharp"}
DYNAMICS = ["pp", "p", "mp", "mf", "f", "ff", "sf", "fp"]
TEMPI = [("Andante", 76), ("Moderato", 96), ("Allegro", 132), ("Adagio", 60), ("Lento", 50)]
WORDS = [["sa", "ku", "ra"], ["ya", "yo", "i"], ["ka", "su", "mi", "ka"], ["ku", "mo", "ka"],
         ["ni", "o", "i", "zo"], ["i", "za"], ["ya"], ["mi", "ni"], ["yu", "ka", "n"],
         ["ha", "na"], ["to"], ["mi", "ya", "ko"]]


class PartWriter:
    """Writes one part of the realistic score, measure after measure; the
    state that crosses bar lines (ties, slurs, wedges, lyric words) lives
    here."""

    def __init__(self, out, rng, index):
        self.out = out
        self.rng = rng
        self.index = index
        self.lyrics = index % 4 == 0
        self.chords = index % 4 == 1
        self.tied_pitch = None     # the pitch the next measure's first note ties to
        self.slur_open = 0         # notes left until the open slur stops, 0 none
        self.wedge_open = 0        # measures left until the open wedge stops, 0 none
        self.word = []             # syllables left of the lyric word being sung
        self.alters = {}

    def direction(self, placement, body, extra=""):
        self.out.append(f'      <direction placement="{placement}"><direction-type>{body}'
                        f"</direction-type>{extra}</direction>")

    def pitch(self):
        pool = CHROMATIC if self.rng.random() < 0.08 else DIATONIC
        return self.rng.choice(pool)

    def accidental(self, step, alter, octave):
        """The accidental to print, or None when the key or an earlier note
        of the measure already gives this alteration."""
        current = self.alters.get((step, octave), KEY_ALTER.get(step, 0))
        self.alters[(step, octave)] = alter
        return None if current == alter else ACCIDENTAL[alter]

    def pitch_xml(self, pitch):
        step, alter, octave = pitch
        return (f"<pitch><step>{step}</step>" + (f"<alter>{alter}</alter>" if alter else "")
                + f"<octave>{octave}</octave></pitch>")

    def lyric(self):
        if not self.word:
            self.word = list(self.rng.choice(WORDS))
            whole = len(self.word)
        else:
            whole = 0
        text = self.word.pop(0)
        if whole == 1:
            syllabic = "single"
        elif whole:
            syllabic = "begin"
        else:
            syllabic = "end" if not self.word else "middle"
        return (f'<lyric number="1"><syllabic>{syllabic}</syllabic><text>{text}</text>'
                "</lyric>")

    def note(self, value, pitch, tie_start, tie_stop, first_of_group, last_of_group):
        duration, kind, dots, beams, triplet = value
        rng = self.rng
        step, alter, octave = pitch
        acc = self.accidental(step, alter, octave)
        lines = ["      <note>", f"        {self.pitch_xml(pitch)}",
                 f"        <duration>{duration}</duration>"]
        if tie_stop:
            lines.append('        <tie type="stop"/>')
        if tie_start:
            lines.append('        <tie type="start"/>')
        lines.append(f"        <voice>1</voice><type>{kind}</type>" + "<dot/>" * dots)
        if acc:
            lines.append(f"        <accidental>{acc}</accidental>")
        if triplet:
            lines.append("        <time-modification><actual-notes>3</actual-notes>"
                         "<normal-notes>2</normal-notes></time-modification>")
        for level, beam in enumerate(beams, 1):
            lines.append(f'        <beam number="{level}">{beam}</beam>')
        notations = []
        if tie_stop:
            notations.append('<tied type="stop"/>')
        if tie_start:
            notations.append('<tied type="start"/>')
        if triplet and first_of_group:
            notations.append('<tuplet type="start" bracket="yes"/>')
        if triplet and last_of_group:
            notations.append('<tuplet type="stop"/>')
        if self.slur_open:
            self.slur_open -= 1
            if not self.slur_open:
                notations.append('<slur type="stop" number="1"/>')
        elif not tie_start and not tie_stop and rng.random() < 0.15:
            self.slur_open = rng.randint(1, 4)
            notations.append('<slur type="start" number="1"/>')
        roll = rng.random()
        if roll < 0.08:
            notations.append("<articulations><staccato/></articulations>")
        elif roll < 0.13:
            notations.append("<articulations><accent/></articulations>")
        if notations:
            lines.append("        <notations>" + "".join(notations) + "</notations>")
        if self.lyrics and not tie_stop:
            lines.append("        " + self.lyric())
        lines.append("      </note>")
        self.out.extend(lines)
        if self.chords and not tie_start and not tie_stop and rng.random() < 0.4:
            self.chord_note(value, pitch)

    def chord_note(self, value, pitch):
        """A third or a fifth below the melody note, in the same chord."""
        duration, kind, dots, beams, triplet = value
        index = DIATONIC.index(pitch) if pitch in DIATONIC else 7
        lower = DIATONIC[max(0, index - self.rng.choice([2, 4]))]
        acc = self.accidental(*lower)
        lines = ["      <note>", "        <chord/>" + self.pitch_xml(lower),
                 f"        <duration>{duration}</duration>",
                 f"        <voice>1</voice><type>{kind}</type>" + "<dot/>" * dots]
        if acc:
            lines.append(f"        <accidental>{acc}</accidental>")
        if triplet:
            lines.append("        <time-modification><actual-notes>3</actual-notes>"
                         "<normal-notes>2</normal-notes></time-modification>")
        lines.append("      </note>")
        self.out.extend(lines)

    def rest(self, value):
        duration, kind, dots, _, triplet = value
        self.out.append(f"      <note><rest/><duration>{duration}</duration><voice>1</voice>"
                        f"<type>{kind}</type>" + "<dot/>" * dots + "</note>")

    def rhythm(self, room, first):
        """A rhythm that fits the room left in the measure; whole notes only
        open a measure."""
        choices = [(w, length, notes) for w, length, notes in RHYTHMS
                   if length <= room and (length < 48 or first)]
        total = sum(w for w, _, _ in choices)
        pick = self.rng.uniform(0, total)
        for w, length, notes in choices:
            pick -= w
            if pick <= 0:
                return length, notes
        return choices[-1][1], choices[-1][2]

    def measure(self, number, measures):
        rng = self.rng
        out = self.out
        out.append(f'    <measure number="{number}">')
        if number == 1:
            out.append(f"      <attributes><divisions>{DIVISIONS}</divisions><key><fifths>-1"
                       "</fifths></key><time><beats>4</beats><beat-type>4</beat-type></time>"
                       "<clef><sign>G</sign><line>2</line></clef></attributes>")
        self.alters = {}
        if self.index == 0 and number % 16 == 1:
            mark = chr(ord("A") + (number // 16) % 26)
            self.direction("above", f"<rehearsal>{mark}</rehearsal>")
        if self.index == 0 and number % 32 == 1:
            word, bpm = TEMPI[(number // 32) % len(TEMPI)]
            self.direction("above", f"<words>{word}</words>")
            self.direction("above", "<metronome><beat-unit>quarter</beat-unit>"
                           f"<per-minute>{bpm}</per-minute></metronome>", f'<sound tempo="{bpm}"/>')
        if rng.random() < 0.2:
            self.direction("below", f"<dynamics><{rng.choice(DYNAMICS)}/></dynamics>")
        if self.wedge_open == 0 and rng.random() < 0.12:
            kind = rng.choice(["crescendo", "diminuendo"])
            self.direction("below", f'<wedge type="{kind}" number="1"/>')
            self.wedge_open = rng.randint(1, 3)
        room = 4 * DIVISIONS
        while room:
            length, notes = self.rhythm(room, room == 4 * DIVISIONS)
            room -= length
            last_group = room == 0
            if len(notes) == 1 and not self.tied_pitch and rng.random() < 0.1:
                self.rest(notes[0])
                continue
            for i, value in enumerate(notes):
                tie_stop = self.tied_pitch is not None
                pitch = self.tied_pitch or self.pitch()
                self.tied_pitch = None
                last = last_group and i == len(notes) - 1
                tie_start = last and number < measures and rng.random() < 0.15
                self.note(value, pitch, tie_start, tie_stop, i == 0, i == len(notes) - 1)
                if tie_start:
                    self.tied_pitch = pitch
        if self.wedge_open:
            self.wedge_open -= 1
            if self.wedge_open == 0 or number == measures:
                self.direction("below", '<wedge type="stop" number="1"/>')
                self.wedge_open = 0
        if number == measures and self.slur_open:
            # Close the last slur on the score's final note.
            for i in range(len(out) - 1, -1, -1):
                if out[i] == "      </note>":
                    out.insert(i, '        <notations><slur type="stop" number="1"/></notations>')
                    break
            self.slur_open = 0
        out.append("    </measure>")


def realistic_score(measures, parts, seed):
    rng = random.Random(seed)
    out = header(f"Realistic {measures} x {parts}", parts)
    for p in range(parts):
        out.append(f'  <part id="P{p + 1}">')
        writer = PartWriter(out, rng, p)
        for m in range(1, measures + 1):
            writer.measure(m, measures)
        out.append("  </part>")
    return out


def main():
    global DENSE
    args = sys.argv[1:]
    realistic = False
    seed = None
    while args and args[0].startswith("--"):
        if args[0] == "--dense":
            DENSE = True
            args = args[1:]
        elif args[0] == "--realistic":
            realistic = True
            args = args[1:]
        elif args[0] == "--seed":
            seed = int(args[1])
            args = args[2:]
        else:
            sys.exit(f"unknown option {args[0]}")
    if len(args) != 3:
        sys.exit("usage: make-score.py [--dense | --realistic [--seed N]] MEASURES PARTS OUTPUT")
    measures, parts, path = int(args[0]), int(args[1]), args[2]
    if realistic:
        out = realistic_score(measures, parts, seed if seed is not None else measures * 100 + parts)
    else:
        out = simple_score(measures, parts)
    out.append("</score-partwise>")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
