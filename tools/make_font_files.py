#!/usr/bin/env python3
"""Makes the four font files of the program folder from Debian's bitmap fonts:

  Asc16.dat    8x16 ASCII      console-setup-linux  /usr/share/consolefonts/Lat15-VGA16.psf.gz
  Hzk14.dat    14x14 GB2312    xfonts-wqy           /usr/share/fonts/X11/misc/wenquanyi_11pt.pcf
  Syslib1.dat  system symbols  drawn in fontfiles/symbols.py
  UserLib.dat  sample characters, drawn in fontfiles/symbols.py

usage: tools/make_font_files.py [OUTPUT_FOLDER]   (default: data/program)
       tools/make_font_files.py --show Syslib1.dat   prints the characters of a library
"""

import os
import struct
import sys

from fontfiles.library import HEAD_SIZE, RECORD_SIZE, library_bytes
from fontfiles.pcf import PcfFont
from fontfiles.psf import PsfFont
from fontfiles.symbols import system_symbols, user_samples

ASCII_FONT = "/usr/share/consolefonts/Lat15-VGA16.psf.gz"
GB2312_FONT = "/usr/share/fonts/X11/misc/wenquanyi_11pt.pcf"
CELL = 14
BASELINE = 13  # cell row of the font's baseline: hanzi of this font fill rows 0 to 13
# Characters that the decoder and the font name by different code points.
ALTERNATES = {0x2015: [0x2014, 0x2500], 0x30FB: [0x00B7], 0x00B7: [0x30FB]}


def ascii_file():
    font = PsfFont(ASCII_FONT)
    assert (font.width, font.height) == (8, 16)
    out = bytearray(256 * 16)
    for code in range(0x20, 0x7F):
        out[16 * code : 16 * code + 16] = font.rows(code)
    return bytes(out)


def place(glyph):
    """The glyph in a 14 x 14 cell at the font's baseline, moved inside when it overhangs and
    centred (and cut) when larger than the cell."""
    height, width = len(glyph.rows), len(glyph.rows[0]) if glyph.rows else 0

    def fit(start, size):
        if size > CELL:
            return (CELL - size) // 2
        return min(max(start, 0), CELL - size)

    top = fit(BASELINE - glyph.ascent, height)
    left = fit(glyph.left, width)
    cell = [[0] * CELL for _ in range(CELL)]
    for y, row in enumerate(glyph.rows):
        for x, bit in enumerate(row):
            if bit and 0 <= top + y < CELL and 0 <= left + x < CELL:
                cell[top + y][left + x] = 1
    return cell


def gb2312_file():
    font = PcfFont(GB2312_FONT)
    out = bytearray(94 * 94 * 28)
    missing = []
    for q in range(0xA1, 0xFF):
        for w in range(0xA1, 0xFF):
            try:
                ch = bytes([q, w]).decode("gb2312")
            except UnicodeDecodeError:
                continue
            glyph = None
            for cp in [ord(ch)] + ALTERNATES.get(ord(ch), []):
                glyph = font.glyph(cp)
                if glyph is not None:
                    break
            if glyph is None:
                missing.append("%02X%02X" % (q, w))
                continue
            pos = ((q - 0xA1) * 94 + (w - 0xA1)) * 28
            for y, row in enumerate(place(glyph)):
                word = 0
                for x, bit in enumerate(row):
                    if bit:
                        word |= 0x8000 >> x
                struct.pack_into(">H", out, pos + 2 * y, word)
    if missing:
        sys.exit("no glyph for GB2312 " + " ".join(missing))
    return bytes(out)


def show(path):
    data = open(path, "rb").read()
    (count,) = struct.unpack_from("<I", data, 10)
    for n in range(count):
        rec = data[HEAD_SIZE + RECORD_SIZE * n : HEAD_SIZE + RECORD_SIZE * (n + 1)]
        name = rec[64:].rstrip(b"\0").decode("ascii")
        print("0x%02X %s" % (n, name))
        for y in range(16):
            (word,) = struct.unpack_from(">H", rec, 2 * (15 - y))
            print("  " + "".join("." if word & (0x8000 >> x) else "#" for x in range(16)))


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--show":
        show(sys.argv[2])
        return
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "program")
    os.makedirs(folder, exist_ok=True)
    files = {
        "Asc16.dat": ascii_file(),
        "Hzk14.dat": gb2312_file(),
        "Syslib1.dat": library_bytes(system_symbols(), 128),
        "UserLib.dat": library_bytes(user_samples(), len(user_samples())),
    }
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
        print("%s: %d bytes" % (name, len(data)))


if __name__ == "__main__":
    main()
