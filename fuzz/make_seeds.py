#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into fuzz/corpus/<target>:
small skin archives built byte by byte (each seed's first byte chooses the
road, see fuzz_skin_archive.cpp), description and INI texts, stored values,
and the test fixtures' pictures, plus our own skin.

    fuzz/make_seeds.py [corpus-root]      default: the corpus folder beside this file
"""
import os
import struct
import sys
import zlib


def bmp(width, height, bits, seed=0):
    colors = 1 << bits if bits <= 8 else 0
    row = ((width * bits + 31) // 32) * 4
    offset = 14 + 40 + 4 * colors
    out = b"BM" + struct.pack("<IIII", offset + row * height, 0, offset, 40)
    out += struct.pack("<iiHHIIiiII", width, height, 1, bits, 0, row * height, 0, 0, colors, 0)
    out += b"".join(struct.pack("<BBBB", i * 7 & 255, i * 3 & 255, 255 - i & 255, 0) for i in range(colors))
    out += bytes((x + seed) & 255 for x in range(row * height))
    return out


def archive(text, version=3, active=()):
    out = struct.pack("<i", version) + b"\0" + bmp(12, 8, 24) + b"\1" + b"\0" + bmp(12, 8, 8, 1)
    if version == 2:
        out += b"\1\1"
    out += struct.pack("<i", len(active)) + b"".join(active)
    return out + text


DESCRIPTION = (b"[VERSION]\r\nskinname=seed\r\n[PICTURES]\r\npicture=m.bmp\r\nmask=k.bmp\r\n"
               b"activepicturescount=2\r\n0=a.bmp\r\n1=b.bmp\r\n"
               b"[FORMINFO]\r\nlefttoppoint=2,2\r\nrightbottompoint=10,6\r\nclientrect=2,2,10,6\r\n"
               b"[POPUPWINDOW]\r\nwindowpictureindex=0\r\n[HINTWINDOW]\r\nfontstyle=fsbold\r\n"
               b"[SKINCOLORS]\r\ncbtnface=$FF\r\n"
               b"[SKINOBJECTS]\r\ncount=3\r\n0=close:stdbutton\r\n1=cap:caption\r\n2=mi:menuitem\r\n"
               b"[close]\r\ncommand=cmclose\r\nhint=Maximize\r\nskinrect=1,1,4,4\r\n"
               b"[cap]\r\nalignment=taleftjustify\r\n[mi]\r\ncheckimagerect=0,0,2,2\r\n"
               b"[SKINCONTROLS]\r\ncount=3\r\n0=panel:panel\r\n1=ud:updown\r\n2=lb:checklistbox\r\n"
               b"[panel]\r\npictureindex=1\r\nskinrect=0,0,8,8\r\nlefttoppoint=1,1\r\n"
               b"[ud]\r\nupbuttonrect=0,0,3,3\r\n[lb]\r\nitemrect=0,0,4,4\r\n")


HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)


def write(corpus, target, name, data):
    os.makedirs(os.path.join(corpus, target), exist_ok=True)
    with open(os.path.join(corpus, target, name), "wb") as f:
        f.write(data)


def copy_fixtures(corpus, target, folder, extensions):
    for name in sorted(os.listdir(folder)):
        if name.lower().endswith(extensions):
            write(corpus, target, name, open(os.path.join(folder, name), "rb").read())


def main():
    corpus = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "corpus")
    skin = os.path.join(ROOT, "resources", "skin")
    seeds = {
        "v3": b"\0" + archive(DESCRIPTION, active=(bmp(8, 8, 4, 2), bmp(9, 3, 1, 3))),
        "v2": b"\0" + archive(b"[VERSION]\r\n", version=2),
        "empty": b"\0" + struct.pack("<i", 3) + b"\1\1\1" + struct.pack("<i", 0),
        "envelope": b"\1" + struct.pack("<ii", 3, 0) + b"",
    }
    packed = zlib.compress(archive(DESCRIPTION, active=(bmp(8, 8, 4), bmp(4, 4, 1))), 9)
    seeds["envelope"] = b"\1" + struct.pack("<ii", 3, len(packed)) + packed
    # Our skin compressed, as the layout stores it: small, and on the real road.
    own = zlib.compress(own_skin_archive(skin), 9)
    seeds["ourskin"] = b"\1" + struct.pack("<ii", 3, len(own)) + own
    for name, data in seeds.items():
        write(corpus, "skin_archive", name, data)
    own_text = open(os.path.join(skin, "skin.ini"), "rb").read()
    for target in ("skin_description", "ini"):
        write(corpus, target, "sample", DESCRIPTION)
        write(corpus, target, "ourskin", own_text)
    write(corpus, "ini", "oddities", b"; comment\n[a]\nk=v\n[A]\nK=w\n=novalue\n[b\nx = y = z\n\n[c]\n")
    for name, text in {"empty": b"", "chinese": "\u4fdd\u5b58 slot".encode(), "lines": b"a\r\nb\nc",
                       "hex": b"DFA55443", "odd": b"ABC"}.items():
        write(corpus, "scrambler", name, text)
    for name, data in form_seeds(open(os.path.join(skin, "skin.ini"), "rb").read()).items():
        write(corpus, "form", name, data)
    copy_fixtures(corpus, "bmp", os.path.join(ROOT, "tests", "native", "fixtures", "skin"), (".bmp",))
    copy_fixtures(corpus, "gif", os.path.join(ROOT, "tests", "native", "fixtures", "banner"), (".gif",))
    copy_fixtures(corpus, "jpeg", os.path.join(ROOT, "tests", "native", "fixtures", "banner"), (".jpg",))


def form_header(width, height, pictures=0x2 | 0x8 | 0x10, pw=285, ph=210, corner=4, probe=(2, 3), state=0,
                routing=3):
    """The fuzz_form header: window size, pictures present (1 inactive, 2 mask,
    4..8 active count, 16 border icons, 32 hidden buttons), picture size,
    mask corner, a probe point, state and routing flags."""
    return struct.pack("<HHBHHBHHBB", width, height, pictures, pw - 1, ph - 1, corner, probe[0] + 4, probe[1] + 4,
                       state, routing)


def form_sections(text):
    """Our skin's window and object sections: everything before [SKINCONTROLS]."""
    return text.split(b"[SKINCONTROLS]")[0] + b"[SKINCONTROLS]\r\ncount=0\r\n"


def form_seeds(own_text):
    ours = form_sections(own_text)

    def forminfo(**values):
        text = ours
        for key, value in values.items():
            start = text.index(b"\n" + key.encode() + b"=") + 1
            end = text.index(b"\n", start)
            text = text[:start] + key.encode() + b"=" + value.encode() + b"\r" + text[end:]
        return text

    return {
        "ourskin-679x565": form_header(679, 565) + ours,
        "ourskin-800x600-inactive": form_header(800, 600, 0x2 | 0x8 | 0x1 | 0x10, state=4) + ours,
        "ourskin-rolledup": form_header(679, 31, state=16, probe=(300, 30)) + ours,
        "ourskin-0x0": form_header(0, 0) + ours,
        "ourskin-8192": form_header(8192, 8192, probe=(8190, 8190)) + ours,
        "ourskin-200-buttons-left": form_header(200, 100, probe=(5, 10)) + forminfo(buttonsinleft="1"),
        "nomask": form_header(679, 565, 0x8 | 0x10) + ours,
        "nopictures": form_header(679, 565, 0) + ours,
        "empty-rects": form_header(679, 565) + forminfo(clientrect="0,0,0,0", captionrect="0,0,0,0",
                                                          maskrectarea="0,0,0,0"),
        "huge-rects": form_header(8192, 300) + forminfo(clientrect="4,2147483647,2147483647,2147483647",
                                                         righttoppoint="2147483647,30", borderwidth="2147483647",
                                                         buttonsrect="2147483000,0,2147483647,20"),
        "overlapping": form_header(679, 565) + forminfo(lefttoppoint="273,200", rightbottompoint="12,30",
                                                         maskrectarea="200,150,20,10", buttonsoffset="-30"),
        "bgpicture-out-of-range": form_header(679, 565) + forminfo(bgpictureindex="7", stretcheffect="1"),
        "sample": form_header(120, 80, 0x2 | 0x4, pw=12, ph=8, corner=2) + DESCRIPTION,
    }


def own_skin_archive(folder):
    """The archive our import would build from the skin folder."""
    lines = open(os.path.join(folder, "skin.ini"), "rb").read().splitlines()
    values = {}
    section = None
    for line in lines:
        line = line.strip()
        if line.startswith(b"[") and line.endswith(b"]"):
            section = line[1:-1].strip().upper()
        elif b"=" in line and section == b"PICTURES":
            key, value = line.split(b"=", 1)
            values[key.strip().lower()] = value.strip().decode("latin-1")

    def picture(name):
        return open(os.path.join(folder, name), "rb").read()

    out = struct.pack("<i", 3)
    for key in (b"picture", b"inactivepicture", b"mask"):
        name = values.get(key, "")
        out += b"\0" + picture(name) if name else b"\1"
    count = int(values.get(b"activepicturescount", "0"))
    out += struct.pack("<i", count)
    for i in range(count):
        out += picture(values[str(i).encode()])
    return out + b"".join(line + b"\r\n" for line in lines)


if __name__ == "__main__":
    main()
