#!/usr/bin/env python3
"""Draws the program's icon at every size Windows asks for and packs them into one .ico.

The drawing is given on a 32 x 32 grid; each size is drawn anew from it, its shapes moved to
whole pixels, so that small sizes stay crisp (no antialiasing up to 24 pixels). Sizes up to 64
are 256-colour images with black as the transparent colour, which every Windows reads; the
256-pixel one is PNG-compressed, which Windows XP skips. Needs ImageMagick's convert.
"""
import math
import struct
import subprocess
import sys

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
BACKGROUND, BARS, NOTE = "#010042", "#5b4fd8", "#c0c0ff"
BARS_AT = ((5, 18, 8, 27), (11, 10, 14, 27), (17, 14, 20, 27), (23, 6, 26, 27))  # inclusive
NOTE_HEAD, NOTE_STEM = (9, 9, 3, 2.5), (11, 3, 12, 9)  # centre and radii; a rectangle


def on_pixels(rect, scale):
    """An inclusive rectangle of the 32-grid on whole pixels of a size."""
    left, top, right, bottom = rect
    whole = lambda v: int(math.floor(v * scale + 0.5))
    return (whole(left), whole(top), max(whole(left), whole(right + 1) - 1),
            max(whole(top), whole(bottom + 1) - 1))


def draw(size, image_format):
    scale = size / 32
    corner = max(2, round(6 * scale))
    x, y, rx, ry = NOTE_HEAD
    draws = [f"roundrectangle 0,0 {size - 1},{size - 1} {corner},{corner}"]
    bars = " ".join("rectangle %d,%d %d,%d" % on_pixels(bar, scale) for bar in BARS_AT)
    head = "ellipse %g,%g %g,%g 0,360" % ((x + 0.5) * scale - 0.5, (y + 0.5) * scale - 0.5,
                                          max(1, rx * scale), max(1, ry * scale))
    stem = "rectangle %d,%d %d,%d" % on_pixels(NOTE_STEM, scale)
    command = ["/usr/bin/convert", "-size", f"{size}x{size}", "xc:none"]
    command += [] if size > 24 else ["+antialias"]
    command += ["-fill", BACKGROUND, "-draw", draws[0], "-fill", BARS, "-draw", bars,
                "-fill", NOTE, "-draw", f"{head} {stem}"]
    if image_format == "png":
        command += ["-strip", "-define", "png:exclude-chunks=date,time", "-define",
                    "png:compression-level=9", "png32:-"]
    else:
        command += ["-background", "#000000", "-alpha", "remove", "-colors", "256", "-depth", "8", "ppm:-"]
    return subprocess.run(command, check=True, stdout=subprocess.PIPE).stdout


def from_ppm(ppm, size):
    """The pixels of a binary PPM, top row first, as (r, g, b)."""
    fields, at = [], 0
    while len(fields) < 4:
        while ppm[at:at + 1].isspace():
            at += 1
        start = at
        while not ppm[at:at + 1].isspace():
            at += 1
        fields.append(ppm[start:at])
    assert fields[0] == b"P6" and int(fields[1]) == int(fields[2]) == size and fields[3] == b"255"
    data = ppm[at + 1:]
    return [tuple(data[3 * i:3 * i + 3]) for i in range(size * size)]


def paletted(size):
    """An 8-bit DIB of the colours it uses, with its AND mask, bottom row first; black is
    transparent."""
    pixels = from_ppm(draw(size, "ppm"), size)
    colours = sorted(set(pixels))
    assert len(colours) <= 256
    index = {colour: i for i, colour in enumerate(colours)}
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
    rows, mask = b"", b""
    mask_row_bytes = (size + 31) // 32 * 4
    for row in reversed(range(size)):
        line = pixels[row * size:(row + 1) * size]
        rows += bytes(index[p] for p in line)
        bits = 0
        for col, p in enumerate(line):
            bits |= (p == (0, 0, 0)) << (8 * mask_row_bytes - 1 - col)
        mask += bits.to_bytes(mask_row_bytes, "big")
    info = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 8, 0, len(rows) + len(mask), 0, 0,
                       len(colours), 0)
    return info + palette + rows + mask


def main():
    images = [(size, draw(size, "png") if size == 256 else paletted(size)) for size in SIZES]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in images:
        bits = 32 if size == 256 else 8
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bits, len(image),
                                 offset)
        offset += len(image)
    with open(sys.argv[1], "wb") as ico:
        ico.write(directory + b"".join(image for _, image in images))


if __name__ == "__main__":
    main()
