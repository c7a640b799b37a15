#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the program's icon, a 32 x 32 hamburger: PNGs for the window and the desktop's icon
theme, the larger ones the same picture with every pixel enlarged.

Run from the repository root: tools/draw_icon.py
With --ico PATH it writes only the Windows icon file: 16 and 32 pixels in 256 colours, 48 in
true colour, 256 as PNG. With --data-uri PATH it writes only the 32-pixel PNG as a data: address,
the web page's icon. With --web-icons DIR LIST it writes only the installed web app's icons into
DIR, 192 and 512 pixels and a maskable 512 (the picture inside the safe circle on a filled
square), and LIST, their entries for the app's manifest as JSON.
"""
import argparse
import base64
import json
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


def rgba(key):
    value = PALETTE[key]
    if value == "None":
        return b"\0\0\0\0"
    return bytes.fromhex(value[1:]) + b"\xff"


def scaled(grid, size):
    """The picture at `size` pixels, each taking the colour of the drawing's pixel under it."""
    return [[grid[y * SIZE // size][x * SIZE // size] for x in range(size)] for y in range(size)]


def on_square(grid, size, key):
    """The picture at `size` pixels, drawn at nine sixteenths of it in the middle of a square of
    the colour `key`, so that its corners too lie in the circle of four fifths that a launcher
    keeps whatever shape it cuts."""
    picture = size * 9 // 16
    margin = (size - picture) // 2
    inner = scaled(grid, picture)
    return [[inner[y - margin][x - margin]
             if margin <= x < margin + picture and margin <= y < margin + picture
             and inner[y - margin][x - margin] != " " else key
             for x in range(size)] for y in range(size)]


def png_bytes(grid, size, picture=None):
    rows = b""
    for row in picture or scaled(grid, size):
        rows += b"\0" + b"".join(rgba(key) for key in row)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def write_png(grid, size, path):
    path.write_bytes(png_bytes(grid, size))


def bmp_bytes(grid, size, paletted):
    """An icon image in the BMP form: header, colours bottom row first, then the mask."""
    picture = scaled(grid, size)
    keys = list(PALETTE)
    if paletted:
        colours = b"".join(rgba(key)[2::-1] + b"\0" for key in keys)
        colours += b"\0\0\0\0" * (256 - len(keys))
        stride = (size + 3) // 4 * 4
        pixels = b"".join(bytes(keys.index(key) for key in row).ljust(stride, b"\0")
                          for row in reversed(picture))
        bits = 8
    else:
        colours = b""
        pixels = b"".join(b"".join(rgba(key)[2::-1] + rgba(key)[3:] for key in row)
                          for row in reversed(picture))
        bits = 32
    mask_stride = (size + 31) // 32 * 4
    mask = b""
    for row in reversed(picture):
        value = 0
        for key in row:
            value = value << 1 | (PALETTE[key] == "None")
        mask += value.to_bytes((size + 7) // 8, "big").ljust(mask_stride, b"\0")
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0,
                         len(pixels) + len(mask), 0, 0, 256 if paletted else 0, 0)
    return header + colours + pixels + mask


def write_web_icons(grid, folder, listing):
    icons = [("icon-192.png", 192, None, "any"), ("icon-512.png", 512, None, "any"),
             ("icon-maskable-512.png", 512, on_square(grid, 512, "s"), "maskable")]
    entries = []
    for name, size, picture, purpose in icons:
        (folder / name).write_bytes(png_bytes(grid, size, picture))
        entries.append({"src": name, "sizes": f"{size}x{size}", "type": "image/png",
                        "purpose": purpose})
    listing.write_text(json.dumps(entries))


def write_ico(grid, path):
    images = [(16, bmp_bytes(grid, 16, True), 256), (32, bmp_bytes(grid, 32, True), 256),
              (48, bmp_bytes(grid, 48, False), 0), (256, png_bytes(grid, 256), 0)]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    data = b""
    for size, image, colours in images:
        bits = 8 if colours else 32
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, colours % 256, 0, 1, bits,
                                 len(image), offset + len(data))
        data += image
    path.write_bytes(directory + data)


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--ico", type=pathlib.Path, help="write only the Windows icon here")
    parser.add_argument("--data-uri", type=pathlib.Path, help="write only the page's icon here")
    parser.add_argument("--web-icons", type=pathlib.Path, nargs=2, metavar=("DIR", "LIST"),
                        help="write only the web app's icons into DIR and their list to LIST")
    arguments = parser.parse_args()
    picture = draw()
    if arguments.web_icons:
        write_web_icons(picture, *arguments.web_icons)
        raise SystemExit(0)
    if arguments.data_uri:
        encoded = base64.b64encode(png_bytes(picture, SIZE)).decode("ascii")
        arguments.data_uri.write_text("data:image/png;base64," + encoded)
        raise SystemExit(0)
    if arguments.ico:
        write_ico(picture, arguments.ico)
        raise SystemExit(0)
    for size in (32, 48, 64, 128, 256):
        write_png(picture, size, pathlib.Path(f"window/desktop/icons/{size}.png"))
