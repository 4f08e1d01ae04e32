#!/usr/bin/env python3
"""Makes a long score from a short one by copying its measures, the way a
user lengthens a piece by pasting: for the memory benchmark.

    copy-measures.py --last N INPUT OUTPUT    the last measure of every part
                                             copied N times more
    copy-measures.py --to N INPUT OUTPUT      the measures copied in turn
                                             until every part has N

A copy holds all that its measure holds, attributes too; only its number
changes, continuing from the last measure's.
"""
import re
import sys

MEASURE = re.compile(r"<measure\b[^>]*>.*?</measure>", re.S)
NUMBER = re.compile(r'(<measure\b[^>]*?\bnumber=")[^"]*(")')
PART = re.compile(r"(<part\b[^>]*>)(.*?)(</part>)", re.S)


def lengthen(body, mode, count):
    measures = MEASURE.findall(body)
    if not measures:
        return body
    if mode == "--last":
        added = [measures[-1]] * count
    else:
        added = [measures[i % len(measures)] for i in range(max(0, count - len(measures)))]
    start = len(measures)
    copies = [NUMBER.sub(lambda m, n=start + i + 1: f"{m.group(1)}{n}{m.group(2)}", text, count=1)
              for i, text in enumerate(added)]
    end = body.rindex("</measure>") + len("</measure>")
    return body[:end] + "\n".join(copies) + body[end:]


def main():
    if len(sys.argv) != 5 or sys.argv[1] not in ("--last", "--to"):
        sys.exit(__doc__)
    mode, count, source, target = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]
    with open(source, encoding="utf-8") as f:
        text = f.read()
    text = PART.sub(lambda m: m.group(1) + lengthen(m.group(2), mode, count) + m.group(3), text)
    with open(target, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main()
