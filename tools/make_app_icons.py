#!/usr/bin/env python3
"""Makes the application icon (the operator panel: a display window and its keypad) and the
icon of ZorvEditor project files, each as an SVG and as PNGs of 16 to 256 pixels, from one
description of rectangles on a 64 x 64 grid. The same bytes on every run.

usage: tools/make_app_icons.py [OUTPUT_FOLDER]   (default: data/desktop/icons)
"""

import os
import struct
import sys
import zlib

SIZES = (16, 32, 48, 64, 128, 256)

BODY = (58, 66, 84)
BEZEL = (30, 34, 44)
LCD = (170, 200, 120)
INK = (40, 60, 30)
KEY = (220, 224, 232)
RUN = (60, 170, 80)
STOP = (210, 60, 50)
PAPER = (250, 250, 246)
EDGE = (120, 120, 120)

# (x0, y0, x1, y1, corner radius, colour) on a 64 x 64 grid, painted in order.
PANEL = [
    (3, 9, 61, 55, 6, BODY),
    (8, 14, 42, 38, 2, BEZEL),
    (10, 16, 40, 36, 1, LCD),
    (13, 19, 31, 22, 0, INK),
    (13, 25, 37, 27, 0, INK),
    (13, 30, 25, 33, 0, INK),
    (9, 42, 15, 48, 1, KEY),
    (17, 42, 23, 48, 1, KEY),
    (25, 42, 31, 48, 1, KEY),
    (33, 42, 39, 48, 1, KEY),
    (46, 14, 56, 21, 1, KEY),
    (46, 24, 56, 31, 1, KEY),
    (46, 34, 56, 41, 1, RUN),
    (46, 44, 56, 51, 1, STOP),
]

DOCUMENT = [
    (10, 2, 54, 62, 3, EDGE),
    (11, 3, 53, 61, 2, PAPER),
    (16, 28, 48, 56, 3, BODY),
    (19, 31, 37, 45, 1, LCD),
    (21, 34, 33, 36, 0, INK),
    (21, 39, 35, 41, 0, INK),
    (40, 31, 45, 36, 1, KEY),
    (40, 39, 45, 44, 1, RUN),
    (20, 48, 24, 52, 1, KEY),
    (27, 48, 31, 52, 1, KEY),
    (34, 48, 38, 52, 1, KEY),
    (16, 9, 48, 12, 0, EDGE),
    (16, 16, 40, 19, 0, EDGE),
]


def inside(px, py, shape):
    x0, y0, x1, y1, r, _ = shape
    if not (x0 <= px <= x1 and y0 <= py <= y1):
        return False
    cx = min(max(px, x0 + r), x1 - r)
    cy = min(max(py, y0 + r), y1 - r)
    return (px - cx) ** 2 + (py - cy) ** 2 <= r * r


def raster(shapes, size, samples=4):
    rows = []
    for y in range(size):
        row = bytearray()
        for x in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    gx = (x + (sx + 0.5) / samples) * 64 / size
                    gy = (y + (sy + 0.5) / samples) * 64 / size
                    colour = None
                    for shape in shapes:
                        if inside(gx, gy, shape):
                            colour = shape[5]
                    if colour:
                        acc[0] += colour[0]
                        acc[1] += colour[1]
                        acc[2] += colour[2]
                        acc[3] += 255
            n = samples * samples
            alpha = acc[3] // n
            if alpha:
                cover = acc[3] // 255
                row += bytes((acc[0] // cover, acc[1] // cover, acc[2] // cover, alpha))
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return rows


def png(rows, size):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\0" + r for r in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def svg(shapes):
    out = ['<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">']
    for x0, y0, x1, y1, r, c in shapes:
        out.append('  <rect x="%d" y="%d" width="%d" height="%d" rx="%d" fill="#%02x%02x%02x"/>'
                   % (x0, y0, x1 - x0, y1 - y0, r, *c))
    out.append("</svg>")
    return "\n".join(out) + "\n"


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "data", "desktop", "icons")
    for name, shapes in (("zorveditor", PANEL), ("application-x-zorv-project", DOCUMENT)):
        with open(os.path.join(folder, name + ".svg"), "w") as f:
            f.write(svg(shapes))
        for size in SIZES:
            with open(os.path.join(folder, "%s-%d.png" % (name, size)), "wb") as f:
                f.write(png(raster(shapes, size), size))


if __name__ == "__main__":
    main()
