#!/usr/bin/env python3
"""Writes designer.ico, the designer's window icon: a 32 x 32 picture of three blocks
joined by lines on a light square, in 32-bit colour with its AND mask."""
import struct

SIZE = 32
BACK = (0xF0, 0xE8, 0xD8, 0xFF)
EDGE = (0x40, 0x30, 0x20, 0xFF)
BLOCKS = [((4, 4), (0x20, 0x60, 0xC0, 0xFF)), ((18, 4), (0x20, 0xA0, 0x40, 0xFF)),
          ((11, 19), (0xC0, 0x50, 0x20, 0xFF))]
LINE = (0x30, 0x30, 0x30, 0xFF)


def pixel(x, y):
    if x in (0, SIZE - 1) or y in (0, SIZE - 1):
        return EDGE
    for (bx, by), colour in BLOCKS:
        if bx <= x < bx + 10 and by <= y < by + 9:
            return colour
    if y == 8 and 14 <= x < 18:
        return LINE
    if x == 16 and 13 <= y < 19:
        return LINE
    return BACK


def main():
    rows = []
    for y in range(SIZE - 1, -1, -1):  # bottom-up
        row = b""
        for x in range(SIZE):
            r, g, b, a = pixel(x, y)
            row += bytes((b, g, r, a))
        rows.append(row)
    xor = b"".join(rows)
    mask = bytes(SIZE * 4 * SIZE // 32)  # every pixel opaque
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    with open("designer.ico", "wb") as out:
        out.write(icondir + entry + image)


if __name__ == "__main__":
    main()
