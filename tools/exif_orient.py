#!/usr/bin/env python3
"""exif_orient.py IN.jpg OUT.jpg ORIENTATION: writes the JPEG with an EXIF block whose first directory holds
the Orientation tag (0x0112), as a camera writes it for a photo stored on its side."""
import struct
import sys


def main(source, target, orientation):
    data = open(source, "rb").read()
    assert data[:2] == b"\xff\xd8", "not a JPEG"
    tiff = b"II" + struct.pack("<HIH", 42, 8, 1) + struct.pack("<HHIHH", 0x0112, 3, 1, int(orientation), 0)
    tiff += struct.pack("<I", 0)  # no next directory
    app1 = b"Exif\0\0" + tiff
    open(target, "wb").write(data[:2] + b"\xff\xe1" + struct.pack(">H", len(app1) + 2) + app1 + data[2:])


if __name__ == "__main__":
    main(*sys.argv[1:])
