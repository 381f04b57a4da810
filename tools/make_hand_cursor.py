#!/usr/bin/python3
"""Draws Dorvane's hand cursor and writes it as a Windows cursor file.

    /usr/bin/python3 tools/make_hand_cursor.py assets/HAND-M.CUR

The file is a 32x32 cursor (ICONDIR type 2, one entry) holding a 32-bit BGRA
bitmap with its AND mask; the hot spot is the tip of the pointing finger.
"""
import struct
import sys

# 'X' outline, '.' white fill, '*' the fingertip (hot spot, drawn as outline),
# blank transparent.
HAND = [
    "     *X         ",
    "    X..X        ",
    "    X..X        ",
    "    X..X        ",
    "    X..X        ",
    "    X..XXX      ",
    "    X..X..XXX   ",
    "    X..X..X..XX ",
    " XX X..X..X..X.X",
    "X..XX........X.X",
    "X...X..........X",
    " X.............X",
    " X.............X",
    "  X............X",
    "  X...........X ",
    "   X..........X ",
    "   X.........X  ",
    "    X........X  ",
    "    X........X  ",
    "    XXXXXXXXXX  ",
]
SIZE = 32
LEFT, TOP = 8, 4  # where the drawing sits in the 32x32 square


def pixels():
    """Rows top to bottom of (b, g, r, a) tuples, and the hot spot."""
    grid = [[(0, 0, 0, 0)] * SIZE for _ in range(SIZE)]
    hot = None
    for y, row in enumerate(HAND):
        for x, ch in enumerate(row):
            if ch == " ":
                continue
            if ch == "*":
                hot = (LEFT + x, TOP + y)
            colour = (255, 255, 255, 255) if ch == "." else (0, 0, 0, 255)
            grid[TOP + y][LEFT + x] = colour
    return grid, hot


def cursor_bytes():
    grid, (hot_x, hot_y) = pixels()
    xor = b"".join(bytes(px) for row in reversed(grid) for px in row)  # bottom-up BGRA
    mask_rows = []
    for row in reversed(grid):
        bits = 0
        for x, px in enumerate(row):
            if px[3] == 0:  # transparent: AND bit set
                bits |= 1 << (31 - x)
        mask_rows.append(struct.pack(">I", bits))
    mask = b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    icondir = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, hot_x, hot_y, len(image), 6 + 16)
    return icondir + entry + image


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_hand_cursor.py OUTPUT.CUR")
    with open(sys.argv[1], "wb") as out:
        out.write(cursor_bytes())


if __name__ == "__main__":
    main()
