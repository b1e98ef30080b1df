#!/usr/bin/env python3
"""Draws the program icon (quorvelan.ico): a rounded tile in the banner's
blue-to-teal gradient with a film strip and a forward arrow. Run it again
after changing the artwork; the .ico it writes is kept in the repository."""

import struct
import sys


def pixel(x, y, size):
    """RGBA of one pixel of the icon at `size` x `size`."""
    u, v = (x + 0.5) / size, (y + 0.5) / size
    r = 0.18  # corner radius of the tile
    cx, cy = min(max(u, r), 1 - r), min(max(v, r), 1 - r)
    if (u - cx) ** 2 + (v - cy) ** 2 > r * r:
        return (0, 0, 0, 0)
    t = (u + v) / 2
    colour = (int(18 + (10 - 18) * t), int(36 + (150 - 36) * t), int(92 + (140 - 92) * t))
    if v < 0.2 or v > 0.8:  # film strip
        colour = (16, 20, 24)
        if 0.06 < v < 0.14 or 0.86 < v < 0.94:
            if (u * 5) % 1 > 0.35 and (u * 5) % 1 < 0.65:
                colour = (216, 224, 232)
    if 0.32 < u < 0.74 and abs(v - 0.5) < (0.74 - u) * 0.55:  # forward arrow
        colour = (255, 255, 255)
    return colour + (255,)


def image(size):
    """One icon image: BITMAPINFOHEADER, bottom-up BGRA rows, AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = bytearray()
    for y in reversed(range(size)):
        for x in range(size):
            r, g, b, a = pixel(x, y, size)
            rows += bytes((b, g, r, a))
    mask_row = ((size + 31) // 32) * 4
    return header + bytes(rows) + bytes(mask_row * size)


def main(path):
    sizes = (16, 32, 48)
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "quorvelan.ico")
