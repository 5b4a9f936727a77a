#!/usr/bin/env python3
"""Draws Velqora's program icon and writes it as resources/velqora.ico.

The picture: a red envelope of good wishes, its flap edged in gold, an old
round coin with a square hole on the seam, and the character 平 below it in
gold strokes. One 64 x 77 image, 32-bit colour with alpha, drawn with 4 x 4
supersampling so the edges are smooth. Standard library only.
"""

import struct
import sys
from pathlib import Path

WIDTH, HEIGHT = 64, 77
SAMPLES = 4

RED_TOP = (214, 40, 40)
RED_BOTTOM = (164, 22, 26)
FLAP = (142, 14, 18)
GOLD = (244, 197, 66)
GOLD_DARK = (196, 140, 32)


def rounded_rect(x, y, left, top, right, bottom, radius):
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2 and left <= x <= right and top <= y <= bottom


def flap_edge(x):
    # A soft V from the top corners down to the middle of the envelope.
    t = (x - 32) / 26
    return 20 + 14 * (1 - t * t)


def box(x, y, left, top, right, bottom):
    return left <= x <= right and top <= y <= bottom


def ping(x, y):
    """The character 平 in four strokes, as gold bars."""
    top_bar = box(x, y, 21, 50, 43, 52.6)
    dots = (abs((x - 25.5) - (y - 55.5) * 0.55) < 1.3 and 53.5 <= y <= 58) or (
        abs((x - 38.5) + (y - 55.5) * 0.55) < 1.3 and 53.5 <= y <= 58)
    middle_bar = box(x, y, 17, 59.5, 47, 62.1)
    stem = box(x, y, 30.7, 50, 33.3, 71)
    return top_bar or dots or middle_bar or stem


def colour_at(x, y):
    """The colour at a point, or None where the icon is transparent."""
    if not rounded_rect(x, y, 5, 3, 59, 74, 8):
        return None
    coin_distance = ((x - 32) ** 2 + (y - 34) ** 2) ** 0.5
    if coin_distance <= 10:
        if box(x, y, 29, 31, 35, 37):
            return FLAP  # the coin's square hole
        return GOLD_DARK if coin_distance >= 8.6 or box(x, y, 27.6, 29.6, 36.4, 38.4) else GOLD
    edge = flap_edge(x)
    if abs(y - edge) <= 1.2:
        return GOLD
    if y < edge:
        return FLAP
    if ping(x, y):
        return GOLD
    t = (y - 3) / 71
    return tuple(round(a + (b - a) * t) for a, b in zip(RED_TOP, RED_BOTTOM))


def render():
    """Rows of (b, g, r, a) from top to bottom."""
    rows = []
    for py in range(HEIGHT):
        row = []
        for px in range(WIDTH):
            total = [0, 0, 0]
            covered = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = colour_at(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES)
                    if c is not None:
                        covered += 1
                        for i in range(3):
                            total[i] += c[i]
            if covered:
                r, g, b = (round(v / covered) for v in total)
                row.append((b, g, r, round(255 * covered / SAMPLES ** 2)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def ico_bytes(rows):
    # A DIB of doubled height (colour then AND mask), rows bottom-up.
    pixels = b"".join(bytes(c for px in row for c in px) for row in reversed(rows))
    mask_stride = ((WIDTH + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, px in enumerate(row):
            if px[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    image = header + pixels + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", WIDTH, HEIGHT, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "resources/velqora.ico"
    out.write_bytes(ico_bytes(render()))
    print(f"wrote {out}")


if __name__ == "__main__":
    main()
