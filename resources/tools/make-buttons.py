#!/usr/bin/env python3
"""Writes the command button pictures into resources/buttons/.

Each picture is 24 x 22 pixels: a grey face with a two-pixel bevel and a
symbol drawn on whole pixels (diagonals run through pixel corners), so it is
sharp at 1x and scales cleanly.  The pressed picture swaps the bevel colours
and moves the symbol one pixel right and one down.

Usage: make-buttons.py [output-directory]
"""
import os
import sys

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
    os.path.dirname(os.path.abspath(__file__)), "..", "buttons")

# (outer upper-left, inner upper-left, inner lower-right, outer lower-right)
RAISED = ("#ffffff", "#dfdfdf", "#808080", "#000000")
PRESSED = ("#000000", "#808080", "#dfdfdf", "#ffffff")

def bevel(c):
    otl, itl, ibr, obr = c
    return (
        '  <g shape-rendering="crispEdges">\n'
        '    <rect width="24" height="22" fill="#c0c0c0"/>\n'
        f'    <path fill="{otl}" d="M0 0H23V1H1V21H0Z"/>\n'
        f'    <path fill="{obr}" d="M23 0H24V22H0V21H23Z"/>\n'
        f'    <path fill="{itl}" d="M1 1H22V2H2V20H1Z"/>\n'
        f'    <path fill="{ibr}" d="M22 1H23V21H1V20H22Z"/>\n'
        '  </g>\n')

def bitmap(rows, x0, y0, fill, indent="    "):
    """A small bitmap as one crisp path, one subpath per horizontal run."""
    d = []
    for j, row in enumerate(rows):
        i = 0
        while i < len(row):
            if row[i] == '#':
                k = i
                while k < len(row) and row[k] == '#':
                    k += 1
                d.append(f"M{x0+i} {y0+j}h{k-i}v1h-{k-i}z")
                i = k
            else:
                i += 1
    return f'{indent}<path fill="{fill}" shape-rendering="crispEdges" d="{"".join(d)}"/>\n'

# Symbols are drawn for the raised picture.  The face is x 2..22, y 2..20
# (pixel edges); a symbol stays within x 3..21, y 3..19 so that it still clears
# the bevel after the one-pixel move of the pressed picture.
SYMBOLS = {}

# Clear: a red diagonal cross with a dark red rim.
SYMBOLS["clear"] = (
    '    <path fill="#800000" d="M5 4H8L12 8L16 4H19V7L15 11L19 15V18H16L12 14L8 18H5V15L9 11L5 7Z"/>\n'
    '    <path fill="#ff0000" d="M6 5H7.6L12 9.4L16.4 5H18V6.6L13.6 11L18 15.4V17H16.4L12 12.6L7.6 17H6V15.4L10.4 11L6 6.6Z"/>\n')

# Detail: spectacles, two heavy-rimmed lenses joined by a bridge.
SYMBOLS["detail"] = (
    '    <rect x="4" y="8" width="6" height="6" rx="1.5" fill="#ffffff" stroke="#000000" stroke-width="2"/>\n'
    '    <rect x="14" y="8" width="6" height="6" rx="1.5" fill="#ffffff" stroke="#000000" stroke-width="2"/>\n'
    '    <path fill="#000000" shape-rendering="crispEdges" d="M11 8h2v1h-2z"/>\n')

# Exit: the word over a red arrow pointing right.  The letters are six rows
# high with two-pixel stems and one free column between letters.
_E = ["####", "##..", "###.", "##..", "##..", "####"]
_X = [".....", ".....", "##.##", ".###.", ".###.", "##.##"]
_I = ["##", "..", "##", "##", "##", "##"]
_T = ["##.", "##.", "###", "##.", "##.", ".##"]
EXIT_LETTERS = [".".join(r) for r in zip(_E, _X, _I, _T)]
SYMBOLS["exit"] = (
    bitmap(EXIT_LETTERS, 3, 4, "#000000") +
    '    <path fill="#ff0000" d="M5 13H15V11L18.5 14.5L15 18V16H5Z"/>\n')

# Up one and down one: dark blue triangles.
SYMBOLS["up"] = '    <path fill="#000080" d="M12 7L20 15H4Z"/>\n'
SYMBOLS["down"] = '    <path fill="#000080" d="M4 7H20L12 15Z"/>\n'

def dilate(rows):
    """The bitmap grown by one pixel in all eight directions (for an outline)."""
    h, w = len(rows) + 2, len(rows[0]) + 2
    grid = [["."] * w for _ in range(h)]
    for j, row in enumerate(rows):
        for i, c in enumerate(row):
            if c == "#":
                for dj in (0, 1, 2):
                    for di in (0, 1, 2):
                        grid[j + dj][i + di] = "#"
    # Close one-pixel holes left inside counters; they only look like dirt.
    for j in range(1, h - 1):
        for i in range(1, w - 1):
            if (grid[j][i] == "." and grid[j - 1][i] == grid[j + 1][i] == "#"
                    and grid[j][i - 1] == grid[j][i + 1] == "#"):
                grid[j][i] = "#"
    return ["".join(r) for r in grid]

# Help: a bold question mark, cyan with a black rim so it reads on the grey face.
QMARK = [
    "..####..",
    ".######.",
    "##....##",
    "##....##",
    ".....##.",
    "....##..",
    "...##...",
    "...##...",
    "...##...",
    "........",
    "...##...",
    "...##...",
]
SYMBOLS["help"] = bitmap(dilate(QMARK), 7, 4, "#000000") + bitmap(QMARK, 8, 5, "#00ffff")

TITLES = {"clear": "Clear", "detail": "Detail", "exit": "Exit",
          "up": "Up one", "down": "Down one", "help": "Help"}

def picture(name, pressed):
    sym = SYMBOLS[name]
    body = bevel(PRESSED if pressed else RAISED)
    if pressed:
        sym = "  " + sym.replace("\n    ", "\n      ")
        body += '  <g transform="translate(1 1)">\n' + sym + '  </g>\n'
    else:
        body += '  <g>\n' + sym + '  </g>\n'
    state = "pressed" if pressed else "raised"
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="24" height="22" viewBox="0 0 24 22">\n'
            f'  <title>{TITLES[name]} ({state})</title>\n' + body + '</svg>\n')

os.makedirs(OUT, exist_ok=True)
for name in SYMBOLS:
    for pressed in (False, True):
        fn = os.path.join(OUT, f"{name}-{'pressed' if pressed else 'raised'}.svg")
        with open(fn, "w") as f:
            f.write(picture(name, pressed))
        print(fn)
