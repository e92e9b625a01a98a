#!/usr/bin/env python3
"""Writes the help browser's toolbar strips: seven 22 x 20 images side by side
(Back, Forward, Stop, Refresh, two unused, Font), 24 bits per pixel, magenta
where the toolbar shows its own background. toolbar.bmp is the normal strip,
toolbar_hot.bmp the one under the mouse (brighter colours)."""
import struct
import sys

W, H, COUNT = 22, 20, 7
MAGENTA = (255, 0, 255)


def arrow(pixels, x0, colour, left):
    for y in range(H):
        for x in range(W):
            dy = abs(y - 10)
            head = (x - 3) if left else (18 - x)
            if 0 <= head <= 8 and dy <= head:
                pixels[y][x0 + x] = colour
            elif (11 <= x <= 19 if left else 2 <= x <= 10) and dy <= 2:
                pixels[y][x0 + x] = colour


def stop(pixels, x0, colour):
    for y in range(3, 18):
        for x in range(4, 19):
            if abs((x - 4) - (y - 3)) <= 1 or abs((x - 4) - (17 - y)) <= 1:
                pixels[y][x0 + x] = colour


def refresh(pixels, x0, colour):
    for y in range(H):
        for x in range(W):
            d = (x - 11) ** 2 + (y - 10) ** 2
            if 30 <= d <= 56 and not (x > 11 and y < 10):
                pixels[y][x0 + x] = colour
    for y in range(2, 9):
        for x in range(12, 12 + (9 - y) + 1):
            if x < W:
                pixels[y][x0 + x] = colour


def font(pixels, x0, colour):
    for y in range(3, 18):
        half = (y - 3) // 2
        for x in (11 - half, 11 + half, 10 - half, 12 + half):
            pixels[y][x0 + x] = colour
        if y in (12, 13):
            for x in range(11 - half, 12 + half):
                pixels[y][x0 + x] = colour


def strip(colours):
    pixels = [[MAGENTA] * (W * COUNT) for _ in range(H)]
    arrow(pixels, 0 * W, colours[0], True)
    arrow(pixels, 1 * W, colours[0], False)
    stop(pixels, 2 * W, colours[1])
    refresh(pixels, 3 * W, colours[2])
    font(pixels, 6 * W, colours[3])
    return pixels


def write_bmp(path, pixels):
    width, height = len(pixels[0]), len(pixels)
    row = ((width * 3 + 3) // 4) * 4
    data = b''
    for y in reversed(range(height)):
        line = b''.join(struct.pack('BBB', b, g, r) for (r, g, b) in pixels[y])
        data += line + b'\0' * (row - len(line))
    header = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, 'wb') as out:
        out.write(header + info + data)


def main(folder):
    write_bmp(folder + '/toolbar.bmp', strip([(40, 80, 150), (150, 40, 40), (40, 120, 60), (60, 60, 60)]))
    write_bmp(folder + '/toolbar_hot.bmp', strip([(30, 110, 230), (230, 30, 30), (30, 180, 70), (0, 0, 0)]))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else '.')
