"""Small raster helpers for the artwork and test-picture generators: RGB canvases and file writers.

Only the standard library is used; JPEG and GIF files are made from a written BMP by ImageMagick's convert.
"""
import math
import struct
import subprocess


class Canvas:
    def __init__(self, w, h, fill=(0, 0, 0)):
        self.w, self.h = w, h
        self.px = [list(fill) for _ in range(w * h)]

    def get(self, x, y):
        return tuple(self.px[y * self.w + x])

    def set(self, x, y, rgb):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y * self.w + x] = [max(0, min(255, int(round(c)))) for c in rgb]

    def fill(self, fn):
        """fn(x, y) -> rgb for every pixel."""
        for y in range(self.h):
            for x in range(self.w):
                self.set(x, y, fn(x, y))

    def blend(self, x, y, rgb, a):
        if 0 <= x < self.w and 0 <= y < self.h:
            old = self.get(x, y)
            self.set(x, y, [o * (1 - a) + n * a for o, n in zip(old, rgb)])

    def disc(self, cx, cy, r, rgb, soft=1.0):
        for y in range(int(cy - r - 2), int(cy + r + 3)):
            for x in range(int(cx - r - 2), int(cx + r + 3)):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                a = max(0.0, min(1.0, (r - d) / soft + 0.5))
                if a > 0:
                    self.blend(x, y, rgb, a)

    def rect(self, x0, y0, x1, y1, rgb):
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.set(x, y, rgb)


def bmp24_bytes(c):
    row = (c.w * 3 + 3) & ~3
    out = bytearray()
    for y in range(c.h - 1, -1, -1):
        line = bytearray()
        for x in range(c.w):
            r, g, b = c.get(x, y)
            line += bytes((b, g, r))
        line += b"\0" * (row - len(line))
        out += line
    header = struct.pack("<2sIHHI", b"BM", 54 + len(out), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, c.w, c.h, 1, 24, 0, len(out), 2835, 2835, 0, 0)
    return header + info + out


def write_bmp(c, path):
    with open(path, "wb") as f:
        f.write(bmp24_bytes(c))


def convert(c, path, *options):
    """Writes the canvas through ImageMagick (jpg, gif ...), options before the output name."""
    tmp = path + ".tmp.bmp"
    write_bmp(c, tmp)
    subprocess.run(["convert", tmp, *options, path], check=True)
    subprocess.run(["rm", "-f", tmp], check=True)


def palette_256():
    pal = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
    pal += [(int(i * 255 / 39),) * 3 for i in range(40)]
    return pal


def nearest(pal, rgb):
    return min(range(len(pal)), key=lambda i: sum((p - q) ** 2 for p, q in zip(pal[i], rgb)))


def ico_256_bytes(c, transparent=None):
    """A one-image icon file: 8-bit colour with a 256-entry palette and an AND mask."""
    pal = palette_256()
    cache = {}
    xor = bytearray()
    mask = bytearray()
    mrow = ((c.w + 31) // 32) * 4
    for y in range(c.h - 1, -1, -1):
        bits = [0] * (mrow * 8)
        for x in range(c.w):
            rgb = c.get(x, y)
            if rgb not in cache:
                cache[rgb] = nearest(pal, rgb)
            xor.append(0 if transparent and rgb == transparent else cache[rgb])
            bits[x] = 1 if transparent and rgb == transparent else 0
        xor += b"\0" * ((-c.w) % 4)
        for i in range(mrow):
            mask.append(sum(bits[i * 8 + k] << (7 - k) for k in range(8)))
    info = struct.pack("<IiiHHIIiiII", 40, c.w, c.h * 2, 1, 8, 0, len(xor) + len(mask), 0, 0, 256, 0)
    colors = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in pal)
    image = info + colors + xor + mask
    head = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", c.w, c.h, 0, 0, 1, 8, len(image), 22)
    return head + image


def cur_bytes(images):
    """A cursor file of one or more sizes, each 1-bit with an AND mask (colours black and white only);
    images are (canvas, hotspot, transparent colour)."""
    entries, bodies = [], []
    for c, hotspot, transparent in images:
        row = ((c.w + 31) // 32) * 4
        xor = bytearray()
        mask = bytearray()
        for y in range(c.h - 1, -1, -1):
            xb = [0] * (row * 8)
            mb = [0] * (row * 8)
            for x in range(c.w):
                rgb = c.get(x, y)
                if rgb == transparent:
                    mb[x] = 1
                elif sum(rgb) > 384:
                    xb[x] = 1
            for i in range(row):
                xor.append(sum(xb[i * 8 + k] << (7 - k) for k in range(8)))
                mask.append(sum(mb[i * 8 + k] << (7 - k) for k in range(8)))
        info = struct.pack("<IiiHHIIiiII", 40, c.w, c.h * 2, 1, 1, 0, len(xor) + len(mask), 0, 0, 2, 0)
        colors = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
        bodies.append(info + colors + xor + mask)
        entries.append((c.w, c.h, hotspot))
    offset = 6 + 16 * len(images)
    head = struct.pack("<HHH", 0, 2, len(images))
    for (w, h, hotspot), body in zip(entries, bodies):
        head += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, hotspot[0], hotspot[1], len(body), offset)
        offset += len(body)
    return head + b"".join(bodies)
