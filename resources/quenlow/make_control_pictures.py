#!/usr/bin/env python3
"""Writes the pictures of Quenlow's own controls into buttons/: for each kind
of the main dialog's bitmap buttons and for the file options' Up and Dn
buttons a normal, a pressed and a focused look (24-bit BMP files), and the
About box's drag cursor (drag.cur). Each button picture is the whole button:
a raised (or, pressed, sunken) 3-D frame on the button face with a small
symbol of what the button does."""
import os
import struct
import sys

FACE = (212, 208, 200)
LIGHT = (255, 255, 255)
SHADOW = (128, 128, 128)
DARK = (64, 64, 64)
BLACK = (0, 0, 0)

COLOURS = {
    'K': (60, 60, 60),       # outline
    'Y': (240, 200, 60),     # folder
    'L': (255, 240, 160),    # folder's light edge
    'R': (200, 30, 30),      # remove
    'r': (120, 15, 15),
    'G': (30, 150, 50),      # run
    'g': (10, 90, 25),
    'B': (30, 80, 190),      # information and help
    'W': (255, 255, 255),
    'S': (210, 40, 40),      # stop
}

FOLDER = [
    ".KKKK.........",
    "KLLLLK........",
    "KLYYYKKKKKKKK.",
    "KLYYYYYYYYYYK.",
    "KLYYYYYYYYYYK.",
    "KLYYYYYYYYYYK.",
    "KLYYYYYYYYYYK.",
    "KLYYYYYYYYYYK.",
    "KKKKKKKKKKKKK.",
    "..............",
    "..K..K........",
]
CROSS = [
    "RR.....RR",
    "RRR...RRR",
    ".RRR.RRR.",
    "..RRRRR..",
    "...RRR...",
    "..RRRRR..",
    ".RRR.RRR.",
    "RRR...RRR",
    "RR.....RR",
]
PLAY = [
    "g.......",
    "gG......",
    "gGG.....",
    "gGGG....",
    "gGGGG...",
    "gGGGGG..",
    "gGGGGGg.",
    "gGGGGG..",
    "gGGGG...",
    "gGGG....",
    "gGG.....",
    "gG......",
    "g.......",
]
INFO = [
    "...BBBBB...",
    "..BBBBBBB..",
    ".BBBBWWBBB.",
    "BBBBBWWBBBB",
    "BBBBBBBBBBB",
    "BBBBWWWBBBB",
    "BBBBBWWBBBB",
    "BBBBBWWBBBB",
    ".BBBBWWBBB.",
    "..BBWWWWB..",
    "...BBBBB...",
]
STOP = [
    "..KKKKKK..",
    ".KSSSSSSK.",
    "KSSSSSSSSK",
    "KSSSSSSSSK",
    "KSWWWWWWSK",
    "KSWWWWWWSK",
    "KSSSSSSSSK",
    "KSSSSSSSSK",
    ".KSSSSSSK.",
    "..KKKKKK..",
]
QUESTION = [
    ".BBBBB.",
    "BB...BB",
    "BB...BB",
    ".....BB",
    "....BB.",
    "...BB..",
    "...BB..",
    ".......",
    "...BB..",
    "...BB..",
]

# The file options' list buttons: up takes the edit's text up into the list,
# down takes the selected entry out of it.
ARROW_UP = [
    ".....g.....",
    "....gGg....",
    "...gGGGg...",
    "..gGGGGGg..",
    ".gGGGGGGGg.",
    "gGGGGGGGGGg",
    "gggGGGGGggg",
    "..gGGGGGg..",
    "..gGGGGGg..",
    "..gGGGGGg..",
    "..ggggggg..",
]
ARROW_DOWN = [row.replace('g', 'r').replace('G', 'R') for row in reversed(ARROW_UP)]

# Row buttons stand beside a combo box; the help buttons are square.
ROW = (24, 21)
SQUARE = (21, 21)

# Bitmap ids: normal, pressed, focused.
KINDS = [
    ('browse', (133, 134, 135), FOLDER, ROW),
    ('remove', (136, 137, 138), CROSS, ROW),
    ('run', (143, 144, 145), PLAY, ROW),
    ('info', (153, 154, 155), INFO, ROW),
    ('stop', (156, 158, 159), STOP, ROW),
    ('help', (167, 166, 168), QUESTION, SQUARE),
    ('up', (146, 147, 148), ARROW_UP, ROW),
    ('down', (149, 150, 151), ARROW_DOWN, ROW),
]


def draw(size, symbol, look):
    width, height = size
    pixels = [[FACE] * width for _ in range(height)]
    pressed = look == 'pressed'
    top_left, bottom_right = (DARK, LIGHT) if pressed else (LIGHT, DARK)
    inner_tl, inner_br = (SHADOW, FACE) if pressed else (FACE, SHADOW)
    for x in range(width):
        pixels[0][x] = top_left
        pixels[height - 1][x] = bottom_right
        pixels[1][x] = inner_tl if 0 < x < width - 1 else pixels[1][x]
        pixels[height - 2][x] = inner_br if 0 < x < width - 1 else pixels[height - 2][x]
    for y in range(height):
        pixels[y][0] = top_left if y < height - 1 else bottom_right
        pixels[y][width - 1] = bottom_right
        if 0 < y < height - 1:
            pixels[y][1] = inner_tl if y < height - 2 else inner_br
            pixels[y][width - 2] = inner_br
    if look == 'focused':
        for x in range(3, width - 3):
            if x % 2:
                pixels[3][x] = BLACK
                pixels[height - 4][x] = BLACK
        for y in range(3, height - 3):
            if y % 2:
                pixels[y][3] = BLACK
                pixels[y][width - 4] = BLACK
    shift = 1 if pressed else 0
    left = (width - len(symbol[0])) // 2 + shift
    top = (height - len(symbol)) // 2 + shift
    for dy, row in enumerate(symbol):
        for dx, letter in enumerate(row):
            if letter != '.':
                pixels[top + dy][left + dx] = COLOURS[letter]
    return pixels


def bmp(pixels):
    height = len(pixels)
    width = len(pixels[0])
    row = (width * 3 + 3) // 4 * 4
    data = bytearray()
    for line in reversed(pixels):
        for (r, g, b) in line:
            data += bytes((b, g, r))
        data += bytes(row - width * 3)
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return struct.pack('<2sIHHI', b'BM', 14 + len(header) + len(data), 0, 0, 14 + len(header)) + header + bytes(data)


# The About box's label is dragged up and down: a double arrow, black with a
# white edge, its hot spot in the middle.
DRAG = [
    "......W......",
    ".....WKW.....",
    "....WKKKW....",
    "...WKKKKKW...",
    "..WKKKKKKKW..",
    "..WWWWKWWWW..",
    ".....WKW.....",
    ".....WKW.....",
    ".....WKW.....",
    ".....WKW.....",
    ".....WKW.....",
    ".....WKW.....",
    ".....WKW.....",
    ".....WKW.....",
    "..WWWWKWWWW..",
    "..WKKKKKKKW..",
    "...WKKKKKW...",
    "....WKKKW....",
    ".....WKW.....",
    "......W......",
]


def cursor(symbol):
    """A 32 x 32 monochrome cursor file: AND mask 0 where the symbol is, XOR
    bit 1 for its white pixels."""
    size = 32
    left = (size - len(symbol[0])) // 2
    top = (size - len(symbol)) // 2
    xor = bytearray(4 * size)
    mask = bytearray(b'\xff' * (4 * size))
    for dy, row in enumerate(symbol):
        for dx, letter in enumerate(row):
            if letter == '.':
                continue
            x, y = left + dx, size - 1 - (top + dy)  # rows bottom-up
            mask[y * 4 + x // 8] &= ~(0x80 >> (x % 8)) & 0xff
            if letter == 'W':
                xor[y * 4 + x // 8] |= 0x80 >> (x % 8)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 1, 0, len(xor) + len(mask), 0, 0, 2, 0)
    palette = struct.pack('<BBBBBBBB', 0, 0, 0, 0, 255, 255, 255, 0)
    image = header + palette + bytes(xor) + bytes(mask)
    hot_x, hot_y = left + len(symbol[0]) // 2, top + len(symbol) // 2
    return struct.pack('<HHH', 0, 2, 1) + struct.pack('<BBBBHHII', size, size, 2, 0, hot_x, hot_y, len(image),
                                                      22) + image


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'buttons')
    if len(sys.argv) > 1:
        folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for name, ids, symbol, size in KINDS:
        for look, _ in zip(('normal', 'pressed', 'focused'), ids):
            with open(os.path.join(folder, '%s_%s.bmp' % (name, look)), 'wb') as out:
                out.write(bmp(draw(size, symbol, look)))
    with open(os.path.join(folder, 'drag.cur'), 'wb') as out:
        out.write(cursor(DRAG))


if __name__ == '__main__':
    main()
