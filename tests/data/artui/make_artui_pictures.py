#!/usr/bin/python3
"""Builds the character-art window's test pictures from the public-domain raccoon photograph
that Debian's python3-scipy ships (scipy/misc/face.dat, 1024 x 768):
  small.png  64 x 48   the whole photograph averaged down: smaller than the picture area
  wide.png   480 x 120 a strip of the photograph (1024 x 256 from row 256): much wider than high
Run with Debian's python3 (numpy, scipy data installed) from this folder; CI uses the
committed files.
"""
import bz2
import os
import struct
import zlib

import numpy

HERE = os.path.dirname(os.path.abspath(__file__))
FACE = "/usr/lib/python3/dist-packages/scipy/misc/face.dat"


def load_face():
    with open(FACE, "rb") as f:
        data = bz2.decompress(f.read())
    return numpy.frombuffer(data, dtype=numpy.uint8).reshape(768, 1024, 3)


def downscale(img, w, h):
    src_h, src_w, _ = img.shape
    out = numpy.zeros((h, w, 3), dtype=numpy.float64)
    for y in range(h):
        y0, y1 = y * src_h // h, (y + 1) * src_h // h
        for x in range(w):
            x0, x1 = x * src_w // w, (x + 1) * src_w // w
            out[y, x] = img[y0:y1, x0:x1].reshape(-1, 3).mean(axis=0)
    return numpy.clip(out + 0.5, 0, 255).astype(numpy.uint8)


def write_png(path, img):
    h, w, _ = img.shape
    raw = b"".join(b"\x00" + img[y].tobytes() for y in range(h))

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


if __name__ == "__main__":
    face = load_face()
    write_png(os.path.join(HERE, "small.png"), downscale(face, 64, 48))
    write_png(os.path.join(HERE, "wide.png"), downscale(face[256:512], 480, 120))
