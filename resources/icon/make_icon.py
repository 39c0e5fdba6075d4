#!/usr/bin/env python3
"""Writes Quillet.ico: a slate-blue rounded tile with a white quill nib and
eight slot dots, at 16, 32 and 48 pixels, 32-bit with alpha. Standard
library only; run it again after changing the drawing."""
import math
import struct
import sys

SLATE = (62, 106, 170)
DARK = (38, 66, 112)
WHITE = (255, 255, 255)


def coverage(size, inside, samples=4):
    """Anti-aliased coverage of `inside(x, y)` (unit square coordinates)."""
    grid = [[0.0] * size for _ in range(size)]
    for py in range(size):
        for px in range(size):
            hits = 0
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) / size
                    y = (py + (sy + 0.5) / samples) / size
                    hits += inside(x, y)
            grid[py][px] = hits / (samples * samples)
    return grid


def rounded_tile(x, y, r=0.2, m=0.04):
    cx = min(max(x, m + r), 1 - m - r)
    cy = min(max(y, m + r), 1 - m - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r and m <= x <= 1 - m and m <= y <= 1 - m


def nib(x, y):
    # A quill nib pointing down-left: a lens between two arcs, with a slit.
    u = (x - 0.58) * math.cos(0.75) + (y - 0.40) * math.sin(0.75)
    v = -(x - 0.58) * math.sin(0.75) + (y - 0.40) * math.cos(0.75)
    if not -0.38 <= v <= 0.30:
        return False
    half = 0.13 * math.cos((v + 0.04) / 0.34 * math.pi / 2)
    if abs(u) > max(half, 0):
        return False
    return not (abs(u) < 0.018 and v > -0.05)


def dots(x, y):
    for i in range(8):
        cx = 0.18 + (i % 4) * 0.09
        cy = 0.70 + (i // 4) * 0.11
        if (x - cx) ** 2 + (y - cy) ** 2 <= 0.028 ** 2:
            return True
    return False


def image(size):
    tile = coverage(size, rounded_tile)
    pen = coverage(size, nib)
    dot = coverage(size, dots)
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            t = py / max(size - 1, 1)
            base = tuple(round(SLATE[k] * (1 - t) + DARK[k] * t) for k in range(3))
            w = max(pen[py][px], dot[py][px])
            rgb = tuple(round(base[k] * (1 - w) + WHITE[k] * w) for k in range(3))
            row.append((rgb, round(255 * tile[py][px])))
        rows.append(row)
    return rows


def dib(size):
    rows = image(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(
        bytes((b, g, r, a)) for row in reversed(rows) for ((r, g, b), a) in row)
    mask_row = ((size + 31) // 32) * 4
    return header + pixels + b"\0" * (mask_row * size)


def main(out):
    sizes = [16, 32, 48]
    images = [dib(s) for s in sizes]
    data = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, img in zip(sizes, images):
        data += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    with open(out, "wb") as f:
        f.write(data + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "Quillet.ico")
