#!/usr/bin/env python3
"""Writes the program icon from its one drawing below.

The drawing is 32 x 32 pixels in the sixteen standard colours, one letter a
pixel.  From it come
  icons/valmora.svg                          the scalable icon, one square a pixel
  icons/hicolor/SxS/apps/org.valmora.Valmora.png   for S in SIZES
Each PNG pixel is the area average of the drawing's pixels under it (alpha
weighted), so 32, 64, 128 and 256 keep every pixel sharp and the smaller
sizes shrink it evenly.  Python's standard library is all it needs.

Usage: make-icon.py [--check] [resources-directory]
  --check  writes nothing; fails and names every file that differs from the
           drawing (the PNGs are compared pixel by pixel, not byte by byte)
"""
import os
import struct
import sys
import zlib

ARGUMENTS = [a for a in sys.argv[1:] if a != "--check"]
CHECK = "--check" in sys.argv[1:]
RESOURCES = ARGUMENTS[0] if ARGUMENTS else os.path.normpath(os.path.join(
    os.path.dirname(os.path.abspath(__file__)), ".."))
APP_ID = "org.valmora.Valmora"
SIZES = (16, 22, 24, 32, 48, 64, 128, 256)

# The sixteen colours; "." is transparent.
PALETTE = {
    "K": "#000000", "R": "#800000", "G": "#008000", "O": "#808000",
    "N": "#000080", "P": "#800080", "T": "#008080", "S": "#c0c0c0",
    "D": "#808080", "r": "#ff0000", "g": "#00ff00", "y": "#ffff00",
    "b": "#0000ff", "m": "#ff00ff", "c": "#00ffff", "W": "#ffffff",
}

# A share certificate with a gold seal, and the value rising out of its corner.
DRAWING = """
......................KKKKKKKKKK
.......................KGGGGGGGK
........................KGGGGGGK
.........................KGGGGGK
..........................KGGGGK
...........................KGGGK
...........................KGGGK
..........................KGGGGK
.........................KGGGKKK
KKKKKKKKKKKKKKKKKKKKKKKKKGGGK...
KWWWWWWWWWWWWWWWWWWWWWWWGGGK....
KWTTTTTTTTTTTTTTTTTTTTTGGGK.....
KWTWWWWWWWWWWWWWWWWWWWGGGK......
KWTWWNNNNNNNNNWWWWWWWGGGWK......
KWTWWNNNNNNNNNWWWWWWGGGTWK......
KWTWWWWWWWWWWWWWWWWGGGWTWK......
KWTWWDDDDDDWWWWWWWGGGWWTWK......
KWTWWWWWWWWWWWWWWGGGWWWTWK......
KWTWWDDDDWWWWWWWGKKKKKKTWK......
KWTWWWWWWGGGWWWGKKOOOOKKWK......
KWTWWWWWGGGGGWGKKOyyyyOKKK......
KWTWWWWGGGWGGGGKOyWWyyyOKK......
KWTWWWGGGWWWGGGKOyWyyyyOKK......
KWTWWGGGWWWWWWWKOyyyyyyOKK......
KWTWGGGWWWWWWWWKOyyyyyyOKK......
KWTWWWWWWWWWWWWKKOyyyyOKKK......
KWTTTTTTTTTTTTTTKKOOOOKKWK......
KWWWWWWWWWWWWWWWRKKKKKKRWK......
KKKKKKKKKKKKKKKKRrRKKRrRKK......
................RrR..RrR........
................RrR..RrR........
................R.R..R.R........
""".split()

GRID = len(DRAWING)
assert all(len(row) == GRID for row in DRAWING), "the drawing must be square"
assert all(c == "." or c in PALETTE for row in DRAWING for c in row), "unknown colour letter"


def rgba(letter):
    if letter == ".":
        return (0, 0, 0, 0)
    h = PALETTE[letter]
    return (int(h[1:3], 16), int(h[3:5], 16), int(h[5:7], 16), 255)


def svg():
    """One path a colour, one horizontal run of pixels a subpath."""
    paths = []
    for letter, colour in PALETTE.items():
        runs = []
        for y, row in enumerate(DRAWING):
            x = 0
            while x < GRID:
                if row[x] != letter:
                    x += 1
                    continue
                end = x
                while end < GRID and row[end] == letter:
                    end += 1
                runs.append(f"M{x} {y}h{end - x}v1h-{end - x}z")
                x = end
        if runs:
            paths.append(f'    <path fill="{colour}" d="{"".join(runs)}"/>\n')
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="{GRID}" '
            f'height="{GRID}" viewBox="0 0 {GRID} {GRID}">\n'
            '  <title>Valmora</title>\n'
            '  <g shape-rendering="crispEdges">\n' + "".join(paths) + '  </g>\n</svg>\n')


def overlap(a0, a1, b0, b1):
    return max(0.0, min(a1, b1) - max(a0, b0))


def pixels(size):
    """The drawing at size x size: every pixel the weighted mean of what it covers."""
    scale = GRID / size
    out = []
    for j in range(size):
        y0, y1 = j * scale, (j + 1) * scale
        row = []
        for i in range(size):
            x0, x1 = i * scale, (i + 1) * scale
            r = g = b = a = 0.0
            for y in range(int(y0), min(GRID, int(y1) + 1)):
                wy = overlap(y0, y1, y, y + 1)
                if wy == 0:
                    continue
                for x in range(int(x0), min(GRID, int(x1) + 1)):
                    w = wy * overlap(x0, x1, x, x + 1)
                    pr, pg, pb, pa = rgba(DRAWING[y][x])
                    # Colour weighted by coverage, so transparent pixels add no black.
                    r, g, b, a = r + w * pa * pr, g + w * pa * pg, b + w * pa * pb, a + w * pa
            area = scale * scale
            if a == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((round(r / a), round(g / a), round(b / a), round(a / area)))
        out.append(row)
    return out


def png(rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in rows)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def png_pixels(data):
    """The RGBA rows of a PNG as written by png(), or None for any other PNG."""
    if not data.startswith(b"\x89PNG\r\n\x1a\n"):
        return None
    at, header, compressed = 8, None, b""
    while at + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            compressed += body
        at += 12 + length
    if header is None or header[2:] != (8, 6, 0, 0, 0):
        return None
    width, height = header[0], header[1]
    try:
        raw = zlib.decompress(compressed)
    except zlib.error:
        return None
    stride = 1 + 4 * width
    if len(raw) != stride * height:
        return None
    rows = []
    for j in range(height):
        line = raw[j * stride:(j + 1) * stride]
        if line[0] != 0:
            return None
        rows.append([tuple(line[1 + 4 * i:5 + 4 * i]) for i in range(width)])
    return rows


def read(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except OSError:
        return None


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    print(path)


svg_path = os.path.join(RESOURCES, "icons", "valmora.svg")
png_paths = {size: os.path.join(RESOURCES, "icons", "hicolor", f"{size}x{size}", "apps",
                                APP_ID + ".png") for size in SIZES}
if CHECK:
    stale = [] if read(svg_path) == svg().encode() else [svg_path]
    for size, path in png_paths.items():
        data = read(path)
        if data is None or png_pixels(data) != pixels(size):
            stale.append(path)
    for path in stale:
        print(f"{path} differs from the drawing; run {sys.argv[0]} to write it anew")
    sys.exit(1 if stale else 0)

write(svg_path, svg().encode())
for size, path in png_paths.items():
    write(path, png(pixels(size)))
