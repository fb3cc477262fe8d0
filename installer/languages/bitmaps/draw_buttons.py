#!/usr/bin/env python3
"""Draws the install screen's picture buttons (63 x 39, 24-bit BMP) into this folder.

The bitmaps are committed; run this again only to change their look. Each button is a
bevelled silver face with a glyph: a cross for exit, a question mark for help and a bar for
minimise. The pressed face is darker, its bevel turned round and its glyph moved down and
right by a pixel. Edges are smoothed by sampling every pixel 4 x 4 times.
"""
import math
import os
import struct

WIDTH, HEIGHT = 63, 39
SAMPLES = 4


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def exit_glyph(x, y):
    return min(segment_distance(x, y, -7, -7, 7, 7), segment_distance(x, y, -7, 7, 7, -7)) < 2.0


def help_glyph(x, y):
    # The hook: an arc over the top from the left round to the lower right.
    r = math.hypot(x, y + 5)
    angle = math.degrees(math.atan2(-(y + 5), x))
    on_arc = abs(r - 5.5) < 1.9 and -60 <= angle <= 190
    end_x, end_y = 5.5 * math.cos(math.radians(-60)), -5 - 5.5 * math.sin(math.radians(-60))
    stem = segment_distance(x, y, end_x, end_y, 0, 3) < 1.9 or segment_distance(x, y, 0, 3, 0, 5) < 1.9
    dot = math.hypot(x, y - 9.5) < 2.1
    return on_arc or stem or dot


def minimise_glyph(x, y):
    return -8 <= x <= 8 and 4 <= y <= 8


GLYPHS = {
    "exit": (exit_glyph, (0xB0, 0x18, 0x18)),
    "help": (help_glyph, (0x18, 0x40, 0xA0)),
    "minimise": (minimise_glyph, (0x18, 0x28, 0x50)),
}


def mix(a, b, share):
    return tuple(round(a[i] + (b[i] - a[i]) * share) for i in range(3))


def face(x, y, pressed):
    top, bottom = ((0xB4, 0xBC, 0xCC), (0xE0, 0xE4, 0xEC)) if pressed else ((0xF0, 0xF3, 0xF8), (0xB8, 0xC0, 0xD0))
    colour = mix(top, bottom, y / (HEIGHT - 1))
    if x == 0 or y == 0 or x == WIDTH - 1 or y == HEIGHT - 1:
        return (0x10, 0x18, 0x30)
    light, dark = (0xFF, 0xFF, 0xFF), (0x70, 0x78, 0x90)
    if x == 1 or y == 1:
        return dark if pressed else light
    if x == WIDTH - 2 or y == HEIGHT - 2:
        return light if pressed else dark
    return colour


def draw(name, pressed):
    glyph, ink = GLYPHS[name]
    shift = 1 if pressed else 0
    cx, cy = WIDTH / 2 + shift, HEIGHT / 2 + shift
    rows = []
    for y in range(HEIGHT):
        row = []
        for x in range(WIDTH):
            hits = sum(
                glyph(x + (i + 0.5) / SAMPLES - cx, y + (j + 0.5) / SAMPLES - cy)
                for i in range(SAMPLES)
                for j in range(SAMPLES)
            )
            row.append(mix(face(x, y, pressed), ink, hits / SAMPLES**2))
        rows.append(row)
    return rows


def write_bmp(path, rows):
    stride = (WIDTH * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        pixels += line + bytes(stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + pixels)


def main():
    folder = os.path.dirname(os.path.abspath(__file__))
    for name in GLYPHS:
        for pressed, state in ((False, "up"), (True, "down")):
            write_bmp(os.path.join(folder, f"{name}_{state}.bmp"), draw(name, pressed))


if __name__ == "__main__":
    main()
