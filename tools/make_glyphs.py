#!/usr/bin/env python3
"""Draws the tool buttons' pictures: one strip of 16 x 16 cells, 24-bit BMP,
olive (the transparent colour) where nothing is drawn. The cells come in the
order of GlyphCell in editor/ToolButtons.h: 36 command pictures, then the 84
characters of the "Characters" palette in palette order (the nine captioned
buttons get an empty cell).

Also the main window's two glyph strips of eight cells each: BarGlyphs1.bmp
(cell 0 the side panel toggle, cell 1 the tag case toggle) and BarGlyphs2.bmp
(the same two pictures greyed).

    python3 tools/make_glyphs.py            # writes the three strips into assets/
"""

import os
import struct

SIZE = 16
OLIVE = (128, 128, 0)
BLACK, WHITE, GRAY, SILVER = (0, 0, 0), (255, 255, 255), (128, 128, 128), (192, 192, 192)
NAVY, BLUE, RED, MAROON, GREEN, TEAL, YELLOW = (0, 0, 128), (0, 0, 255), (255, 0, 0), (128, 0, 0), (0, 128, 0), (0, 128, 128), (255, 255, 0)

# A 5 x 7 pixel font: '#' is ink. Small letters use the bottom five rows.
FONT = {
    'A': [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    'B': ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    'C': [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    'D': ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    'E': ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    'F': ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
    'H': ["#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    'I': [".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    'J': ["..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."],
    'M': ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    'N': ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    'O': [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    'P': ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    'R': ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    'S': [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    'T': ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    'U': ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    'Y': ["#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."],
    'Þ': ["#....", "####.", "#...#", "#...#", "####.", "#....", "#...."],
    'Ø': [".####", "#..##", "#.#.#", "#.#.#", "##..#", "#...#", "####."],
    'Æ': [".####", "#.#..", "#.#..", "#####", "#.#..", "#.#..", "#.###"],
    'a': [".###.", "....#", ".####", "#...#", ".####"],
    'c': [".###.", "#....", "#....", "#....", ".###."],
    'e': [".###.", "#...#", "#####", "#....", ".###."],
    'i': [".##..", "..#..", "..#..", "..#..", ".###."],
    'n': ["####.", "#...#", "#...#", "#...#", "#...#"],
    'o': [".###.", "#...#", "#...#", "#...#", ".###."],
    'u': ["#...#", "#...#", "#...#", "#...#", ".####"],
    'y': ["#...#", "#...#", ".####", "....#", ".###."],
    'æ': ["##.#.", "..#.#", "#####", "#.#..", "##.##"],
    'ø': [".####", "#..##", "#.#.#", "##..#", "####."],
    'ð': [".#.#.", "..#..", ".#.#.", "....#", ".####", "#...#", ".###."],
    'þ': ["#....", "####.", "#...#", "#...#", "####.", "#....", "#...."],
    'ß': [".##..", "#..#.", "#.#..", "#..#.", "#...#", "#...#", "#.##."],
    '1': ["..#..", ".##..", "..#..", "..#..", ".###."],
    '2': [".##..", "#..#.", "..#..", ".#...", "####."],
    '3': ["###..", "...#.", ".##..", "...#.", "###.."],
    '4': ["#..#.", "#..#.", "####.", "...#.", "...#."],
    '<': ["...#", "..#.", ".#..", "#...", ".#..", "..#.", "...#"],
    '!': ["#", "#", "#", "#", "#", ".", "#"],
    '@': [".###.", "#...#", "#.###", "#.#.#", "#.###", "#....", ".###."],
}
# Accents above a letter, three wide.
ACCENTS = {
    'acute': ["..#", ".#."], 'grave': ["#..", ".#."], 'circ': [".#.", "#.#"],
    'tilde': [".#.#", "#.#."], 'uml': ["#.#", "..."], 'ring': [".#.", "#.#", ".#."],
}


class Cell:
    def __init__(self):
        self.px = [[OLIVE] * SIZE for _ in range(SIZE)]

    def dot(self, x, y, c=BLACK):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.px[y][x] = c

    def rect(self, l, t, r, b, c=BLACK):  # filled, right and bottom left out
        for y in range(t, b):
            for x in range(l, r):
                self.dot(x, y, c)

    def frame(self, l, t, r, b, c=BLACK):
        for x in range(l, r):
            self.dot(x, t, c)
            self.dot(x, b - 1, c)
        for y in range(t, b):
            self.dot(l, y, c)
            self.dot(r - 1, y, c)

    def hline(self, l, r, y, c=BLACK):
        for x in range(l, r):
            self.dot(x, y, c)

    def vline(self, x, t, b, c=BLACK):
        for y in range(t, b):
            self.dot(x, y, c)

    def line(self, x0, y0, x1, y1, c=BLACK):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.dot(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), c)

    def pattern(self, x, y, rows, c=BLACK, bold=False):
        for j, row in enumerate(rows):
            for i, ch in enumerate(row):
                if ch == '#':
                    self.dot(x + i, y + j, c)
                    if bold:
                        self.dot(x + i + 1, y + j, c)

    def char(self, ch, x, y, c=BLACK, bold=False):
        rows = FONT[ch]
        self.pattern(x, y + 7 - len(rows), rows, c, bold)

    def text(self, s, x, y, c=BLACK, bold=False):
        for ch in s:
            self.char(ch, x, y, c, bold)
            x += len(FONT[ch][0]) + (2 if bold else 1)


def page(c, fold=True):
    c.rect(3, 1, 13, 15, WHITE)
    c.frame(3, 1, 13, 15)
    if fold:
        c.line(9, 1, 12, 4)


def lines(c, rows, widths, left=2):
    for y, (l, w) in zip(rows, widths):
        c.hline(l, l + w, y)


def draw_commands():
    cells = []
    def new():
        c = Cell(); cells.append(c); return c
    c = new(); page(c); c.rect(10, 2, 12, 4, OLIVE); c.line(9, 1, 12, 4)                      # New
    c = new(); c.rect(1, 5, 14, 14, YELLOW); c.frame(1, 5, 14, 14); c.frame(1, 3, 7, 6); c.line(4, 9, 15, 9)  # Open
    c = new(); c.rect(2, 2, 14, 14, NAVY); c.rect(4, 2, 12, 7, WHITE); c.rect(5, 10, 11, 14, SILVER)  # Save
    c = new(); c.frame(2, 10, 7, 15, NAVY); c.frame(9, 10, 14, 15, NAVY); c.line(5, 10, 10, 1); c.line(10, 10, 5, 1)  # Cut
    c = new(); page(c, False); c.rect(6, 5, 15, 15, WHITE); c.frame(6, 5, 15, 15); lines(c, [8, 10, 12], [(8, 5)] * 3)  # Copy
    c = new(); c.rect(2, 3, 12, 15, MAROON); c.rect(5, 1, 9, 4, GRAY); c.rect(7, 7, 15, 15, WHITE); c.frame(7, 7, 15, 15)  # Paste
    c = new(); c.frame(1, 2, 15, 14, NAVY); c.rect(1, 2, 15, 4, NAVY); c.rect(2, 4, 14, 13, WHITE); c.frame(5, 6, 10, 11, BLUE); c.line(9, 10, 12, 13)  # Preview
    c = new(); c.text("B", 4, 4, bold=True)                                                           # Bold
    c = new(); c.pattern(4, 4, ["..###", "...#.", "...#.", "..#..", ".#...", ".#...", "###.."])     # Italic
    c = new(); c.text("U", 5, 3); c.hline(4, 11, 12)                                                   # Underline
    c = new(); lines(c, [3, 6, 9, 12], [(2, 12), (2, 8), (2, 12), (2, 8)])                            # Left
    c = new(); lines(c, [3, 6, 9, 12], [(2, 12), (4, 8), (2, 12), (4, 8)])                            # Center
    c = new(); lines(c, [3, 6, 9, 12], [(2, 12), (6, 8), (2, 12), (6, 8)])                            # Right
    c = new(); c.pattern(4, 2, [".#####", "###.#.", "###.#.", ".##.#.", "..#.#.", "..#.#.", "..#.#.", "..#.#.", "..#.#.", "..#.#.", "..#.#."])  # Paragraph
    c = new(); lines(c, [12], [(1, 14)]); c.text("A", 5, 2, BLUE); c.frame(2, 10, 14, 15, BLUE)       # Link from selection
    c = new(); c.frame(1, 6, 8, 11, BLUE); c.frame(8, 6, 15, 11, BLUE); c.hline(5, 11, 8, BLUE)       # Hyper link
    c = new(); c.rect(1, 2, 15, 14, TEAL); c.frame(1, 2, 15, 14); c.rect(3, 4, 6, 7, YELLOW); c.line(2, 12, 7, 7, GREEN); c.line(7, 7, 13, 12, GREEN)  # Image
    c = new(); c.rect(1, 4, 15, 13, WHITE); c.frame(1, 4, 15, 13); c.line(1, 4, 8, 9); c.line(14, 4, 8, 9)  # E-Mail
    c = new(); c.vline(6, 2, 12); c.vline(13, 1, 10); c.line(6, 2, 13, 1); c.rect(3, 11, 7, 14); c.rect(10, 9, 14, 12)  # Music
    c = new(); c.text("F", 2, 3, RED, bold=True); c.text("a", 9, 5, BLUE)                               # Font
    c = new(); c.rect(1, 7, 15, 9, GRAY); c.hline(1, 15, 7, BLACK)                                    # Horizontal rule
    c = new(); c.rect(1, 1, 15, 15, WHITE); c.frame(1, 1, 15, 15); c.vline(6, 1, 15); c.hline(6, 15, 7)  # Frames
    c = new(); c.char('<', 1, 4, NAVY); c.pattern(11, 4, ["#...", ".#..", "..#.", "...#", "..#.", ".#..", "#..."], NAVY); c.line(9, 3, 6, 12, NAVY)  # Insert tags
    c = new(); c.char('<', 0, 4, GREEN); c.char('!', 6, 4, GREEN); c.hline(8, 15, 8, GREEN)           # Comment
    c = new(); c.rect(1, 2, 15, 14, SILVER); c.frame(1, 2, 15, 14); c.rect(3, 4, 13, 7, WHITE); c.rect(8, 9, 13, 12, GRAY); c.frame(8, 9, 13, 12)  # Form action
    c = new(); c.rect(1, 5, 15, 11, WHITE); c.frame(1, 5, 15, 11); c.vline(3, 6, 10)                   # Form field
    c = new(); c.rect(1, 2, 15, 14, TEAL); c.frame(1, 2, 15, 14); c.frame(3, 4, 8, 9, YELLOW); c.frame(9, 7, 14, 12, RED)  # Image map
    c = new(); page(c); c.text("M", 5, 5, NAVY)                                                        # Meta
    c = new(); page(c); c.text("J", 5, 5, MAROON)                                                      # Script
    c = new(); c.rect(4, 7, 12, 14, WHITE); c.frame(4, 7, 12, 14, MAROON); c.frame(11, 8, 14, 11, MAROON); c.line(6, 5, 7, 2, GRAY); c.line(9, 5, 10, 2, GRAY)  # Applet
    c = new(); c.rect(1, 3, 15, 13, WHITE); c.frame(1, 3, 15, 13); c.text("P", 3, 5, MAROON); c.hline(9, 13, 8)  # Parameter
    c = new(); c.rect(2, 2, 14, 14, SILVER); c.frame(2, 2, 14, 14); c.pattern(6, 5, ["#...", "##..", "###.", "####", "###.", "##..", "#..."], GREEN)  # Embedded item
    c = new(); c.text("A", 1, 8); c.pattern(8, 1, ["..#..", ".###.", "#####"], BLUE); c.text("A", 8, 5, bold=False)  # Bigger
    c = new(); c.text("A", 1, 5); c.pattern(8, 11, ["#####", ".###.", "..#.."], BLUE); c.text("a", 9, 2)  # Smaller
    c = new(); page(c); c.line(1, 8, 10, 8, RED); c.line(7, 5, 10, 8, RED); c.line(7, 11, 10, 8, RED)  # Page transfer
    c = new(); c.rect(0, 10, 16, 15, SILVER); c.frame(0, 10, 16, 15, GRAY); c.text("ac", 2, 1, NAVY); c.line(12, 5, 15, 5, NAVY)  # Scrolling status text
    return cells


# The palette in order: (base character or None for a captioned button, accent).
PALETTE = [
    ('©', None), ('®', None), ('™', None), ('¹', None), ('²', None), ('³', None), ('«', None), ('»', None),
    (None, None), ('¶', None), ('—', None), ('½', None), ('¼', None), ('¾', None), (None, None), (None, None),
    (None, None), (None, None), (None, None), (None, None), (None, None), ('·', None), (None, None),
] + [(b, a) for b, a in [
    ('a', 'acute'), ('a', 'circ'), ('æ', None), ('a', 'grave'), ('a', 'ring'), ('a', 'tilde'), ('a', 'uml'), ('c', 'cedil'),
    ('e', 'acute'), ('e', 'circ'), ('e', 'grave'), ('ð', None), ('e', 'uml'), ('i', 'acute'), ('i', 'circ'), ('i', 'grave'),
    ('i', 'uml'), ('n', 'tilde'), ('o', 'acute'), ('o', 'circ'), ('o', 'grave'), ('ø', None), ('o', 'tilde'), ('o', 'uml'),
    ('ß', None), ('þ', None), ('u', 'acute'), ('u', 'circ'), ('u', 'grave'), ('u', 'uml'), ('y', 'acute'), ('y', 'uml'),
    ('A', 'acute'), ('A', 'circ'), ('Æ', None), ('A', 'grave'), ('A', 'ring'), ('A', 'tilde'), ('A', 'uml'), ('C', 'cedil'),
    ('E', 'acute'), ('E', 'circ'), ('E', 'grave'), ('E', 'uml'), ('I', 'acute'), ('I', 'circ'), ('I', 'grave'), ('I', 'uml'),
    ('N', 'tilde'), ('O', 'acute'), ('O', 'circ'), ('O', 'grave'), ('Ø', None), ('O', 'tilde'), ('O', 'uml'), ('Þ', None),
    ('U', 'acute'), ('U', 'circ'), ('U', 'uml'), ('U', 'grave'), ('Y', 'acute'),
]]


def draw_symbol(c, s):
    if s == '©' or s == '®':
        c.pattern(3, 3, ["..#####..", ".#.....#.", "#.......#", "#.......#", "#.......#", "#.......#", "#.......#", ".#.....#.", "..#####.."])
        if s == '©':
            c.pattern(6, 6, [".##", "#..", "#..", ".##"])
        else:
            c.pattern(6, 5, ["##.", "#.#", "##.", "#.#", "#.#"])
    elif s == '™':
        c.pattern(1, 4, ["###.#...#", ".#..##.##", ".#..#.#.#", ".#..#...#"]); c.hline(1, 4, 4)
    elif s in '¹²³':
        c.char({'¹': '1', '²': '2', '³': '3'}[s], 5, 0)
    elif s == '«':
        c.pattern(3, 6, ["..#..#", ".#..#.", "#..#..", ".#..#.", "..#..#"])
    elif s == '»':
        c.pattern(5, 6, ["#..#..", ".#..#.", "..#..#", ".#..#.", "#..#.."])
    elif s == '¶':
        c.pattern(5, 3, [".####", "###.#", "###.#", ".##.#", "..#.#", "..#.#", "..#.#", "..#.#", "..#.#"])
    elif s == '—':
        c.hline(1, 15, 8)
    elif s in '½¼¾':
        c.char({'½': '1', '¼': '1', '¾': '3'}[s], 1, 0)
        c.line(12, 2, 4, 13)
        c.char({'½': '2', '¼': '4', '¾': '4'}[s], 10, 7)
    elif s == '·':
        c.rect(7, 7, 9, 9, BLACK)


def draw_letter(c, base, accent):
    small = len(FONT[base]) == 5
    x = 5
    top = 9 if small else 6  # where the letter's rows begin
    if base in 'Yy' and small:
        top = 8
    c.char(base, x, top - (7 - len(FONT[base])))
    if base == 'i' and accent:  # the accent takes the dot's place
        pass
    if accent == 'cedil':
        c.pattern(x + 1, top + len(FONT[base]), ["..#", ".##"])
    elif accent:
        rows = ACCENTS[accent]
        c.pattern(x + 1, top - len(rows) - (0 if small else 1), rows)


def draw_characters():
    cells = []
    for base, accent in PALETTE:
        c = Cell()
        if base is None:
            pass
        elif base in FONT and (accent or base not in '1234'):
            draw_letter(c, base, accent)
        else:
            draw_symbol(c, base)
        cells.append(c)
    return cells


def draw_bar_glyphs(c0=NAVY, c1=BLACK, face=WHITE, light=SILVER):
    cells = [Cell() for _ in range(8)]
    panel, case = cells[0], cells[1]
    panel.rect(1, 2, 15, 14, face); panel.frame(1, 2, 15, 14, c0); panel.rect(1, 2, 15, 4, c0)  # a window
    panel.rect(2, 4, 6, 13, light); panel.vline(6, 4, 13, c0)                                   # its side panel
    lines(panel, [6, 8, 10], [(8, 5), (8, 4), (8, 5)])
    case.text("A", 1, 4, c1); case.text("a", 9, 4, c1)                                          # "Aa"
    return cells


def write_bmp(path, cells):
    width, height = SIZE * len(cells), SIZE
    row_bytes = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for c in cells:
            for r, g, b in c.px[y]:
                row += bytes((b, g, r))
        row += b"\0" * (row_bytes - len(row))
        data += row
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def main():
    commands = draw_commands()
    assert len(commands) == 36, len(commands)
    characters = draw_characters()
    assert len(characters) == 84, len(characters)
    assets = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "assets")
    write_bmp(os.path.join(assets, "ToolGlyphs.bmp"), commands + characters)
    write_bmp(os.path.join(assets, "BarGlyphs1.bmp"), draw_bar_glyphs())
    write_bmp(os.path.join(assets, "BarGlyphs2.bmp"), draw_bar_glyphs(GRAY, GRAY, SILVER, WHITE))


if __name__ == "__main__":
    main()
