#!/usr/bin/env python3
"""write-ini.py FILE FOLDER [CHANGE SIZE BMP GIF JPG WMF PNG [PAINT HOLD]]: writes a settings file as the saver's
dialog would, with the keys' code-page-932 bytes. Without PAINT and HOLD the file has no such keys."""
import sys

KEYS = ["画像ﾁｪﾝｼﾞ", "画像のｻｲｽﾞ", "画像のﾌｫﾙﾀﾞ"] + ["画像種類_%d" % i for i in range(5)] + ["描画時間", "表示時間"]


def main(path, folder, change="0", size="1", *rest):
    kinds = list(rest[:5]) or ["1", "1", "1", "1", "1"]
    values = [" " + change, " " + size, folder] + [" " + k for k in kinds] + [" " + t for t in rest[5:7]]
    lines = ["[Section]"] + ["%s=%s" % (k, v) for k, v in zip(KEYS, values)]
    with open(path, "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("cp932"))


if __name__ == "__main__":
    main(*sys.argv[1:])
