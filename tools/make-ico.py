#!/usr/bin/env python3
"""Packs PNG images into one Windows icon file, each image stored as the PNG it is.

    make-ico.py OUT.ico IMAGE.png ...

The icon format: a header (reserved 0, type 1, count), one 16-byte entry per image (width and
height, 0 for 256, no palette, 1 plane, 32 bits per pixel, the image's size and offset), then
the images. Windows reads PNG images in an icon at every size.
"""

import struct
import sys


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise SystemExit("not a PNG image")
    return struct.unpack(">II", data[16:24])


def main():
    out, pngs = sys.argv[1], sys.argv[2:]
    images = [open(path, "rb").read() for path in pngs]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries, body = b"", b""
    for data in images:
        width, height = png_size(data)
        if width > 256 or height > 256:
            raise SystemExit("an icon image is at most 256 pixels wide")
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data),
                               offset + len(body))
        body += data
    with open(out, "wb") as ico:
        ico.write(header + entries + body)


if __name__ == "__main__":
    main()
