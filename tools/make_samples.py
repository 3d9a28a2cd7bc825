#!/usr/bin/env python3
"""Makes the bundled sample pictures (our own, generated) into the folder given: bmp, gif and jpg files
of a few sizes, for `make run` and for trying the saver by hand."""
import math
import os
import random
import sys

sys.path.insert(0, os.path.dirname(__file__))
from artwork import Canvas, convert, write_bmp  # noqa: E402
from make_artwork import landscape  # noqa: E402


def rings(w, h, seed):
    """Soft concentric colour rings, like ripples on a pond."""
    rnd = random.Random(seed)
    cx, cy = w * rnd.uniform(0.3, 0.7), h * rnd.uniform(0.3, 0.7)
    c = Canvas(w, h)
    c.fill(lambda x, y: (128 + 100 * math.sin(math.hypot(x - cx, y - cy) / 23),
                         128 + 100 * math.sin(math.hypot(x - cx, y - cy) / 31 + 1),
                         160 + 90 * math.cos(y / h * 3)))
    return c


def tiles(w, h, seed):
    """A mosaic of coloured tiles with a little grain."""
    rnd = random.Random(seed)
    size = 40
    colours = {}
    c = Canvas(w, h)

    def tile(x, y):
        key = (x // size, y // size)
        if key not in colours:
            colours[key] = (rnd.randint(30, 230), rnd.randint(30, 230), rnd.randint(30, 230))
        return [v + rnd.randint(-6, 6) for v in colours[key]]

    c.fill(tile)
    return c


def main(out):
    os.makedirs(out, exist_ok=True)
    write_bmp(landscape(640, 480, seed=11), os.path.join(out, "evening.bmp"))
    convert(rings(480, 640, seed=5), os.path.join(out, "ripples.jpg"), "-quality", "90")
    convert(tiles(800, 600, seed=2), os.path.join(out, "mosaic.gif"))
    convert(landscape(1280, 720, seed=23), os.path.join(out, "valley.jpg"), "-quality", "90")


if __name__ == "__main__":
    main(sys.argv[1])
