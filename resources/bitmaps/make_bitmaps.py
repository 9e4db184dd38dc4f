#!/usr/bin/env python3
"""Writes the list strip images and the clear-button image as XPM files.

Each strip image is a row of 22 x 20 glyph cells on light grey, aligned to the
image's right edge (the strip anchors its buttons to the right); any extra
columns on the left stay grey. Run from this folder: python3 make_bitmaps.py
"""

CELL_W, CELL_H = 22, 20

# The 16-colour palette; light grey is the ground.
PALETTE = [
    ('.', '#C0C0C0'), ('#', '#000000'), ('r', '#800000'), ('g', '#008000'),
    ('o', '#808000'), ('n', '#000080'), ('p', '#800080'), ('t', '#008080'),
    ('d', '#808080'), ('R', '#FF0000'), ('G', '#00FF00'), ('Y', '#FFFF00'),
    ('B', '#0000FF'), ('M', '#FF00FF'), ('C', '#00FFFF'), ('w', '#FFFFFF'),
]


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.rows = [['.'] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = colour

    def fill(self, left, top, right, bottom, colour):
        """Inclusive corners."""
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                self.put(x, y, colour)

    def paste(self, x0, y0, art):
        """ASCII art; ' ' leaves the pixel as it is."""
        for dy, line in enumerate(art):
            for dx, ch in enumerate(line):
                if ch != ' ':
                    self.put(x0 + dx, y0 + dy, ch)

    def lines(self):
        return [''.join(row) for row in self.rows]


def sheet_with_star(c, x0):
    # The sheet, with its top-right corner folded down.
    c.fill(x0 + 9, 4, x0 + 17, 18, 'w')
    for x, y in ((15, 4), (16, 4), (17, 4), (16, 5), (17, 5), (17, 6)):
        c.put(x0 + x, y, '.')
    c.fill(x0 + 9, 4, x0 + 14, 4, '#')      # top
    c.fill(x0 + 9, 4, x0 + 9, 18, '#')      # left
    c.fill(x0 + 9, 18, x0 + 17, 18, '#')    # bottom
    c.fill(x0 + 17, 7, x0 + 17, 18, '#')    # right
    for x, y in ((15, 5), (16, 6)):         # the fold's diagonal
        c.put(x0 + x, y, '#')
    c.fill(x0 + 14, 4, x0 + 14, 7, '#')     # the fold
    c.fill(x0 + 14, 7, x0 + 17, 7, '#')
    # A yellow star over the sheet's top-left corner, outlined in olive.
    c.paste(x0 + 2, 1, [
        "   o   ",
        "o  Y  o",
        " oYYYo ",
        " YYYYY ",
        "oYYYYYo",
        " YYYYY ",
        " oYYYo ",
        "o  Y  o",
        "   o   ",
    ])


def cross(c, x0, y0, size=10):
    """A dark red cross, three pixels thick, in a size x size square."""
    for y in range(size):
        for x in range(size):
            if abs(x - y) <= 1 or abs(size - 1 - x - y) <= 1:
                c.put(x0 + x, y0 + y, 'r')


def cross_glyph(c, x0):
    cross(c, x0 + 6, 5)


def up_arrow(c, x0):
    for j in range(5):                      # head, apex two pixels wide
        c.fill(x0 + 10 - j, 4 + j, x0 + 11 + j, 4 + j, '#')
    c.fill(x0 + 9, 9, x0 + 12, 15, '#')     # stem


def down_arrow(c, x0):
    for j in range(5):
        c.fill(x0 + 10 - j, 15 - j, x0 + 11 + j, 15 - j, '#')
    c.fill(x0 + 9, 4, x0 + 12, 10, '#')


def toggle_dimension(c, x0):
    one = [
        " # ",
        "## ",
        " # ",
        " # ",
        " # ",
        " # ",
        "###",
    ]
    two = [
        " ### ",
        "#   #",
        "    #",
        "   # ",
        "  #  ",
        " #   ",
        "#####",
    ]
    c.paste(x0 + 2, 6, one)
    c.paste(x0 + 16, 6, two)
    # The double-headed arrow between them.
    c.fill(x0 + 6, 9, x0 + 14, 9, 'n')
    for d in (1, 2):
        c.put(x0 + 6 + d, 9 - d, 'n')
        c.put(x0 + 6 + d, 9 + d, 'n')
        c.put(x0 + 14 - d, 9 - d, 'n')
        c.put(x0 + 14 - d, 9 + d, 'n')


def strip(width, glyphs):
    c = Canvas(width, CELL_H)
    first = width - len(glyphs) * CELL_W
    assert first >= 0
    for i, glyph in enumerate(glyphs):
        glyph(c, first + i * CELL_W)
    return c


def clear_button():
    c = Canvas(20, 20)
    cross(c, 5, 5)
    return c


def write_xpm(name, canvas):
    used = {ch for line in canvas.lines() for ch in line}
    assert used <= {ch for ch, _ in PALETTE}, used
    with open(f"{name}.xpm", "w", encoding="ascii") as out:
        out.write("/* XPM */\n")
        out.write(f"static const char* const {name}_xpm[] = {{\n")
        out.write(f'"{canvas.width} {canvas.height} {len(PALETTE)} 1",\n')
        for ch, colour in PALETTE:
            out.write(f'"{ch} c {colour}",\n')
        for line in canvas.lines():
            out.write(f'"{line}",\n')
        out.write("};\n")


def main():
    write_xpm("bitmap133", strip(88, [sheet_with_star, cross_glyph, up_arrow, down_arrow]))
    write_xpm("bitmap134", strip(46, [sheet_with_star, cross_glyph]))
    write_xpm("bitmap135", strip(67, [cross_glyph, up_arrow, down_arrow]))
    write_xpm("bitmap136", clear_button())
    write_xpm("bitmap147", strip(69, [sheet_with_star, cross_glyph, toggle_dimension]))


if __name__ == "__main__":
    main()
