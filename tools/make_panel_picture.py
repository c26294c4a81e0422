#!/usr/bin/env python3
"""Draws the picture of the panel's front that the editing view shows behind the display area:
520 x 258 pixels, the display window at (70, 40)-(454, 168) (where the view lays the 192 x 64
display at twice its size), function keys F1-F4 on the left, Run, Stop, Clear and Esc on the
right, digits, +/-, the four arrows, Set and Enter below. The same PNG bytes on every run.

usage: tools/make_panel_picture.py [OUTPUT]   (default: editor/resources/panel.png)
"""

import os
import struct
import sys
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_icon2 import FONT  # noqa: E402  5 x 7 legend font shared with the key images

WIDTH, HEIGHT = 520, 258
DISPLAY = (70, 40, 454, 168)

BODY = (0xB4, 0xB9, 0xC0)
BODY_EDGE = (0x5A, 0x60, 0x68)
BEZEL = (0x30, 0x34, 0x3A)
KEY = (0xE8, 0xEA, 0xEE)
KEY_EDGE = (0x40, 0x44, 0x4A)
INK = (0x10, 0x10, 0x10)
RUN = (0x3C, 0x9A, 0x46)
STOP = (0xC8, 0x3A, 0x32)

EXTRA = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "+": [".....", "..#..", "..#..", "#####", "..#..", "..#..", "....."],
    "-": [".....", ".....", ".....", "#####", ".....", ".....", "....."],
    "/": ["....#", "....#", "...#.", "..#..", ".#...", "#....", "#...."],
}
GLYPHS = {**FONT, **EXTRA}

ARROWS = {
    "up": ["...#...", "..###..", ".#####.", "#######", "..###..", "..###..", "..###.."],
    "down": ["..###..", "..###..", "..###..", "#######", ".#####.", "..###..", "...#..."],
    "left": ["...#...", "..##...", ".######", "#######", ".######", "..##...", "...#..."],
    "right": ["...#...", "...##..", "######.", "#######", "######.", "...##..", "...#..."],
}


class Picture:
    def __init__(self):
        self.rows = [[BODY] * WIDTH for _ in range(HEIGHT)]

    def fill(self, x0, y0, x1, y1, colour):
        for y in range(max(0, y0), min(HEIGHT, y1)):
            row = self.rows[y]
            for x in range(max(0, x0), min(WIDTH, x1)):
                row[x] = colour

    def frame(self, x0, y0, x1, y1, colour):
        self.fill(x0, y0, x1, y0 + 1, colour)
        self.fill(x0, y1 - 1, x1, y1, colour)
        self.fill(x0, y0, x0 + 1, y1, colour)
        self.fill(x1 - 1, y0, x1, y1, colour)

    def pattern(self, x, y, rows, colour):
        for j, line in enumerate(rows):
            for i, c in enumerate(line):
                if c == "#":
                    self.fill(x + i, y + j, x + i + 1, y + j + 1, colour)

    def text(self, cx, cy, text, colour):
        width = 6 * len(text) - 1
        x = cx - width // 2
        for ch in text:
            self.pattern(x, cy - 3, GLYPHS[ch], colour)
            x += 6

    def key(self, x, y, w, h, label, face=KEY, ink=INK):
        self.fill(x + 1, y + 1, x + w - 1, y + h - 1, face)
        self.frame(x, y, x + w, y + h, KEY_EDGE)
        self.fill(x + 1, y + h - 2, x + w - 1, y + h - 1, BODY_EDGE)
        if label in ARROWS:
            self.pattern(x + w // 2 - 3, y + h // 2 - 4, ARROWS[label], ink)
        else:
            self.text(x + w // 2, y + h // 2 - 1, label, ink)


def draw():
    p = Picture()
    p.frame(0, 0, WIDTH, HEIGHT, BODY_EDGE)
    p.frame(1, 1, WIDTH - 1, HEIGHT - 1, (0xD8, 0xDC, 0xE2))
    left, top, right, bottom = DISPLAY
    p.fill(left - 8, top - 8, right + 8, bottom + 8, BEZEL)
    p.fill(left, top, right, bottom, (0x80, 0x80, 0x80))
    for i, label in enumerate(["F1", "F2", "F3", "F4"]):
        p.key(10, 40 + 34 * i, 46, 26, label)
    right_keys = [("RUN", RUN, KEY), ("STOP", STOP, KEY), ("CLEAR", KEY, INK), ("ESC", KEY, INK)]
    for i, (label, face, ink) in enumerate(right_keys):
        p.key(466, 40 + 34 * i, 46, 26, label, face, ink)
    digits = ["1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "+/-"]
    for i, label in enumerate(digits):
        p.key(18 + 44 * i, 186, 40, 26, label)
    lower = ["left", "up", "down", "right"]
    for i, label in enumerate(lower):
        p.key(18 + 44 * i, 222, 40, 26, label)
    p.key(414, 222, 40, 26, "SET")
    p.key(458, 222, 44, 26, "ENTER")
    return p


def png_bytes(p):
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in p.rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "editor", "resources",
                                                             "panel.png")
    with open(out, "wb") as f:
        f.write(png_bytes(draw()))


if __name__ == "__main__":
    main()
