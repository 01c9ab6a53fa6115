#!/usr/bin/env python3
"""Writes the framework's strip bitmaps (run once; the .bmp files are committed).

palette.bmp (resource 1000): 25 block pictures of 40 x 40 on the magenta key.
toolbar.bmp (resource 1001): one 16 x 15 cell per tool-bar button on the light-grey key.
listimages.bmp (resource 122): the small images of the soft dialogs' list views, 16 x 16 cells
on the magenta key: 0 a file page, 1 a loudspeaker, 2 a fax sheet.
liststates.bmp (resource 123): their state images, 16 x 16 cells on the magenta key: 0 an empty
box, 1 a checked box (state image 2 shows the checked box).
Only the 16 basic colours are used, so that image lists of any depth keep them exactly.
"""
import struct

BLACK, MAROON, GREEN, OLIVE = (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0)
NAVY, PURPLE, TEAL, SILVER = (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192)
GREY, RED, LIME, YELLOW = (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0)
BLUE, MAGENTA, AQUA, WHITE = (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)

# 3 x 5 digits and a few 5 x 7 letters and signs, one string per row.
DIGITS = {
    '0': ["111", "101", "101", "101", "111"], '1': ["010", "110", "010", "010", "111"],
    '2': ["111", "001", "111", "100", "111"], '3': ["111", "001", "111", "001", "111"],
    '4': ["101", "101", "111", "001", "001"], '5': ["111", "100", "111", "001", "111"],
    '6': ["111", "100", "111", "101", "111"], '7': ["111", "001", "010", "010", "010"],
    '8': ["111", "101", "111", "101", "111"], '9': ["111", "101", "111", "001", "111"],
}
GLYPHS = {
    'new': ["11110", "10011", "10001", "10001", "10001", "10001", "11111"],
    'open': ["00000", "11100", "10011", "10001", "11111", "11111", "00000"],
    'save': ["11111", "10001", "10001", "11111", "11011", "11011", "11111"],
    'print': ["01110", "01010", "11111", "10001", "11111", "01010", "01110"],
    'plus': ["00000", "00100", "00100", "11111", "00100", "00100", "00000"],
    'minus': ["00000", "00000", "00000", "11111", "00000", "00000", "00000"],
    'view': ["11111", "10001", "10101", "10101", "10001", "11111", "00000"],
    'cut': ["10001", "01010", "00100", "01010", "11011", "11011", "00000"],
    'copy': ["11100", "10111", "10101", "11101", "00101", "00111", "00000"],
    'paste': ["01110", "11011", "10001", "10111", "10101", "11111", "00000"],
    'delete': ["10001", "01010", "00100", "01010", "10001", "00000", "00000"],
    'props': ["11111", "10000", "11110", "10000", "11111", "10000", "11111"],
    'line': ["10000", "01000", "00100", "00010", "00001", "00000", "11111"],
    'note': ["11111", "00100", "00100", "00100", "00100", "00000", "00000"],
    'help': ["01110", "10001", "00010", "00100", "00100", "00000", "00100"],
}
TOOLBAR = [('new', NAVY), ('open', OLIVE), ('save', NAVY), ('print', BLACK), ('plus', GREEN),
           ('minus', MAROON), ('view', TEAL), ('cut', PURPLE), ('copy', NAVY), ('paste', OLIVE),
           ('delete', RED), ('props', BLACK), ('line', BLUE), ('note', MAROON), ('help', BLUE)]
COLOURS = [NAVY, MAROON, GREEN, PURPLE, TEAL, OLIVE, BLUE, RED, BLACK, GREY]


def write_bmp(path, width, height, pixels):
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixels[y][x]
            row += bytes((b, g, r))
        row += b"\0" * (stride - len(row))
        data += row
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + data)


def canvas(width, height, colour):
    return [[colour] * width for _ in range(height)]


def stamp(pixels, rows, left, top, colour, scale=1):
    for j, row in enumerate(rows):
        for i, bit in enumerate(row):
            if bit == "1":
                for dy in range(scale):
                    for dx in range(scale):
                        pixels[top + j * scale + dy][left + i * scale + dx] = colour


def palette():
    pixels = canvas(25 * 40, 40, MAGENTA)
    for n in range(25):
        left = n * 40
        body = COLOURS[n % len(COLOURS)]
        # A framed block with a shadow, and its number in white.
        for y in range(5, 35):
            for x in range(4, 34):
                pixels[y][left + x] = body
        for y in range(7, 37):
            pixels[y][left + 34] = pixels[y][left + 35] = GREY
        for x in range(6, 36):
            pixels[35][left + x] = pixels[36][left + x] = GREY
        for x in range(4, 34):
            pixels[5][left + x] = pixels[34][left + x] = BLACK
        for y in range(5, 35):
            pixels[y][left + 4] = pixels[y][left + 33] = BLACK
        text = str(n)
        width = len(text) * 4 * 3 - 3
        x0 = left + 4 + (30 - width) // 2
        for k, ch in enumerate(text):
            stamp(pixels, DIGITS[ch], x0 + k * 12, 12, WHITE, 3)
    write_bmp("palette.bmp", 25 * 40, 40, pixels)


def toolbar():
    pixels = canvas(len(TOOLBAR) * 16, 15, SILVER)
    for n, (name, colour) in enumerate(TOOLBAR):
        stamp(pixels, GLYPHS[name], n * 16 + 3, 3, colour, 1)
        # Each glyph twice as large would not fit: thicken it by a second stamp one pixel right.
        stamp(pixels, GLYPHS[name], n * 16 + 4, 4, colour, 1)
    write_bmp("toolbar.bmp", len(TOOLBAR) * 16, 15, pixels)


LIST_IMAGES = [
    # A page with a folded corner and lines of text.
    ["0011111111100000", "0010000000110000", "0010000000101000", "0010111100111100",
     "0010000000000100", "0010111111110100", "0010000000000100", "0010111111110100",
     "0010000000000100", "0010111111110100", "0010000000000100", "0010111111110100",
     "0010000000000100", "0011111111111100", "0000000000000000", "0000000000000000"],
    # A loudspeaker with two sound arcs.
    ["0000000000000000", "0000000100000000", "0000001100001000", "0000011100100100",
     "0000111101010100", "0111111100101010", "0111111100101010", "0111111100101010",
     "0111111100101010", "0000111101010100", "0000011100100100", "0000001100001000",
     "0000000100000000", "0000000000000000", "0000000000000000", "0000000000000000"],
    # A fax sheet coming out of a slot.
    ["0000000000000000", "0001111111110000", "0001000000010000", "0001011111010000",
     "0001000000010000", "0001011111010000", "0001000000010000", "0111111111111100",
     "0100000000000100", "0101111111110100", "0100000000000100", "0111111111111100",
     "0000000000000000", "0000000000000000", "0000000000000000", "0000000000000000"],
]
LIST_STATES = [
    ["0000000000000000", "0000000000000000", "0011111111111000", "0010000000001000",
     "0010000000001000", "0010000000001000", "0010000000001000", "0010000000001000",
     "0010000000001000", "0010000000001000", "0010000000001000", "0010000000001000",
     "0011111111111000", "0000000000000000", "0000000000000000", "0000000000000000"],
    ["0000000000000000", "0000000000000000", "0011111111111000", "0010000000001000",
     "0010000000011000", "0010000000111000", "0010100001101000", "0010110011001000",
     "0010011110001000", "0010001100001000", "0010000000001000", "0010000000001000",
     "0011111111111000", "0000000000000000", "0000000000000000", "0000000000000000"],
]


def strip(path, cells, colours):
    pixels = canvas(len(cells) * 16, 16, MAGENTA)
    for n, rows in enumerate(cells):
        stamp(pixels, rows, n * 16, 0, colours[n], 1)
    write_bmp(path, len(cells) * 16, 16, pixels)


if __name__ == "__main__":
    palette()
    toolbar()
    strip("listimages.bmp", LIST_IMAGES, [NAVY, BLACK, TEAL])
    strip("liststates.bmp", LIST_STATES, [BLACK, BLACK])
