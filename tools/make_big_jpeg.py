#!/usr/bin/env python3
"""make_big_jpeg.py WIDTH HEIGHT OUT.jpg: a big JPEG of gradients with grain (not a photograph, but as hard to
decode), written row by row through cjpeg, so that no tool holds the whole picture."""
import random
import subprocess
import sys


def main(width, height, out):
    w, h = int(width), int(height)
    with open(out, "wb") as target:
        cjpeg = subprocess.Popen(["cjpeg", "-quality", "85"], stdin=subprocess.PIPE, stdout=target)
        cjpeg.stdin.write(b"P6\n%d %d\n255\n" % (w, h))
        ramp = bytes((x * 255 // max(w - 1, 1)) for x in range(w))
        rng = random.Random(1)
        grain = bytes(rng.randrange(256) for _ in range(w + 97))
        for y in range(h):
            row = bytearray(3 * w)
            row[0::3] = ramp
            row[1::3] = grain[y % 97:y % 97 + w]
            row[2::3] = bytes([y * 255 // max(h - 1, 1)]) * w
            cjpeg.stdin.write(row)
        cjpeg.stdin.close()
        if cjpeg.wait() != 0:
            sys.exit("cjpeg failed")


if __name__ == "__main__":
    main(*sys.argv[1:])
