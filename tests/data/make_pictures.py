#!/usr/bin/env python3
"""Writes the pictures graphics.rc embeds into the graphics tests.

stripes.bmp: 4 x 3, 24 bits, stored bottom-up as paint programs store it;
rows top to bottom red, green, blue, the last column of each row white.
halfred.ico: one 16 x 16 image, 32 bits, left half opaque red, right half
transparent (in the alpha channel and in the AND mask).
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def info_header(width, height, bits, image_size):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, image_size, 2835, 2835, 0, 0)


def stripes():
    width, height = 4, 3
    rows_top_down = [(0, 0, 255), (0, 255, 0), (255, 0, 0)]  # blue, green, red
    pixels = b''
    for y in reversed(range(height)):
        row = b''.join(bytes((255, 255, 255)) if x == width - 1 else bytes(rows_top_down[y])
                       for x in range(width))
        pixels += row + b'\0' * (-len(row) % 4)
    header = info_header(width, height, 24, len(pixels))
    file_header = struct.pack('<2sIHHI', b'BM', 14 + len(header) + len(pixels), 0, 0, 14 + len(header))
    return file_header + header + pixels


def halfred():
    size = 16
    colour = b''.join(bytes((0, 0, 255, 255)) if x < size // 2 else bytes(4)
                      for _ in range(size) for x in range(size))
    mask = bytes((0x00, 0xFF, 0, 0)) * size  # one bit a pixel, rows padded to 4 bytes
    image = info_header(size, size * 2, 32, len(colour) + len(mask)) + colour + mask
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


if __name__ == '__main__':
    with open(os.path.join(HERE, 'stripes.bmp'), 'wb') as f:
        f.write(stripes())
    with open(os.path.join(HERE, 'halfred.ico'), 'wb') as f:
        f.write(halfred())
