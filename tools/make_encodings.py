#!/usr/bin/env python3
"""make_encodings.py FOLDER: the pictures of the encodings the saver meets, each of 320 x 240 pixels in four coloured
quarters (tests/wine/encodings_test.cpp knows their colours): JPEGs progressive, greyscale, CMYK (Adobe's inverted
inks, as ImageMagick writes them) and behind 260 KB of colour profile; PNGs of 8-bit colour, with opacity,
paletted, greyscale, interlaced and of 16 bits a channel. The PNGs are written here byte by byte, so that their
pixels are exactly the colours meant."""
import os
import struct
import subprocess
import sys
import zlib

W, H = 320, 240
COLOURS = [(0x20, 0xD0, 0x20), (0xF0, 0xF0, 0xF0), (0xD0, 0x20, 0x20), (0x20, 0x20, 0xD0)]  # by quarter
GREYS = [0x40, 0x80, 0xC0, 0xF0]
OPACITY = [255, 0, 128, 255]


def quarter(x, y):
    return (x >= W // 2) + 2 * (y >= H // 2)


def png(path, colour_type, depth, row_of, palette=None):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    raw = b"".join(b"\0" + row_of(y) for y in range(H))
    data = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", W, H, depth, colour_type, 0, 0, 0))
    if palette:
        data += chunk(b"PLTE", b"".join(bytes(c) for c in palette))
    data += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


def main(folder):
    os.makedirs(folder, exist_ok=True)
    at = lambda name: os.path.join(folder, name)
    png(at("rgb8.png"), 2, 8, lambda y: b"".join(bytes(COLOURS[quarter(x, y)]) for x in range(W)))
    png(at("rgba.png"), 6, 8,
        lambda y: b"".join(bytes(COLOURS[quarter(x, y)]) + bytes([OPACITY[quarter(x, y)]]) for x in range(W)))
    png(at("palette.png"), 3, 8, lambda y: bytes(quarter(x, y) for x in range(W)), COLOURS)
    png(at("grey.png"), 0, 8, lambda y: bytes(GREYS[quarter(x, y)] for x in range(W)))
    png(at("rgb16.png"), 2, 16,
        lambda y: b"".join(struct.pack(">HHH", *(c * 257 for c in COLOURS[quarter(x, y)])) for x in range(W)))
    subprocess.run(["convert", at("rgb8.png"), "-interlace", "PNG", "PNG24:" + at("interlaced.png")], check=True)
    for name, args in [("progressive.jpg", ["-interlace", "JPEG"]), ("greyscale.jpg", ["-colorspace", "Gray"]),
                       ("cmyk.jpg", ["-colorspace", "CMYK"]), ("plain.jpg", [])]:
        subprocess.run(["convert", at("rgb8.png"), *args, "-quality", "95", at(name)], check=True)
    # A colour profile of 260 KB in four segments between the start and the frame header.
    plain = open(at("plain.jpg"), "rb").read()
    profile = b"".join(b"\xFF\xE2" + struct.pack(">H", 2 + 14 + 65000) + b"ICC_PROFILE\0" + bytes([i + 1, 4]) +
                       bytes((j * 7 + i) & 0xFF for j in range(65000)) for i in range(4))
    with open(at("profile.jpg"), "wb") as f:
        f.write(plain[:2] + profile + plain[2:])
    os.remove(at("plain.jpg"))


if __name__ == "__main__":
    main(sys.argv[1])
