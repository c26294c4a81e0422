#!/usr/bin/env python3
"""Makes the light bulb of the tip of the day: a 40 x 53 true-colour BMP drawn on white, the
colour of the tip area it is shown on. The same bytes on every run.

The glass is a circle that narrows into a neck, filled yellow with a lighter centre and a
highlight at the upper left, a filament inside, and a grey screw base with a dark contact.

usage: tools/make_tip_bulb.py [OUTPUT_FILE]   (default: app/TipBulb.bmp)
"""

import math
import os
import struct
import sys

WIDTH, HEIGHT = 40, 53
CX, CY, RADIUS = 19.5, 17.5, 16.5  # the round part of the glass
NECK_TOP, NECK_BOTTOM, NECK_HALF = 24, 37, 7.5  # the glass narrows from NECK_TOP to NECK_BOTTOM
BASE_TOP, BASE_BOTTOM, BASE_HALF = 38, 48, 8.5  # the screw base
CONTACT_BOTTOM = 51

WHITE = (255, 255, 255)
OUTLINE = (90, 70, 10)
GLASS_LIGHT = (255, 246, 170)
GLASS_DARK = (240, 190, 30)
HIGHLIGHT = (255, 255, 235)
FILAMENT = (205, 95, 0)
THREAD_LIGHT = (200, 200, 205)
THREAD_DARK = (120, 120, 128)
CONTACT = (60, 60, 64)


def glass_half_width(y):
    """Half the width of the glass on pixel row y (centre of the row), or None outside it."""
    yc = y + 0.5
    if yc < CY - RADIUS or yc > NECK_BOTTOM + 1:
        return None
    if yc <= NECK_TOP:
        return math.sqrt(max(0.0, RADIUS * RADIUS - (yc - CY) ** 2))
    top = math.sqrt(RADIUS * RADIUS - (NECK_TOP - CY) ** 2)
    t = (yc - NECK_TOP) / (NECK_BOTTOM + 1 - NECK_TOP)
    return top + (NECK_HALF - top) * t


def in_glass(x, y):
    half = glass_half_width(y) if 0 <= y < HEIGHT else None
    return half is not None and abs(x + 0.5 - CX) <= half


def mix(a, b, t):
    t = min(1.0, max(0.0, t))
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def draw_glass(pixels):
    for y in range(HEIGHT):
        for x in range(WIDTH):
            if not in_glass(x, y):
                continue
            edge = any(not in_glass(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            if edge:
                pixels[y][x] = OUTLINE
                continue
            # lighter towards a point up and left of the centre
            d = math.hypot(x + 0.5 - (CX - 4), y + 0.5 - (CY - 4)) / (RADIUS + 6)
            pixels[y][x] = mix(GLASS_LIGHT, GLASS_DARK, d)
    # highlight: a short thick arc inside the upper left of the glass
    for y in range(HEIGHT):
        for x in range(WIDTH):
            r = math.hypot(x + 0.5 - CX, y + 0.5 - CY)
            angle = math.degrees(math.atan2(y + 0.5 - CY, x + 0.5 - CX))
            if RADIUS - 5.5 <= r <= RADIUS - 3 and -165 <= angle <= -115:
                pixels[y][x] = HIGHLIGHT


def draw_filament(pixels):
    left, right = 16, 23
    for y in range(26, NECK_BOTTOM + 1):  # the two supports
        pixels[y][left] = FILAMENT
        pixels[y][right] = FILAMENT
    for x in range(left, right + 1):  # the coil, a zigzag between the tops of the supports
        pixels[24 + abs((x - left) % 4 - 2)][x] = FILAMENT


def draw_base(pixels):
    for y in range(BASE_TOP, BASE_BOTTOM + 1):
        # the threads bulge out by half a pixel on every other pair of rows
        half = BASE_HALF + (0.5 if (y - BASE_TOP) % 4 in (1, 2) else 0)
        colour = THREAD_LIGHT if (y - BASE_TOP) % 2 == 0 else THREAD_DARK
        for x in range(WIDTH):
            if abs(x + 0.5 - CX) <= half:
                pixels[y][x] = colour
    for y in range(BASE_BOTTOM + 1, CONTACT_BOTTOM + 1):
        half = 5.5 - 1.5 * (y - BASE_BOTTOM - 1)
        for x in range(WIDTH):
            if abs(x + 0.5 - CX) <= half:
                pixels[y][x] = CONTACT


def bulb():
    pixels = [[WHITE] * WIDTH for _ in range(HEIGHT)]
    draw_glass(pixels)
    draw_filament(pixels)
    draw_base(pixels)
    return pixels


def bmp_bytes(pixels):
    """A 24-bit BMP: 14-byte file header, 40-byte information header, rows bottom-up in blue,
    green, red order, each padded to 4 bytes."""
    stride = (WIDTH * 3 + 3) // 4 * 4
    data = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        data += line + bytes(stride - len(line))
    offset = 14 + 40
    head = b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return head + info + bytes(data)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.join(here, "..", "app", "TipBulb.bmp")
    target = os.path.normpath(sys.argv[1] if len(sys.argv) > 1 else default)
    with open(target, "wb") as f:
        f.write(bmp_bytes(bulb()))
    print("light bulb %d x %d in %s" % (WIDTH, HEIGHT, target))


if __name__ == "__main__":
    main()
