#!/usr/bin/env python3
"""Draws the Zelvora icon (a folder sending an arrow down into a drive) and
writes app/zelvora.ico.

Standard library only, and byte-for-byte deterministic, so the committed .ico
can be regenerated and diffed on any machine.

Images: 16, 32, 48 and 256 pixels, each at 4, 8 and 32 bits per pixel.
The small sizes are classic DIBs with an AND mask so that every icon consumer
back to XP can read them; the three 256-pixel images are PNG, which Vista and
later accept, because as DIBs they alone would cost ~360 KB of the executable.
"""

import os
import struct
import sys
import zlib

# Flat colours, in drawing order of importance; index 0 of every palette is
# reserved for the transparent pixels (black, masked out by the AND mask).
TRANSPARENT = 0
FOLDER_BACK, FOLDER_FRONT, ARROW, DRIVE, DRIVE_DARK, LED = range(1, 7)
COLOURS = {
    TRANSPARENT: (0x00, 0x00, 0x00),
    FOLDER_BACK: (0xC9, 0x82, 0x14),
    FOLDER_FRONT: (0xF6, 0xC0, 0x45),
    ARROW: (0x1F, 0x6A, 0xD4),
    DRIVE: (0x9A, 0xA5, 0xB1),
    DRIVE_DARK: (0x46, 0x50, 0x5C),
    LED: (0x2F, 0xC4, 0x55),
}

SIZES = (16, 32, 48, 256)
DEPTHS = (4, 8, 32)


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def round_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def triangle(a, b, c):
    def side(p, q, x, y):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])

    def inside(x, y):
        s1, s2, s3 = side(a, b, x, y), side(b, c, x, y), side(c, a, x, y)
        return (s1 >= 0 and s2 >= 0 and s3 >= 0) or (s1 <= 0 and s2 <= 0 and s3 <= 0)
    return inside


# The picture on a 256-unit canvas, back to front: later shapes cover earlier.
SHAPES = [
    (FOLDER_BACK, round_rect(18, 22, 98, 62, 10)),    # tab
    (FOLDER_BACK, round_rect(18, 40, 158, 138, 10)),
    (FOLDER_FRONT, round_rect(18, 62, 158, 138, 10)),
    (DRIVE_DARK, round_rect(14, 170, 242, 242, 16)),
    (DRIVE, round_rect(14, 170, 242, 222, 16)),
    (DRIVE, rect(14, 200, 242, 222)),                   # square off above the base
    (DRIVE_DARK, rect(34, 190, 134, 202)),              # slot
    (LED, circle(212, 196, 10)),
    (ARROW, rect(122, 82, 216, 110)),                   # out of the folder...
    (ARROW, rect(188, 82, 216, 128)),                   # ...turning down...
    (ARROW, triangle((162, 124), (242, 124), (202, 164))),  # ...into the drive
]


def colour_at(x, y):
    for colour, inside in reversed(SHAPES):
        if inside(x, y):
            return colour
    return TRANSPARENT


def render(size):
    """Per pixel, how many supersamples landed on each colour (row 0 = top)."""
    n = 2 if size >= 128 else 4
    scale = 256.0 / size
    grid = []
    for py in range(size):
        row = []
        for px in range(size):
            counts = [0] * len(COLOURS)
            for sy in range(n):
                y = (py + (sy + 0.5) / n) * scale
                for sx in range(n):
                    counts[colour_at((px + (sx + 0.5) / n) * scale, y)] += 1
            row.append(counts)
        grid.append(row)
    return grid


def to_indexed(grid):
    # Palette images cannot blend, so each pixel takes its dominant colour.
    return [[max(range(len(c)), key=lambda i: (c[i], -i)) for c in row] for row in grid]


def to_rgba(grid):
    rows = []
    for row in grid:
        out = []
        for counts in row:
            total = sum(counts)
            cover = total - counts[TRANSPARENT]
            if cover == 0:
                out.append((0, 0, 0, 0))
                continue
            rgb = [0, 0, 0]
            for i, k in enumerate(counts):
                if i != TRANSPARENT and k:
                    for ch in range(3):
                        rgb[ch] += COLOURS[i][ch] * k
            out.append(tuple((v + cover // 2) // cover for v in rgb) + ((cover * 255 + total // 2) // total,))
        rows.append(out)
    return rows


def palette(depth):
    entries = [COLOURS[i] for i in range(len(COLOURS))]
    return entries + [(0, 0, 0)] * ((1 << depth) - len(entries))


def pack_row(values, depth):
    if depth == 8:
        data = bytes(values)
    else:  # 4 bpp, high nibble first
        padded = list(values) + [0] * (len(values) % 2)
        data = bytes((padded[i] << 4) | padded[i + 1] for i in range(0, len(padded), 2))
    return data


def pad4(data):
    return data + b"\0" * (-len(data) % 4)


def and_mask(transparent_rows, size):
    # One bit per pixel, 1 = let the background through; rows bottom-up, DWORD aligned.
    out = b""
    for row in reversed(transparent_rows):
        bits = bytearray((size + 7) // 8)
        for x, clear in enumerate(row):
            if clear:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += pad4(bytes(bits))
    return out


def dib(size, depth, indexed, rgba):
    if depth == 32:
        xor = b"".join(bytes(v for (r, g, b, a) in row for v in (b, g, r, a)) for row in reversed(rgba))
        mask = and_mask([[p[3] == 0 for p in row] for row in rgba], size)
        colour_table = b""
    else:
        xor = b"".join(pad4(pack_row(row, depth)) for row in reversed(indexed))
        mask = and_mask([[i == TRANSPARENT for i in row] for row in indexed], size)
        colour_table = b"".join(struct.pack("<4B", b, g, r, 0) for (r, g, b) in palette(depth))
    # Height is doubled: the loader expects the XOR image and the mask stacked.
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, depth, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    return header + colour_table + xor + mask


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png(size, depth, indexed, rgba):
    if depth == 32:
        ihdr = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
        raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in rgba)
        extra = b""
    else:
        ihdr = struct.pack(">IIBBBBB", size, size, depth, 3, 0, 0, 0)
        raw = b"".join(b"\0" + pack_row(row, depth) for row in indexed)
        used = len(COLOURS)
        extra = (png_chunk(b"PLTE", b"".join(bytes(c) for c in palette(depth)[:used]))
                 # Only index 0 is see-through; tRNS entries past the end mean opaque.
                 + png_chunk(b"tRNS", b"\0"))
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", ihdr) + extra
            + png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b""))


def build_ico():
    images = []
    for size in SIZES:
        grid = render(size)
        indexed, rgba = to_indexed(grid), to_rgba(grid)
        for depth in DEPTHS:
            encode = png if size == 256 else dib
            images.append((size, depth, encode(size, depth, indexed, rgba)))

    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, depth, data in images:
        # Planes and bit count are stated explicitly: windres copies them into
        # the group entry and cannot read them out of a PNG image.
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 16 if depth == 4 else 0, 0,
                           1, depth, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, _, data in images)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "app", "zelvora.ico")
    data = build_ico()
    with open(target, "wb") as f:
        f.write(data)
    print(f"{target}: {len(data)} bytes")


if __name__ == "__main__":
    main()
