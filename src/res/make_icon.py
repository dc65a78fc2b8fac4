#!/usr/bin/env python3
"""Draws the application icon, the mark itself, and writes Glimmora.ico.

A translucent yellow disc inside an opaque red ring, anti-aliased by the exact
coverage of each pixel's distance to the edges. Small sizes are stored as
32-bpp DIBs with their AND mask (what older shells read), large ones as PNG.

Standard library only. Run it from anywhere: python3 src/res/make_icon.py
"""

import math
import os
import struct
import sys
import zlib

DIB_SIZES = (16, 24, 32, 48)
PNG_SIZES = (64, 72, 96, 128, 256, 512)

DISC_RGB = (255, 214, 0)
DISC_ALPHA = 0.55
RING_RGB = (214, 24, 24)


def coverage(radius, distance):
    """Share of a one-pixel-wide sample inside a circle of the given radius."""
    return min(1.0, max(0.0, radius - distance + 0.5))


def over(dst, rgb, alpha):
    """Source-over compositing of a straight-alpha colour onto a straight-alpha pixel."""
    r, g, b, a = dst
    out_a = alpha + a * (1.0 - alpha)
    if out_a <= 0.0:
        return (0.0, 0.0, 0.0, 0.0)
    keep = a * (1.0 - alpha)
    return (
        (rgb[0] * alpha + r * keep) / out_a,
        (rgb[1] * alpha + g * keep) / out_a,
        (rgb[2] * alpha + b * keep) / out_a,
        out_a,
    )


def draw(size):
    """Returns size rows of size (r, g, b, a) byte tuples, top row first."""
    centre = size / 2.0
    outer = centre - max(0.5, size * 0.03)
    ring = max(1.6, size * 0.13)
    inner = outer - ring
    disc = outer - ring / 2.0  # runs under the ring so no seam shows between them

    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            d = math.hypot(x + 0.5 - centre, y + 0.5 - centre)
            pixel = (0.0, 0.0, 0.0, 0.0)
            pixel = over(pixel, DISC_RGB, DISC_ALPHA * coverage(disc, d))
            pixel = over(pixel, RING_RGB, coverage(outer, d) - coverage(inner, d))
            r, g, b, a = pixel
            alpha = round(a * 255)
            row.append((round(r), round(g), round(b), alpha) if alpha else (0, 0, 0, 0))
        rows.append(row)
    return rows


def dib(rows):
    """BITMAPINFOHEADER, bottom-up BGRA pixels, then the 1-bpp AND mask."""
    size = len(rows)
    mask_stride = ((size + 31) // 32) * 4
    pixels = bytearray()
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (r, g, b, a) in enumerate(row):
            pixels += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack(
        "<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0
    )
    return header + bytes(pixels) + bytes(mask)


def png(rows):
    """An RGBA 8-bit PNG without filtering; the flat picture compresses well anyway."""
    size = len(rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = bytearray()
    for row in rows:
        raw.append(0)
        for pixel in row:
            raw += bytes(pixel)
    ihdr = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (
        b"\x89PNG\r\n\x1a\n"
        + chunk(b"IHDR", ihdr)
        + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
        + chunk(b"IEND", b"")
    )


def icon():
    images = [(n, dib(draw(n))) for n in DIB_SIZES] + [(n, png(draw(n))) for n in PNG_SIZES]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = bytearray()
    for n, data in images:
        side = n if n < 256 else 0  # 0 stands for 256 and more; the PNG header has the truth
        entries += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return directory + bytes(entries) + b"".join(data for _, data in images)


def main():
    target = os.path.join(os.path.dirname(os.path.abspath(__file__)), "Glimmora.ico")
    if len(sys.argv) > 1:
        target = sys.argv[1]
    with open(target, "wb") as out:
        out.write(icon())


if __name__ == "__main__":
    main()
