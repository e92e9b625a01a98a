#!/usr/bin/env python3
"""Writes the archive tree's images: ten 16 x 16 pictures side by side, each
kind twice (plain, then selected): jar root, zip root, folder, entry, error
line. 24 bits per pixel; white is drawn transparent."""
import struct
import sys

S, COUNT = 16, 10
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)


def box(pixels, x0, fill, selected):
    for y in range(3, 14):
        for x in range(1, 15):
            edge = y in (3, 13) or x in (1, 14)
            pixels[y][x0 + x] = BLACK if edge else fill
    for x in range(5, 11):  # the lid's handle
        pixels[2][x0 + x] = BLACK
    if selected:
        for x in range(3, 13):
            pixels[8][x0 + x] = WHITE if x % 2 else BLACK


def folder(pixels, x0, fill, selected):
    for y in range(4, 14):
        for x in range(1, 15):
            edge = y in (4, 13) or x in (1, 14)
            pixels[y][x0 + x] = BLACK if edge else fill
    for x in range(1, 7):
        pixels[3][x0 + x] = BLACK
    if selected:
        for y in range(7, 13):
            for x in range(3, 15):
                if x - 3 >= 12 - y:
                    pixels[y][x0 + x] = BLACK if x == 14 or y == 12 else (255, 240, 160)


def entry(pixels, x0, selected):
    for y in range(1, 15):
        for x in range(3, 13):
            edge = y in (1, 14) or x in (3, 12)
            pixels[y][x0 + x] = BLACK if edge else ((210, 230, 255) if selected else (250, 250, 250))
    for y in (4, 6, 8, 10, 12):
        for x in range(5, 11):
            pixels[y][x0 + x] = (128, 128, 128)


def error(pixels, x0, selected):
    red = (128, 0, 0) if selected else (220, 0, 0)
    for i in range(2, 14):
        for d in (0, 1):
            pixels[i][x0 + min(i + d, 15)] = red
            pixels[i][x0 + max(15 - i - d, 0)] = red


def write_bmp(path, pixels):
    width, height = len(pixels[0]), len(pixels)
    row = (width * 3 + 3) & ~3
    body = bytearray()
    for y in reversed(range(height)):
        line = bytearray()
        for (r, g, b) in pixels[y]:
            line += bytes((b, g, r))
        body += line + b"\0" * (row - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + body)


def main():
    pixels = [[WHITE] * (S * COUNT) for _ in range(S)]
    for selected in (0, 1):
        box(pixels, (0 + selected) * S, (190, 140, 80), selected)   # jar
        box(pixels, (2 + selected) * S, (90, 140, 220), selected)   # zip
        folder(pixels, (4 + selected) * S, (240, 200, 80), selected)
        entry(pixels, (6 + selected) * S, selected)
        error(pixels, (8 + selected) * S, selected)
    write_bmp(sys.argv[1] if len(sys.argv) > 1 else "archive.bmp", pixels)


if __name__ == "__main__":
    main()
