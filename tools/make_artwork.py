#!/usr/bin/env python3
"""Makes the program's artwork in resources/: the icon, the still picture of the preview pane, and the
settings dialog's texture, button face, heading plate, option pictures and hand pointer.

Run it after changing a design; its results are kept in the repository and built into the executable.
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


def streaks(w, h, seed, base=206, depth=14):
    """Light grey with fine horizontal streaks, like brushed metal."""
    rnd = random.Random(seed)
    rows = [rnd.uniform(-1, 1) for _ in range(h)]
    c = Canvas(w, h)

    def px(x, y):
        v = base + depth * rows[y] * (0.7 + 0.3 * math.sin(x / 37.0 + y)) + rnd.uniform(-3, 3)
        return (v, v, v + 4)

    c.fill(px)
    return c


def button_face():
    """The face of every command button: streaked grey with a soft light edge above and a shadow below."""
    c = streaks(103, 37, seed=4, base=214, depth=10)
    for x in range(103):
        c.blend(x, 0, (255, 255, 255), 0.8)
        c.blend(x, 1, (255, 255, 255), 0.4)
        c.blend(x, 36, (96, 96, 100), 0.8)
        c.blend(x, 35, (96, 96, 100), 0.4)
    for y in range(37):
        c.blend(0, y, (255, 255, 255), 0.6)
        c.blend(102, y, (96, 96, 100), 0.6)
    return c


def heading_plate():
    """A grey bar with rounded ends, on the dialog's own light grey."""
    c = Canvas(95, 22, (206, 206, 210))
    r = 10.5
    for y in range(22):
        for x in range(95):
            cx = min(max(x + 0.5, r), 95 - r)
            d = math.hypot(x + 0.5 - cx, y + 0.5 - 11)
            a = max(0.0, min(1.0, r - d + 0.5))
            shade = 150 + 50 * (1 - y / 21.0)
            c.blend(x, y, (shade, shade, shade + 6), a)
    return c


def radio(dot):
    c = Canvas(13, 13, (206, 206, 210))
    c.disc(6.5, 6.5, 6.2, (90, 90, 96), soft=1)
    c.disc(6.5, 6.5, 5.0, (255, 255, 255), soft=1)
    if dot:
        c.disc(6.5, 6.5, 3.0, (240, 80, 20), soft=1)
    return c


def check(filled):
    c = Canvas(12, 12, (90, 90, 96))
    c.rect(1, 1, 11, 11, (255, 255, 255))
    if filled:
        c.rect(2, 2, 10, 10, (40, 80, 220))
    return c


def hand():
    """A hand with raised index finger; black outline, white fill, the fingertip at (12, 1)."""
    key = (255, 0, 255)
    c = Canvas(32, 32, key)
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
            if ch == ".":
                c.set(x + 2, y, (0, 0, 0))
            elif ch == "w":
                c.set(x + 2, y, (255, 255, 255))
    return c, key


def main():
    with open(os.path.join(OUT, "quorvantile.ico"), "wb") as f:
        f.write(ico_256_bytes(icon(), transparent=(255, 0, 255)))
    convert(landscape(152, 112, seed=3), os.path.join(OUT, "preview.jpg"),
            "-strip", "-interlace", "none", "-quality", "92", "-sampling-factor", "2x2")
    write_bmp(streaks(563, 21, seed=1), os.path.join(OUT, "texture.bmp"))
    write_bmp(button_face(), os.path.join(OUT, "button.bmp"))
    write_bmp(heading_plate(), os.path.join(OUT, "heading.bmp"))
    for i, dot in enumerate((False, True)):
        write_bmp(radio(dot), os.path.join(OUT, "radio%d.bmp" % i))
    for i, filled in enumerate((False, True)):
        write_bmp(check(filled), os.path.join(OUT, "check%d.bmp" % i))
    pointer, key = hand()
    with open(os.path.join(OUT, "hand.cur"), "wb") as f:
        f.write(cur_bytes(pointer, (12, 1), key))


if __name__ == "__main__":
    main()
