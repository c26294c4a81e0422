#!/usr/bin/env python3
"""Makes the bitmaps of the folder icon2 beside the program: the pictures of indicator lights,
function keys and the key hand shown on the page canvas.

  Led_Round1/2.bmp, Led_Quadrate1/2.bmp     18 x 18  lights: 1 positive (outlined),
                                                     2 negative (filled)
  Key_<name>a/b/c.bmp, Key_<name>1/2/3.bmp  36 x 36  keys: a/1 black legend on a white key,
                                                     b/2 white legend on a black key,
                                                     c/3 invisible key, dotted outline and legend
  Key_Hand1/2.bmp                           18 x 36  hand beside a key: 1 plain, 2 inverted

White is the transparent colour when these are drawn, so backgrounds are white and ink black.
The files are 1-bit BMPs (black and white palette), bottom-up, the same bytes on every run.

usage: tools/make_icon2.py [OUTPUT_FOLDER]   (default: data/program/icon2)
"""

import os
import struct
import sys

# 5 x 7 legend font: one string of five '#'/'.' per row.
FONT = {
    "0": [".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."],
    "1": ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "2": [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    "3": ["#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."],
    "4": ["...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."],
    "5": ["#####", "#....", "####.", "....#", "....#", "#...#", ".###."],
    "6": ["..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."],
    "7": ["#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."],
    "8": [".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."],
    "9": [".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."],
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "F": ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "U": ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "Z": ["#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"],
}

# Up arrow, 14 x 18; the other arrows are its turns.
ARROW_UP = [
    "......##......",
    ".....####.....",
    "....######....",
    "...########...",
    "..##########..",
    ".############.",
    "##############",
    ".....####.....",
    ".....####.....",
    ".....####.....",
    ".....####.....",
    ".....####.....",
    ".....####.....",
    ".....####.....",
    ".....####.....",
    ".....####.....",
    ".....####.....",
    ".....####.....",
]

KEY = 36
LIGHT = 18
HAND = (18, 36)
STROKE = 2  # outlines two pixels wide, so that none is lost when drawn at 8/9 of the size

# Key file base name, legend and whether the suffixes are letters (digits and F keys) or numbers.
KEYS = (
    [("Key_%d" % n, str(n), "abc") for n in range(10)]
    + [("Key_F%d" % n, "F%d" % n, "abc") for n in range(1, 5)]
    + [
        ("Key_ZF", "ZF", "123"),
        ("Key_Esc", "ESC", "123"),
        ("Key_Down", "down", "123"),
        ("Key_Up", "up", "123"),
        ("Key_Left", "left", "123"),
        ("Key_Right", "right", "123"),
        ("Key_Set", "SET", "123"),
        ("Key_Enter", "ENT", "123"),
        ("Key_Clr", "CLR", "123"),
        ("Key_Run", "RUN", "123"),
        ("Key_Stop", "STOP", "123"),
    ]
)


class Picture:
    """width x height pixels, 1 = ink (black), 0 = white."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.ink = [[0] * width for _ in range(height)]

    def inside(self, x, y):
        return 0 <= x < self.width and 0 <= y < self.height

    def set(self, x, y):
        if self.inside(x, y):
            self.ink[y][x] = 1

    def get(self, x, y):
        return self.inside(x, y) and self.ink[y][x]

    def blit(self, rows, x0, y0, sx, sy):
        """Draws rows of '#'/'.' at (x0, y0), each pixel grown to sx x sy."""
        for y, row in enumerate(rows):
            for x, c in enumerate(row):
                if c == "#":
                    for dy in range(sy):
                        for dx in range(sx):
                            self.set(x0 + sx * x + dx, y0 + sy * y + dy)

    def pixels(self):
        return [(x, y) for y in range(self.height) for x in range(self.width)]


def rounded_rect(width, height, x0, y0, x1, y1, radius):
    """Mask of the rectangle (x0, y0)-(x1, y1), corners cut round with the given radius."""
    mask = Picture(width, height)
    for x, y in mask.pixels():
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            continue
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        if (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius + radius:
            mask.set(x, y)
    return mask


def disc(size, radius):
    mask = Picture(size, size)
    c = (size - 1) / 2
    for x, y in mask.pixels():
        if (x - c) ** 2 + (y - c) ** 2 <= radius * radius:
            mask.set(x, y)
    return mask


def border(mask, width=STROKE):
    """The pixels of the mask that lie within width pixels of its outside."""
    out = Picture(mask.width, mask.height)
    for x, y in mask.pixels():
        if mask.get(x, y) and any(
            not mask.get(x + dx, y + dy)
            for dx in range(-width, width + 1)
            for dy in range(-width, width + 1)
            if max(abs(dx), abs(dy)) <= width
        ):
            out.set(x, y)
    return out


def dotted(line):
    """Every other 2 x 2 block of a line picture."""
    out = Picture(line.width, line.height)
    for x, y in line.pixels():
        if line.get(x, y) and (x // 2 + y // 2) % 2 == 0:
            out.set(x, y)
    return out


def turned(rows):
    """The picture turned a quarter clockwise."""
    height = len(rows)
    return ["".join(rows[height - 1 - x][y] for x in range(height)) for y in range(len(rows[0]))]


def arrow(direction):
    up = ARROW_UP
    right = turned(up)
    down = turned(right)
    return {"up": up, "right": right, "down": down, "left": turned(down)}[direction]


def text_rows(text, bold):
    """The text in the 5 x 7 font with one blank column between characters; bold thickens every
    stroke to the right."""
    width = 6 if bold else 5
    rows = ["" for _ in range(7)]
    for i, ch in enumerate(text):
        for y in range(7):
            glyph = FONT[ch][y]
            if bold:
                glyph = "".join(
                    "#" if c == "#" or (x > 0 and glyph[x - 1] == "#") else "."
                    for x, c in enumerate(glyph + ".")
                )
            rows[y] += ("." if i else "") + glyph[:width]
    return rows


def legend(label):
    """Legend mask of a key, centred: arrows as pictures, one or two characters at twice the
    font size, longer texts bold and twice as tall."""
    pic = Picture(KEY, KEY)
    if label in ("up", "down", "left", "right"):
        rows, sx, sy = arrow(label), 1, 1
    elif len(label) <= 2:
        rows, sx, sy = text_rows(label, False), 2, 2
    else:
        rows, sx, sy = text_rows(label, True), 1, 2
    width, height = len(rows[0]) * sx, len(rows) * sy
    pic.blit(rows, (KEY - width) // 2, (KEY - height) // 2, sx, sy)
    return pic


def combine(*pictures, clear=None):
    """Ink of every picture, less the ink of clear."""
    out = Picture(pictures[0].width, pictures[0].height)
    for x, y in out.pixels():
        if any(p.get(x, y) for p in pictures) and not (clear and clear.get(x, y)):
            out.set(x, y)
    return out


def key_pictures(label):
    shape = rounded_rect(KEY, KEY, 1, 1, KEY - 2, KEY - 2, 5)
    ink = legend(label)
    outline = border(shape)
    return combine(outline, ink), combine(shape, clear=ink), combine(dotted(outline), ink)


def light_pictures(shape):
    if shape == "Round":
        lamp = disc(LIGHT, LIGHT / 2 - 1)
    else:
        lamp = rounded_rect(LIGHT, LIGHT, 1, 1, LIGHT - 2, LIGHT - 2, 1)
    return border(lamp), lamp


def hand_pictures():
    """A hand pointing up with its index finger, the other fingers curled, above a cuff."""
    width, height = HAND
    parts = [
        rounded_rect(width, height, 4, 1, 9, 26, 2),  # index finger
        rounded_rect(width, height, 8, 13, 11, 26, 1),  # middle finger
        rounded_rect(width, height, 11, 15, 14, 26, 1),  # ring finger
        rounded_rect(width, height, 14, 17, 17, 26, 1),  # little finger
        rounded_rect(width, height, 1, 16, 6, 26, 2),  # thumb
        rounded_rect(width, height, 2, 22, 17, 30, 3),  # palm
    ]
    hand = combine(*parts)
    lines = Picture(width, height)
    for x, top in ((9, 13), (11, 15), (14, 17)):  # between the curled fingers
        for y in range(top, 21):
            lines.set(x, y)
    for y in range(16, 23):  # beside the thumb
        lines.set(4, y)
    cuff = rounded_rect(width, height, 4, 31, 15, 35, 0)
    drawing = combine(border(hand, 1), lines, border(cuff, 1))
    block = rounded_rect(width, height, 0, 0, width - 1, height - 1, 3)
    return drawing, combine(block, clear=drawing)


def bmp_bytes(pic):
    """A 1-bit BMP: 14-byte file header, 40-byte information header, palette black and white,
    rows bottom-up padded to 4 bytes, ink as palette entry 0."""
    stride = (pic.width + 31) // 32 * 4
    data = bytearray()
    for y in reversed(range(pic.height)):
        row = bytearray(stride)
        for x in range(pic.width):
            if not pic.ink[y][x]:
                row[x // 8] |= 0x80 >> (x % 8)
        data += row
    offset = 14 + 40 + 8
    head = b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, pic.width, pic.height, 1, 1, 0, len(data), 0, 0, 2, 0)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    return head + info + palette + bytes(data)


def all_pictures():
    pictures = {}
    for shape in ("Round", "Quadrate"):
        positive, negative = light_pictures(shape)
        pictures["Led_%s1.bmp" % shape] = positive
        pictures["Led_%s2.bmp" % shape] = negative
    for name, label, suffixes in KEYS:
        for suffix, pic in zip(suffixes, key_pictures(label)):
            pictures["%s%s.bmp" % (name, suffix)] = pic
    plain, inverted = hand_pictures()
    pictures["Key_Hand1.bmp"] = plain
    pictures["Key_Hand2.bmp"] = inverted
    return pictures


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.join(here, "..", "data", "program", "icon2")
    folder = os.path.normpath(sys.argv[1] if len(sys.argv) > 1 else default)
    os.makedirs(folder, exist_ok=True)
    pictures = all_pictures()
    for name in sorted(pictures):
        with open(os.path.join(folder, name), "wb") as f:
            f.write(bmp_bytes(pictures[name]))
    print("%d bitmaps in %s" % (len(pictures), folder))


if __name__ == "__main__":
    main()
