"""Tiny anti-aliased raster and BMP writer for the Quillet skin generator.

Standard library only. Pixels are float RGB triples; shapes are painted by
4x4 supersampling so curves and diagonals get soft edges, then composited
over what is already there.
"""
import math
import struct

SS = 4  # subsamples per axis
_OFFS = [(i + 0.5) / SS for i in range(SS)]


def lerp(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def clamp(v, lo, hi):
    return lo if v < lo else hi if v > hi else v


class Img:
    def __init__(self, w, h, bg=(0, 0, 0)):
        self.w, self.h = w, h
        self.px = [[list(bg) for _ in range(w)] for _ in range(h)]

    def get(self, x, y):
        return tuple(self.px[y][x])

    def put(self, x, y, c, a=1.0):
        if not (0 <= x < self.w and 0 <= y < self.h) or a <= 0:
            return
        p = self.px[y][x]
        if a >= 1:
            p[0], p[1], p[2] = c[0], c[1], c[2]
        else:
            for i in range(3):
                p[i] += (c[i] - p[i]) * a

    def fill(self, x0, y0, x1, y1, c):
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                self.put(x, y, c)

    def vgrad(self, x0, y0, x1, y1, c0, c1):
        n = max(1, y1 - y0 - 1)
        for y in range(y0, y1):
            self.fill(x0, y, x1, y + 1, lerp(c0, c1, (y - y0) / n))

    def hgrad(self, x0, y0, x1, y1, c0, c1):
        n = max(1, x1 - x0 - 1)
        for x in range(x0, x1):
            self.fill(x, y0, x + 1, y1, lerp(c0, c1, (x - x0) / n))

    def blit(self, src, sx0, sy0, sx1, sy1, dx, dy):
        for y in range(sy0, sy1):
            for x in range(sx0, sx1):
                self.put(dx + x - sx0, dy + y - sy0, src.get(x, y))

    def rgb(self, x, y):
        p = self.px[y][x]
        return tuple(int(clamp(round(v), 0, 255)) for v in p)

    # -- supersampled shapes -------------------------------------------
    def shape(self, bbox, inside, color):
        """Composite colour (a triple or a function of the pixel) over the
        pixels of bbox, weighted by the share of subsamples inside."""
        x0, y0, x1, y1 = bbox
        for y in range(max(0, int(math.floor(y0))), min(self.h, int(math.ceil(y1)))):
            for x in range(max(0, int(math.floor(x0))), min(self.w, int(math.ceil(x1)))):
                n = 0
                for oy in _OFFS:
                    for ox in _OFFS:
                        if inside(x + ox, y + oy):
                            n += 1
                if n:
                    c = color(x, y) if callable(color) else color
                    self.put(x, y, c, n / (SS * SS))


# -- shape predicates (float coordinates, right/bottom exclusive) ---------
def rrect(x0, y0, x1, y1, r):
    def inside(px, py):
        if px < x0 or px >= x1 or py < y0 or py >= y1:
            return False
        if r <= 0:
            return True
        cx = clamp(px, x0 + r, x1 - r)
        cy = clamp(py, y0 + r, y1 - r)
        return (px - cx) ** 2 + (py - cy) ** 2 <= r * r
    return inside


def circle(cx, cy, r):
    return lambda px, py: (px - cx) ** 2 + (py - cy) ** 2 <= r * r


def capsule(pts, w):
    """Polyline of thickness w with round joins."""
    segs = list(zip(pts, pts[1:]))
    h = w / 2.0

    def inside(px, py):
        for (ax, ay), (bx, by) in segs:
            dx, dy = bx - ax, by - ay
            ll = dx * dx + dy * dy
            t = 0 if ll == 0 else clamp(((px - ax) * dx + (py - ay) * dy) / ll, 0, 1)
            qx, qy = ax + t * dx - px, ay + t * dy - py
            if qx * qx + qy * qy <= h * h:
                return True
        return False
    return inside


def polygon(pts):
    def inside(px, py):
        c = False
        j = len(pts) - 1
        for i in range(len(pts)):
            xi, yi = pts[i]
            xj, yj = pts[j]
            if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
                c = not c
            j = i
        return c
    return inside


def union(*fs):
    return lambda px, py: any(f(px, py) for f in fs)


def minus(a, b):
    return lambda px, py: a(px, py) and not b(px, py)


def bbox_of(pts, pad=2):
    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    return (min(xs) - pad, min(ys) - pad, max(xs) + pad, max(ys) + pad)


# -- BMP files (BMP3: BITMAPFILEHEADER + BITMAPINFOHEADER, bottom-up) ------
def _bmp(w, h, bpp, palette, rows):
    stride = ((w * bpp + 31) // 32) * 4
    data = bytearray()
    for row in reversed(rows):  # bottom-up
        data += row + b"\0" * (stride - len(row))
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    off = 14 + 40 + len(pal)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, bpp, 0, len(data), 2835, 2835,
                       len(palette), len(palette))
    head = struct.pack("<2sIHHI", b"BM", off + len(data), 0, 0, off)
    return head + info + pal + bytes(data)


def bmp24(img):
    rows = []
    for y in range(img.h):
        row = bytearray()
        for x in range(img.w):
            r, g, b = img.rgb(x, y)
            row += bytes((b, g, r))
        rows.append(bytes(row))
    return _bmp(img.w, img.h, 24, [], rows)


def bmp_indexed(w, h, bpp, palette, index):
    """index(x, y) -> palette index; bpp 1, 4 or 8."""
    rows = []
    per = 8 // bpp
    for y in range(h):
        row = bytearray()
        for x0 in range(0, w, per):
            byte = 0
            for k in range(per):
                v = index(x0 + k, y) if x0 + k < w else 0
                byte |= (v & ((1 << bpp) - 1)) << (8 - bpp * (k + 1))
            row.append(byte)
        rows.append(bytes(row))
    return _bmp(w, h, bpp, palette, rows)
