#!/usr/bin/env python3
"""Makes the bitmaps of the demo project's folder "pic": they ship in data/program/pic, so the
build and the install put them beside demo.zvd, where the project's records name them.

  mixer.bmp     40 x 32  picture of the start page: a mixing tank with its motor and agitator
  lampon.bmp    16 x 16  custom light, positive logic: a lit lamp with rays
  lampoff.bmp   16 x 16  custom light, negative logic: the lamp dark, outlined

The files are 1-bit BMPs drawn like the icon2 bitmaps (tools/make_icon2.py): white background,
black ink, the same bytes on every run. The demo's JSON form holds the same pixel arrays;
`--json` prints them as the form's bitmap rows, bottom row first.

usage: tools/make_demo_pictures.py [OUTPUT_FOLDER]   (default: data/program/pic)
       tools/make_demo_pictures.py --json
"""

import json
import os
import sys

from make_icon2 import Picture, bmp_bytes, border, combine, rounded_rect

LAMP = 16


def mixer():
    """A tank on two legs, half full, with the motor on its lid driving an agitator."""
    width, height = 40, 32
    pic = Picture(width, height)
    tank = rounded_rect(width, height, 5, 8, 34, 27, 4)
    motor = rounded_rect(width, height, 15, 0, 24, 5, 1)
    drawing = combine(border(tank, 1), motor)
    for x, y in pic.pixels():
        if drawing.get(x, y):
            pic.set(x, y)
    for y in range(6, 23):  # shaft through the lid
        pic.set(19, y)
        pic.set(20, y)
    for x in range(11, 29):  # agitator blade
        pic.set(x, 21)
        pic.set(x, 22)
    for x in range(7, 33, 3):  # liquid surface
        pic.set(x, 14)
        pic.set(x + 1, 14)
    for y in range(28, 32):  # legs
        for x in (8, 9, 30, 31):
            pic.set(x, y)
    for x in range(2, 6):  # inlet pipe on the left
        pic.set(x, 10)
        pic.set(x, 12)
    return pic


LAMP_ON = [
    ".......##.......",
    ".......##.......",
    "..#..........#..",
    "...#........#...",
    "......####......",
    ".....######.....",
    "##..########..##",
    "##..########..##",
    "....########....",
    ".....######.....",
    "......####......",
    "...#........#...",
    "..#..........#..",
    ".......##.......",
    ".......##.......",
    "................",
]


def lamp_on():
    """The lamp filled, with eight short rays."""
    pic = Picture(LAMP, LAMP)
    pic.blit(LAMP_ON, 0, 0, 1, 1)
    return pic


def lamp_off():
    """The lamp's outline alone, where the lit lamp is."""
    lit = Picture(LAMP, LAMP)
    lit.blit(LAMP_ON[4:11], 0, 4, 1, 1)
    body = Picture(LAMP, LAMP)
    for x, y in lit.pixels():
        if lit.get(x, y) and 4 <= x <= 11:
            body.set(x, y)
    return border(body, 1)


def all_pictures():
    return {"mixer.bmp": mixer(), "lampon.bmp": lamp_on(), "lampoff.bmp": lamp_off()}


def json_rows(data, width):
    """The pixel array as the JSON form's bitmap rows, bottom row first."""
    stride = (width + 31) // 32 * 4
    pixels = data[62:]  # after the file header, information header and two palette entries
    return [pixels[i : i + stride].hex().upper() for i in range(0, len(pixels), stride)]


def main():
    pictures = all_pictures()
    if sys.argv[1:] == ["--json"]:
        rows = {n: json_rows(bmp_bytes(p), p.width) for n, p in sorted(pictures.items())}
        print(json.dumps(rows, indent=1))
        return
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.join(here, "..", "data", "program", "pic")
    folder = os.path.normpath(sys.argv[1] if len(sys.argv) > 1 else default)
    os.makedirs(folder, exist_ok=True)
    for name in sorted(pictures):
        with open(os.path.join(folder, name), "wb") as f:
            f.write(bmp_bytes(pictures[name]))
    print("%d bitmaps in %s" % (len(pictures), folder))


if __name__ == "__main__":
    main()
