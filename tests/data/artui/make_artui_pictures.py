#!/usr/bin/python3
"""Builds the character-art window's test pictures from the public-domain raccoon photograph
that Debian's python3-scipy ships (scipy/misc/face.dat, 1024 x 768):
  small.png  64 x 48   the whole photograph averaged down: smaller than the picture area
  wide.png   480 x 120 a strip of the photograph (1024 x 256 from row 256): much wider than high
Run with Debian's python3 (numpy, scipy data installed) from this folder; CI uses the
committed files. The loading, averaging and PNG writing are those of ../art/make_art_pictures.py.
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(os.path.dirname(HERE), "art"))

from make_art_pictures import downscale, load_face, write_png  # noqa: E402


def build(folder):
    face = load_face()
    write_png(os.path.join(folder, "small.png"), downscale(face, 64, 48))
    write_png(os.path.join(folder, "wide.png"), downscale(face[256:512], 480, 120))


if __name__ == "__main__":
    build(HERE)
