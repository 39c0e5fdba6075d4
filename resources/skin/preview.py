#!/usr/bin/env python3
"""Composes the skin's pictures the way the engine lays them out, into a PNG
to look at (not part of the build):

    python3 resources/skin/preview.py [skin-dir] [out.png]

It reads the BMP files and skin.ini back (so it also checks that they parse),
builds the frame of a 679 x 565 window by the corner model with the mask cut
applied, places the caption buttons, the top panel, a popup menu, a hint and a
few controls, and appends the raw pictures. Text is drawn afterwards with
ImageMagick's convert when it is installed.
"""
import os
import shutil
import struct
import subprocess
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


# -- reading -----------------------------------------------------------------
def read_bmp(path):
    data = open(path, "rb").read()
    magic, size, _, _, off = struct.unpack_from("<2sIHHI", data, 0)
    assert magic == b"BM" and size == len(data), path
    hs, w, h, planes, bpp, comp, _, _, _, used, _ = struct.unpack_from("<IiiHHIIiiII", data, 14)
    assert hs == 40 and planes == 1 and comp == 0 and h > 0, path
    ncol = used or (1 << bpp if bpp <= 8 else 0)
    pal = [struct.unpack_from("<BBBB", data, 54 + 4 * i)[2::-1] for i in range(ncol)]
    stride = ((w * bpp + 31) // 32) * 4
    rows = []
    for y in range(h):
        base = off + (h - 1 - y) * stride
        row = []
        for x in range(w):
            if bpp == 24:
                b, g, r = data[base + 3 * x: base + 3 * x + 3]
                row.append((r, g, b))
            else:
                bit = x * bpp
                v = (data[base + bit // 8] >> (8 - bpp - bit % 8)) & ((1 << bpp) - 1)
                row.append(tuple(pal[v]))
        rows.append(row)
    return Pic(w, h, rows, bpp)


def read_ini(path):
    raw = open(path, "rb").read()
    assert raw.endswith(b"\r\n") and b"\n" not in raw.replace(b"\r\n", b""), "lines must end with CR LF"
    secs, cur = {}, None
    for line in raw.decode("latin-1").split("\r\n"):
        line = line.strip()
        if line.startswith("[") and line.endswith("]"):
            cur = secs.setdefault(line[1:-1].lower(), {})
        elif "=" in line and cur is not None:
            k, v = line.split("=", 1)
            cur.setdefault(k.strip().lower(), v.strip())
    return secs


def nums(v):
    return tuple(int(p) for p in v.split(","))


class Pic:
    def __init__(self, w, h, rows=None, bpp=24, bg=(0, 0, 0)):
        self.w, self.h, self.bpp = w, h, bpp
        self.rows = rows or [[bg] * w for _ in range(h)]

    def crop(self, r):
        x0, y0, x1, y1 = r
        return Pic(x1 - x0, y1 - y0, [row[x0:x1] for row in self.rows[y0:y1]])

    def draw(self, src, x, y, key=None):
        for j in range(src.h):
            if 0 <= y + j < self.h:
                row = self.rows[y + j]
                for i in range(src.w):
                    if 0 <= x + i < self.w and src.rows[j][i] != key:
                        row[x + i] = src.rows[j][i]

    def fill(self, r, c):
        for y in range(max(0, r[1]), min(self.h, r[3])):
            for x in range(max(0, r[0]), min(self.w, r[2])):
                self.rows[y][x] = c

    def scaled(self, w, h):
        if w <= 0 or h <= 0:
            return Pic(0, 0, [])
        return Pic(w, h, [[self.rows[j * self.h // h][i * self.w // w] for i in range(w)] for j in range(h)])


# -- the corner model --------------------------------------------------------
def tile_into(dst, src, x0, y0, x1, y1):
    """Tile src over (x0, y0)-(x1, y1) from its top-left, last tiles cut."""
    if src.w <= 0 or src.h <= 0:
        return
    y = y0
    while y < y1:
        x = x0
        while x < x1:
            dst.draw(src.crop((0, 0, min(src.w, x1 - x), min(src.h, y1 - y))), x, y)
            x += src.w
        y += src.h


def skin_image(pic, r, lt, rt, lb, rb, cr, w, h, stretch=(0, 0, 0, 0), centre=True):
    """CreateSkinImage: corners fixed, edges and centre tiled (or stretched)."""
    out = Pic(w, h)
    s = pic.crop(r)
    dw, dh = w - s.w, h - s.h
    nlt, nrt, nlb, nrb = lt, (rt[0] + dw, rt[1]), (lb[0], lb[1] + dh), (rb[0] + dw, rb[1] + dh)
    ncr = (cr[0], cr[1], cr[2] + dw, cr[3] + dh)
    ls, ts, rs, bs = stretch

    def edge(src_r, dst_r, st):
        part = s.crop(src_r)
        if st:
            out.draw(part.scaled(dst_r[2] - dst_r[0], dst_r[3] - dst_r[1]), dst_r[0], dst_r[1])
        else:
            tile_into(out, part, *dst_r)
    edge((lt[0], 0, rt[0], cr[1]), (nlt[0], 0, nrt[0], ncr[1]), ts)
    edge((lb[0], cr[3], rb[0], s.h), (nlb[0], ncr[3], nrb[0], h), bs)
    edge((0, lt[1], cr[0], lb[1]), (0, nlt[1], ncr[0], nlb[1]), ls)
    edge((cr[2], rt[1], s.w, rb[1]), (ncr[2], nrt[1], w, nrb[1]), rs)
    corners = [((0, 0, lt[0], cr[1]), (0, 0)), ((0, cr[1], cr[0], lt[1]), (0, ncr[1])),
               ((rt[0], 0, s.w, cr[1]), (nrt[0], 0)), ((cr[2], cr[1], s.w, rt[1]), (ncr[2], ncr[1])),
               ((0, lb[1], cr[0], s.h), (0, nlb[1])), ((cr[0], cr[3], lb[0], s.h), (ncr[0], ncr[3])),
               ((rb[0], cr[3], s.w, s.h), (nrb[0], ncr[3])), ((cr[2], rb[1], s.w, cr[3]), (ncr[2], nrb[1]))]
    for src_r, at in corners:
        if src_r[2] > src_r[0] and src_r[3] > src_r[1]:
            out.draw(s.crop(src_r), *at)
    if centre:
        tile_into(out, s.crop(cr), *ncr)
    return out


def hskin(pic, r, left, right, w):
    s = pic.crop(r)
    out = Pic(w, s.h)
    tile_into(out, s.crop((left, 0, s.w - right, s.h)), left, 0, w - right, s.h)
    out.draw(s.crop((0, 0, left, s.h)), 0, 0)
    out.draw(s.crop((s.w - right, 0, s.w, s.h)), w - right, 0)
    return out


def vskin(pic, r, top, bottom, h):
    s = pic.crop(r)
    out = Pic(s.w, h)
    tile_into(out, s.crop((0, top, s.w, s.h - bottom)), 0, top, s.w, h - bottom)
    out.draw(s.crop((0, 0, s.w, top)), 0, 0)
    out.draw(s.crop((0, s.h - bottom, s.w, s.h)), 0, h - bottom)
    return out


def record_image(pic, sec, w, h):
    """A control look at a size, by the control's resize mode."""
    p = lambda k: nums(sec.get(k, "0,0"))
    r = nums(sec["skinrect"])
    if not (p("rightbottompoint")[0] and p("rightbottompoint")[1]):
        if any(p("righttoppoint")):
            return hskin(pic, r, p("lefttoppoint")[0], r[2] - r[0] - p("righttoppoint")[0], w)
        if any(p("leftbottompoint")):
            return vskin(pic, r, p("lefttoppoint")[1], r[3] - r[1] - p("leftbottompoint")[1], h)
        return pic.crop(r)
    return skin_image(pic, nums(sec["skinrect"]), p("lefttoppoint"), p("righttoppoint"), p("leftbottompoint"),
                      p("rightbottompoint"), nums(sec["clientrect"]), w, h,
                      tuple(int(sec.get(k, "0")) for k in ("leftstretch", "topstretch", "rightstretch",
                                                            "bottomstretch")))


def inside_mask(mask, w, h, lt, rt, lb, rb, ma):
    """Which window pixels the region keeps: the mask's corner model at the
    window size, solid inside the mapped mask area (black = inside)."""
    m = skin_image(mask, (0, 0, mask.w, mask.h), lt, rt, lb, rb, ma, w, h)
    dw, dh = w - mask.w, h - mask.h
    nma = (ma[0], ma[1], ma[2] + dw, ma[3] + dh)
    return lambda x, y: (nma[0] <= x < nma[2] and nma[1] <= y < nma[3]) or m.rows[y][x] == (0, 0, 0)


# -- composing ---------------------------------------------------------------
def window(skin, pics, ini, w, h, active, texts, ox, oy, canvas):
    fi = ini["forminfo"]
    main = pics["main"]
    p = lambda k: nums(fi[k])
    lt, rt, lb, rb, cr = p("lefttoppoint"), p("righttoppoint"), p("leftbottompoint"), p("rightbottompoint"), \
        p("clientrect")
    frame = skin_image(main, (0, 0, main.w, main.h), lt, rt, lb, rb, cr, w, h)
    dx = w - main.w
    cap = p("captionrect")
    x = cap[2] + dx
    act = pics[int(ini["closebutton"]["activepictureindex"])]
    hover = "maxbutton" if active else None
    for name in ("closebutton", "maxbutton", "minbutton", "rollupbutton", "traybutton"):
        sec = ini[name]
        look = "skinrect" if active else "inactiveskinrect"
        if name == hover:
            look = "activeskinrect"
        if name == "closebutton" and active == "pressed":
            look = "downrect"
        r = nums(sec[look])
        x -= r[2] - r[0]
        frame.draw(act.crop(r), x, cap[1])
        x -= int(fi["buttonsoffset"])
    sm = nums(ini["sysmenubutton"]["skinrect" if active else "inactiveskinrect"])
    smh = sm[3] - sm[1]
    sy = cap[1] + (cap[3] - cap[1]) // 2 - smh // 2
    frame.draw(act.crop(sm), cap[0], sy)
    c = ini["caption"]
    tr = nums(c["textrect"])
    color = int(c["activefontcolor" if active else "fontcolor"])
    texts.append((ox + cap[0] + (sm[2] - sm[0]) + tr[0] + 1, oy + cap[1] + 1, "Quillet",
                  color, int(c["fontheight"]), True, int(c["activeshadowcolor"])))
    # client: the frame picture's client slice tiled, then the top panel
    client = Pic(w - cr[0] - (main.w - cr[2]), h - cr[1] - (main.h - cr[3]))
    tile_into(client, main.crop(cr), 0, 0, client.w, client.h)
    pn = ini["panel"]
    pnl = record_image(pics[int(pn["pictureindex"])], pn, client.w, 49)
    client.draw(pnl, 0, 0)
    frame.draw(client, cr[0], cr[1])
    keep = inside_mask(pics["mask"], w, h, lt, rt, lb, rb, p("maskrectarea"))
    for y in range(h):
        for xx in range(w):
            if keep(xx, y):
                canvas.rows[oy + y][ox + xx] = frame.rows[y][xx]
    return cr


def popup(pics, ini, items, ox, oy, canvas, texts):
    pw = ini["popupwindow"]
    pic = pics[int(pw["windowpictureindex"])]
    mi = ini["menuitem"]
    ipic = pics[int(mi["activepictureindex"])]
    ir = nums(pw["itemsrect"])
    ih = nums(mi["skinrect"])[3] - nums(mi["skinrect"])[1]
    dv = nums(mi["dividerrect"])
    height = sum(dv[3] - dv[1] if t == "-" else ih for t, _ in items) + pic.h - (ir[3] - ir[1])
    width = 190
    p = lambda k: nums(pw[k])
    win = skin_image(pic, (0, 0, pic.w, pic.h), p("lefttoppoint"), p("righttoppoint"), p("leftbottompoint"),
                     p("rightbottompoint"), ir, width, height)
    y = ir[1]
    iw = width - (pic.w - (ir[2] - ir[0]))
    for text, state in items:
        if text == "-":
            win.draw(hskin(ipic, dv, int(mi["dividerleftoffset"]), int(mi["dividerrightoffset"]), iw), ir[0], y)
            y += dv[3] - dv[1]
            continue
        r = nums(mi["activeskinrect" if state == "hot" else "skinrect"])
        win.draw(hskin(ipic, r, int(mi["itemleftoffset"]), int(mi["itemrightoffset"]), iw), ir[0], y)
        if state in ("check", "hot-check"):
            cr = nums(mi["activecheckimagerect" if state == "hot-check" else "checkimagerect"])
            key = ipic.rows[cr[3] - 1][cr[0]]
            im = nums(mi["imagerect"])
            win.draw(ipic.crop(cr), ir[0] + im[0] + (im[2] - im[0] - (cr[2] - cr[0])) // 2,
                     y + (ih - (cr[3] - cr[1])) // 2, key)
        if state == "sub":
            ar = nums(mi["arrowimagerect"])
            key = ipic.rows[ar[3] - 1][ar[0]]
            win.draw(ipic.crop(ar), ir[0] + iw - 14, y + (ih - (ar[3] - ar[1])) // 2, key)
        tr = nums(mi["textrect"])
        colour = int(mi["activefontcolor" if state == "hot" else
                        ("unenabledfontcolor" if state == "dis" else "fontcolor")])
        texts.append((ox + ir[0] + tr[0], oy + y + 3, text, colour, 13, False, None))
        y += ih
    keep = inside_mask(pics[int(pw["maskpictureindex"])], width, height, p("lefttoppoint"), p("righttoppoint"),
                       p("leftbottompoint"), p("rightbottompoint"), ir)
    for yy in range(height):
        for xx in range(width):
            if keep(xx, yy):
                canvas.rows[oy + yy][ox + xx] = win.rows[yy][xx]


def hint(pics, ini, text, ox, oy, canvas, texts):
    hw = ini["hintwindow"]
    pic = pics[int(hw["windowpictureindex"])]
    p = lambda k: nums(hw[k])
    cr = p("clientrect")
    w, h = 7 * len(text) + cr[0] + pic.w - cr[2] + 5, 15 + cr[1] + pic.h - cr[3]
    win = skin_image(pic, (0, 0, pic.w, pic.h), p("lefttoppoint"), p("righttoppoint"), p("leftbottompoint"),
                     p("rightbottompoint"), cr, w, h, (1, 0, 1, 0))
    win.rows = [[pic.rows[min(pic.h - 1, y * pic.h // h)][0] if False else c for c in row]
                for y, row in enumerate(win.rows)]
    keep = inside_mask(pics[int(hw["maskpictureindex"])], w, h, p("lefttoppoint"), p("righttoppoint"),
                       p("leftbottompoint"), p("rightbottompoint"), cr)
    for yy in range(h):
        for xx in range(w):
            if keep(xx, yy):
                canvas.rows[oy + yy][ox + xx] = win.rows[yy][xx]
    texts.append((ox + cr[0] + 2, oy + cr[1], text, int(hw["fontcolor"]), 12, False, None))


def controls(pics, ini, ox, oy, canvas, texts):
    ctl = pics[4]
    b = ini["button"]
    for i, look in enumerate(("skinrect", "activeskinrect", "downskinrect", "disabledskinrect")):
        sec = dict(b)
        sec["skinrect"] = b[look]
        img = record_image(ctl, sec, 88, 25)
        canvas.draw(img, ox + i * 96, oy)
        texts.append((ox + i * 96 + 22, oy + 5, ("Save", "Hover", "Press", "Off")[i],
                      int(b["disabledfontcolor" if i == 3 else "fontcolor"]), 13, False, None))
    y = oy + 36
    for i, (name, key) in enumerate((("checkbox", "checkimagerect"), ("checkbox", "uncheckimagerect"),
                                     ("radiobox", "checkimagerect"), ("radiobox", "activeuncheckimagerect"))):
        r = nums(ini[name][key])
        canvas.draw(ctl.crop(r), ox + i * 96, y + 2)
        texts.append((ox + i * 96 + 18, y, ("Checked", "Unchecked", "Selected", "Hover")[i], 0x3c2818, 13, False,
                      None))
    y += 26
    e = ini["edit"]
    canvas.draw(record_image(ctl, e, 180, 21), ox, y)
    sec = dict(ini["combobox"])
    cb = record_image(ctl, sec, 180, 21)
    br = nums(sec["buttonrect"])
    cb.draw(ctl.crop(br), 180 - 2 - (br[2] - br[0]), 2)
    canvas.draw(cb, ox + 192, y)
    texts.append((ox + 6, y + 3, "Edit text", 0x3c281e, 13, False, None))
    texts.append((ox + 198, y + 3, "Combo box", 0x3c281e, 13, False, None))
    y += 32
    g = ini["gauge"]
    gauge = record_image(ctl, g, 180, 16)
    pr = nums(g["progressrect"])
    fill = hskin(ctl, pr, 3, 3, 110)
    gauge.draw(fill, 2, 2)
    canvas.draw(gauge, ox, y)
    s = ini["hscrollbar"]
    sb = record_image(ctl, s, 180, 17)
    sb.draw(ctl.crop(nums(s["upbuttonrect"])), 0, 0)
    sb.draw(ctl.crop(nums(s["activedownbuttonrect"])), 163, 0)
    th = hskin(ctl, nums(s["thumbrect"]), 6, 6, 60)
    sb.draw(th, 40, 0)
    gr = nums(s["glyphrect"])
    sb.draw(ctl.crop(gr), 40 + 30 - (gr[2] - gr[0]) // 2, (17 - (gr[3] - gr[1])) // 2, (255, 0, 255))
    canvas.draw(sb, ox + 192, y)
    y += 28
    t = ini["tab"]
    canvas.draw(record_image(ctl, dict(t, clientrect=t["clientrect"]), 372, 70), ox, y + 21)
    for i, key in enumerate(("activetabrect", "tabrect", "mouseintabrect")):
        canvas.draw(hskin(ctl, nums(t[key]), 4, 4, 80), ox + 2 + i * 82, y)
        texts.append((ox + 22 + i * 82, y + 4, ("Slots", "Hot keys", "About")[i], 0x3c281e, 13, False, None))
    htr = ini["htrackbar"]
    track = record_image(ctl, htr, 200, 24)
    track.draw(ctl.crop(nums(htr["buttonrect"])), 60, 2)
    canvas.draw(track, ox + 20, y + 40)


def write_png(pic, path):
    raw = bytearray()
    for row in pic.rows:
        raw.append(0)
        for c in row:
            raw += bytes(c)
    chunk = lambda t, d: struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d) & 0xffffffff)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", pic.w, pic.h, 8, 2, 0, 0, 0)) + \
        chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b"")
    open(path, "wb").write(png)


def hexcol(v):
    return "#%02x%02x%02x" % (v & 255, (v >> 8) & 255, (v >> 16) & 255)


def main(skin, out):
    ini = read_ini(os.path.join(skin, "skin.ini"))
    pr = ini["pictures"]
    pics = {"main": read_bmp(os.path.join(skin, pr["picture"])), "mask": read_bmp(os.path.join(skin, pr["mask"]))}
    for i in range(int(pr["activepicturescount"])):
        pics[i] = read_bmp(os.path.join(skin, pr[str(i)]))
    W, H = 1480, 1010
    canvas = Pic(W, H)
    for y in range(H):
        c = (int(96 + 40 * y / H), int(110 + 40 * y / H), int(128 + 40 * y / H))
        canvas.rows[y] = [c] * W
    texts = []
    cr = window(skin, pics, ini, 679, 565, True, texts, 20, 20, canvas)
    window(skin, pics, ini, 420, 150, False, texts, 720, 20, canvas)
    controls(pics, ini, 20 + cr[0] + 20, 20 + cr[1] + 70, canvas, texts)
    popup(pics, ini, [("Restore", "dis"), ("Minimize", ""), ("Roll Up", "hot"), ("-", ""),
                      ("Stay on top", "check"), ("Move to", "sub"), ("-", ""), ("Close", "")],
          440, 340, canvas, texts)
    hint(pics, ini, "Minimize to Tray", 470, 250, canvas, texts)
    # the raw pictures with their names: small ones doubled
    places = {"main": (720, 190, 1), "mask": (1015, 190, 1), 0: (1320, 190, 2), 1: (1000, 840, 2),
              2: (600, 840, 2), 3: (950, 420, 2), 4: (20, 590, 1), 5: (720, 420, 1), 6: (800, 840, 2),
              7: (1080, 840, 2)}
    for key, (x, y, z) in places.items():
        pic = pics[key]
        canvas.draw(pic.scaled(pic.w * z, pic.h * z), x, y)
        texts.append((x, y + pic.h * z + 1, str(key), 0xffffff, 12, False, None))
    write_png(canvas, out)
    if shutil.which("convert"):
        args = ["convert", out]
        for (tx, ty, text, colour, size, bold, shadow) in texts:
            font = "DejaVu-Sans-Bold" if bold else "DejaVu-Sans"
            if shadow is not None:
                args += ["-font", font, "-pointsize", str(size * 3 // 4 + 1), "-fill", hexcol(shadow),
                         "-annotate", "+%d+%d" % (tx + 1, ty + size + 1), text]
            args += ["-font", font, "-pointsize", str(size * 3 // 4 + 1), "-fill", hexcol(colour),
                     "-annotate", "+%d+%d" % (tx, ty + size), text]
        subprocess.run(args + [out], check=True)
    print(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else HERE, sys.argv[2] if len(sys.argv) > 2 else "/tmp/skin-preview.png")
