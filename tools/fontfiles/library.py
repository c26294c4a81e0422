"""Writer of the character libraries (UserLib.dat, Syslib1.dat) and the glyph band format."""

import struct

SIGNATURE = b"ZORVLIB1"
HEAD_SIZE = 34
RECORD_SIZE = 84
NAME_SIZE = 20


def band_glyph(pic):
    """Column format of one 16-row band: per column, rows 0-7 then 8-15, bit r = row r."""
    out = bytearray()
    width = len(pic[0])
    for x in range(width):
        for half in (0, 8):
            byte = 0
            for r in range(8):
                if pic[half + r][x]:
                    byte |= 1 << r
            out.append(byte)
    return bytes(out)


def screen_rows(pic):
    """On-screen copy: bitmap rows bottom to top, first byte high, cleared bit = ink."""
    out = bytearray()
    for y in reversed(range(16)):
        word = 0
        for x in range(16):
            if pic[y][x]:
                word |= 0x8000 >> x
        out += struct.pack(">H", (~word) & 0xFFFF)
    return bytes(out)


def library_bytes(characters, count):
    """characters: {number: (name, picture)}; numbers without a picture are blank."""
    head = bytearray(HEAD_SIZE)
    head[0:8] = SIGNATURE
    struct.pack_into("<HIHH", head, 8, RECORD_SIZE, count, 16, 16)
    out = bytearray(head)
    empty = [[0] * 16 for _ in range(16)]
    for n in range(count):
        name, pic = characters.get(n, ("", empty))
        label = name.encode("ascii")[:NAME_SIZE].ljust(NAME_SIZE, b"\0")
        out += screen_rows(pic) + band_glyph(pic) + label
    return bytes(out)
