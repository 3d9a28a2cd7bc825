#!/usr/bin/env python3
"""Makes the program's artwork in resources/: the icon, the still picture of the preview pane, and the
settings dialog's texture, button face, heading plate, option pictures and hand pointer.

Run it after changing a design; its results are kept in the repository and built into the executable. The
dialog's artwork is made twice, at its own size and at twice that, so that a scaled dialog stays crisp.
"""
import math
import os
import random
import sys

sys.path.insert(0, os.path.dirname(__file__))
from artwork import Canvas, convert, cur_bytes, ico_256_bytes, write_bmp  # noqa: E402

OUT = os.path.join(os.path.dirname(__file__), "..", "resources")


def landscape(w, h, seed):
    """Evening hills under a warm sky, laid on in soft dabs like a painting in progress."""
    rnd = random.Random(seed)
    c = Canvas(w, h)

    def sky(x, y):
        t = y / h
        return (40 + 200 * t, 60 + 120 * t, 150 + 40 * (1 - t))

    c.fill(sky)
    c.disc(w * 0.72, h * 0.38, h * 0.13, (255, 226, 150), soft=2)
    for k, (base, colour) in enumerate([(0.62, (70, 110, 90)), (0.74, (50, 120, 60)), (0.86, (30, 90, 40))]):
        phase = rnd.random() * 6
        for x in range(w):
            top = h * base + h * 0.05 * math.sin(x / w * 6.3 * (k + 1) + phase)
            for y in range(int(top), h):
                c.set(x, y, [v + 10 * math.sin(y * 0.7 + x * 0.3) for v in colour])
    for _ in range(w * h // 60):
        x, y = rnd.randrange(w), rnd.randrange(h)
        r, g, b = c.get(x, y)
        c.disc(x, y, rnd.uniform(1.0, 2.5), (r + rnd.randint(-18, 18), g + rnd.randint(-18, 18),
                                            b + rnd.randint(-18, 18)), soft=1.5)
    return c


def icon():
    """A small framed canvas showing the evening landscape."""
    c = Canvas(32, 32, (255, 0, 255))
    scene = landscape(24, 20, seed=7)
    c.rect(2, 4, 30, 28, (153, 102, 51))
    c.rect(3, 5, 29, 27, (204, 153, 102))
    for y in range(20):
        for x in range(24):
            c.set(4 + x, 6 + y, scene.get(x, y))
    return c


def streaks(w, h, seed, base=206, depth=14, k=1):
    """Light grey with fine horizontal streaks, like brushed metal; k is the scale."""
    rnd = random.Random(seed)
    rows = [rnd.uniform(-1, 1) for _ in range(h // k)]
    c = Canvas(w, h)

    def px(x, y):
        v = base + depth * rows[y // k] * (0.7 + 0.3 * math.sin(x / (37.0 * k) + y // k)) + rnd.uniform(-3, 3)
        return (v, v, v + 4)

    c.fill(px)
    return c


def button_face(k=1):
    """The face of every command button: streaked grey with a soft light edge above and a shadow below."""
    w, h = 103 * k, 37 * k
    c = streaks(w, h, seed=4, base=214, depth=10, k=k)
    light, dark = (255, 255, 255), (96, 96, 100)
    for x in range(w):
        for t in range(k):
            c.blend(x, t, light, 0.8)
        for t in range(k):
            c.blend(x, k + t, light, 0.4)
        for t in range(k):
            c.blend(x, h - 1 - t, dark, 0.8)
        for t in range(k):
            c.blend(x, h - 1 - k - t, dark, 0.4)
    for y in range(h):
        for t in range(k):
            c.blend(t, y, light, 0.6)
        for t in range(k):
            c.blend(w - 1 - t, y, dark, 0.6)
    return c


def heading_plate(k=1):
    """A grey bar with rounded ends, on the dialog's own light grey."""
    w, h = 95 * k, 22 * k
    c = Canvas(w, h, (206, 206, 210))
    r = 10.5 * k
    for y in range(h):
        for x in range(w):
            cx = min(max(x + 0.5, r), w - r)
            d = math.hypot(x + 0.5 - cx, y + 0.5 - 11 * k)
            a = max(0.0, min(1.0, r - d + 0.5))
            shade = 150 + 50 * (1 - y / (22.0 * k - 1))
            c.blend(x, y, (shade, shade, shade + 6), a)
    return c


def radio(dot, k=1):
    c = Canvas(13 * k, 13 * k, (206, 206, 210))
    c.disc(6.5 * k, 6.5 * k, 6.2 * k, (90, 90, 96), soft=1)
    c.disc(6.5 * k, 6.5 * k, 5.0 * k, (255, 255, 255), soft=1)
    if dot:
        c.disc(6.5 * k, 6.5 * k, 3.0 * k, (240, 80, 20), soft=1)
    return c


def check(filled, k=1):
    c = Canvas(12 * k, 12 * k, (90, 90, 96))
    c.rect(k, k, 11 * k, 11 * k, (255, 255, 255))
    if filled:
        c.rect(2 * k, 2 * k, 10 * k, 10 * k, (40, 80, 220))
    return c


def hand(k=1):
    """A hand with raised index finger; black outline, white fill, the fingertip at (12, 1) times k."""
    key = (255, 0, 255)
    c = Canvas(32 * k, 32 * k, key)
    shape = [
        "          ..          ",
        "         .ww.         ",
        "         .ww.         ",
        "         .ww.         ",
        "         .ww.         ",
        "         .ww...       ",
        "         .ww.ww...    ",
        "         .ww.ww.ww..  ",
        "      .. .ww.ww.ww.w. ",
        "     .ww..wwwwwwwww.w.",
        "     .www.wwwwwwwwwww.",
        "      .wwwwwwwwwwwwww.",
        "       .wwwwwwwwwwwww.",
        "       .wwwwwwwwwwwww.",
        "        .wwwwwwwwwww. ",
        "        .wwwwwwwwwww. ",
        "         .wwwwwwwww.  ",
        "         .wwwwwwwww.  ",
        "         ...........  ",
    ]
    for y, row in enumerate(shape):
        for x, ch in enumerate(row):
            if ch in ".w":
                c.rect((x + 2) * k, y * k, (x + 3) * k, (y + 1) * k, (0, 0, 0) if ch == "." else (255, 255, 255))
    return c, key


def main():
    with open(os.path.join(OUT, "quorvantile.ico"), "wb") as f:
        f.write(ico_256_bytes(icon(), transparent=(255, 0, 255)))
    convert(landscape(152, 112, seed=3), os.path.join(OUT, "preview.jpg"),
            "-strip", "-interlace", "none", "-quality", "92", "-sampling-factor", "2x2")
    for k, suffix in ((1, ""), (2, "@2x")):
        write_bmp(streaks(563 * k, 21 * k, seed=1, k=k), os.path.join(OUT, "texture%s.bmp" % suffix))
        write_bmp(button_face(k), os.path.join(OUT, "button%s.bmp" % suffix))
        write_bmp(heading_plate(k), os.path.join(OUT, "heading%s.bmp" % suffix))
        for i, dot in enumerate((False, True)):
            write_bmp(radio(dot, k), os.path.join(OUT, "radio%d%s.bmp" % (i, suffix)))
        for i, filled in enumerate((False, True)):
            write_bmp(check(filled, k), os.path.join(OUT, "check%d%s.bmp" % (i, suffix)))
    hands = [(hand(k), (12 * k, 1 * k)) for k in (1, 2)]
    with open(os.path.join(OUT, "hand.cur"), "wb") as f:
        f.write(cur_bytes([(pointer, hotspot, key) for (pointer, key), hotspot in hands]))


if __name__ == "__main__":
    main()
