#!/usr/bin/env python3
"""make_corpus.py FOLDER: a picture folder of bad inputs mixed with good pictures, all made here, for the
soak run. Bad files are named "bad-...", good ones "good-..."; the soak tells them apart by that."""
import os
import random
import struct
import subprocess
import sys
import zlib

sys.path.insert(0, os.path.dirname(__file__))
from artwork import Canvas, bmp24_bytes, convert, write_bmp  # noqa: E402
from make_samples import rings, tiles  # noqa: E402


def placeable_wmf(left, top, right, bottom, inch=1440):
    """A placeable metafile that draws one filled rectangle."""
    def rec(func, *params):
        return struct.pack("<IH", 3 + len(params), func) + b"".join(struct.pack("<h", p) for p in params)
    records = (rec(0x020B, 0, 0) + rec(0x020C, max(bottom - top, 1), max(right - left, 1))  # window org, ext
               + rec(0x02FC, 0, 0x30, 0xC0, 0) + rec(0x012D, 0)                          # brush, select
               + rec(0x041B, max(bottom - top, 1) // 2, max(right - left, 1) // 2, 0, 0)  # rectangle
               + struct.pack("<IH", 3, 0))                                               # end of file
    size_words = (18 + len(records)) // 2
    header = struct.pack("<HHHIHIH", 1, 9, 0x300, size_words, 1, 7, 0)
    key = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, left, top, right, bottom, inch, 0)
    checksum = 0
    for i in range(0, 20, 2):
        checksum ^= struct.unpack("<H", key[i:i + 2])[0]
    return key + struct.pack("<H", checksum) + header + records


def gif_claiming(width, height):
    """A small valid GIF whose logical screen claims the given size."""
    data = bytearray(b"GIF89a" + struct.pack("<HHBBB", width, height, 0x80, 0, 0))
    data += bytes([255, 0, 0, 0, 0, 255])  # two colours
    data += b"\x2c" + struct.pack("<HHHHB", 0, 0, 1, 1, 0) + bytes([2, 2, 0x44, 0x01, 0]) + b"\x3b"
    return bytes(data)


def bmp_claiming(width, height):
    """A bitmap header that claims the given size, with a few bytes of pixels."""
    return (struct.pack("<2sIHHI", b"BM", 54 + 16, 0, 0, 54)
            + struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, 0, 2835, 2835, 0, 0) + b"\x7f" * 16)


def main(out):
    os.makedirs(out, exist_ok=True)
    rnd = random.Random(99)

    def put(name, data):
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)

    # Good pictures of every kind and a few sizes.
    good = [("good-mosaic.bmp", tiles(320, 240, 1)), ("good-rings.bmp", rings(200, 300, 2))]
    for name, canvas in good:
        write_bmp(canvas, os.path.join(out, name))
    convert(tiles(640, 480, 3), os.path.join(out, "good-tiles.gif"))
    convert(rings(400, 300, 4), os.path.join(out, "good-rings.jpg"), "-quality", "85")
    convert(rings(1600, 1200, 5), os.path.join(out, "good-large.jpg"), "-quality", "80")
    convert(rings(300, 200, 10), os.path.join(out, "good-rings.png"))
    put("good-box.wmf", placeable_wmf(0, 0, 2880, 1440))
    write_bmp(Canvas(1, 1, (200, 40, 40)), os.path.join(out, "good-1x1.bmp"))
    write_bmp(Canvas(2, 3, (40, 200, 40)), os.path.join(out, "good-2x3.bmp"))
    convert(Canvas(2, 3, (40, 40, 200)), os.path.join(out, "good-2x3.gif"))
    write_bmp(tiles(160, 120, 6), os.path.join(out, "good-写真 の 名前.bmp"))
    write_bmp(tiles(120, 160, 7), os.path.join(out, "good-with spaces in it.bmp"))
    write_bmp(tiles(100, 100, 8), os.path.join(out, "good-" + "x" * 241 + ".bmp"))  # a 250-character name
    big = os.path.join(out, "good-8000x6000.jpg")
    if not os.path.exists(big):
        subprocess.run(["convert", "-size", "8000x6000", "gradient:navy-orange", "-quality", "60", big], check=True)

    # Bad files: broken in every way a real folder may hold them.
    whole_jpg = open(os.path.join(out, "good-rings.jpg"), "rb").read()
    whole_gif = open(os.path.join(out, "good-tiles.gif"), "rb").read()
    whole_bmp = bmp24_bytes(tiles(64, 48, 9))
    whole_wmf = placeable_wmf(0, 0, 1440, 1440)
    whole_png = open(os.path.join(out, "good-rings.png"), "rb").read()
    for kind, whole in (("jpg", whole_jpg), ("gif", whole_gif), ("bmp", whole_bmp), ("wmf", whole_wmf),
                        ("png", whole_png)):
        put("bad-truncated." + kind, whole[: len(whole) // 3])
        broken = bytearray(whole)
        for _ in range(max(8, len(broken) // 200)):
            broken[rnd.randrange(6, len(broken))] = rnd.randrange(256)
        put("bad-corrupted." + kind, bytes(broken))
        put("bad-empty." + kind, b"")
        put("bad-header-only." + kind, whole[:20])
    put("bad-text.jpg", "this is a shopping list, not a picture\r\n".encode() * 20)
    put("bad-claims-30000.gif", gif_claiming(30000, 30000))
    put("bad-claims-65535.gif", gif_claiming(65535, 65535))
    put("bad-claims-30000.bmp", bmp_claiming(30000, 30000))
    put("bad-claims-65535.bmp", bmp_claiming(65535, 65535))
    # A PNG whose header claims 60000 x 60000 pixels (its checksum mended), and a JPEG of 20000 x 20000.
    claim = bytearray(whole_png)
    claim[16:24] = struct.pack(">II", 60000, 60000)
    claim[29:33] = struct.pack(">I", zlib.crc32(bytes(claim[12:29])) & 0xFFFFFFFF)
    put("bad-claims-60000.png", bytes(claim))
    put("bad-zero-extent.wmf", placeable_wmf(0, 0, 0, 0))
    put("bad-negative-extent.wmf", placeable_wmf(100, 100, -500, -300))
    put("bad-zero-inch.wmf", placeable_wmf(0, 0, 1440, 1440, inch=0))
    # Made bad at run time by the soak: a locked file, an unreadable one, one deleted after the scan.
    for name in ("bad-locked.bmp", "bad-unreadable.bmp", "bad-deleted.bmp"):
        put(name, whole_bmp)


if __name__ == "__main__":
    main(sys.argv[1])
