#!/usr/bin/python3
"""Compares two sets of page images (PNG, same names) pixel by pixel.

A pixel differs when it is dark (grey < 96) in one image while the other
image has no pixel darker than light (grey > 160) within one pixel of it: a
shape drawn elsewhere, in another size, missing or added makes many such
pixels. Moves within a pixel do not count; a rasteriser places text glyphs
on a coarser grid than paths (poppler: a quarter pixel across, a whole pixel
down), so the same shape drawn as a glyph or as a path can land a fraction
of a pixel apart. Also printed, for information: pixels dark in one image
and light in the other at the same place ("exact").

A page is within tolerance when its differing pixels are at most TOLERANCE
of its ink (dark pixels of the first image). Prints one line per page and a
summary; exit status 1 when a page is beyond tolerance or missing.

    bench/compare-pixels.py BEFORE_DIR AFTER_DIR [TOLERANCE]

TOLERANCE is a share of the ink, 0.0025 (a quarter per cent) by default: a
page of note glyphs drawn as font glyphs instead of outlines differs by up
to about 0.2% where poppler's pdftoppm moves glyphs by up to a pixel.
"""
import os
import sys

from PIL import Image, ImageChops, ImageFilter


def dark(image):
    return image.point(lambda v: 255 if v < 96 else 0)


def light(image):
    return image.point(lambda v: 255 if v > 160 else 0)


def compare(a_path, b_path):
    a = Image.open(a_path).convert("L")
    b = Image.open(b_path).convert("L")
    if a.size != b.size:
        return None, None, None
    exact = ImageChops.add(ImageChops.multiply(dark(a), light(b)),
                           ImageChops.multiply(dark(b), light(a))).histogram()[255]
    # The darkest pixel within one pixel of each pixel.
    near_a = a.filter(ImageFilter.MinFilter(3))
    near_b = b.filter(ImageFilter.MinFilter(3))
    differ = ImageChops.add(ImageChops.multiply(dark(a), light(near_b)),
                            ImageChops.multiply(dark(b), light(near_a)))
    count = differ.histogram()[255]
    ink = dark(a).histogram()[255]
    return count, ink, exact


def main(argv):
    before, after = argv[1], argv[2]
    tolerance = float(argv[3]) if len(argv) > 3 else 0.0025
    failed = 0
    total = 0
    worst = 0.0
    for name in sorted(os.listdir(before)):
        if not name.endswith(".png"):
            continue
        total += 1
        other = os.path.join(after, name)
        if not os.path.exists(other):
            print("missing: %s" % name)
            failed += 1
            continue
        count, ink, exact = compare(os.path.join(before, name), other)
        if count is None:
            print("size differs: %s" % name)
            failed += 1
            continue
        share = count / max(ink, 1)
        worst = max(worst, share)
        mark = "BEYOND" if share > tolerance else "ok"
        print("%-50s %7d of %9d ink pixels differ (%.3f%%; exact %.3f%%) %s" % (
            name, count, ink, 100 * share, 100 * exact / max(ink, 1), mark))
        failed += share > tolerance
    print("compared %d pages, %d beyond %.2f%% of their ink, worst %.3f%%" % (
        total, failed, 100 * tolerance, 100 * worst))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
