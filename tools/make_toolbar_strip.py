#!/usr/bin/env python3
"""Makes the editor's toolbar strip: one 24-bit BMP of 471 x 17 pixels holding 26 button
pictures of 18 pixels width, in the toolbar's order:

  new, open, save, cut, copy, paste, about, light indicator, key, static text, dynamic text,
  register, bar graph, trend chart, picture, password, menu, alarm, new page, copy page,
  delete page, parameter, alarm list, download, Modbus protocol, simulate

The first stored pixel (bottom left, the BMP being bottom-up) holds the transparent colour,
magenta, which no picture uses. The same bytes on every run.

usage: tools/make_toolbar_strip.py [OUTPUT]   (default: app/resources/toolbar.bmp)
"""

import os
import struct
import sys

W, H, CELL, COUNT = 471, 17, 18, 26
CLEAR = (255, 0, 255)
K = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (192, 192, 192)
DARK = (128, 128, 128)
YELLOW = (255, 220, 40)
BROWN = (160, 110, 20)
BLUE = (0, 70, 200)
NAVY = (0, 0, 128)
RED = (210, 20, 20)
GREEN = (0, 150, 40)
LIME = (120, 230, 60)
CYAN = (0, 170, 200)
PAPER = (250, 250, 245)

# 3 x 5 letters for the small legends.
FONT = {
    "A": [".#.", "#.#", "###", "#.#", "#.#"],
    "B": ["##.", "#.#", "##.", "#.#", "##."],
    "F": ["###", "#..", "##.", "#..", "#.."],
    "M": ["#.#", "###", "###", "#.#", "#.#"],
    "T": ["###", ".#.", ".#.", ".#.", ".#."],
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "2": ["##.", "..#", ".#.", "#..", "###"],
    "3": ["##.", "..#", ".#.", "..#", "##."],
    "*": ["...", "#.#", ".#.", "#.#", "..."],
    "?": ["##.", "..#", ".#.", "...", ".#."],
    "+": ["...", ".#.", "###", ".#.", "..."],
}


class Strip:
    def __init__(self):
        self.px = [[CLEAR] * W for _ in range(H)]
        self.ox = 0

    def cell(self, index):
        self.ox = index * CELL

    def dot(self, x, y, c):
        if 0 <= x < CELL and 0 <= y < H:
            self.px[y][self.ox + x] = c

    def fill(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.dot(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        self.line(x0, y0, x1, y0, c)
        self.line(x0, y1, x1, y1, c)
        self.line(x0, y0, x0, y1, c)
        self.line(x1, y0, x1, y1, c)

    def box(self, x0, y0, x1, y1, inside, edge=K):
        self.fill(x0, y0, x1, y1, inside)
        self.frame(x0, y0, x1, y1, edge)

    def line(self, x0, y0, x1, y1, c):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.dot(x0, y0, c)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def disc(self, cx, cy, r, inside, edge=K):
        for y in range(-r, r + 1):
            for x in range(-r, r + 1):
                d = x * x + y * y
                if d <= r * r + r:
                    self.dot(cx + x, cy + y, edge if d > (r - 1) * (r - 1) + (r - 1) else inside)

    def text(self, x, y, s, c):
        for ch in s:
            for row, bits in enumerate(FONT[ch]):
                for col, b in enumerate(bits):
                    if b == "#":
                        self.dot(x + col, y + row, c)
            x += 4

    def page(self, x0, y0, x1, y1):
        """A sheet of paper with a folded top right corner."""
        self.box(x0, y0, x1, y1, PAPER)
        for i in range(4):
            self.line(x1 - 3 + i, y0, x1, y0 + 3 - i, CLEAR)
        self.line(x1 - 3, y0, x1 - 3, y0 + 3, K)
        self.line(x1 - 3, y0 + 3, x1, y0 + 3, K)
        self.dot(x1 - 2, y0 + 1, GREY)
        self.dot(x1 - 2, y0 + 2, GREY)
        self.dot(x1 - 1, y0 + 2, GREY)


def draw(s):
    pictures = [
        new, open_, save, cut, copy, paste, about, light, key, static_text, dynamic_text,
        register, bar_graph, trend_chart, picture, password, menu, alarm, new_page, copy_page,
        delete_page, parameter, alarm_list, download, modbus, simulate,
    ]
    assert len(pictures) == COUNT
    for i, p in enumerate(pictures):
        s.cell(i)
        p(s)


def new(s):
    s.page(3, 1, 14, 15)


def open_(s):
    s.box(1, 3, 13, 14, (230, 180, 40), BROWN)
    s.fill(2, 2, 6, 2, BROWN)
    for y in range(8, 15):  # the front cover, leaning back
        shift = (14 - y) // 2
        s.line(1 + shift, y, 13 + shift, y, YELLOW)
        s.dot(1 + shift, y, BROWN)
        s.dot(13 + shift, y, BROWN)
    s.line(4, 8, 16, 8, BROWN)
    s.line(1, 14, 13, 14, BROWN)


def save(s):
    s.box(2, 1, 15, 15, BLUE, NAVY)
    s.box(5, 1, 12, 6, WHITE, NAVY)
    s.fill(10, 2, 11, 5, DARK)
    s.box(4, 9, 13, 15, GREY, NAVY)


def cut(s):
    s.line(5, 1, 10, 10, K)
    s.line(12, 1, 7, 10, K)
    s.disc(5, 12, 3, PAPER, RED)
    s.disc(12, 12, 3, PAPER, RED)


def copy(s):
    s.page(1, 1, 10, 11)
    s.page(6, 5, 15, 15)
    for y in (9, 11, 13):
        s.line(8, y, 12, y, DARK)


def paste(s):
    s.box(2, 2, 13, 15, BROWN, K)
    s.box(5, 1, 10, 3, GREY, K)
    s.page(7, 6, 16, 16)
    for y in (10, 12, 14):
        s.line(9, y, 13, y, DARK)


def about(s):
    s.disc(8, 8, 7, BLUE, NAVY)
    s.text(7, 5, "?", WHITE)
    s.text(6, 5, "?", WHITE)


def light(s):
    s.disc(8, 7, 5, YELLOW, K)
    s.fill(6, 5, 7, 6, WHITE)
    s.box(6, 12, 10, 15, GREY, K)
    s.line(7, 13, 9, 13, DARK)


def key(s):
    s.box(1, 2, 15, 14, GREY, K)
    s.frame(2, 3, 14, 13, WHITE)
    s.line(3, 13, 14, 13, DARK)
    s.line(14, 3, 14, 13, DARK)
    s.text(5, 6, "F1", K)


def static_text(s):
    for d in range(2):  # a bold capital A
        s.line(1 + d, 14, 5 + d, 2, K)
        s.line(5 + d, 2, 9 + d, 14, K)
    s.line(4, 10, 8, 10, K)
    s.fill(11, 8, 16, 8, K)
    s.fill(11, 11, 16, 11, K)
    s.fill(11, 14, 14, 14, K)


def dynamic_text(s):
    s.box(1, 3, 12, 13, WHITE, K)
    s.text(3, 6, "A", BLUE)
    s.text(4, 6, "A", BLUE)
    s.line(15, 2, 15, 7, GREEN)
    s.line(14, 3, 16, 3, GREEN)
    s.line(15, 9, 15, 14, RED)
    s.line(14, 13, 16, 13, RED)


def register(s):
    s.box(0, 4, 17, 12, WHITE, K)
    s.text(2, 6, "123", NAVY)


def bar_graph(s):
    s.line(1, 1, 1, 15, K)
    s.line(1, 15, 16, 15, K)
    s.fill(3, 9, 5, 14, BLUE)
    s.fill(7, 4, 9, 14, GREEN)
    s.fill(11, 7, 13, 14, RED)


def trend_chart(s):
    s.box(0, 1, 17, 15, WHITE, K)
    pts = [(2, 12), (5, 9), (8, 11), (11, 5), (14, 7), (16, 3)]
    for a, b in zip(pts, pts[1:]):
        s.line(a[0], a[1], b[0], b[1], RED)
    for x in range(2, 17, 3):
        s.dot(x, 14, DARK)


def picture(s):
    s.box(0, 2, 17, 14, CYAN, K)
    s.disc(12, 6, 2, YELLOW, YELLOW)
    for i in range(6):
        s.line(1 + i, 13 - i, 11 - i, 13 - i, GREEN)
    for i in range(4):
        s.line(9 + i, 13 - i, 16 - i // 2, 13 - i, LIME)


def password(s):
    s.box(3, 7, 14, 15, YELLOW, BROWN)
    s.frame(5, 2, 12, 8, K)
    s.frame(6, 3, 11, 8, DARK)
    s.fill(8, 10, 9, 13, K)


def menu(s):
    s.box(1, 1, 16, 15, WHITE, K)
    s.fill(2, 2, 15, 4, NAVY)
    for y in (7, 10, 13):
        s.fill(3, y, 4, y, K)
        s.line(6, y, 14, y, K)
    s.fill(2, 9, 15, 11, CYAN)
    s.fill(3, 10, 4, 10, K)
    s.line(6, 10, 14, 10, K)


def bell(s, x0, y0, body):
    s.fill(x0 + 4, y0, x0 + 5, y0, K)
    for i, (a, b) in enumerate([(3, 6), (2, 7), (2, 7), (2, 7), (1, 8), (0, 9)]):
        s.fill(x0 + a, y0 + 1 + i, x0 + b, y0 + 1 + i, body)
        s.dot(x0 + a, y0 + 1 + i, K)
        s.dot(x0 + b, y0 + 1 + i, K)
    s.line(x0, y0 + 7, x0 + 9, y0 + 7, K)
    s.fill(x0 + 4, y0 + 8, x0 + 5, y0 + 8, K)


def alarm(s):
    bell(s, 4, 3, YELLOW)
    s.line(1, 4, 2, 2, RED)
    s.line(16, 4, 15, 2, RED)
    s.line(1, 8, 0, 8, RED)
    s.line(16, 8, 17, 8, RED)


def new_page(s):
    s.page(1, 1, 12, 15)
    s.fill(13, 9, 15, 15, GREEN)
    s.fill(11, 11, 17, 13, GREEN)


def copy_page(s):
    s.page(1, 1, 10, 11)
    s.page(6, 5, 15, 15)
    s.text(9, 9, "+", GREEN)


def delete_page(s):
    s.page(1, 1, 12, 15)
    for d in range(2):
        s.line(9 + d, 8, 15 + d, 15, RED)
        s.line(15 + d, 8, 9 + d, 15, RED)


def parameter(s):
    s.disc(8, 8, 6, DARK, K)
    s.disc(8, 8, 2, CLEAR, K)
    for x, y in [(8, 0), (8, 16), (0, 8), (16, 8), (2, 2), (14, 2), (2, 14), (14, 14)]:
        s.fill(min(x, 15), min(y, 15), min(x, 15) + 1, min(y, 15) + 1, K)


def alarm_list(s):
    s.box(0, 1, 11, 15, WHITE, K)
    for y in (4, 7, 10, 13):
        s.line(2, y, 9, y, DARK)
    bell(s, 8, 6, RED)


def download(s):
    s.box(1, 10, 16, 15, GREY, K)
    s.fill(3, 12, 10, 13, LIME)
    s.fill(12, 12, 14, 13, DARK)
    s.fill(7, 0, 10, 4, BLUE)
    for i in range(5):
        s.line(4 + i, 5 + i, 13 - i, 5 + i, BLUE)


def modbus(s):
    s.box(0, 3, 17, 13, NAVY, K)
    s.text(1, 6, "MB", WHITE)
    s.text(9, 6, "T", YELLOW)
    s.text(13, 6, "1", YELLOW)


def simulate(s):
    # The panel's display with a start triangle: operate the screens offline.
    s.box(0, 2, 17, 14, GREY, K)
    s.box(2, 4, 15, 12, LIME, DARK)
    for i in range(4):
        s.line(6 + i, 5 + i, 6 + i, 11 - i, K)


def bmp(strip):
    row = (W * 3 + 3) & ~3
    data = bytearray()
    for y in range(H - 1, -1, -1):
        line = bytearray()
        for r, g, b in strip.px[y]:
            line += bytes((b, g, r))
        data += line + b"\0" * (row - len(line))
    head = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return head + info + bytes(data)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "app", "resources", "toolbar.bmp")
    s = Strip()
    draw(s)
    # The transparent colour must stay in the first stored pixel, bottom left.
    assert s.px[H - 1][0] == CLEAR
    with open(out, "wb") as f:
        f.write(bmp(s))


if __name__ == "__main__":
    main()
