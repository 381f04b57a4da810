#!/usr/bin/env python3
"""Compares the words of two PDFs as pdftotext reads them: the same words in
the same order, on the same pages, each within TOLERANCE points of its place
in the first. A word's place is its left and right edge and its foot (the
baseline and the font's descent): its top is the baseline less the ascent
the embedded font declares, which differs with the system that embedded the
same face (Wine's GDI and fontconfig's files give DejaVu Sans different
ascents), while the glyphs stand where they stand. Prints the farthest.

    compare_pdf_words.py FIRST.pdf SECOND.pdf TOLERANCE
"""
import re
import subprocess
import sys
from html import unescape

WORD = re.compile(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>')


def words(pdf):
    html = subprocess.run(["pdftotext", "-bbox", pdf, "-"], check=True, capture_output=True, text=True).stdout
    found = []
    for page, text in enumerate(html.split("<page ")[1:]):
        for match in WORD.finditer(text):
            x0, y0, x1, y1 = (float(v) for v in match.groups()[:4])
            found.append((page, unescape(match.group(5)), x0, y0, x1, y1))
    return found


def main():
    first, second, tolerance = sys.argv[1], sys.argv[2], float(sys.argv[3])
    a, b = words(first), words(second)
    if not a:
        print(f"{first}: no words")
        return 1
    if [(w[0], w[1]) for w in a] != [(w[0], w[1]) for w in b]:
        for wa, wb in zip(a, b):
            if (wa[0], wa[1]) != (wb[0], wb[1]):
                print(f"words differ: {wa[:2]} against {wb[:2]}")
                break
        print(f"{len(a)} words against {len(b)}")
        return 1
    def place(w):
        return (w[2], w[4], w[5])  # left, right, foot
    distances = [(max(abs(p - q) for p, q in zip(place(wa), place(wb))), wa[1]) for wa, wb in zip(a, b)]
    worst, word = max(distances)
    print(f"{len(a)} words, the farthest ({word!r}) {worst:.2f} pt from its place")
    return 0 if worst <= tolerance else 1


if __name__ == "__main__":
    sys.exit(main())
