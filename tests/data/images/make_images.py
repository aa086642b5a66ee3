#!/usr/bin/python3
"""Writes the picture fixtures of the image tests into this folder.

PNG, BMP, GIF and TIFF files are written byte by byte, so that the chunks and header fields
the loader looks at are exactly what the tests expect; the JPEG files are made with
ImageMagick's convert from a PPM written here. Run with Debian's /usr/bin/python3; the
committed files are what the tests use, nothing runs this script automatically.
"""
import os
import struct
import subprocess
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def out(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


# ---- PNG -------------------------------------------------------------------------------

def chunk(kind, body):
    crc = zlib.crc32(kind + body) & 0xFFFFFFFF
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", crc)


def png(width, height, colour_type, rows, extra=b"", before_idat=b""):
    """rows: list of bytes objects, one per row, already in the colour type's layout."""
    ihdr = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    raw = b"".join(b"\x00" + r for r in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + extra + before_idat +
            chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


W, H = 8, 6


def rgba_bkgd_red():
    # Transparent pixels are stored blue; the background chunk says red. Opaque pixels: red
    # (the key colour after substitution) and black.
    T, R, K = (0, 0, 255, 0), (255, 0, 0, 255), (0, 0, 0, 255)
    rows = []
    for y in range(H):
        row = []
        for x in range(W):
            row.append(T if x < 2 else (R if x < 5 else K))
        rows.append(bytes(sum(row, ())))
    bkgd = chunk(b"bKGD", struct.pack(">HHH", 0x00FF, 0, 0))
    return png(W, H, 6, rows, extra=bkgd)


def graya_no_bkgd():
    # A line drawing: transparent pixels stored black, opaque black lines, one light grey
    # (250) column that a 16-bit display would otherwise turn into the white key.
    rows = []
    for y in range(H):
        row = b""
        for x in range(W):
            if x == 0 or y == 0:
                row += bytes((0, 255))      # opaque black outline
            elif x == W - 1:
                row += bytes((250, 255))    # opaque light grey
            else:
                row += bytes((0, 0))        # transparent, stored black
        rows.append(row)
    # The first pixel in memory order is opaque; the first transparent one is (1, 1).
    return png(W, H, 4, rows)


def palette_trns256():
    palette = b"".join(bytes((i, 255 - i, 128)) for i in range(256))
    trns = bytes([0] + [255] * 255)
    rows = [bytes((x * 37 + y) % 256 if x else 0 for x in range(W)) for y in range(H)]
    return png(W, H, 3, rows, extra=chunk(b"PLTE", palette) + chunk(b"tRNS", trns))


def opaque_png():
    rows = [bytes(sum(((x * 30, y * 40, 200) for x in range(W)), ())) for y in range(H)]
    return png(W, H, 2, rows)


# ---- BMP -------------------------------------------------------------------------------

def bmp(width, height, bits, pixel_rows, size_image=None):
    """pixel_rows: bottom row first, each a bytes object in the file's layout."""
    stride = (width * bits // 8 + 3) & ~3
    data = b"".join(r + b"\x00" * (stride - len(r)) for r in pixel_rows)
    if size_image is None:
        size_image = len(data)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, size_image, 2835, 2835,
                       0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    return header + info + data


def bmp24():
    rows = [bytes(sum(((x * 30, 100, y * 40) for x in range(W)), ())) for y in range(H)]
    return bmp(W, H, 24, rows)


def bmp32_rows():
    # Blue, green, red, alpha. In file order the first pixel has alpha 128 (not a key), the
    # second is pure red with alpha 237 (the key). Pure red also appears opaque elsewhere.
    rows = []
    for y in range(H):
        row = b""
        for x in range(W):
            if y == 0 and x == 0:
                row += bytes((255, 0, 0, 128))
            elif y == 0 and x == 1:
                row += bytes((0, 0, 255, 237))
            elif x == 3:
                row += bytes((0, 0, 255, 255))  # opaque pure red
            elif x == 4:
                row += bytes((0, 0, 254, 255))  # nearly red: stays
            else:
                row += bytes((40 * y, 200, 20 * x, 255))
        rows.append(row)
    return rows


# ---- GIF -------------------------------------------------------------------------------

def lzw_literal(indices, min_code_size=8):
    """GIF LZW data that uses only literal codes, clearing the table often enough that the
    code width stays at min_code_size + 1."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    width = min_code_size + 1
    codes = []
    for i, v in enumerate(indices):
        if i % 200 == 0:
            codes.append(clear)
        codes.append(v)
    codes.append(end)
    bits, nbits, data = 0, 0, bytearray()
    for c in codes:
        bits |= c << nbits
        nbits += width
        while nbits >= 8:
            data.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8
    if nbits:
        data.append(bits & 0xFF)
    blocks = b"".join(bytes((len(data[i:i + 255]),)) + bytes(data[i:i + 255])
                      for i in range(0, len(data), 255))
    return bytes((min_code_size,)) + blocks + b"\x00"


def transparent_gif():
    # Index 0 transparent (stored white), 1 black, 2 red: a black frame around red on a
    # transparent background.
    palette = bytes((255, 255, 255, 0, 0, 0, 255, 0, 0)) + b"\x00" * (256 * 3 - 9)
    indices = []
    for y in range(H):
        for x in range(W):
            if x in (0, W - 1) or y in (0, H - 1):
                indices.append(0)
            elif x in (1, W - 2) or y in (1, H - 2):
                indices.append(1)
            else:
                indices.append(2)
    screen = struct.pack("<6sHHBBB", b"GIF89a", W, H, 0xF7, 0, 0)
    gce = b"\x21\xF9\x04\x01\x00\x00\x00\x00"  # transparent colour index 0
    image = struct.pack("<BHHHHB", 0x2C, 0, 0, W, H, 0)
    return screen + palette + gce + image + lzw_literal(indices) + b"\x3B"


# ---- TIFF ------------------------------------------------------------------------------

def rgba_tiff(width, height, pixels, associated=True):
    """Uncompressed RGBA, one strip; pixels is a flat list of (r, g, b, a)."""
    data = b"".join(bytes(p) for p in pixels)
    entries = [
        (256, 3, 1, width), (257, 3, 1, height), (258, 3, 4, None), (259, 3, 1, 1),
        (262, 3, 1, 2), (273, 4, 1, None), (277, 3, 1, 4), (278, 3, 1, height),
        (279, 4, 1, len(data)), (284, 3, 1, 1), (338, 3, 1, 1 if associated else 2),
    ]
    ifd_offset = 8
    ifd_size = 2 + 12 * len(entries) + 4
    bits_offset = ifd_offset + ifd_size
    strip_offset = bits_offset + 8
    ifd = struct.pack("<H", len(entries))
    for tag, kind, count, value in entries:
        if tag == 258:
            ifd += struct.pack("<HHII", tag, kind, count, bits_offset)
        elif tag == 273:
            ifd += struct.pack("<HHII", tag, kind, count, strip_offset)
        elif kind == 3:
            ifd += struct.pack("<HHIHH", tag, kind, count, value, 0)
        else:
            ifd += struct.pack("<HHII", tag, kind, count, value)
    ifd += struct.pack("<I", 0)
    return b"II*\x00" + struct.pack("<I", ifd_offset) + ifd + struct.pack("<4H", 8, 8, 8, 8) + data


def scan_tiff():
    # A line drawing with premultiplied alpha: the transparent area reads as black, and so do
    # the opaque outlines.
    pixels = []
    for y in range(H):
        for x in range(W):
            if x == 0 or y == 0 or x == W - 1 or y == H - 1:
                pixels.append((0, 0, 0, 255))
            elif x == 3:
                pixels.append((0, 128, 0, 255))
            else:
                pixels.append((0, 0, 0, 0))
    return rgba_tiff(W, H, pixels)


# ---- JPEG ------------------------------------------------------------------------------

def jpeg(name, width, height, density):
    ppm = b"P6 %d %d 255\n" % (width, height) + bytes(
        sum(((x * 15, y * 20, 128) for y in range(height) for x in range(width)), ()))
    path = os.path.join(HERE, name)
    subprocess.run(["/usr/bin/convert", "ppm:-", "-density", str(density), "-units",
                    "PixelsPerInch", "-quality", "95", path], input=ppm, check=True)


# ---- broken copies ---------------------------------------------------------------------

def broken_copies(name, keep_header):
    with open(os.path.join(HERE, name), "rb") as f:
        data = f.read()
    stem, ext = os.path.splitext(name)
    out("truncated_" + stem + ext, data[:len(data) * 9 // 10])
    corrupt = bytearray(data)
    for i in range(keep_header, len(corrupt)):
        corrupt[i] = (corrupt[i] * 7 + 0x5A) & 0xFF
    out("corrupt_" + stem + ext, bytes(corrupt))


def main():
    out("rgba_bkgd_red.png", rgba_bkgd_red())
    out("graya_no_bkgd.png", graya_no_bkgd())
    out("palette_trns256.png", palette_trns256())
    out("opaque.png", opaque_png())
    out("bmp24.bmp", bmp24())
    out("bmp32_red_key.bmp", bmp(W, H, 32, bmp32_rows()))
    out("bmp32_no_size.bmp", bmp(W, H, 32, bmp32_rows(), size_image=0))
    out("transparent.gif", transparent_gif())
    out("scan.TIF", scan_tiff())
    jpeg("photo.JPG", 16, 12, 300)
    # A header that asks for 20000 x 20000 pixels (400 megapixels) over a few bytes of data.
    out("huge_header.png", png(20000, 20000, 0, [b"\x00" * 16]))
    out("archive.tar.gz", b"\x1f\x8b\x08\x00" + b"\x00" * 16)
    for name, header in (("photo.JPG", 2), ("opaque.png", 16), ("bmp24.bmp", 2),
                         ("transparent.gif", 6), ("scan.TIF", 4)):
        broken_copies(name, header)


if __name__ == "__main__":
    main()
