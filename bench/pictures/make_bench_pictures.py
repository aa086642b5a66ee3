#!/usr/bin/python3
"""Writes the pictures the end-to-end benchmarks read into the folder given (never committed:
the large ones are tens of megabytes):
  photo-640x480.png    the raccoon photograph Debian's python3-scipy ships, resampled
  big-colour.png       the same at 4000 x 3000 with a little fixed noise, as a camera gives
  big-grey.png         its grey levels, an 8-bit grey PNG
The JPEGs of the large pictures are made by tools/bench-vs-peers with lumina-cli convert.
Needs Debian's python3-numpy and python3-scipy (its face.dat).
"""
import bz2
import os
import struct
import sys
import zlib

import numpy

FACE = "/usr/lib/python3/dist-packages/scipy/misc/face.dat"


def load_face():
    with open(FACE, "rb") as f:
        data = bz2.decompress(f.read())
    return numpy.frombuffer(data, dtype=numpy.uint8).reshape(768, 1024, 3).astype(numpy.float32)


def resample(img, w, h):
    """Bilinear resampling to w x h."""
    src_h, src_w = img.shape[:2]
    ys = (numpy.arange(h) + 0.5) * src_h / h - 0.5
    xs = (numpy.arange(w) + 0.5) * src_w / w - 0.5
    y0 = numpy.clip(numpy.floor(ys).astype(int), 0, src_h - 1)
    x0 = numpy.clip(numpy.floor(xs).astype(int), 0, src_w - 1)
    y1 = numpy.clip(y0 + 1, 0, src_h - 1)
    x1 = numpy.clip(x0 + 1, 0, src_w - 1)
    fy = numpy.clip(ys - y0, 0, 1)[:, None, None]
    fx = numpy.clip(xs - x0, 0, 1)[None, :, None]
    top = img[y0][:, x0] * (1 - fx) + img[y0][:, x1] * fx
    bottom = img[y1][:, x0] * (1 - fx) + img[y1][:, x1] * fx
    return top * (1 - fy) + bottom * fy


def write_png(path, pixels):
    h, w = pixels.shape[:2]
    colour_type = 2 if pixels.ndim == 3 else 0
    rows = pixels.reshape(h, -1)
    raw = numpy.concatenate([numpy.zeros((h, 1), numpy.uint8), rows], axis=1).tobytes()

    def chunk(name, data):
        body = name + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, colour_type, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 6)))
        f.write(chunk(b"IEND", b""))


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    face = load_face()
    write_png(os.path.join(out, "photo-640x480.png"),
              numpy.clip(resample(face, 640, 480) + 0.5, 0, 255).astype(numpy.uint8))
    big = resample(face, 4000, 3000)
    noise = numpy.random.default_rng(16).normal(0.0, 4.0, big.shape[:2])[:, :, None]
    big = numpy.clip(big + noise + 0.5, 0, 255).astype(numpy.uint8)
    write_png(os.path.join(out, "big-colour.png"), big)
    grey = big.astype(numpy.float32) @ numpy.array([0.299, 0.587, 0.114], numpy.float32)
    write_png(os.path.join(out, "big-grey.png"), numpy.clip(grey + 0.5, 0, 255).astype(numpy.uint8))


if __name__ == "__main__":
    main()
