#!/usr/bin/env python3
"""Writes the two tools' own pictures: each tool's icon (skelbrand.ico,
farrowick.ico: 16, 32 and 48 pixels in 16 colours), the compile tool's Find
tree pictures (farrowick_find.bmp: folder, folder selected, Java file, Java
file selected, 16 x 16 each, white as the mask) and the pictures of its
Options page's three picture buttons in farrowick_buttons/ (normal, pressed
and disabled looks of remove, browse and help). The buttons are drawn as
Quenlow's own picture buttons are."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', 'quenlow'))

from make_control_pictures import (CROSS, FOLDER, LIGHT, QUESTION, SHADOW, SQUARE,  # noqa: E402
                                   bmp, draw)
from make_stub_icons import bitmap_image  # noqa: E402
import struct  # noqa: E402

# Palette indexes of the 16-colour icons.
BLACK, GREEN, YELLOW, BLUE, WHITE, DARK_BLUE, GREY = 0, 10, 11, 12, 15, 4, 8


def play_mark(x, y, size, bits):
    """Execute and debug: a green arrow on a blue square."""
    del bits
    edge = x in (0, size - 1) or y in (0, size - 1)
    u, v = x * 16 // size, y * 16 // size
    arrow = 4 <= u and abs(2 * v - 15) <= 2 * (12 - u)
    return DARK_BLUE if edge else GREEN if arrow else BLUE


def compile_mark(x, y, size, bits):
    """Compile: a page with lines of source on a yellow square."""
    del bits
    edge = x in (0, size - 1) or y in (0, size - 1)
    u, v = x * 16 // size, y * 16 // size
    page = 3 <= u <= 12 and 2 <= v <= 13
    line = page and 5 <= u <= 10 and v % 3 == 1
    return GREY if edge else BLACK if line else WHITE if page else YELLOW


def icon_file(pixel):
    sizes = (16, 32, 48)
    images = [bitmap_image(s, 4, pixel) for s in sizes]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return out + b''.join(images)


# The Find tree: a folder and a Java source file, each with a selected form
# (a darker folder, a page with a blue edge).
TREE_WHITE = (255, 255, 255)


def tree_picture(kind, selected):
    pixels = [[TREE_WHITE] * 16 for _ in range(16)]
    for y in range(16):
        for x in range(16):
            if kind == 'folder':
                body = 1 <= x <= 14 and 4 <= y <= 13
                tab = 1 <= x <= 6 and 2 <= y <= 3
                if body or tab:
                    edge = x in (1, 14) or y in (2, 13) or (y == 4 and x > 6) or (tab and x == 6)
                    fill = (200, 150, 20) if selected else (240, 200, 60)
                    pixels[y][x] = (60, 60, 60) if edge else fill
            else:
                if 3 <= x <= 12 and 1 <= y <= 14:
                    edge = x in (3, 12) or y in (1, 14)
                    line = 5 <= x <= 10 and y % 3 == 0
                    pixels[y][x] = ((30, 80, 190) if selected else (60, 60, 60)) if edge else \
                        (150, 40, 30) if line else (250, 250, 235)
    return pixels


def tree_strip():
    pictures = [tree_picture(kind, selected) for kind in ('folder', 'file') for selected in (False, True)]
    return [sum((picture[y] for picture in pictures), []) for y in range(16)]


def disabled(size, symbol):
    """The button's raised face with its symbol engraved in grey: a white
    copy one pixel down and right under a grey one."""
    pixels = draw(size, ['.' * len(row) for row in symbol], 'normal')
    width, height = size
    left = (width - len(symbol[0])) // 2
    top = (height - len(symbol)) // 2
    for shift, colour in ((1, LIGHT), (0, SHADOW)):
        for dy, row in enumerate(symbol):
            for dx, letter in enumerate(row):
                if letter != '.':
                    pixels[top + dy + shift][left + dx + shift] = colour
    return pixels


# The page's layout gives the two buttons beside the folder combo 25 x 25.
BESIDE_COMBO = (25, 25)
# Name, symbol, size; the page loads them by resource id.
BUTTONS = [('remove', CROSS, BESIDE_COMBO), ('browse', FOLDER, BESIDE_COMBO), ('help', QUESTION, SQUARE)]


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else HERE
    buttons = os.path.join(folder, 'farrowick_buttons')
    os.makedirs(buttons, exist_ok=True)
    with open(os.path.join(folder, 'skelbrand.ico'), 'wb') as out:
        out.write(icon_file(play_mark))
    with open(os.path.join(folder, 'farrowick.ico'), 'wb') as out:
        out.write(icon_file(compile_mark))
    with open(os.path.join(folder, 'farrowick_find.bmp'), 'wb') as out:
        out.write(bmp(tree_strip()))
    for name, symbol, size in BUTTONS:
        for look in ('normal', 'pressed'):
            with open(os.path.join(buttons, '%s_%s.bmp' % (name, look)), 'wb') as out:
                out.write(bmp(draw(size, symbol, look)))
        with open(os.path.join(buttons, '%s_disabled.bmp' % name), 'wb') as out:
            out.write(bmp(disabled(size, symbol)))


if __name__ == '__main__':
    main()
