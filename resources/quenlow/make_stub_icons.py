#!/usr/bin/env python3
"""Writes the two icon files of the launcher stub: 16, 32 and 48 pixel images,
one file in 16 colours (4 bits per pixel) and one in rich colours (8 bits per
pixel with a 256-colour palette). A user's icon is converted to exactly these
formats and overwrites these images byte for byte, so their sizes matter.
The stub carries these images as its icon resources, and the stub file
carries the same files as its icon tables."""
import struct
import sys


def bitmap_image(size, bits, pixel):
    """One icon image: BITMAPINFOHEADER, palette, XOR bitmap, AND mask."""
    colours = 1 << bits
    row = ((size * bits + 31) // 32) * 4
    mask_row = ((size + 31) // 32) * 4
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0,
                         row * size, 0, 0, colours, 0)
    palette = b''
    if bits == 4:
        vga = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
               (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
               (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
        palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in vga)
    else:
        # White, then blues from dark to light.
        palette = struct.pack('<BBBB', 255, 255, 255, 0) + b''.join(
            struct.pack('<BBBB', 40 + (215 * i) // 254, 60, 20, 0) for i in range(255))
    xor = bytearray()
    for y in range(size):
        line = bytearray()
        if bits == 4:
            for x in range(0, size, 2):
                line.append((pixel(x, y, size, 4) << 4) | pixel(x + 1, y, size, 4))
        else:
            for x in range(size):
                line.append(pixel(x, y, size, 8))
        xor += line + bytes(row - len(line))
    mask = bytes(mask_row * size)  # every pixel opaque
    return header + palette + bytes(xor) + mask


def cup(x, y, size, bits):
    """A cup on a blue square: the suite's small mark."""
    inside = size // 4 <= x < size * 3 // 4 and size // 5 <= y < size * 3 // 4
    if bits == 4:
        return 15 if inside else 12
    return 0 if inside else 1 + (254 * y) // size


def icon_file(bits):
    images = [bitmap_image(s, bits, cup) for s in (16, 32, 48)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip((16, 32, 48), images):
        out += struct.pack('<BBBBHHII', size, size, 16 if bits == 4 else 0, 0, 1, bits, len(image), offset)
        offset += len(image)
    return out + b''.join(images)


if __name__ == '__main__':
    folder = sys.argv[1] if len(sys.argv) > 1 else '.'
    with open(folder + '/stub_plain.ico', 'wb') as f:
        f.write(icon_file(4))
    with open(folder + '/stub_rich.ico', 'wb') as f:
        f.write(icon_file(8))
