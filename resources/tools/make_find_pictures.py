#!/usr/bin/env python3
"""Writes the Find page's pictures: find_kinds.bmp, a strip of 14 images of
16 x 16 (folder, application, applet, both, general class, format error,
package error; each followed by its selected form), white as the mask, and
find_legend.bmp, the same pictures in a column for the Legend dialog."""
import os
import struct

SIZE = 16
WHITE = (255, 255, 255)
# Plain colours per picture: folder yellow, then one per kind.
COLOURS = [(230, 190, 60), (40, 140, 60), (40, 90, 200), (120, 60, 170),
           (110, 110, 110), (200, 40, 40), (220, 120, 30)]


def picture(colour, selected):
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            edge = x in (2, 13) or y in (2, 13)
            inside = 2 <= x <= 13 and 2 <= y <= 13
            if not inside:
                row.append(WHITE)
            elif edge:
                row.append((0, 0, 0))
            elif selected and (x + y) % 3 == 0:
                row.append((255, 255, 160))
            else:
                row.append(colour)
        rows.append(row)
    return rows


def write_bmp(path, pixels):
    height = len(pixels)
    width = len(pixels[0])
    stride = (width * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        body += line
    header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + body)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    images = []
    for colour in COLOURS:
        images.append(picture(colour, False))
        images.append(picture(colour, True))
    strip = [sum((image[y] for image in images), []) for y in range(SIZE)]
    write_bmp(os.path.join(here, "find_kinds.bmp"), strip)
    column = []
    for colour in COLOURS:
        column += picture(colour, False) + [[WHITE] * SIZE for _ in range(4)]
    write_bmp(os.path.join(here, "find_legend.bmp"), column)


if __name__ == "__main__":
    main()
