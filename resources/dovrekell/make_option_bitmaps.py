#!/usr/bin/env python3
"""Writes the options dialog's Add and Remove button faces: a green arrow
pointing left (Add) and a red one pointing right (Remove), 40 x 20, each with
a pressed face shifted by one pixel."""
import sys

from make_toolbar_bitmaps import write_bmp

W, H = 40, 20
FACE = (212, 208, 200)
DARK = (64, 64, 64)


def face(colour, left, shift):
    pixels = [[FACE] * W for _ in range(H)]
    for x in range(W):
        pixels[0][x] = pixels[H - 1][x] = DARK
    for y in range(H):
        pixels[y][0] = pixels[y][W - 1] = DARK
    for y in range(3, H - 3):
        for x in range(6, W - 6):
            dy = abs(y - H // 2)
            head = (x - 6) if left else (W - 7 - x)
            body = (x >= 16) if left else (x <= W - 17)
            if (head <= 8 and dy <= head) or (body and dy <= 2):
                pixels[min(y + shift, H - 2)][min(x + shift, W - 2)] = colour
    return pixels


def main(folder):
    write_bmp(folder + '/add.bmp', face((0, 140, 0), True, 0))
    write_bmp(folder + '/add_pressed.bmp', face((0, 140, 0), True, 1))
    write_bmp(folder + '/remove.bmp', face((180, 0, 0), False, 0))
    write_bmp(folder + '/remove_pressed.bmp', face((180, 0, 0), False, 1))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else '.')
