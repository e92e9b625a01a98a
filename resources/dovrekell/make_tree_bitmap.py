#!/usr/bin/env python3
"""Writes the Contents tree's pictures: eight 16 x 16 images side by side
(group root, group root selected, Online root, Online root selected, folder,
folder selected, file, file selected), 24 bits per pixel, white where the
tree shows its own background."""
import sys

from make_toolbar_bitmaps import write_bmp

S, COUNT = 16, 8
WHITE = (255, 255, 255)
COLOURS = [(0, 0, 160), (0, 0, 255), (0, 128, 0), (0, 200, 0),
           (192, 160, 0), (240, 200, 0), (96, 96, 96), (0, 0, 0)]


def draw(pixels, index):
    colour = COLOURS[index]
    kind = index // 2
    for y in range(S):
        for x in range(S):
            inside = False
            if kind == 0:    # a closed book
                inside = 3 <= x <= 12 and 2 <= y <= 13
            elif kind == 1:  # a globe
                inside = (x - 7.5) ** 2 + (y - 7.5) ** 2 <= 36
            elif kind == 2:  # a folder with its tab
                inside = (2 <= x <= 13 and 5 <= y <= 13) or (2 <= x <= 6 and 3 <= y <= 4)
            else:            # a page with lines
                inside = (4 <= x <= 11 and 2 <= y <= 13) and (x in (4, 11) or y in (2, 13) or y % 3 == 0)
            if inside:
                pixels[y][index * S + x] = colour


def main(folder):
    pixels = [[WHITE] * (S * COUNT) for _ in range(S)]
    for index in range(COUNT):
        draw(pixels, index)
    write_bmp(folder + '/tree.bmp', pixels)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else '.')
