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
    copy_fixtures(corpus, "bmp", os.path.join(ROOT, "tests", "native", "fixtures", "skin"), (".bmp",))
    copy_fixtures(corpus, "gif", os.path.join(ROOT, "tests", "native", "fixtures", "banner"), (".gif",))
    copy_fixtures(corpus, "jpeg", os.path.join(ROOT, "tests", "native", "fixtures", "banner"), (".jpg",))


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
