#!/usr/bin/env python3
"""Makes the program's artwork in resources/: the icon and the still picture of the preview pane.

Run it after changing a design; its results are kept in the repository and built into the executable.
"""
import math
import os
import random
import sys

sys.path.insert(0, os.path.dirname(__file__))
from artwork import Canvas, convert, ico_256_bytes  # noqa: E402

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


def main():
    with open(os.path.join(OUT, "quorvantile.ico"), "wb") as f:
        f.write(ico_256_bytes(icon(), transparent=(255, 0, 255)))
    convert(landscape(152, 112, seed=3), os.path.join(OUT, "preview.jpg"),
            "-strip", "-interlace", "none", "-quality", "92", "-sampling-factor", "2x2")


if __name__ == "__main__":
    main()
