#!/usr/bin/env python3
# Draws the program's icon, res/converter.ico: eight little cells (the 8 bytes of the value) on a
# dark badge, byte 0 in amber because every view reads the least significant byte first.
# Two images, 16 x 16 and 32 x 32, 24 bits per pixel, uncompressed, with an AND mask.
# Usage: make_icon.py [OUTPUT]   (python3 standard library only)
import os
import struct
import sys

BADGE = (0x4A, 0x2D, 0x1F)  # blue, green, red: a dark navy
CELL = (0xFF, 0xD4, 0x7F)  # light sky blue
FIRST_CELL = (0x00, 0xB0, 0xFF)  # amber

# Per size: corner radius of the badge, cell width and height, gap between cells, left margin.
# Four columns and two rows of cells, centred: 4 * width + 3 * gap + 2 * margin == size.
LAYOUTS = {
    16: {"radius": 1, "width": 2, "height": 3, "gap": 2, "margin": 1},
    32: {"radius": 4, "width": 5, "height": 6, "gap": 2, "margin": 3},
}


def inside_badge(x, y, size, radius):
    """True where the rounded badge covers pixel (x, y); y counts from the top."""
    cx = min(max(x, radius), size - 1 - radius)
    cy = min(max(y, radius), size - 1 - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def cell_at(x, y, size, layout):
    """Index 0..7 of the cell that covers pixel (x, y), or None."""
    w, h, gap, margin = layout["width"], layout["height"], layout["gap"], layout["margin"]
    top = (size - (2 * h + gap)) // 2
    column, cx = divmod(x - margin, w + gap)
    row, cy = divmod(y - top, h + gap)
    if x < margin or y < top or column > 3 or row > 1 or cx >= w or cy >= h:
        return None
    return row * 4 + column


def pixel(x, y, size):
    """(blue, green, red) or None for a transparent pixel."""
    layout = LAYOUTS[size]
    if not inside_badge(x, y, size, layout["radius"]):
        return None
    cell = cell_at(x, y, size, layout)
    if cell is None:
        return BADGE
    return FIRST_CELL if cell == 0 else CELL


def image(size):
    """BITMAPINFOHEADER, colour rows and mask rows, bottom row first, as an icon resource holds."""
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 24, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    mask = bytearray()
    mask_row_bytes = ((size + 31) // 32) * 4
    for y in reversed(range(size)):
        bits = 0
        for x in range(size):
            p = pixel(x, y, size)
            colour += bytes(p) if p else b"\0\0\0"
            if p is None:
                bits |= 1 << (mask_row_bytes * 8 - 1 - x)
        colour += b"\0" * (-(size * 3) % 4)
        mask += bits.to_bytes(mask_row_bytes, "big")
    return header + bytes(colour) + bytes(mask)


def icon_file(sizes):
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 24, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "res", "converter.ico")
    with open(target, "wb") as f:
        f.write(icon_file([16, 32]))


if __name__ == "__main__":
    main()
