#!/usr/bin/env python3
"""Draws the program's pictures: the splash, the frame's wallpaper tile and
the icon. Run it from this folder to regenerate the files."""
import struct


def bmp_bytes(width, height, pixel):
    row_pad = (4 - (width * 3) % 4) % 4
    rows = bytearray()
    for y in range(height - 1, -1, -1):
        for x in range(width):
            r, g, b = pixel(x, y)
            rows += bytes((b, g, r))
        rows += b"\0" * row_pad
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    return header, rows


def write_bmp(name, width, height, pixel):
    header, rows = bmp_bytes(width, height, pixel)
    with open(name, "wb") as out:
        out.write(b"BM" + struct.pack("<IHHI", 14 + len(header) + len(rows), 0, 0, 54))
        out.write(header + rows)


def inside(poly, x, y):
    hit = False
    j = len(poly) - 1
    for i in range(len(poly)):
        xi, yi = poly[i]
        xj, yj = poly[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            hit = not hit
        j = i
    return hit


# A kestrel hovering: body, two swept wings and a fanned tail.
BIRD = [(0, -2), (3, -6), (14, -10), (26, -9), (8, -3), (6, 2), (9, 12), (0, 9),
        (-9, 12), (-6, 2), (-8, -3), (-26, -9), (-14, -10), (-3, -6)]


def bird_at(cx, cy, scale):
    return [(cx + px * scale, cy + py * scale) for px, py in BIRD]


def splash(x, y, w=320, h=180, bird=bird_at(90, 80, 2.6)):
    t = y / h
    base = (int(20 + 30 * t), int(40 + 60 * t), int(90 + 80 * t))
    if inside(bird, x + 0.5, y + 0.5):
        return (200, 120, 50)
    # Four panes on the right, like the program's four lists.
    for px, py in ((170, 40), (245, 40), (170, 100), (245, 100)):
        if px <= x < px + 65 and py <= y < py + 50:
            if x in (px, px + 64) or y in (py, py + 49):
                return (230, 230, 240)
            if (y - py) % 8 == 4 and px + 6 <= x < px + 58:
                return (150, 170, 210)
            return (245, 245, 250)
    if 150 <= y < 153 and 20 <= x < 300:
        return (200, 120, 50)
    return base


def wallpaper(x, y):
    on = (x + y) % 16 == 0 or (x - y) % 16 == 0
    return (96, 112, 140) if on else (110, 126, 156)


def icon_pixel(x, y, bird=bird_at(16, 17, 0.55)):
    if inside(bird, x + 0.5, y + 0.5):
        return (190, 110, 40)
    return (40, 70, 140) if (x < 2 or y < 2 or x > 29 or y > 29) else (225, 232, 245)


def write_icon(name, size=32):
    header, rows = bmp_bytes(size, size, icon_pixel)
    # An icon's bitmap header counts the colour rows and the mask rows.
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 24, 0, 0, 0, 0, 0, 0)
    mask_row = (size + 31) // 32 * 4
    mask = b"\0" * (mask_row * size)
    image = header + rows + mask
    with open(name, "wb") as out:
        out.write(struct.pack("<HHH", 0, 1, 1))
        out.write(struct.pack("<BBBBHHII", size, size, 0, 0, 1, 24, len(image), 22))
        out.write(image)


if __name__ == "__main__":
    write_bmp("Kestrian.bmp", 320, 180, splash)
    write_bmp("V4WALL.BMP", 64, 64, wallpaper)
    write_icon("VELMORA4.ICO")
