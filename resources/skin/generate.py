#!/usr/bin/env python3
"""Generates Quillet's skin: every BMP picture and skin.ini, in this folder.

    python3 resources/skin/generate.py [output-dir]

Standard library only. The pictures are drawn procedurally (see raster.py)
and skin.ini is written from the same coordinates, so a rectangle in the
description can never drift away from the picture it points into.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from raster import (Img, lerp, rrect, circle, capsule, polygon, union, minus,  # noqa: E402
                    bmp24, bmp_indexed, clamp)

# ---------------------------------------------------------------------------
# Palette: slate blue accents on a light, cool body.
OUTLINE = (54, 80, 122)        # window and popup outline
SLATE = (62, 106, 170)         # accent; also the active caption text
SLATE_DK = (44, 78, 132)
SLATE_LT = (122, 156, 206)
SEL_FILL = (213, 227, 246)     # selection fill
SEL_EDGE = (140, 170, 214)
BODY = (241, 244, 249)         # window body
FRAME = (193, 211, 238)        # frame band, equals the caption's last row
INNER = (136, 163, 204)        # line between frame and client
HILITE = (250, 252, 255)
WHITE = (255, 255, 255)
TEXT = (30, 40, 60)
TEXT_DIS = (150, 160, 175)
BORDER = (166, 182, 206)       # control borders
BORDER_LT = (200, 212, 230)
GLYPH = (72, 98, 140)          # caption button glyphs at rest
GLYPH_OFF = (156, 176, 206)    # ... of an inactive window
FACE_TOP, FACE_BOT = (253, 254, 255), (225, 233, 244)
HOT_TOP, HOT_BOT = (244, 249, 255), (206, 223, 246)
DOWN_TOP, DOWN_BOT = (188, 208, 238), (172, 196, 232)
DIS_TOP, DIS_BOT = (246, 247, 250), (236, 239, 244)
TOOLBG = (233, 238, 246)       # tool bars, status bar, menu bar
GUTTER = (234, 240, 248)       # menu image column
KEY = (255, 0, 255)            # transparent key of small glyph pictures
RED_TOP, RED_BOT = (226, 98, 86), (190, 52, 44)
RED_DN_TOP, RED_DN_BOT = (168, 44, 36), (150, 36, 30)
HOTBTN_TOP, HOTBTN_BOT = (112, 150, 206), (62, 106, 170)
DNBTN_TOP, DNBTN_BOT = (50, 84, 140), (40, 70, 120)


def col(c):
    """Windows colour value 0x00BBGGRR as the description writes it."""
    r, g, b = c
    return str(r | (g << 8) | (b << 16))


def caption_bg(y):
    """Caption rows 2..25 of the frame: a soft two-part gloss."""
    if y < 14:
        return lerp((251, 253, 255), (229, 238, 250), (y - 2) / 11)
    return lerp((214, 227, 245), FRAME, (y - 14) / 11)


def R(x0, y0, x1, y1):
    return rrect(x0, y0, x1, y1, 0)


def vfill(y0, y1, top, bot):
    n = max(1, y1 - y0 - 1)
    return lambda x, y: lerp(top, bot, clamp((y - y0) / n, 0, 1))


def hfill(x0, x1, left, right):
    n = max(1, x1 - x0 - 1)
    return lambda x, y: lerp(left, right, clamp((x - x0) / n, 0, 1))


def box(img, x0, y0, x1, y1, r, border, top, bot, hi=None, fill=None):
    """Rounded box: 1-px border, gradient face, optional top highlight."""
    bb = (x0, y0, x1, y1)
    img.shape(bb, rrect(x0, y0, x1, y1, r), border)
    face = fill or vfill(y0 + 1, y1 - 1, top, bot)
    ri = max(0, r - 1)
    if hi:
        img.shape(bb, rrect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, ri), hi)
        img.shape(bb, rrect(x0 + 1, y0 + 2, x1 - 1, y1 - 1, ri), face)
    else:
        img.shape(bb, rrect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, ri), face)


def glyph(img, ox, oy, pred, color, size):
    img.shape((ox, oy, ox + size[0], oy + size[1]),
              lambda px, py: pred(px - ox, py - oy), color)


def arrow(direction, cx, cy, s=3.0):
    """Filled triangle centred at (cx, cy); direction 'u', 'd', 'l', 'r'."""
    pts = {
        "u": [(cx - s, cy + s / 2), (cx + s, cy + s / 2), (cx, cy - s / 2 - 0.5)],
        "d": [(cx - s, cy - s / 2), (cx + s, cy - s / 2), (cx, cy + s / 2 + 0.5)],
        "l": [(cx + s / 2, cy - s), (cx + s / 2, cy + s), (cx - s / 2 - 0.5, cy)],
        "r": [(cx - s / 2, cy - s), (cx - s / 2, cy + s), (cx + s / 2 + 0.5, cy)],
    }[direction]
    return polygon(pts)


def check_mark(x, y, s=1.0, w=1.9):
    """Check mark in a 13x13 cell at (x, y)."""
    return capsule([(x + 3.2 * s, y + 6.6 * s), (x + 5.4 * s, y + 8.9 * s),
                    (x + 9.9 * s, y + 3.8 * s)], w)


# ---------------------------------------------------------------------------
# Caption button glyphs, in a 21x21 cell.
CAPTION_GLYPHS = {
    "close": union(capsule([(7, 7), (14, 14)], 1.7), capsule([(14, 7), (7, 14)], 1.7)),
    "max": minus(R(6, 6, 15, 15), R(7, 8, 14, 14)),
    "restore": union(minus(minus(R(8, 5, 16, 13), R(9, 7, 15, 12)), R(5, 8, 13, 16)),
                     minus(R(5, 8, 13, 16), R(6, 10, 12, 15))),
    "min": R(6, 13, 15, 15),
    "rollup": capsule([(6.5, 12.5), (10.5, 8.5), (14.5, 12.5)], 1.8),
    "rolldown": capsule([(6.5, 8.5), (10.5, 12.5), (14.5, 8.5)], 1.8),
    "tray": union(capsule([(10.5, 5.5), (10.5, 9.0)], 1.7),
                  polygon([(7, 8.3), (14, 8.3), (10.5, 12.3)]), R(6, 14, 15, 16)),
}


def caption_button(img, x, y, kind, look, top_row=5, size=(21, 21)):
    """One caption button look drawn at (x, y); the caption's own rows lie
    behind it so it sits seamlessly on the frame at window row top_row."""
    w, h = size
    for j in range(h):
        img.fill(x, y + j, x + w, y + j + 1, caption_bg(top_row + j))
    g = CAPTION_GLYPHS[kind]
    if look == "normal":
        glyph(img, x, y, g, GLYPH, size)
    elif look == "inactive":
        glyph(img, x, y, g, GLYPH_OFF, size)
    else:
        red = kind == "close"
        if look == "hot":
            top, bot = (RED_TOP, RED_BOT) if red else (HOTBTN_TOP, HOTBTN_BOT)
            edge = (170, 52, 44) if red else SLATE_DK
            hi = (240, 150, 140) if red else (160, 190, 230)
        else:
            top, bot = (RED_DN_TOP, RED_DN_BOT) if red else (DNBTN_TOP, DNBTN_BOT)
            edge = (120, 30, 24) if red else (34, 58, 100)
            hi = None
        box(img, x + 1, y + 1, x + w - 1, y + h - 1, 4, edge, top, bot, hi)
        glyph(img, x, y, g, WHITE, size)


def sysmenu_button(img, x, y, look):
    """14x12 application mark: a slate card of snippet lines."""
    for j in range(12):
        img.fill(x, y + j, x + 14, y + j + 1, caption_bg(8 + j))
    top, bot = {"normal": ((98, 136, 194), SLATE), "hot": ((130, 166, 220), (82, 124, 190)),
                "down": (SLATE_DK, (36, 64, 110)), "inactive": ((176, 194, 222), (150, 172, 206))}[look]
    box(img, x + 1, y, x + 13, y + 12, 2.5, lerp(bot, (20, 30, 50), 0.35), top, bot)
    for k, ln in enumerate((7, 5, 6)):
        img.shape((x, y, x + 14, y + 12), R(x + 4, y + 3 + 2 * k, x + 4 + ln, y + 4 + 2 * k), WHITE)


# ---------------------------------------------------------------------------
# 0: main.bmp and mask.bmp, the window frame (285 x 210).
MAIN_W, MAIN_H = 285, 210
CLIENT = (4, 27, 281, 206)
TOP_R, BOT_R = 7.0, 4.0


def frame_depth(px, py):
    """Distance from a point to the window's rounded outline, inward."""
    r = TOP_R if py < MAIN_H / 2 else BOT_R
    cx = clamp(px, r, MAIN_W - r)
    cy = clamp(py, r, MAIN_H - r)
    if (cx, cy) != (px, py):
        return r - ((px - cx) ** 2 + (py - cy) ** 2) ** 0.5
    return min(px, py, MAIN_W - px, MAIN_H - py)


def frame_interior(x, y):
    if y < 26:
        return caption_bg(y)
    if y == 26:
        return INNER if 3 <= x <= 281 else FRAME
    if x in (3, 281) or y == 206:
        return INNER
    if x in (2, 282) or y == 207:
        return FRAME
    return BODY


def draw_main():
    img = Img(MAIN_W, MAIN_H)
    inside = [[False] * MAIN_W for _ in range(MAIN_H)]
    offs = [(i + 0.5) / 4 for i in range(4)]
    for y in range(MAIN_H):
        for x in range(MAIN_W):
            acc = [0.0, 0.0, 0.0]
            n_in = 0
            for oy in offs:
                for ox in offs:
                    d = frame_depth(x + ox, y + oy)
                    if d >= 0:
                        n_in += 1
                    if d < 1:
                        c = OUTLINE
                    elif d < 2:
                        c = HILITE
                    else:
                        c = frame_interior(x, y)
                    for i in range(3):
                        acc[i] += c[i]
            img.put(x, y, tuple(v / 16 for v in acc))
            inside[y][x] = n_in >= 8
    return img, inside


# ---------------------------------------------------------------------------
# Active pictures.
class Sheet:
    """Shelf packer: hands out non-overlapping places on a picture."""

    def __init__(self, w, h, gap=3, reserved=()):
        self.w, self.h, self.gap = w, h, gap
        self.reserved = list(reserved)
        self.shelves = []  # [y, height, next x]

    def _free(self, x, y, w, h):
        for (rx0, ry0, rx1, ry1) in self.reserved:
            if x < rx1 + self.gap and rx0 < x + w + self.gap and y < ry1 + self.gap and ry0 < y + h + self.gap:
                return rx1 + self.gap
        return None

    def alloc(self, w, h):
        for s in self.shelves:
            if h <= s[1]:
                x = s[2]
                while x + w <= self.w - self.gap:
                    nx = self._free(x, s[0], w, h)
                    if nx is None:
                        s[2] = x + w + self.gap
                        self.reserved.append((x, s[0], x + w, s[0] + h))
                        return x, s[0]
                    x = nx
        y = self.gap if not self.shelves else self.shelves[-1][0] + self.shelves[-1][1] + self.gap
        if y + h > self.h - 1:
            raise ValueError("sheet full at %dx%d" % (w, h))
        self.shelves.append([y, h, self.gap])
        return self.alloc(w, h)


def rect_at(x, y, w, h):
    return (x, y, x + w, y + h)


def fmt(v):
    if isinstance(v, tuple):
        return ",".join(str(int(n)) for n in v)
    return str(v)


def draw_active():
    """active.bmp (75 x 263): caption buttons, three looks per row, then the
    inactive looks and the application mark."""
    img = Img(75, 263, BODY)
    kinds = ["close", "max", "restore", "min", "rollup", "rolldown", "tray"]
    at = {}
    cols = [3, 27, 51]
    for k, kind in enumerate(kinds):
        y = 2 + 22 * k
        for c, look in enumerate(("normal", "hot", "down")):
            caption_button(img, cols[c], y, kind, look)
            at[(kind, look)] = rect_at(cols[c], y, 21, 21)
    for i, kind in enumerate(kinds):
        y = 2 + 22 * (7 + i // 3)
        x = cols[i % 3]
        caption_button(img, x, y, kind, "inactive")
        at[(kind, "inactive")] = rect_at(x, y, 21, 21)
    for c, look in enumerate(("normal", "hot", "down")):
        sysmenu_button(img, cols[c], 226, look)
        at[("sysmenu", look)] = rect_at(cols[c], 226, 14, 12)
    sysmenu_button(img, 3, 242, "inactive")
    at[("sysmenu", "inactive")] = rect_at(3, 242, 14, 12)
    return img, at


def draw_hint():
    """hintwindow.bmp (28 x 21, 24-bit) and its 1-bit mask."""
    w, h = 28, 21
    img = Img(w, h, (98, 124, 164))
    shape = rrect(0, 0, w, h, 4)
    img.shape((0, 0, w, h), rrect(1, 1, w - 1, h - 1, 3), (255, 255, 255))
    # flat body: the centre and the sides are tiled at every hint size
    img.shape((0, 0, w, h), rrect(1, 2, w - 1, h - 1, 3), (244, 248, 254))
    inside = [[_cov(shape, x, y) >= 0.5 for x in range(w)] for y in range(h)]
    return img, inside


def _cov(pred, x, y):
    n = 0
    for oy in (0.125, 0.375, 0.625, 0.875):
        for ox in (0.125, 0.375, 0.625, 0.875):
            n += pred(x + ox, y + oy)
    return n / 16


def draw_popup():
    """pw.bmp (93 x 55): popup menu window; its image column continues the
    gutter of the item pictures. Items stand in 3,3,90,52."""
    w, h = 93, 55
    img = Img(w, h, OUTLINE)
    shape = rrect(0, 0, w, h, 4)
    img.shape((0, 0, w, h), rrect(1, 1, w - 1, h - 1, 3), hfill(0, 0, WHITE, WHITE))
    # gutter: items start at x = 3 and carry a 22-px image column
    img.shape((0, 0, w, h), minus(rrect(1, 1, w - 1, h - 1, 3), R(25, 0, w, h)), GUTTER)
    img.fill(25, 1, 26, h - 1, (222, 230, 242))
    inside = [[_cov(shape, x, y) >= 0.5 for x in range(w)] for y in range(h)]
    return img, inside


MENU_TEXT = (28, 38, 58)


def draw_menuitems():
    """menuitems.bmp (132 x 126): menu item looks, marks, menu bar items and
    the menu bar's child-window buttons."""
    img = Img(132, 126, BODY)
    at = {}
    # normal item 2,2,91,24: gutter 0..22, separator line, white text area
    img.fill(2, 2, 91, 24, WHITE)
    img.fill(2, 2, 24, 24, GUTTER)
    img.fill(24, 2, 25, 24, (222, 230, 242))
    at["item"] = (2, 2, 91, 24)
    # active item 2,26,91,48: the same ground under a rounded selection
    img.fill(2, 26, 91, 48, WHITE)
    img.fill(2, 26, 24, 48, GUTTER)
    img.fill(24, 26, 25, 48, (222, 230, 242))
    box(img, 3, 27, 90, 47, 3, SEL_EDGE, (226, 236, 250), SEL_FILL, hi=(240, 246, 254))
    at["activeitem"] = (2, 26, 91, 48)
    # divider 4,51,89,54: gutter then a hairline
    img.fill(4, 51, 89, 54, WHITE)
    img.fill(4, 51, 26, 54, GUTTER)
    img.fill(26, 51, 27, 54, (222, 230, 242))
    img.fill(30, 52, 89, 53, (214, 222, 234))
    at["divider"] = (4, 51, 89, 54)
    # check, radio and submenu marks (transparent on their own ground colour)
    sel_bg = lerp((226, 236, 250), SEL_FILL, 0.5)
    for row, (name, bg, fg) in enumerate((("", GUTTER, SLATE), ("active", sel_bg, SLATE_DK))):
        x = 95 + 17 * row
        img.fill(x, 2, x + 15, 47, bg)
        img.shape((x, 2, x + 15, 17), check_mark(x + 1, 3), fg)
        img.shape((x, 17, x + 15, 32), circle(x + 7.5, 24.5, 3.3), fg)
        img.shape((x + 4, 33, x + 11, 46), polygon([(x + 5.5, 35.5), (x + 5.5, 43.5), (x + 9.8, 39.5)]), fg)
        at[name + "check"] = (x, 2, x + 15, 17)
        at[name + "radio"] = (x, 17, x + 15, 32)
        at[name + "arrow"] = (x + 4, 33, x + 11, 46)
    # main menu bar item looks, 40 x 20 each
    img.fill(2, 58, 42, 78, TOOLBG)
    at["bar"] = (2, 58, 42, 78)
    img.fill(44, 58, 84, 78, TOOLBG)
    box(img, 44, 58, 84, 78, 3, SEL_EDGE, HOT_TOP, HOT_BOT, hi=WHITE)
    at["baractive"] = (44, 58, 84, 78)
    img.fill(86, 58, 126, 78, TOOLBG)
    box(img, 86, 58, 126, 78, 3, SLATE_LT, DOWN_TOP, DOWN_BOT)
    at["bardown"] = (86, 58, 126, 78)
    # menu bar buttons for a maximised child window, 16 x 14
    small = {
        "sysmenu": union(R(4, 4, 12, 5), R(4, 6, 12, 7), R(4, 8, 10, 9)),
        "close": union(capsule([(5, 4), (11, 10)], 1.5), capsule([(11, 4), (5, 10)], 1.5)),
        "max": minus(R(4, 3, 12, 11), R(5, 5, 11, 10)),
        "min": R(4, 9, 12, 11),
    }
    for c, kind in enumerate(("sysmenu", "close", "max", "min")):
        x = 2 + 18 * c
        for r, look in enumerate(("normal", "active", "down")):
            y = 81 + 15 * r
            img.fill(x, y, x + 16, y + 14, TOOLBG)
            fg = GLYPH
            if look == "active":
                box(img, x, y, x + 16, y + 14, 2.5, SEL_EDGE, HOT_TOP, HOT_BOT)
                fg = SLATE_DK
            elif look == "down":
                box(img, x, y, x + 16, y + 14, 2.5, SLATE_LT, DOWN_TOP, DOWN_BOT)
                fg = SLATE_DK
            glyph(img, x, y, small[kind], fg, (16, 14))
            at[("bar" + kind, look)] = rect_at(x, y, 16, 14)
    return img, at


def draw_mdibg():
    """mdibg.bmp (219 x 178): a calm slate wash, stretched over MDI clients."""
    w, h = 219, 178
    img = Img(w, h)
    for y in range(h):
        for x in range(w):
            dx, dy = (x - w * 0.3) / w, (y - h * 0.25) / h
            t = clamp((dx * dx + dy * dy) ** 0.5 / 0.95, 0, 1)
            img.put(x, y, lerp((212, 223, 240), (150, 172, 206), t))
    return img


# ---------------------------------------------------------------------------
# 4: controls.bmp (556 x 410), the control sheet.
PANEL_RECT = (141, 4, 200, 56)


class _NullImg:
    """Swallows drawing: the first pass only collects the looks' sizes."""

    def __getattr__(self, name):
        return lambda *a, **k: None


def draw_controls():
    W, H = 556, 410
    # Pass one learns every look's size; the looks are then packed tallest
    # first, and pass two draws them in their places.
    sizes = []
    _draw_controls(_NullImg(), lambda name, w, h: sizes.append((name, w, h)) or (0, 0))
    sheet = Sheet(W, H, gap=3, reserved=[PANEL_RECT])
    plan = {}
    for name, w, h in sorted(sizes, key=lambda s: (-s[2], -s[1])):
        plan[name] = sheet.alloc(w, h)
    img = Img(W, H, BODY)
    at = {"panel": PANEL_RECT}

    def place(name, w, h):
        x, y = plan[name]
        at[name] = rect_at(x, y, w, h)
        return x, y
    _draw_controls(img, place)
    return img, at


def _draw_controls(img, place):

    # Panel (TopPnl): 2-px frame around a quiet gradient.
    x0, y0, x1, y1 = PANEL_RECT
    img.fill(x0, y0, x1, y1, BODY)
    box(img, x0, y0, x1, y1, 2.5, BORDER_LT, (252, 253, 255), (235, 240, 248), hi=WHITE,
        fill=vfill(y0 + 2, y1 - 2, (252, 253, 255), (235, 240, 248)))
    img.shape((x0, y0, x1, y1), minus(rrect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 1.5),
                                      R(x0 + 2, y0 + 2, x1 - 2, y1 - 2)), WHITE)

    # Push buttons: normal, hot, down, focused, disabled (64 x 25 each).
    looks = [("btn", FACE_TOP, FACE_BOT, BORDER, WHITE), ("btnhot", HOT_TOP, HOT_BOT, SLATE_LT, WHITE),
             ("btndown", DOWN_TOP, DOWN_BOT, SLATE, None), ("btnfocus", FACE_TOP, FACE_BOT, SLATE, WHITE),
             ("btndis", DIS_TOP, DIS_BOT, BORDER_LT, None)]
    for name, top, bot, edge, hi in looks:
        x, y = place(name, 64, 25)
        box(img, x, y, x + 64, y + 25, 3.5, edge, top, bot, hi)
        if name == "btnfocus":
            img.shape((x, y, x + 64, y + 25), minus(rrect(x + 1, y + 1, x + 63, y + 24, 2.5),
                                                    rrect(x + 2, y + 2, x + 62, y + 23, 2)), (176, 200, 236))

    # Flat tool buttons (40 x 24): rest on the tool bar colour.
    for name, kind in (("tool", "flat"), ("toolhot", "hot"), ("tooldown", "down"),
                       ("toolfocus", "hot"), ("tooldis", "flat")):
        x, y = place(name, 40, 24)
        img.fill(x, y, x + 40, y + 24, TOOLBG)
        if kind == "hot":
            box(img, x, y, x + 40, y + 24, 3, SEL_EDGE, HOT_TOP, HOT_BOT, WHITE)
        elif kind == "down":
            box(img, x, y, x + 40, y + 24, 3, SLATE_LT, DOWN_TOP, DOWN_BOT)
    # Split part of tool menu buttons (13 x 24) and drop markers (7 x 4).
    for name, kind in (("track", "hot"), ("trackdown", "down")):
        x, y = place(name, 13, 24)
        img.fill(x, y, x + 13, y + 24, TOOLBG)
        if kind == "hot":
            box(img, x, y, x + 13, y + 24, 3, SEL_EDGE, HOT_TOP, HOT_BOT, WHITE)
        else:
            box(img, x, y, x + 13, y + 24, 3, SLATE_LT, DOWN_TOP, DOWN_BOT)
        img.shape((x, y, x + 13, y + 24), arrow("d", x + 6.5, y + 12, 2.6), GLYPH)
    for name, fg in (("marker", GLYPH), ("markerflat", TEXT_DIS), ("markerhot", SLATE_DK), ("markerdown", SLATE_DK)):
        x, y = place(name, 7, 4)
        img.fill(x, y, x + 7, y + 4, KEY)
        for k in range(4):
            img.fill(x + k, y + k, x + 7 - k, y + k + 1, fg)

    # Tool panel / status bar / menu bar strips.
    x, y = place("toolpanel", 40, 30)
    img.fill(x, y, x + 40, y + 30, TOOLBG)
    img.fill(x, y, x + 40, y + 1, WHITE)
    img.fill(x, y + 29, x + 40, y + 30, BORDER_LT)
    x, y = place("statusbar", 40, 22)
    img.fill(x, y, x + 40, y + 22, TOOLBG)
    img.fill(x, y, x + 40, y + 1, BORDER_LT)
    img.fill(x, y + 1, x + 40, y + 2, WHITE)
    x, y = place("grip", 12, 12)
    img.fill(x, y, x + 12, y + 12, TOOLBG)
    for gy in range(3):
        for gx in range(3):
            if gx + gy >= 2:
                px, py = x + 2 + 3 * gx, y + 2 + 3 * gy
                img.fill(px + 1, py + 1, px + 3, py + 3, WHITE)
                img.fill(px, py, px + 2, py + 2, (150, 168, 196))
    x, y = place("menubar", 40, 20)
    img.fill(x, y, x + 40, y + 20, TOOLBG)

    # Group box: caption strip over a framed body (80 x 50).
    x, y = place("groupbox", 80, 50)
    box(img, x, y, x + 80, y + 50, 3, BORDER_LT, WHITE, WHITE, fill=lambda px, py: BODY)
    img.shape((x, y, x + 80, y + 21), rrect(x + 1, y + 1, x + 79, y + 25, 2),
              vfill(y + 1, y + 20, (250, 252, 255), (228, 236, 247)))
    img.fill(x + 1, y + 20, x + 79, y + 21, BORDER_LT)

    # Expanding panel: frame, rolled looks, caption buttons (13 x 13).
    x, y = place("expanel", 80, 60)
    box(img, x, y, x + 80, y + 60, 3, BORDER, WHITE, WHITE, fill=lambda px, py: BODY)
    img.shape((x, y, x + 80, y + 21), rrect(x + 1, y + 1, x + 79, y + 25, 2), (226, 234, 246))
    img.fill(x + 1, y + 20, x + 79, y + 21, BORDER_LT)
    x, y = place("rollh", 80, 21)
    box(img, x, y, x + 80, y + 21, 3, BORDER, (226, 234, 246), (226, 234, 246))
    x, y = place("rollv", 21, 80)
    box(img, x, y, x + 21, y + 80, 3, BORDER, (226, 234, 246), (226, 234, 246))
    exg = {"close": union(capsule([(4, 4), (9, 9)], 1.5), capsule([(9, 4), (4, 9)], 1.5)),
           "hroll": capsule([(3.5, 8), (6.5, 5), (9.5, 8)], 1.6),
           "hrestore": capsule([(3.5, 5), (6.5, 8), (9.5, 5)], 1.6),
           "vroll": capsule([(8, 3.5), (5, 6.5), (8, 9.5)], 1.6),
           "vrestore": capsule([(5, 3.5), (8, 6.5), (5, 9.5)], 1.6)}
    for kind, pred in exg.items():
        for look in ("", "active", "down"):
            x, y = place("ex" + kind + look, 13, 13)
            img.fill(x, y, x + 13, y + 13, (226, 234, 246))
            fg = GLYPH
            if look == "active":
                box(img, x, y, x + 13, y + 13, 2.5, SEL_EDGE, HOT_TOP, HOT_BOT)
                fg = SLATE_DK
            elif look == "down":
                box(img, x, y, x + 13, y + 13, 2.5, SLATE_LT, DOWN_TOP, DOWN_BOT)
                fg = SLATE_DK
            glyph(img, x, y, pred, fg, (13, 13))

    # Check boxes and radio buttons: control strip and 13 x 13 marks.
    for name in ("checkstrip", "radiostrip"):
        x, y = place(name, 100, 17)
        img.fill(x, y, x + 100, y + 17, BODY)

    def mark(name, radio, state, look):
        x, y = place(name, 13, 13)
        img.fill(x, y, x + 13, y + 13, BODY)
        edge = {"normal": BORDER, "hot": SLATE, "dis": BORDER_LT}[look]
        on = state == "on" and look != "dis"
        shape = circle(x + 6.5, y + 6.5, 6.5) if radio else rrect(x, y, x + 13, y + 13, 2.5)
        inner = circle(x + 6.5, y + 6.5, 5.5) if radio else rrect(x + 1, y + 1, x + 12, y + 12, 1.8)
        if on and not radio:
            img.shape((x, y, x + 13, y + 13), shape, SLATE_DK if look == "hot" else SLATE)
            img.shape((x, y, x + 13, y + 13), inner,
                      vfill(y + 1, y + 12, (112, 150, 206), SLATE) if look == "normal"
                      else vfill(y + 1, y + 12, (130, 166, 220), (82, 124, 190)))
            img.shape((x, y, x + 13, y + 13), check_mark(x, y), WHITE)
            return
        img.shape((x, y, x + 13, y + 13), shape, edge)
        face = (DIS_TOP, DIS_BOT) if look == "dis" else ((WHITE, (232, 238, 247)) if look == "normal"
                                                         else ((240, 246, 255), (214, 228, 248)))
        img.shape((x, y, x + 13, y + 13), inner, vfill(y + 1, y + 12, *face))
        fg = TEXT_DIS if look == "dis" else SLATE
        if state == "on" and radio:
            img.shape((x, y, x + 13, y + 13), circle(x + 6.5, y + 6.5, 3.2), fg)
        elif state == "on":
            img.shape((x, y, x + 13, y + 13), check_mark(x, y), fg)
        elif state == "grayed":
            img.shape((x, y, x + 13, y + 13), rrect(x + 3.5, y + 3.5, x + 9.5, y + 9.5, 1), SLATE_LT)

    for radio, pre in ((False, "cb"), (True, "rb")):
        for name, state, look in (("check", "on", "normal"), ("uncheck", "off", "normal"),
                                  ("activecheck", "on", "hot"), ("activeuncheck", "off", "hot"),
                                  ("discheck", "on", "dis"), ("disuncheck", "off", "dis"),
                                  ("grayed", "grayed", "normal"), ("activegrayed", "grayed", "hot")):
            mark(pre + name, radio, state, look)

    # Edits (80 x 21), memo-style frames (80 x 60), the edit button (17 x 17).
    for name, edge in (("edit", BORDER), ("editactive", SLATE_LT)):
        x, y = place(name, 80, 21)
        box(img, x, y, x + 80, y + 21, 2.5, edge, WHITE, WHITE)
        img.fill(x + 2, y + 1, x + 78, y + 2, (236, 240, 246))
    for name, edge, fill in (("frame", BORDER, WHITE), ("frameactive", SLATE_LT, WHITE),
                             ("boxframe", BORDER_LT, BODY)):
        x, y = place(name, 80, 60)
        box(img, x, y, x + 80, y + 60, 2.5, edge, fill, fill)
    for name, look in (("ebtn", "normal"), ("ebtnhot", "hot"), ("ebtndown", "down"), ("ebtndis", "dis")):
        x, y = place(name, 17, 17)
        img.fill(x, y, x + 17, y + 17, WHITE)
        top, bot, edge = {"normal": (FACE_TOP, FACE_BOT, BORDER_LT), "hot": (HOT_TOP, HOT_BOT, SEL_EDGE),
                          "down": (DOWN_TOP, DOWN_BOT, SLATE_LT), "dis": (DIS_TOP, DIS_BOT, BORDER_LT)}[look]
        box(img, x, y, x + 17, y + 17, 2.5, edge, top, bot)
        fg = TEXT_DIS if look == "dis" else GLYPH
        for k in range(3):
            img.shape((x, y, x + 17, y + 17), circle(x + 4.5 + 4 * k, y + 9.5, 1.1), fg)
    # Combo box drop buttons (17 x 17).
    for name, look in (("cbtn", "normal"), ("cbtnhot", "hot"), ("cbtndown", "down"), ("cbtndis", "dis")):
        x, y = place(name, 17, 17)
        img.fill(x, y, x + 17, y + 17, WHITE)
        top, bot, edge = {"normal": (FACE_TOP, FACE_BOT, BORDER_LT), "hot": (HOT_TOP, HOT_BOT, SEL_EDGE),
                          "down": (DOWN_TOP, DOWN_BOT, SLATE_LT), "dis": (DIS_TOP, DIS_BOT, BORDER_LT)}[look]
        box(img, x, y, x + 17, y + 17, 2.5, edge, top, bot)
        img.shape((x, y, x + 17, y + 17), arrow("d", x + 8.5, y + 8.5, 3.2),
                  TEXT_DIS if look == "dis" else GLYPH)
    # Spin / up-down buttons: vertical pair halves (15 x 9), horizontal (9 x 15).
    for d, w, h in (("u", 15, 9), ("d", 15, 9), ("l", 9, 15), ("r", 9, 15)):
        for look in ("", "hot", "down"):
            x, y = place("spin" + d + look, w, h)
            img.fill(x, y, x + w, y + h, WHITE)
            top, bot, edge = {"": (FACE_TOP, FACE_BOT, BORDER_LT), "hot": (HOT_TOP, HOT_BOT, SEL_EDGE),
                              "down": (DOWN_TOP, DOWN_BOT, SLATE_LT)}[look]
            box(img, x, y, x + w, y + h, 2, edge, top, bot)
            img.shape((x, y, x + w, y + h), arrow(d, x + w / 2, y + h / 2, 2.4), GLYPH)

    # List items (70 x 16): plain, selected, selected with focus.
    x, y = place("item", 70, 16)
    img.fill(x, y, x + 70, y + 16, WHITE)
    x, y = place("itemactive", 70, 16)
    img.fill(x, y, x + 70, y + 16, WHITE)
    box(img, x, y, x + 70, y + 16, 2, SEL_EDGE, (228, 237, 250), SEL_FILL)
    x, y = place("itemfocus", 70, 16)
    img.fill(x, y, x + 70, y + 16, WHITE)
    box(img, x, y, x + 70, y + 16, 2, SLATE_DK, (92, 132, 192), SLATE)
    # Captioned list frame (80 x 80) and its caption buttons (14 x 14).
    x, y = place("capframe", 80, 80)
    box(img, x, y, x + 80, y + 80, 2.5, BORDER, WHITE, WHITE)
    img.shape((x, y, x + 80, y + 20), rrect(x + 1, y + 1, x + 79, y + 24, 1.5),
              vfill(y + 1, y + 19, (250, 252, 255), (226, 234, 246)))
    img.fill(x + 1, y + 19, x + 79, y + 20, BORDER_LT)
    for kind, pred in (("up", arrow("u", 7, 7, 2.6)), ("down", arrow("d", 7, 7, 2.6)),
                       ("chk", check_mark(0.5, 0.5, 1.0, 1.6))):
        for look in ("", "active", "dn"):
            x, y = place("lb" + kind + look, 14, 14)
            img.fill(x, y, x + 14, y + 14, lerp((250, 252, 255), (226, 234, 246), 0.4))
            if look == "active":
                box(img, x, y, x + 14, y + 14, 2.5, SEL_EDGE, HOT_TOP, HOT_BOT)
            elif look == "dn":
                box(img, x, y, x + 14, y + 14, 2.5, SLATE_LT, DOWN_TOP, DOWN_BOT)
            glyph(img, x, y, pred, GLYPH, (14, 14))

    # Combo box face (90 x 21), normal and hot.
    for name, edge in (("combo", BORDER), ("comboactive", SLATE_LT)):
        x, y = place(name, 90, 21)
        box(img, x, y, x + 90, y + 21, 2.5, edge, WHITE, WHITE)
        img.fill(x + 2, y + 1, x + 88, y + 2, (236, 240, 246))

    # Progress: tracks (100 x 16, 16 x 100) and fills (40 x 12, 12 x 40).
    x, y = place("gauge", 100, 16)
    box(img, x, y, x + 100, y + 16, 3, BORDER, (226, 232, 242), (244, 247, 251))
    x, y = place("vgauge", 16, 100)
    box(img, x, y, x + 16, y + 100, 3, BORDER, (226, 232, 242), (244, 247, 251),
        fill=hfill(x + 1, x + 15, (226, 232, 242), (244, 247, 251)))
    x, y = place("progress", 40, 12)
    img.fill(x, y, x + 40, y + 12, (232, 237, 245))
    box(img, x, y, x + 40, y + 12, 2, SLATE_DK, (136, 172, 222), (70, 114, 178), hi=(176, 204, 240))
    x, y = place("vprogress", 12, 40)
    img.fill(x, y, x + 12, y + 40, (232, 237, 245))
    box(img, x, y, x + 12, y + 40, 2, SLATE_DK, None, None,
        fill=hfill(x + 1, x + 11, (136, 172, 222), (70, 114, 178)))

    # Labels: header strip (80 x 18) and status pane (60 x 18).
    x, y = place("label", 80, 18)
    img.vgrad(x, y, x + 80, y + 17, (246, 249, 253), (224, 232, 244))
    img.fill(x, y + 17, x + 80, y + 18, BORDER_LT)
    x, y = place("statuspanel", 60, 18)
    img.fill(x, y, x + 60, y + 18, TOOLBG)
    box(img, x, y + 1, x + 60, y + 17, 2, BORDER_LT, (238, 242, 248), (244, 247, 251))

    # Track bars: grooves and thumbs, both directions.
    x, y = place("htrack", 120, 24)
    img.fill(x, y, x + 120, y + 24, BODY)
    box(img, x + 4, y + 10, x + 116, y + 14, 2, BORDER, (214, 222, 234), (236, 240, 246))
    x, y = place("vtrack", 24, 120)
    img.fill(x, y, x + 24, y + 120, BODY)
    box(img, x + 10, y + 4, x + 14, y + 116, 2, BORDER, None, None, fill=lambda px, py: (224, 230, 240))
    for o, w, h in (("h", 11, 20), ("v", 20, 11)):
        for look, top, bot, edge in (("", (132, 166, 214), (82, 122, 184), SLATE_DK),
                                     ("hot", (160, 190, 232), (104, 144, 204), SLATE),
                                     ("down", (72, 110, 168), (52, 88, 146), (34, 58, 100))):
            x, y = place(o + "thumb" + look, w, h)
            img.fill(x, y, x + w, y + h, BODY)
            fill = vfill(y + 1, y + h - 1, top, bot) if o == "h" else hfill(x + 1, x + w - 1, top, bot)
            box(img, x, y, x + w, y + h, 2.5, edge, top, bot, fill=fill)
    # Slider rulers.
    x, y = place("hruler", 100, 8)
    img.fill(x, y, x + 100, y + 8, BODY)
    box(img, x, y + 2, x + 100, y + 6, 2, BORDER, (214, 222, 234), (236, 240, 246))
    x, y = place("vruler", 8, 100)
    img.fill(x, y, x + 8, y + 100, BODY)
    box(img, x + 2, y, x + 6, y + 100, 2, BORDER, None, None, fill=lambda px, py: (224, 230, 240))

    # Scroll bars: tracks, arrow buttons (17 x 17), thumbs, thumb grips.
    x, y = place("hscroll", 100, 17)
    img.vgrad(x, y, x + 100, y + 17, (232, 237, 244), (242, 245, 250))
    x, y = place("vscroll", 17, 100)
    img.hgrad(x, y, x + 17, y + 100, (232, 237, 244), (242, 245, 250))
    for d in "udlr":
        for look in ("", "hot", "down"):
            x, y = place("sb" + d + look, 17, 17)
            img.fill(x, y, x + 17, y + 17, (237, 241, 247))
            fg = (110, 128, 156)
            if look == "hot":
                box(img, x + 1, y + 1, x + 16, y + 16, 2.5, SEL_EDGE, HOT_TOP, HOT_BOT)
                fg = SLATE_DK
            elif look == "down":
                box(img, x + 1, y + 1, x + 16, y + 16, 2.5, SLATE_DK, SLATE_LT, SLATE)
                fg = WHITE
            img.shape((x, y, x + 17, y + 17), arrow(d, x + 8.5, y + 8.5, 3.0), fg)
    for o, w, h in (("h", 40, 17), ("v", 17, 40)):
        for look, c in (("", (170, 188, 214)), ("hot", (128, 154, 196)), ("down", (86, 120, 176))):
            x, y = place(o + "sthumb" + look, w, h)
            img.fill(x, y, x + w, y + h, (237, 241, 247))
            if o == "h":
                img.shape((x, y, x + w, y + h), rrect(x + 1, y + 4, x + w - 1, y + h - 4, 4.5), c)
            else:
                img.shape((x, y, x + w, y + h), rrect(x + 4, y + 1, x + w - 4, y + h - 1, 4.5), c)
        for look, c in (("", (236, 241, 248)), ("hot", (244, 247, 252)), ("down", WHITE)):
            gw, gh = (7, 5) if o == "h" else (5, 7)
            x, y = place(o + "sgrip" + look, gw, gh)
            img.fill(x, y, x + gw, y + gh, KEY)
            for k in range(3):
                if o == "h":
                    img.fill(x + 1 + 2 * k, y + 1, x + 2 + 2 * k, y + 4, c)
                else:
                    img.fill(x + 1, y + 1 + 2 * k, x + 4, y + 2 + 2 * k, c)

    # Tabs (60 x 22): idle, selected, hot; the page frame and tab strip ground.
    for name, kind in (("tab", "idle"), ("tabactive", "sel"), ("tabhot", "hot"), ("tabfocus", "sel")):
        x, y = place(name, 60, 22)
        img.fill(x, y, x + 60, y + 22, BODY)
        if kind == "sel":
            img.shape((x, y, x + 60, y + 22), rrect(x, y, x + 60, y + 26, 3), BORDER)
            img.shape((x, y, x + 60, y + 22), rrect(x + 1, y + 1, x + 59, y + 26, 2), (250, 251, 253))
            img.shape((x, y, x + 60, y + 22), rrect(x + 1, y + 1, x + 59, y + 3, 2), SLATE)
            if name == "tabfocus":
                img.shape((x, y, x + 60, y + 22), rrect(x + 1, y + 1, x + 59, y + 4, 2), SLATE_DK)
        else:
            top, bot = ((240, 245, 252), (220, 230, 245)) if kind == "hot" else ((236, 241, 248), (222, 229, 240))
            img.shape((x, y, x + 60, y + 21), rrect(x, y + 2, x + 60, y + 26, 3), BORDER_LT)
            img.shape((x, y, x + 60, y + 21), rrect(x + 1, y + 3, x + 59, y + 26, 2), vfill(y + 3, y + 21, top, bot))
            img.fill(x, y + 21, x + 60, y + 22, BORDER)
    x, y = place("tabsheet", 80, 60)
    box(img, x, y, x + 80, y + 60, 2.5, BORDER, None, None, fill=lambda px, py: (250, 251, 253))
    x, y = place("tabsbg", 40, 22)
    img.fill(x, y, x + 40, y + 22, BODY)
    img.fill(x, y + 21, x + 40, y + 22, BORDER)
    for look in ("", "active", "down"):
        x, y = place("tabclose" + look, 11, 11)
        img.fill(x, y, x + 11, y + 11, KEY)
        if look:
            img.shape((x, y, x + 11, y + 11), circle(x + 5.5, y + 5.5, 5.5),
                      (214, 76, 64) if look == "active" else (160, 40, 34))
        img.shape((x, y, x + 11, y + 11), union(capsule([(3.5, 3.5), (7.5, 7.5)], 1.4),
                                                capsule([(7.5, 3.5), (3.5, 7.5)], 1.4)) if False else
                  (lambda px, py, x=x, y=y: capsule([(x + 3.5, y + 3.5), (x + 7.5, y + 7.5)], 1.4)(px, py) or
                   capsule([(x + 7.5, y + 3.5), (x + 3.5, y + 7.5)], 1.4)(px, py)),
                  WHITE if look else GLYPH)

    # Grid cells (60 x 18): header, selected, focused.
    x, y = place("gridfixed", 60, 18)
    img.vgrad(x, y, x + 60, y + 18, (248, 250, 253), (226, 233, 244))
    img.fill(x + 59, y, x + 60, y + 18, BORDER_LT)
    img.fill(x, y + 17, x + 60, y + 18, BORDER)
    x, y = place("gridselect", 60, 18)
    img.fill(x, y, x + 60, y + 18, SEL_FILL)
    x, y = place("gridfocus", 60, 18)
    img.fill(x, y, x + 60, y + 18, SEL_FILL)
    img.shape((x, y, x + 60, y + 18), minus(R(x, y, x + 60, y + 18), R(x + 1, y + 1, x + 59, y + 17)), SLATE)

    # Control bar band (60 x 26) and its grips.
    x, y = place("band", 60, 26)
    img.fill(x, y, x + 60, y + 26, TOOLBG)
    box(img, x, y, x + 60, y + 26, 3, BORDER_LT, (248, 250, 253), (230, 236, 245), hi=WHITE)
    for name, w, h in (("hgrip", 5, 20), ("vgrip", 20, 5)):
        x, y = place(name, w, h)
        img.fill(x, y, x + w, y + h, TOOLBG)
        for k in range(1, (h if w == 5 else w) // 3):
            px, py = (x + 1, y + 3 * k - 2) if w == 5 else (x + 3 * k - 2, y + 1)
            img.fill(px + 1, py + 1, px + 3, py + 3, WHITE)
            img.fill(px, py, px + 2, py + 2, (150, 168, 196))

    # Splitters: bars with a dotted grip.
    x, y = place("vsplit", 6, 40)
    img.fill(x, y, x + 6, y + 40, BODY)
    x, y = place("hsplit", 40, 6)
    img.fill(x, y, x + 40, y + 6, BODY)
    for name, w, h in (("vsplitgrip", 6, 20), ("hsplitgrip", 20, 6)):
        x, y = place(name, w, h)
        img.fill(x, y, x + w, y + h, BODY)
        for k in range(5):
            cx, cy = (x + 3, y + 2 + 4 * k) if w == 6 else (x + 2 + 4 * k, y + 3)
            img.shape((x, y, x + w, y + h), circle(cx, cy, 1.1), (140, 160, 192))


# ---------------------------------------------------------------------------
# skin.ini

class Ini:
    def __init__(self):
        self.sections = []

    def section(self, name, items):
        self.sections.append((name, items))

    def text(self):
        out = []
        for name, items in self.sections:
            out.append("[%s]" % name)
            for k, v in items:
                out.append("%s=%s" % (k, fmt(v)))
            out.append("")
        return "\r\n".join(out) + "\r\n"


def points(lt, rt, lb, rb):
    return [("lefttoppoint", lt), ("righttoppoint", rt), ("leftbottompoint", lb), ("rightbottompoint", rb)]


def rel(r, origin):
    """A rectangle relative to a skin rectangle's top-left corner."""
    return (r[0] - origin[0], r[1] - origin[1], r[2] - origin[0], r[3] - origin[1])


def font(h=14, color=TEXT, style=""):
    return [("fontname", "Arial"), ("fontheight", h), ("fontstyle", style), ("fontcolor", col(color))]


def stretch(l=0, t=0, r=0, b=0, effect=0, kind="stfull"):
    return [("leftstretch", l), ("topstretch", t), ("rightstretch", r), ("bottomstretch", b),
            ("stretcheffect", effect), ("stretchtype", kind)]


def frame_keys(rect, border):
    """Corner points and client rectangle of a box whose ring is border px."""
    w, h = rect[2] - rect[0], rect[3] - rect[1]
    b = border
    return points((b, b), (w - b, b), (b, h - b), (w - b, h - b)) + [("clientrect", (b, b, w - b, h - b))]


def hframe_keys(rect, fixed):
    """Points of a look that stretches sideways only (height fixed)."""
    w, h = rect[2] - rect[0], rect[3] - rect[1]
    return points((fixed, 2), (w - fixed, 2), (0, 0), (0, 0)) + [("clientrect", (fixed, 2, w - fixed, h - 2))]


def vframe_keys(rect, fixed):
    """Points of a look that stretches downward only (width fixed)."""
    w, h = rect[2] - rect[0], rect[3] - rect[1]
    return points((2, fixed), (0, 0), (2, h - fixed), (0, 0)) + [("clientrect", (2, fixed, w - 2, h - fixed))]


def build_ini(active, menu, ctl, hint_size, pw_size):
    ini = Ini()
    ini.section("VERSION", [("ver", 1), ("skinname", "Quillet Slate"), ("skinauthor", "Quillet"),
                            ("authoremail", ""), ("authorurl", ""),
                            ("skincomments", "Slate blue accents on a light body; generated by generate.py")])
    names = ["active.bmp", "hintwindow.bmp", "pw.bmp", "menuitems.bmp", "controls.bmp", "mdibg.bmp",
             "pwmask.bmp", "hintwindowmask.bmp"]
    ini.section("PICTURES", [("picture", "main.bmp"), ("inactivepicture", ""), ("mask", "mask.bmp"),
                             ("activepicturescount", len(names))] + [(str(i), n) for i, n in enumerate(names)])
    ini.section("FORMINFO", points((12, 30), (273, 30), (12, 200), (273, 200)) + [
        ("clientrect", CLIENT), ("bgpictureindex", -1), ("mdibgpictureindex", 5),
        ("leftstretch", 0), ("rightstretch", 0), ("topstretch", 0), ("bottomstretch", 0),
        ("stretcheffect", 0), ("stretchtype", "stfull"),
        ("mdibgstretcheffect", 1), ("mdibgstretchtype", "stfull"),
        ("maskrectarea", CLIENT),
        ("hittestlefttoppoint", (0, 0)), ("hittestrighttoppoint", (0, 0)),
        ("hittestleftbottompoint", (0, 0)), ("hittestrightbottompoint", (0, 0)),
        ("buttonsrect", (0, 0, 0, 0)), ("captionrect", (3, 5, 282, 24)), ("buttonsoffset", 2),
        ("buttonsinleft", 0), ("mainmenupopupup", 0), ("borderwidth", 4), ("formminwidth", 200),
        ("mditabstransparent", 0), ("mainmenubartransparent", 0),
        ("autorenderinginactiveimage", 0), ("inactiveeffect", "iebrightness")])
    pw_w, pw_h = pw_size
    ini.section("POPUPWINDOW", [("windowpictureindex", 2), ("maskpictureindex", 6)] +
                points((26, 4), (pw_w - 4, 4), (26, pw_h - 4), (pw_w - 4, pw_h - 4)) +
                [("itemsrect", (3, 3, pw_w - 3, pw_h - 3)),
                 ("scrollmarkercolor", col(SLATE_LT)), ("scrollmarkeractivecolor", col(SLATE_DK))] +
                stretch())
    hw, hh = hint_size
    ini.section("HINTWINDOW", [("windowpictureindex", 1), ("maskpictureindex", 7)] +
                points((6, 6), (hw - 6, 6), (6, hh - 6), (hw - 6, hh - 6)) +
                [("clientrect", (5, 4, hw - 5, hh - 4))] + font(14, (32, 44, 66)) + stretch())
    ini.section("SKINCOLORS", [("cbtnface", col(TOOLBG)), ("cbtntext", col(TEXT)), ("cwindow", col(WHITE)),
                               ("cwindowtext", col(TEXT)), ("chighlight", col(SLATE)),
                               ("chighlighttext", col(WHITE)), ("cbtnhighlight", col(WHITE)),
                               ("cbtnshadow", col((160, 176, 200)))])

    objects = [("closebutton", "stdbutton"), ("maxbutton", "stdbutton"), ("minbutton", "stdbutton"),
               ("rollupbutton", "stdbutton"), ("sysmenubutton", "stdbutton"), ("traybutton", "stdbutton"),
               ("caption", "caption"), ("menuitem", "menuitem"), ("mainmenubaritem", "mainmenubaritem"),
               ("menubarsysmenubutton", "mainmenubarbutton"), ("menubarclosebutton", "mainmenubarbutton"),
               ("menubarmaxbutton", "mainmenubarbutton"), ("menubarminbutton", "mainmenubarbutton")]
    ini.section("SKINOBJECTS", [("count", len(objects))] +
                [(str(i), "%s:%s" % o) for i, o in enumerate(objects)])

    def obj(hint, pic, skin, act, inact, inpic=1, morph=0):
        return [("hint", hint), ("activepictureindex", pic), ("activemaskpictureindex", -1),
                ("skinrectinapicture", inpic), ("skinrect", skin), ("activeskinrect", act),
                ("inactiveskinrect", inact), ("morphing", morph), ("morphkind", "mkdefault"),
                ("glowlayerpictureindex", -1), ("glowlayermaskpictureindex", -1),
                ("glowlayeroffsetx", 0), ("glowlayeroffsety", 0), ("glowlayeralphablendvalue", 255)]

    nul = (0, 0, 0, 0)

    def stdbutton(name, hint, kind, command, restore=None, pic=0, table=active):
        rows = obj(hint, pic, table[(kind, "normal")], table[(kind, "hot" if pic == 0 else "active")],
                   table.get((kind, "inactive"), nul), morph=1 if pic == 0 else 0)
        rows += [("downrect", table[(kind, "down")]), ("disableskinrsect", nul), ("command", command)]
        if restore:
            rows += [("restorerect", active[(restore, "normal")]), ("restoreactiverect", active[(restore, "hot")]),
                     ("restoredownrect", active[(restore, "down")]),
                     ("restoreinactiverect", active[(restore, "inactive")])]
        else:
            rows += [("restorerect", nul), ("restoreactiverect", nul), ("restoredownrect", nul),
                     ("restoreinactiverect", nul)]
        ini.section(name, rows + [("restorehint", "Restore" if restore else "")])

    stdbutton("closebutton", "Close", "close", "cmclose")
    stdbutton("maxbutton", "Maximize", "max", "cmmaximize", "restore")
    stdbutton("minbutton", "Minimize", "min", "cmminimize", "restore")
    stdbutton("rollupbutton", "Roll Up", "rollup", "cmrollup", "rolldown")
    stdbutton("sysmenubutton", "System menu", "sysmenu", "cmsysmenu")
    stdbutton("traybutton", "Minimize to Tray", "tray", "cmminimizetotray")

    ini.section("caption", obj("", -1, (3, 5, 282, 24), nul, nul, inpic=0) + [
        ("textrect", (4, 0, 275, 19)), ("fontname", "Arial"), ("fontheight", 16), ("fontstyle", "fsbold"),
        ("fontcolor", "16111036"), ("activefontcolor", "11168318"), ("alignment", "taleftjustify"),
        ("light", 0), ("lightcolor", 0), ("activelightcolor", 0),
        ("shadow", 1), ("shadowcolor", "16777215"), ("activeshadowcolor", "16777215"),
        ("framerect", nul), ("activeframerect", nul), ("frametextrect", nul),
        ("frameleftoffset", 0), ("framerightoffset", 0), ("stretcheffect", 0),
        ("animateskinrect", nul), ("framecount", 0), ("animateinterval", 25), ("inactiveanimation", 0),
        ("fullframe", 0), ("vistagloweffect", 0), ("vistaglowinactiveeffect", 0),
        ("gloweffect", 0), ("glowinactiveeffect", 0), ("glowsize", 3), ("glowcolor", 0),
        ("glowactivecolor", 0), ("glowoffset", 0), ("reflectioneffect", 0),
        ("reflactioncolor", 0), ("reflactionactivecolor", 0), ("reflectionoffset", 0)])

    item = menu["item"]
    ini.section("menuitem", obj("", 3, item, menu["activeitem"], nul) + [
        ("itemleftoffset", 24), ("itemrightoffset", 4), ("dividerrect", menu["divider"]),
        ("dividerleftoffset", 26), ("dividerrightoffset", 4),
        ("textrect", (26, 0, 85, 22)), ("imagerect", (2, 0, 22, 22))] + font(14, MENU_TEXT) + [
        ("activefontcolor", col((16, 34, 70))), ("unenabledfontcolor", col(TEXT_DIS)),
        ("stretcheffect", 0), ("inactivestretcheffect", 0), ("dividerstretcheffect", 0),
        ("animateskinrect", nul), ("framecount", 0), ("animateinterval", 25), ("inactiveanimation", 0),
        ("useimagecolor", 1), ("imagecolor", col(SLATE)), ("activeimagecolor", col(SLATE_DK)),
        ("inactivetransparent", 0),
        ("checkimagerect", menu["check"]), ("activecheckimagerect", menu["activecheck"]),
        ("radioimagerect", menu["radio"]), ("activeradioimagerect", menu["activeradio"]),
        ("arrowimagerect", menu["arrow"]), ("activearrowimagerect", menu["activearrow"])])

    ini.section("mainmenubaritem", obj("", 3, menu["bar"], menu["baractive"], nul) + [
        ("itemleftoffset", 4), ("itemrightoffset", 4), ("downrect", menu["bardown"]),
        ("textrect", (4, 0, 36, 20))] + font(14, MENU_TEXT) + [
        ("activefontcolor", col((16, 34, 70))), ("downfontcolor", col((16, 34, 70))),
        ("unenabledfontColor", col(TEXT_DIS)), ("stretcheffect", 0), ("animateskinrect", nul),
        ("framecount", 0), ("animateinterval", 25), ("inactiveanimation", 0)])
    for name, kind, cmd in (("menubarsysmenubutton", "barsysmenu", "cmsysmenu"),
                            ("menubarclosebutton", "barclose", "cmclose"),
                            ("menubarmaxbutton", "barmax", "cmmaximize"),
                            ("menubarminbutton", "barmin", "cmminimize")):
        stdbutton(name, "", kind, cmd, pic=3, table=menu)

    # -- controls -----------------------------------------------------------
    controls = [
        ("button", "button"), ("toolbutton", "button"), ("resizebutton", "button"),
        ("bigtoolbutton", "button"), ("resizetoolbutton", "button"), ("combobutton", "button"),
        ("vtracktoolbutton", "button"), ("htracktoolbutton", "button"),
        ("toolpanel", "panel"), ("panel", "panel"), ("groupbox", "panel"), ("statusbar", "panel"),
        ("bigtoolpanel", "panel"), ("resizetoolpanel", "panel"),
        ("checkbox", "checkradio"), ("radiobox", "checkradio"),
        ("gauge", "gauge"), ("vgauge", "gauge"), ("statusgauge", "gauge"),
        ("label", "label"), ("statuspanel", "label"),
        ("trackbar", "trackbar"), ("htrackbar", "trackbar"),
        ("grid", "grid"), ("tab", "tab"),
        ("edit", "edit"), ("buttonedit", "edit"), ("statusedit", "edit"), ("statusbuttonedit", "edit"),
        ("tooledit", "edit"), ("toolbuttonedit", "edit"),
        ("memo", "memo"),
        ("hscrollbar", "scrollbar"), ("vscrollbar", "scrollbar"), ("bothhscrollbar", "scrollbar"),
        ("listbox", "listbox"), ("captionlistbox", "listbox"),
        ("combobox", "combobox"), ("captioncombobox", "combobox"), ("statuscombobox", "combobox"),
        ("toolcombobox", "combobox"),
        ("checklistbox", "checklistbox"), ("captionchecklistbox", "checklistbox"),
        ("spinedit", "spinedit"), ("statusspinedit", "spinedit"), ("toolspinedit", "spinedit"),
        ("stdlabel", "stdlabel"), ("vupdown", "updown"), ("hupdown", "updown"),
        ("controlbar", "controlbar"), ("mainmenubar", "mainmenubar"),
        ("vsplitter", "splitter"), ("hsplitter", "splitter"),
        ("toolmenubutton", "menubutton"), ("toolmenutrackbutton", "menubutton"),
        ("bigtoolmenubutton", "menubutton"), ("bigtoolmenutrackbutton", "menubutton"),
        ("scrollbox", "scrollbox"), ("listview", "listview"), ("treeview", "treeview"),
        ("richedit", "richedit"), ("expanel", "expanel"), ("slider", "slider"), ("bevel", "bevel")]
    ini.section("SKINCONTROLS", [("count", len(controls))] +
                [(str(i), "%s:%s" % c) for i, c in enumerate(controls)])

    def base(skin, pic=4):
        return [("pictureindex", pic), ("maskpictureindex", -1), ("skinrect", skin)]

    def custom(skin, geom, st=None):
        return base(skin) + geom + (st if st is not None else stretch())

    HOTTEXT, DOWNTEXT = (16, 34, 70), (16, 34, 70)

    def button(name, n, a, d, f, dis, geom, st, extra=(), menu_keys=None):
        rows = custom(ctl[n], geom, st) + font(14) + [
            ("activefontcolor", col(HOTTEXT)), ("downfontcolor", col(DOWNTEXT)),
            ("disabledfontcolor", col(TEXT_DIS)),
            ("activeskinrect", ctl[a]), ("downskinrect", ctl[d]), ("focusedskinrect", ctl[f] if f else nul),
            ("disabledskinrect", ctl[dis] if dis else nul), ("morphing", 0), ("morphkind", "mkdefault"),
            ("animateskinrect", nul), ("framecount", 0), ("animateinterval", 25), ("showfocus", 0),
            ("menumarkerflatrect", ctl["markerflat"]), ("menumarkerrect", ctl["marker"]),
            ("menumarkeractiverect", ctl["markerhot"]), ("menumarkerdownrect", ctl["markerdown"]),
            ("menumarkertransparentcolor", col(KEY)),
            ("glowlayerpictureindex", -1), ("glowlayermaskpictureindex", -1),
            ("glowlayeroffsetleft", 0), ("glowlayeroffsettop", 0), ("glowlayeroffsetright", 0),
            ("glowlayeroffsetbottom", 0), ("glowlayershowoffsetx", 0), ("glowlayershowoffsety", 0),
            ("glowlayeralphablendvalue", 255)]
        ini.section(name, rows + list(extra))

    btn_geom = frame_keys(ctl["btn"], 4)
    btn_st = stretch(1, 0, 1, 0, 1, "sthorz")
    tool_geom = frame_keys(ctl["tool"], 4)
    button("button", "btn", "btnhot", "btndown", "btnfocus", "btndis", btn_geom, btn_st)
    button("toolbutton", "tool", "toolhot", "tooldown", "toolfocus", "tooldis", tool_geom, stretch())
    button("resizebutton", "btn", "btnhot", "btndown", "btnfocus", "btndis", btn_geom, btn_st)
    button("bigtoolbutton", "tool", "toolhot", "tooldown", "toolfocus", "tooldis", tool_geom, stretch())
    button("resizetoolbutton", "tool", "toolhot", "tooldown", "toolfocus", "tooldis", tool_geom, stretch())
    button("combobutton", "cbtn", "cbtnhot", "cbtndown", None, "cbtndis", points((0, 0), (0, 0), (0, 0), (0, 0)) +
           [("clientrect", nul)], stretch())
    button("vtracktoolbutton", "vthumb", "vthumbhot", "vthumbdown", None, None,
           points((0, 0), (0, 0), (0, 0), (0, 0)) + [("clientrect", nul)], stretch())
    button("htracktoolbutton", "hthumb", "hthumbhot", "hthumbdown", None, None,
           points((0, 0), (0, 0), (0, 0), (0, 0)) + [("clientrect", nul)], stretch())

    def panel(name, n, geom, caption=nul, st=None, grip=None):
        rows = custom(ctl[n] if n != "panel" else PANEL_RECT, geom, st) + [
            ("bgpictureindex", -1), ("captionrect", caption), ("alignment", "tacenter" if name == "panel"
                                                                   else "taleftjustify"),
            ("fontname", "Arial"), ("fontheight", 12 if name == "panel" else 14), ("fontstyle", ""),
            ("fontcolor", col(TEXT)), ("checkimagerect", ctl["cbcheck"] if caption != nul else nul),
            ("uncheckimagerect", ctl["cbuncheck"] if caption != nul else nul),
            ("markframerect", nul), ("framerect", nul), ("frametextrect", nul),
            ("frameleftoffset", 0), ("framerightoffset", 0),
            ("gripperrect", ctl[grip] if grip else nul), ("grippertransparent", 0),
            ("grippertransparentcolor", col(TOOLBG))]
        ini.section(name, rows)

    toolp = frame_keys(ctl["toolpanel"], 2)
    panel("toolpanel", "toolpanel", toolp)
    panel("panel", "panel", points((5, 4), (53, 6), (6, 45), (53, 46)) + [("clientrect", (2, 2, 57, 50))])
    gb = ctl["groupbox"]
    panel("groupbox", "groupbox", points((6, 24), (74, 24), (6, 44), (74, 44)) + [("clientrect", (3, 21, 77, 47))],
          caption=(6, 1, 74, 20))
    panel("statusbar", "statusbar", points((2, 3), (38, 3), (2, 19), (38, 19)) + [("clientrect", (2, 3, 38, 21))],
          grip="grip")
    panel("bigtoolpanel", "toolpanel", toolp)
    panel("resizetoolpanel", "toolpanel", toolp)
    del gb

    def checkradio(name, pre, strip):
        s = ctl[strip]
        ini.section(name, custom(s, points((18, 2), (96, 2), (0, 0), (0, 0)) + [("clientrect", (18, 0, 96, 17))]) +
                    font(14) + [
            ("activefontcolor", col(HOTTEXT)), ("unenabledfontcolor", col(TEXT_DIS)),
            ("framefontcolor", col(TEXT)), ("activeskinrect", s),
            ("checkimagearea", (1, 2, 14, 15)), ("textarea", (18, 0, 100, 17)),
            ("checkimagerect", ctl[pre + "check"]), ("uncheckimagerect", ctl[pre + "uncheck"]),
            ("activecheckimagerect", ctl[pre + "activecheck"]),
            ("activeuncheckimagerect", ctl[pre + "activeuncheck"]),
            ("unenabledcheckimagerect", ctl[pre + "discheck"]),
            ("unenableduncheckimagerect", ctl[pre + "disuncheck"]),
            ("grayedcheckimagerect", ctl[pre + "grayed"]),
            ("activegrayedcheckimagerect", ctl[pre + "activegrayed"]),
            ("morphing", 0), ("morphkind", "mkdefault")])

    checkradio("checkbox", "cb", "checkstrip")
    checkradio("radiobox", "rb", "radiostrip")

    def gauge(name, track, fill, vertical):
        t = ctl[track]
        geom = vframe_keys(t, 4) if vertical else hframe_keys(t, 4)
        w, h = t[2] - t[0], t[3] - t[1]
        ini.section(name, custom(t, geom) + [
            ("progressarea", (2, 2, w - 2, h - 2)), ("progressrect", ctl[fill]),
            ("beginoffset", 3), ("endoffset", 3), ("vertical", int(vertical))] + font(12, TEXT) + [
            ("progresstransparent", 0), ("progresstransparentcolor", 0), ("progressstretch", 0),
            ("animationskinrect", nul), ("animationcountframes", 0), ("animationtimerinterval", 0),
            ("progressanimationskinrect", nul), ("progressanimationcountframes", 0),
            ("progressanimationtimerinterval", 0), ("animationbeginoffset", 0), ("animationendoffset", 0)])

    gauge("gauge", "gauge", "progress", False)
    gauge("vgauge", "vgauge", "vprogress", True)
    gauge("statusgauge", "gauge", "progress", False)

    ini.section("label", custom(ctl["label"], points((4, 2), (76, 2), (0, 0), (0, 0)) +
                                [("clientrect", (4, 1, 76, 17))]) + font(14, (40, 56, 84), "fsbold"))
    ini.section("statuspanel", custom(ctl["statuspanel"], points((4, 2), (56, 2), (0, 0), (0, 0)) +
                                      [("clientrect", (4, 2, 56, 16))]) + font(14))

    def trackbar(name, groove, thumb, vertical):
        g = ctl[groove]
        w, h = g[2] - g[0], g[3] - g[1]
        geom = vframe_keys(g, 8) if vertical else hframe_keys(g, 8)
        area = (0, 8, w, h - 8) if vertical else (8, 0, w - 8, h)
        ini.section(name, custom(g, geom) + [
            ("activeskinrect", g), ("trackarea", area), ("buttonrect", ctl[thumb]),
            ("activebuttonrect", ctl[thumb + "hot"]), ("vertical", int(vertical)),
            ("buttontransparent", 0), ("buttontransparentcolor", col(BODY))])

    trackbar("trackbar", "vtrack", "vthumb", True)
    trackbar("htrackbar", "htrack", "hthumb", False)

    ini.section("grid", base(ctl["frame"]) + [
        ("fixedcellrect", ctl["gridfixed"]), ("selectcellrect", ctl["gridselect"]),
        ("focuscellrect", ctl["gridfocus"]), ("fixedcellleftoffset", 2), ("fixedcellrightoffset", 2),
        ("fixedcelltextrect", (3, 0, 57, 17)), ("cellleftoffset", 2), ("cellrightoffset", 2),
        ("celltextrect", (3, 0, 57, 18)), ("bgpictureindex", -1), ("linescolor", col((220, 227, 238))),
        ("bgcolor", col(WHITE))] + font(14) + [
        ("selectfontcolor", col((16, 34, 70))), ("focusfontcolor", col((16, 34, 70))),
        ("fixedfontname", "Arial"), ("fixedfontheight", 14), ("fixedfontstyle", ""),
        ("fixedfontcolor", col((40, 56, 84))), ("cellstretcheffect", 0), ("fixedcellstretcheffect", 0),
        ("showfocus", 1)])

    sheet_r = ctl["tabsheet"]
    ini.section("tab", base(sheet_r) + [
        ("tabrect", ctl["tab"]), ("activetabrect", ctl["tabactive"]), ("focustabrect", ctl["tabfocus"]),
        ("mouseintabrect", ctl["tabhot"]), ("clientrect", (2, 2, 78, 58)), ("bgpictureindex", -1)] +
        points((4, 4), (76, 4), (4, 56), (76, 56)) + [
        ("tableftoffset", 4), ("tabrightoffset", 4), ("tabsbgrect", ctl["tabsbg"]),
        ("tabstretcheffect", 0), ("leftstretch", 0), ("topstretch", 0), ("rightstretch", 0),
        ("bottomstretch", 0), ("stretcheffect", 0), ("stretchtype", "stfull")] + font(14) + [
        ("activefontcolor", col((16, 34, 70))), ("focusfontcolor", col((16, 34, 70))),
        ("mouseinfontcolor", col((16, 34, 70))), ("updown", "hupdown"), ("showfocus", 0),
        ("focusoffsetx", 0), ("focusoffsety", 0),
        ("closebuttonrect", ctl["tabclose"]), ("closebuttonactiverect", ctl["tabcloseactive"]),
        ("closebuttondownrect", ctl["tabclosedown"]), ("buttontransparent", 1),
        ("buttontransparentcolor", col(KEY))])

    def edit_keys(with_button):
        keys = [("buttonrect", ctl["ebtn"]), ("activebuttonrect", ctl["ebtnhot"]),
                ("downbuttonrect", ctl["ebtndown"]), ("unenabledbuttonrect", ctl["ebtndis"])]
        if not with_button:
            keys = [(k, nul) for k, _ in keys]
        return keys

    def edit(name, with_button, memo=False):
        r = ctl["frame"] if memo else ctl["edit"]
        geom = frame_keys(r, 3) if memo else hframe_keys(r, 3)
        rows = custom(r, geom) + [("activeskinrect", ctl["frameactive"] if memo else ctl["editactive"])] + \
            font(14) + [("disabledfontcolor", col(TEXT_DIS)), ("activefontcolor", col(TEXT))] + \
            edit_keys(with_button)
        if memo:
            rows += [("bgcolor", col(WHITE)), ("activebgcolor", col(WHITE))]
        ini.section(name, rows)

    edit("edit", False)
    edit("buttonedit", True)
    edit("statusedit", False)
    edit("statusbuttonedit", True)
    edit("tooledit", False)
    edit("toolbuttonedit", True)
    edit("memo", False, memo=True)

    def scrollbar(name, vertical):
        t = ctl["vscroll" if vertical else "hscroll"]
        w, h = t[2] - t[0], t[3] - t[1]
        o = "v" if vertical else "h"
        up, dn = ("u", "d") if vertical else ("l", "r")
        geom = vframe_keys(t, 17) if vertical else hframe_keys(t, 17)
        area = (0, 17, w, h - 17) if vertical else (17, 0, w - 17, h)
        ini.section(name, custom(t, geom) + [
            ("trackarea", area),
            ("upbuttonrect", ctl["sb" + up]), ("activeupbuttonrect", ctl["sb" + up + "hot"]),
            ("downupbuttonrect", ctl["sb" + up + "down"]),
            ("downbuttonrect", ctl["sb" + dn]), ("activedownbuttonrect", ctl["sb" + dn + "hot"]),
            ("downdownbuttonrect", ctl["sb" + dn + "down"]),
            ("thumbrect", ctl[o + "sthumb"]), ("activethumbrect", ctl[o + "sthumbhot"]),
            ("downthumbrect", ctl[o + "sthumbdown"]), ("thumboffset1", 6), ("thumboffset2", 6),
            ("thumbtransparent", 0), ("thumbtransparentcolor", 0), ("thumbstretcheffect", 0),
            ("thumbminsize", 16), ("thumbminpagesize", 0),
            ("glyphrect", ctl[o + "sgrip"]), ("activeglyphrect", ctl[o + "sgriphot"]),
            ("downglyphrect", ctl[o + "sgripdown"]), ("glyphtransparent", 1),
            ("glyphtransparentcolor", col(KEY))])

    scrollbar("hscrollbar", False)
    scrollbar("vscrollbar", True)
    scrollbar("bothhscrollbar", False)

    def listbox(name, caption, check):
        r = ctl["capframe"] if caption else ctl["frame"]
        w, h = r[2] - r[0], r[3] - r[1]
        geom = points((3, 22 if caption else 3), (w - 3, 22 if caption else 3), (3, h - 3), (w - 3, h - 3)) + \
            [("clientrect", (3, 21 if caption else 3, w - 3, h - 3))]
        rows = custom(r, geom) + [
            ("itemrect", ctl["item"]), ("activeitemrect", ctl["itemactive"]), ("focusitemrect", ctl["itemfocus"]),
            ("itemleftoffset", 3), ("itemrightoffset", 3), ("itemtextrect", (4, 0, 66, 16))] + font(14) + [
            ("activefontcolor", col((16, 34, 70))), ("focusfontcolor", col(WHITE)),
            ("captionrect", (3, 1, w - 3, 19) if caption else nul),
            ("captionfontname", "Arial"), ("captionfontheight", 14), ("captionfontstyle", "fsbold"),
            ("captionfontcolor", col((40, 56, 84)))]
        btn = [("upbuttonrect", "lbup"), ("activeupbuttonrect", "lbupactive"), ("downupbuttonrect", "lbupdn"),
               ("downbuttonrect", "lbdown"), ("activedownbuttonrect", "lbdownactive"),
               ("downdownbuttonrect", "lbdowndn"), ("checkbuttonrect", "lbchk"),
               ("activecheckbuttonrect", "lbchkactive"), ("downcheckbuttonrect", "lbchkdn")]
        rows += [(k, ctl[v] if caption else nul) for k, v in btn]
        rows += [("vscrollbarname", "vscrollbar"), ("hscrollbarname", "hscrollbar"),
                 ("bothhscrollbarname", "bothhscrollbar"), ("showfocus", 1),
                 ("disabledbuttonsrect", nul), ("buttonsarea", (w - 47, 3, w - 4, 17) if caption else nul)]
        if check:
            rows += [("itemcheckrect", (2, 1, 15, 14)), ("checkimagerect", ctl["cbcheck"]),
                     ("uncheckimagerect", ctl["cbuncheck"])]
        ini.section(name, rows)

    listbox("listbox", False, False)
    listbox("captionlistbox", True, False)

    def combobox(name):
        r = ctl["combo"]
        ini.section(name, custom(r, hframe_keys(r, 3)) + [
            ("activeskinrect", ctl["comboactive"]),
            ("itemrect", ctl["item"]), ("activeitemrect", ctl["itemactive"]), ("focusitemrect", ctl["itemfocus"]),
            ("itemleftoffset", 3), ("itemrightoffset", 3), ("itemtextrect", (4, 0, 66, 16))] + font(14) + [
            ("focusfontcolor", col(WHITE)), ("activefontcolor", col(TEXT)), ("listboxname", "listbox"),
            ("buttonrect", ctl["cbtn"]), ("activebuttonrect", ctl["cbtnhot"]),
            ("downbuttonrect", ctl["cbtndown"]), ("unenabledbuttonrect", ctl["cbtndis"]),
            ("itemstretcheffect", 0), ("focusitemstretcheffect", 0), ("showfocus", 1)])

    combobox("combobox")
    combobox("captioncombobox")
    combobox("statuscombobox")
    combobox("toolcombobox")
    listbox("checklistbox", False, True)
    listbox("captionchecklistbox", True, True)

    def spinedit(name):
        r = ctl["edit"]
        ini.section(name, custom(r, hframe_keys(r, 3)) + [("activeskinrect", ctl["editactive"])] + font(14) + [
            ("activefontcolor", col(TEXT)), ("disabledfontcolor", col(TEXT_DIS)),
            ("upbuttonrect", ctl["spinu"]), ("activeupbuttonrect", ctl["spinuhot"]),
            ("downupbuttonrect", ctl["spinudown"]), ("downbuttonrect", ctl["spind"]),
            ("activedownbuttonrect", ctl["spindhot"]), ("downdownbuttonrect", ctl["spinddown"])])

    spinedit("spinedit")
    spinedit("statusspinedit")
    spinedit("toolspinedit")
    ini.section("stdlabel", base(nul, pic=-1) + font(14) + [("activefontcolor", col(SLATE))])

    def updown(name, a, b):
        u = ctl["spin" + a]
        d = ctl["spin" + b]
        skin = (min(u[0], d[0]), min(u[1], d[1]), max(u[2], d[2]), max(u[3], d[3]))
        ini.section(name, custom(u, points((0, 0), (0, 0), (0, 0), (0, 0)) + [("clientrect", nul)]) + [
            ("upbuttonrect", u), ("activeupbuttonrect", ctl["spin" + a + "hot"]),
            ("downupbuttonrect", ctl["spin" + a + "down"]), ("downbuttonrect", d),
            ("activedownbuttonrect", ctl["spin" + b + "hot"]), ("downdownbuttonrect", ctl["spin" + b + "down"])])
        del skin

    updown("vupdown", "u", "d")
    updown("hupdown", "l", "r")

    ini.section("controlbar", custom(ctl["toolpanel"], toolp) + [
        ("itemrect", ctl["band"]), ("bgpictureindex", -1), ("hgriprect", ctl["hgrip"]),
        ("vgriprect", ctl["vgrip"]), ("gripoffset1", 3), ("gripoffset2", 3), ("itemstretcheffect", 0),
        ("itemoffset1", 3), ("itemoffset2", 3), ("itemtransparent", 0), ("itemtransparentcolor", 0),
        ("griptransparent", 0), ("griptransparentcolor", 0)])
    ini.section("mainmenubar", base(ctl["menubar"]) + [
        ("itemsrect", (2, 0, 38, 20)), ("menubaritem", "mainmenubaritem"), ("closebutton", "menubarclosebutton"),
        ("minbutton", "menubarminbutton"), ("maxbutton", "menubarmaxbutton"),
        ("sysmenubutton", "menubarsysmenubutton"), ("trackmarkcolor", col(GLYPH)),
        ("trackmarkactivecolor", col(SLATE_DK)), ("stretcheffect", 0), ("itemtransparent", 0)])

    def splitter(name, bar, grip, vertical):
        b = ctl[bar]
        geom = vframe_keys(b, 2) if vertical else hframe_keys(b, 2)
        ini.section(name, custom(b, geom) + [("gripperrect", ctl[grip]), ("grippertransparent", 0),
                                             ("grippertransparentcolor", col(BODY))])

    splitter("vsplitter", "vsplit", "vsplitgrip", True)
    splitter("hsplitter", "hsplit", "hsplitgrip", False)

    # The track part is read relative to the button's looks, and cut from
    # its down look: the right 13 pixels of the tool button.
    tool = ctl["tool"]
    tw, th = tool[2] - tool[0], tool[3] - tool[1]
    track_keys = [("trackbuttonrect", (tw - 13, 0, tw, th))]
    button("toolmenubutton", "tool", "toolhot", "tooldown", "toolfocus", "tooldis", tool_geom, stretch(),
           extra=[("trackbuttonrect", nul)])
    button("toolmenutrackbutton", "tool", "toolhot", "tooldown", "toolfocus", "tooldis", tool_geom, stretch(),
           extra=track_keys)
    button("bigtoolmenubutton", "tool", "toolhot", "tooldown", "toolfocus", "tooldis", tool_geom, stretch(),
           extra=[("trackbuttonrect", nul)])
    button("bigtoolmenutrackbutton", "tool", "toolhot", "tooldown", "toolfocus", "tooldis", tool_geom,
           stretch(), extra=track_keys)

    ini.section("scrollbox", custom(ctl["boxframe"], frame_keys(ctl["boxframe"], 3)) + [("bgpictureindex", -1)])
    for name in ("listview", "treeview", "richedit"):
        ini.section(name, base(ctl["frame"]) + font(14) + [("bgcolor", col(WHITE))])

    ex = ctl["expanel"]
    ini.section("expanel", custom(ex, points((6, 24), (74, 24), (6, 54), (74, 54)) +
                                  [("clientrect", (3, 21, 77, 57))]) + [
        ("rollhskinrect", ctl["rollh"]), ("rollvskinrect", ctl["rollv"]),
        ("rollleftoffset", 4), ("rollrightoffset", 4), ("rolltopoffset", 4), ("rollbottomoffset", 4),
        ("rollvcaptionrect", (1, 24, 20, 56)), ("rollhcaptionrect", (6, 1, 50, 20)),
        ("closebuttonrect", ctl["exclose"]), ("closebuttonactiverect", ctl["excloseactive"]),
        ("closebuttondownrect", ctl["exclosedown"]),
        ("hrollbuttonrect", ctl["exhroll"]), ("hrollbuttonactiverect", ctl["exhrollactive"]),
        ("hrollbuttondownrect", ctl["exhrolldown"]),
        ("hrestorebuttonrect", ctl["exhrestore"]), ("hrestorebuttonactiverect", ctl["exhrestoreactive"]),
        ("hrestorebuttondownrect", ctl["exhrestoredown"]),
        ("vrollbuttonrect", ctl["exvroll"]), ("vrollbuttonactiverect", ctl["exvrollactive"]),
        ("vrollbuttondownrect", ctl["exvrolldown"]),
        ("vrestorebuttonrect", ctl["exvrestore"]), ("vrestorebuttonactiverect", ctl["exvrestoreactive"]),
        ("vrestorebuttondownrect", ctl["exvrestoredown"]),
        ("captionrect", (6, 1, 50, 20))] + font(14, (40, 56, 84), "fsbold") + [
        ("buttonstransparent", 0), ("buttonstransparentcolor", 0)])
    ini.section("slider", base(ctl["hruler"]) + [
        ("bgcolor", col(BODY)), ("hrulerrect", ctl["hruler"]), ("hthumbrect", ctl["hthumb"]),
        ("vrulerrect", ctl["vruler"]), ("vthumbrect", ctl["vthumb"]), ("edgesize", 3),
        ("pointscolor", col((150, 168, 196)))])
    ini.section("bevel", base(nul, pic=-1) + [("lightcolor", col(WHITE)), ("darkcolor", col(BORDER_LT))])
    return ini


# ---------------------------------------------------------------------------
# Self-check: every rectangle inside its picture, every index present.
RELATIVE = {"clientrect", "captionrect", "textrect", "imagerect", "checkimagearea", "textarea", "progressarea",
            "trackarea", "itemsrect", "buttonsarea", "rollvcaptionrect", "rollhcaptionrect", "frametextrect"}
ITEM_RELATIVE = {"itemtextrect": "itemrect", "itemcheckrect": "itemrect",
                 "celltextrect": "selectcellrect", "fixedcelltextrect": "fixedcellrect"}


def verify(ini, sizes):
    secs = dict(ini.sections)
    assert len(ini.sections) == len(secs) == 85, "85 distinct sections"
    problems = []

    def inside(r, w, h, what):
        if r[2] - r[0] > 0 and r[3] - r[1] > 0 and not (0 <= r[0] and 0 <= r[1] and r[2] <= w and r[3] <= h):
            problems.append("%s %s outside %dx%d" % (what, r, w, h))

    for name, items in ini.sections:
        kv = dict(items)
        for k, v in items:
            if k.endswith("pictureindex") and not -1 <= int(v) < len(sizes) - 1:
                problems.append("%s.%s = %s" % (name, k, v))
        if name in ("VERSION", "PICTURES", "SKINCOLORS", "SKINOBJECTS", "SKINCONTROLS"):
            continue
        if name == "FORMINFO":
            pic, skin = "main", (0, 0) + sizes["main"]
        elif name in ("POPUPWINDOW", "HINTWINDOW"):
            pic = int(kv["windowpictureindex"])
            skin = (0, 0) + sizes.get(pic, (0, 0))
        elif "skinrectinapicture" in kv:
            pic = int(kv["activepictureindex"]) if kv["skinrectinapicture"] else "main"
            skin = kv["skinrect"]
        else:
            pic, skin = int(kv["pictureindex"]), kv["skinrect"]
        if pic not in sizes:  # -1, or a bad index reported above
            continue
        pw, ph = sizes[pic]
        sw, sh = skin[2] - skin[0], skin[3] - skin[1]
        for k, v in items:
            if not isinstance(v, tuple):
                continue
            where = "%s.%s" % (name, k)
            if len(v) == 2:
                if not (0 <= v[0] <= sw and 0 <= v[1] <= sh):
                    problems.append("%s %s outside %dx%d" % (where, v, sw, sh))
            elif k in ITEM_RELATIVE:
                base = kv[ITEM_RELATIVE[k]]
                inside(v, base[2] - base[0], base[3] - base[1], where)
            elif k in RELATIVE and name not in ("FORMINFO", "POPUPWINDOW", "HINTWINDOW"):
                inside(v, sw, sh, where)
            elif k == "skinrect" or "skinrectinapicture" not in kv:
                inside(v, pw, ph, where)
            else:
                look = int(kv["activepictureindex"])
                if look == -1:
                    if v[2] - v[0] > 0 and v[3] - v[1] > 0:
                        problems.append("%s %s needs an active picture" % (where, v))
                else:
                    inside(v, *sizes[look], where)
    if problems:
        raise SystemExit("skin check failed:\n  " + "\n  ".join(problems))


GREYS = [(i, i, i) for i in range(256)]


def main(out):
    os.makedirs(out, exist_ok=True)

    def write(name, data):
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)

    main_img, inside = draw_main()
    write("main.bmp", bmp24(main_img))
    write("mask.bmp", bmp_indexed(MAIN_W, MAIN_H, 8, GREYS, lambda x, y: 0 if inside[y][x] else 255))

    active, active_at = draw_active()
    write("active.bmp", bmp24(active))
    hint, hint_in = draw_hint()
    write("hintwindow.bmp", bmp24(hint))
    write("hintwindowmask.bmp", bmp_indexed(hint.w, hint.h, 1, [(0, 0, 0), (255, 255, 255)],
                                            lambda x, y: 0 if hint_in[y][x] else 1))
    pw, pw_in = draw_popup()
    write("pw.bmp", bmp24(pw))
    grey16 = [(17 * i, 17 * i, 17 * i) for i in range(16)]
    write("pwmask.bmp", bmp_indexed(pw.w, pw.h, 4, grey16, lambda x, y: 0 if pw_in[y][x] else 15))
    menu, menu_at = draw_menuitems()
    write("menuitems.bmp", bmp24(menu))
    ctl, ctl_at = draw_controls()
    write("controls.bmp", bmp24(ctl))
    write("mdibg.bmp", bmp24(draw_mdibg()))

    ini = build_ini(active_at, menu_at, ctl_at, (hint.w, hint.h), (pw.w, pw.h))
    pics = [active, hint, pw, menu, ctl, (219, 178), pw, hint]
    verify(ini, dict([("main", (MAIN_W, MAIN_H))] +
                     [(i, p if isinstance(p, tuple) else (p.w, p.h)) for i, p in enumerate(pics)]))
    write("skin.ini", ini.text().encode("latin-1"))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__)))
