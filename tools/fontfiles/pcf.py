"""Reader of X11 PCF bitmap fonts (the format of xfonts-wqy and the misc X fonts)."""

import gzip
import struct

_METRICS = 1 << 2
_BITMAPS = 1 << 3
_BDF_ENCODINGS = 1 << 5
_BDF_ACCELERATORS = 1 << 8
_ACCELERATORS = 1 << 1

_COMPRESSED_METRICS = 0x100
_BYTE_MSB_FIRST = 1 << 2
_BIT_MSB_FIRST = 1 << 3


class Glyph:
    """One glyph: rows of pixels (lists of 0/1) with its bearings relative to the origin."""

    def __init__(self, left, ascent, rows):
        self.left = left      # first pixel column relative to the origin
        self.ascent = ascent  # rows above the baseline
        self.rows = rows


class PcfFont:
    def __init__(self, path):
        opener = gzip.open if path.endswith(".gz") else open
        with opener(path, "rb") as f:
            self._data = f.read()
        if self._data[:4] != b"\x01fcp":
            raise ValueError(path + ": not a PCF font")
        (count,) = struct.unpack_from("<i", self._data, 4)
        self._tables = {}
        for i in range(count):
            kind, fmt, size, offset = struct.unpack_from("<iiii", self._data, 8 + 16 * i)
            self._tables[kind] = (fmt, offset)
        self._metrics = self._read_metrics()
        self._bitmaps = self._read_bitmaps()
        self._encoding = self._read_encodings()
        self.ascent, self.descent = self._read_font_extent()

    def _table(self, kind):
        fmt, offset = self._tables[kind]
        (stored,) = struct.unpack_from("<i", self._data, offset)
        order = ">" if stored & _BYTE_MSB_FIRST else "<"
        return stored, order, offset + 4

    def _read_metrics(self):
        fmt, order, pos = self._table(_METRICS)
        metrics = []
        if fmt & _COMPRESSED_METRICS:
            (n,) = struct.unpack_from(order + "h", self._data, pos)
            pos += 2
            for i in range(n):
                b = self._data[pos + 5 * i : pos + 5 * i + 5]
                metrics.append(tuple(v - 0x80 for v in b))
        else:
            (n,) = struct.unpack_from(order + "i", self._data, pos)
            pos += 4
            for i in range(n):
                metrics.append(struct.unpack_from(order + "hhhhh", self._data, pos + 12 * i))
        # (left bearing, right bearing, advance, ascent, descent)
        return metrics

    def _read_bitmaps(self):
        fmt, order, pos = self._table(_BITMAPS)
        (n,) = struct.unpack_from(order + "i", self._data, pos)
        offsets = struct.unpack_from(order + "%di" % n, self._data, pos + 4)
        data_start = pos + 4 + 4 * n + 16
        pad = 1 << (fmt & 3)
        unit = 1 << ((fmt >> 4) & 3)
        msb_bytes = bool(fmt & _BYTE_MSB_FIRST)
        msb_bits = bool(fmt & _BIT_MSB_FIRST)
        return offsets, data_start, pad, unit, msb_bytes, msb_bits

    def _read_encodings(self):
        fmt, order, pos = self._table(_BDF_ENCODINGS)
        min2, max2, min1, max1, _default = struct.unpack_from(order + "hhhhh", self._data, pos)
        cols = max2 - min2 + 1
        n = cols * (max1 - min1 + 1)
        indices = struct.unpack_from(order + "%dH" % n, self._data, pos + 10)
        return min1, max1, min2, max2, cols, indices

    def _read_font_extent(self):
        kind = _BDF_ACCELERATORS if _BDF_ACCELERATORS in self._tables else _ACCELERATORS
        fmt, order, pos = self._table(kind)
        ascent, descent = struct.unpack_from(order + "ii", self._data, pos + 8)
        return ascent, descent

    def glyph(self, codepoint):
        """The glyph of a Unicode code point, or None when the font has none."""
        min1, max1, min2, max2, cols, indices = self._encoding
        b1, b2 = codepoint >> 8, codepoint & 0xFF
        if not (min1 <= b1 <= max1 and min2 <= b2 <= max2):
            return None
        index = indices[(b1 - min1) * cols + (b2 - min2)]
        if index == 0xFFFF:
            return None
        left, right, _advance, ascent, descent = self._metrics[index]
        offsets, start, pad, unit, msb_bytes, msb_bits = self._bitmaps
        width, height = right - left, ascent + descent
        stride = ((width + 7) // 8 + pad - 1) // pad * pad
        base = start + offsets[index]
        rows = []
        for y in range(height):
            row = bytearray(self._data[base + y * stride : base + (y + 1) * stride])
            if msb_bytes != msb_bits:
                # Scan units are stored with the other byte order than the bit order.
                for u in range(0, len(row), unit):
                    row[u : u + unit] = row[u : u + unit][::-1]
            bits = []
            for x in range(width):
                byte = row[x // 8]
                bit = (byte >> (7 - x % 8)) & 1 if msb_bits else (byte >> (x % 8)) & 1
                bits.append(bit)
            rows.append(bits)
        return Glyph(left, ascent, rows)
