#!/usr/bin/env python3
"""Draws the program's artwork into res/art: the banner and side pictures of
the wizard pages, the bullet of the welcome page and the program icon.
The motif is an orbit: a ring with a small satellite, in deep blue and teal.
Run it again after changing it; the outputs are committed."""
import math
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res", "art")

NAVY = (22, 44, 96)
TEAL = (0, 150, 160)
SKY = (120, 200, 230)
WHITE = (255, 255, 255)


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def coverage(d, half):
    """Anti-aliased coverage of a pixel at distance d from an edge band."""
    return max(0.0, min(1.0, half + 0.5 - d))


def orbit(px, py, cx, cy, r, width, base, alpha_out=False):
    """Colour (and coverage) of the orbit emblem at a pixel centre."""
    d = math.hypot(px - cx, py - cy)
    ring = coverage(abs(d - r), width / 2)
    angle = math.atan2(py - cy, px - cx)
    ring_col = mix(NAVY, TEAL, (math.sin(angle - 0.6) + 1) / 2)
    # Satellite at the upper right of the ring.
    sx, sy = cx + r * math.cos(-0.8), cy + r * math.sin(-0.8)
    sat = coverage(math.hypot(px - sx, py - sy), width * 0.9)
    # Core: a small filled disc in the centre.
    core = coverage(d, r * 0.32)
    col = base
    a = 0.0
    for cov, c in ((core, mix(TEAL, SKY, 0.3)), (ring, ring_col), (sat, SKY)):
        if cov > 0:
            col = mix(col, c, cov)
            a = max(a, cov)
    return (col, a) if alpha_out else col


def bmp24(path, w, h, pixel):
    row_bytes = (w * 3 + 3) & ~3
    data = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            r, g, b = pixel(x + 0.5, y + 0.5)
            row += bytes((b, g, r))
        row += b"\0" * (row_bytes - len(row))
        data += row
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def banner(x, y):
    return orbit(x, y, 27.5, 28.5, 17, 4.5, WHITE)


def side(x, y):
    w, h = 164, 314
    base = mix(NAVY, TEAL, (y / h) * 0.85 + (x / w) * 0.15)
    # Faint diagonal light bands.
    band = (math.sin((x + y * 0.6) / 9.0) + 1) / 2
    base = mix(base, SKY, band * 0.08)
    d = math.hypot(x - 82, y - 112)
    glow = max(0.0, 1 - d / 90)
    base = mix(base, SKY, glow * 0.25)
    col = orbit(x, y, 82, 112, 46, 9, base)
    # A second, wider faint orbit sweeping past the emblem.
    outer = coverage(abs(math.hypot((x - 82) * 0.8, (y - 112) * 1.6) - 78), 1.0)
    return mix(col, WHITE, outer * 0.35)


def bullet(x, y):
    d = math.hypot(x - 3.5, y - 3.5)
    return mix(WHITE, mix(TEAL, NAVY, 0.4), coverage(d, 2.6))


def icon_image(size):
    """32-bit BGRA DIB with an AND mask, as an icon directory entry holds."""
    pixels = bytearray()
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    r = size * 0.36
    width = max(2.0, size / 8)
    for y in range(size - 1, -1, -1):
        bits = 0
        row_mask = bytearray(mask_row)
        for x in range(size):
            col, a = orbit(x + 0.5, y + 0.5, size / 2, size / 2 + size * 0.03, r, width, WHITE, True)
            if a <= 0:
                row_mask[x // 8] |= 0x80 >> (x % 8)
            pixels += bytes((col[2], col[1], col[0], round(a * 255)))
        mask += row_mask
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + mask


def icon(path, sizes):
    images = [icon_image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, img in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    os.makedirs(OUT, exist_ok=True)
    bmp24(os.path.join(OUT, "banner.bmp"), 55, 55, banner)
    bmp24(os.path.join(OUT, "side.bmp"), 164, 314, side)
    bmp24(os.path.join(OUT, "bullet.bmp"), 7, 7, bullet)
    icon(os.path.join(OUT, "OrvDeploy.ico"), [16, 32, 48])
