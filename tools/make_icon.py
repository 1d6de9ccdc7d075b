#!/usr/bin/env python3
"""Packs an uncompressed 8-bit 32 x 32 BMP into a one-image .ico; black is transparent."""
import struct
import sys

bmp = open(sys.argv[1], "rb").read()
offset = struct.unpack_from("<I", bmp, 10)[0]
header_size, width, height, planes, bits, compression = struct.unpack_from("<IiiHHI", bmp, 14)
assert (width, height, bits, compression) == (32, 32, 8, 0), "need an uncompressed 8-bit 32x32 BMP"
colours = struct.unpack_from("<I", bmp, 46)[0] or 256
palette = bmp[14 + header_size:14 + header_size + 4 * colours].ljust(1024, b"\0")
pixels = bmp[offset:offset + 32 * 32]
black = [i for i in range(256) if palette[4 * i:4 * i + 3] == b"\0\0\0"]
mask = bytearray()
for row in range(32):
    bits_row = 0
    for col in range(32):
        if pixels[row * 32 + col] in black:
            bits_row |= 1 << (31 - col)
    mask += struct.pack(">I", bits_row)
info = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 8, 0, len(pixels) + len(mask), 0, 0, 256, 0)
image = info + palette + pixels + bytes(mask)
ico = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", 32, 32, 0, 0, 1, 8, len(image), 22)
open(sys.argv[2], "wb").write(ico + image)
