"""Reader of Linux console fonts (PSF 1 and 2, gzip-compressed as Debian ships them)."""

import gzip
import struct

_PSF1_MAGIC = b"\x36\x04"
_PSF1_MODE512 = 0x01
_PSF1_MODEHASTAB = 0x02
_PSF2_MAGIC = b"\x72\xb5\x4a\x86"
_PSF2_HAS_UNICODE_TABLE = 0x01


class PsfFont:
    def __init__(self, path):
        opener = gzip.open if path.endswith(".gz") else open
        with opener(path, "rb") as f:
            data = f.read()
        if data[:2] == _PSF1_MAGIC:
            mode, height = data[2], data[3]
            self.width, self.height = 8, height
            count = 512 if mode & _PSF1_MODE512 else 256
            start, size = 4, height
            table = data[start + count * size :] if mode & _PSF1_MODEHASTAB else None
            self._unicode = self._psf1_table(table, count) if table else None
        elif data[:4] == _PSF2_MAGIC:
            _v, start, flags, count, size, height, width = struct.unpack_from("<7I", data, 4)
            self.width, self.height = width, height
            table = data[start + count * size :] if flags & _PSF2_HAS_UNICODE_TABLE else None
            self._unicode = self._psf2_table(table, count) if table else None
        else:
            raise ValueError(path + ": not a PSF font")
        self._glyphs = [data[start + i * size : start + (i + 1) * size] for i in range(count)]

    @staticmethod
    def _psf1_table(table, count):
        mapping, pos = {}, 0
        for index in range(count):
            while pos + 1 < len(table):
                (u,) = struct.unpack_from("<H", table, pos)
                pos += 2
                if u == 0xFFFF:
                    break
                if u != 0xFFFE:
                    mapping.setdefault(u, index)
        return mapping

    @staticmethod
    def _psf2_table(table, count):
        mapping = {}
        for index, entry in enumerate(table.split(b"\xff")[:count]):
            for seq in entry.split(b"\xfe")[:1]:
                for ch in seq.decode("utf-8", "ignore"):
                    mapping.setdefault(ord(ch), index)
        return mapping

    def rows(self, codepoint):
        """The glyph rows of a Unicode code point (one byte per row for 8-pixel fonts)."""
        index = self._unicode.get(codepoint) if self._unicode else codepoint
        if index is None:
            raise KeyError("no glyph for U+%04X" % codepoint)
        return self._glyphs[index]
