#!/usr/bin/env python3
"""Draws Tallowmere's icon: one 48 x 48 image in 32-bit colour with alpha.

Writes resources/tallowmere.ico (the DEFAULT_ICON resource) and resources/tallowmere_icon.png
(the same picture, to look at). Needs only Python's standard library. The picture: a rounded
tile in dusk blue with a winding road in amber running into the canyon's distance, and a white
cog in the corner for "settings".
"""
import math
import struct
import zlib
from pathlib import Path

SIZE = 48


def clamp(v):
    return max(0, min(255, int(round(v))))


def coverage(sdf):
    """Antialiased coverage from a signed distance (negative inside)."""
    return max(0.0, min(1.0, 0.5 - sdf))


def rounded_square(x, y, half, radius):
    qx, qy = abs(x) - half + radius, abs(y) - half + radius
    outside = math.hypot(max(qx, 0), max(qy, 0))
    return outside + min(max(qx, qy), 0) - radius


def road_centre(y):
    # A curve from the bottom edge up to a vanishing point near the top.
    t = (y - 6) / 38
    return 24 + 9 * math.sin(t * 3.3) * t


def pixel(px, py):
    x, y = px + 0.5, py + 0.5
    tile = coverage(rounded_square(x - 24, y - 24, 23, 8))
    if tile == 0:
        return (0, 0, 0, 0)
    # Sky to canyon floor.
    t = y / SIZE
    r, g, b = 40 + 60 * t, 60 + 30 * t, 120 - 40 * t
    # Canyon walls: two dark ridges.
    ridge = 20 + 5 * math.sin(x * 0.45) + 3 * math.sin(x * 1.3)
    if y > ridge:
        r, g, b = r * 0.7 + 60, g * 0.6 + 20, b * 0.5
    # The road, widening towards the viewer.
    if y > 8:
        width = 1 + (y - 8) * 0.22
        d = abs(x - road_centre(y)) - width
        a = coverage(d)
        r, g, b = r + (250 - r) * a, g + (176 - g) * a, b + (40 - b) * a
        stripe = coverage(abs(x - road_centre(y)) - 0.5) * (1 if int(y) % 6 < 3 else 0)
        r, g, b = r + (255 - r) * stripe, g + (255 - g) * stripe, b + (255 - b) * stripe
    # A white cog in the upper right corner.
    cx, cy = 35, 13
    dist, ang = math.hypot(x - cx, y - cy), math.atan2(y - cy, x - cx)
    outer = 6.5 + 1.5 * (1 if math.cos(ang * 8) > 0 else 0)
    cog = min(coverage(dist - outer), coverage(2.5 - dist))
    r, g, b = r + (255 - r) * cog, g + (255 - g) * cog, b + (255 - b) * cog
    return (clamp(r), clamp(g), clamp(b), clamp(255 * tile))


def main():
    pixels = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    here = Path(__file__).resolve().parent.parent / "resources"

    # ICO: one BMP image, bottom-up BGRA rows, then an all-zero AND mask (alpha decides).
    xor = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    mask_row = ((SIZE + 31) // 32) * 4
    and_mask = bytes(mask_row * SIZE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(and_mask),
                         0, 0, 0, 0)
    image = header + xor + and_mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack(
        "<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    (here / "tallowmere.ico").write_bytes(directory + image)

    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in pixels)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(
            ">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0))
           + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))
    (here / "tallowmere_icon.png").write_bytes(png)


if __name__ == "__main__":
    main()
