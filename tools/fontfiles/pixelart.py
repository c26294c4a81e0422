"""16 x 16 pixel pictures: lists of 16 strings, '#' = ink, '.' = blank."""

SIZE = 16


def blank():
    return [[0] * SIZE for _ in range(SIZE)]


def parse(lines):
    assert len(lines) == SIZE and all(len(l) == SIZE for l in lines), lines
    return [[1 if c == "#" else 0 for c in line] for line in lines]


def rotate_cw(pic):
    return [[pic[SIZE - 1 - x][y] for x in range(SIZE)] for y in range(SIZE)]


def rotations(pic):
    """The picture pointing up, right, down and left (for a picture that points up)."""
    right = rotate_cw(pic)
    down = rotate_cw(right)
    return pic, right, down, rotate_cw(down)


def blit(pic, glyph_rows, x0, y0, ink=1):
    """Draws rows of 0/1 at (x0, y0) with the given ink value, clipped to the picture."""
    for y, row in enumerate(glyph_rows):
        for x, bit in enumerate(row):
            if bit and 0 <= y0 + y < SIZE and 0 <= x0 + x < SIZE:
                pic[y0 + y][x0 + x] = ink
    return pic


def distance_ring(inner, outer, fill=False):
    """A disc (fill) or ring around the picture's centre, radii in pixels."""
    pic = blank()
    for y in range(SIZE):
        for x in range(SIZE):
            d2 = (x - 7.5) ** 2 + (y - 7.5) ** 2
            if d2 <= outer**2 and (fill or d2 >= inner**2):
                pic[y][x] = 1
    return pic


def box(x0, y0, x1, y1, fill=False):
    pic = blank()
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            if fill or y in (y0, y1) or x in (x0, x1):
                pic[y][x] = 1
    return pic


def union(*pics):
    return [[max(p[y][x] for p in pics) for x in range(SIZE)] for y in range(SIZE)]
