#!/usr/bin/env python3
"""Draws the program's icon, a 32 x 32 hamburger: an XPM for the window, and PNGs for the
desktop's icon theme, the larger ones the same picture with every pixel enlarged.

Run from the repository root: tools/draw_icon.py
"""
import math
import pathlib
import struct
import zlib

SIZE = 32
PALETTE = {
    " ": "None",     # transparent
    "o": "#4A2A0C",  # outline
    "b": "#E0A040",  # bun
    "h": "#F4C878",  # bun highlight
    "s": "#FFF6DC",  # sesame
    "l": "#4CB034",  # lettuce
    "t": "#D8322A",  # tomato
    "c": "#FFD21E",  # cheese
    "p": "#6B3A1A",  # patty
    "d": "#8A5028",  # patty grill marks
}


def draw():
    grid = [[" "] * SIZE for _ in range(SIZE)]

    def put(x, y, c):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            grid[y][x] = c

    # Top bun: a dome from row 4 to row 13.
    for y in range(4, 14):
        half = 14 * math.sqrt(max(0.0, 1 - ((13.5 - y) / 10.0) ** 2))
        for x in range(SIZE):
            if abs(x - 15.5) <= half:
                put(x, y, "b")
    for y in range(6, 10):
        for x in range(8, 14):
            if (x - 10.5) ** 2 / 9 + (y - 7.5) ** 2 / 3 <= 1:
                put(x, y, "h")
    for x, y in [(11, 7), (16, 6), (20, 8), (14, 10), (23, 11), (8, 11), (18, 11)]:
        put(x, y, "s")
    # Lettuce, wavy.
    for x in range(1, 31):
        put(x, 14, "l")
        put(x, 15, "l")
    # Tomato and cheese with a drip.
    for x in range(2, 30):
        put(x, 16, "l" if x % 3 == 0 else "t")
        put(x, 17, "c")
    for y in (18, 19):
        for x in (6, 7, 21):
            put(x, y, "c")
    # Patty.
    for y in range(18, 23):
        for x in range(2, 30):
            if grid[y][x] == " ":
                put(x, y, "p")
    for x in range(4, 29, 5):
        put(x, 20, "d")
        put(x + 1, 20, "d")
    # Bottom bun.
    for y in range(23, 28):
        half = 14 - max(0, y - 25)
        for x in range(SIZE):
            if abs(x - 15.5) <= half:
                put(x, y, "b")
    # Outline every filled cell that touches transparency.
    outlined = [row[:] for row in grid]
    for y in range(SIZE):
        for x in range(SIZE):
            if grid[y][x] == " ":
                continue
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                nx, ny = x + dx, y + dy
                if not (0 <= nx < SIZE and 0 <= ny < SIZE) or grid[ny][nx] == " ":
                    outlined[y][x] = "o"
    return outlined


def write_xpm(grid, path):
    lines = ["/* XPM */", "static const char *hamburger[] = {",
             f'"{SIZE} {SIZE} {len(PALETTE)} 1",']
    lines += [f'"{key} c {value}",' for key, value in PALETTE.items()]
    lines += [f'"{"".join(row)}",' for row in grid]
    lines[-1] = lines[-1].rstrip(",")
    lines.append("};")
    path.write_text("\n".join(lines) + "\n")


def write_png(grid, size, path):
    def rgba(key):
        value = PALETTE[key]
        if value == "None":
            return b"\0\0\0\0"
        return bytes.fromhex(value[1:]) + b"\xff"

    rows = b""
    for y in range(size):
        source = grid[y * SIZE // size]
        rows += b"\0" + b"".join(rgba(source[x * SIZE // size]) for x in range(size))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    path.write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                     + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    picture = draw()
    write_xpm(picture, pathlib.Path("window/qt/icons/hamburger.xpm"))
    for size in (32, 48, 64, 128, 256):
        write_png(picture, size, pathlib.Path(f"window/desktop/icons/{size}.png"))
