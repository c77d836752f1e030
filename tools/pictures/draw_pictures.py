#!/usr/bin/env python3
"""Draws the editor's pictures and writes them as XPM files.

Every item picture is 20 x 20 pixels on a black room background; the fish for
the about window is 121 x 100 pixels in two colours. Each picture is either an
ASCII grid (one character a pixel, colours from PALETTE) or a few lines of
drawing code, so the art can be changed here and regenerated:

    python3 tools/pictures/draw_pictures.py          # rewrite the XPM files
    python3 tools/pictures/draw_pictures.py --check  # fail if they are stale

The XPM files are the artefacts the editor compiles in; they are committed.
"""

import argparse
import math
import pathlib
import sys

SIZE = 20
BG = "."

# Shared colours. A picture may add its own or override these.
PALETTE = {
    ".": "#000000",  # black: the room floor and black details
    "W": "#FFFFFF",
    "w": "#D0D0D0",  # light grey
    "g": "#989898",  # grey
    "G": "#5C5C5C",  # dark grey
    "R": "#E02828",  # red
    "r": "#981414",  # dark red
    "h": "#FF9090",  # light red
    "P": "#FF90C8",  # pink
    "p": "#D0508C",  # dark pink
    "Y": "#FFE028",  # yellow
    "y": "#B89000",  # dark yellow
    "O": "#FF8C00",  # orange
    "B": "#3C6CFF",  # blue
    "b": "#1C3CB0",  # dark blue
    "C": "#A8D0FF",  # light blue
    "E": "#30C030",  # green
    "e": "#137013",  # dark green
    "L": "#B8E030",  # yellow-green
    "l": "#6E9A10",  # dark yellow-green
    "N": "#A8642C",  # brown
    "n": "#603414",  # dark brown
    "T": "#E0A868",  # tan
    "V": "#A848E8",  # purple
    "v": "#602090",  # dark purple
    "S": "#F8C898",  # skin
    "M": "#FF00FF",  # magenta
}


class Picture:
    """A grid of palette characters. Drawing coordinates are continuous:
    pixel (x, y) covers [x, x+1) x [y, y+1) and its centre is (x+.5, y+.5)."""

    def __init__(self, width=SIZE, height=SIZE, fill=BG):
        self.width = width
        self.height = height
        self.px = [[fill] * width for _ in range(height)]
        self.colours = dict(PALETTE)

    def copy(self):
        other = Picture(self.width, self.height)
        other.px = [row[:] for row in self.px]
        other.colours = dict(self.colours)
        return other

    def get(self, x, y):
        if 0 <= x < self.width and 0 <= y < self.height:
            return self.px[y][x]
        return BG

    def put(self, x, y, c):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = c

    def where(self, test, c):
        """Sets every pixel whose centre satisfies test(cx, cy)."""
        for y in range(self.height):
            for x in range(self.width):
                if test(x + 0.5, y + 0.5):
                    self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        """Fills whole pixels x0..x1, y0..y1 (inclusive)."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, c)

    def ellipse(self, cx, cy, rx, ry, c, angle=0.0):
        ca, sa = math.cos(math.radians(angle)), math.sin(math.radians(angle))

        def inside(x, y):
            dx, dy = x - cx, y - cy
            u, v = dx * ca + dy * sa, -dx * sa + dy * ca
            return (u / rx) ** 2 + (v / ry) ** 2 <= 1.0

        self.where(inside, c)

    def disc(self, cx, cy, r, c):
        self.ellipse(cx, cy, r, r, c)

    def polygon(self, points, c):
        def inside(x, y):
            result = False
            n = len(points)
            for i in range(n):
                (x0, y0), (x1, y1) = points[i], points[(i + 1) % n]
                if (y0 > y) != (y1 > y):
                    if x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
                        result = not result
            return result

        self.where(inside, c)

    def line(self, x0, y0, x1, y1, c):
        """A one pixel wide line between pixel (x0, y0) and pixel (x1, y1)."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.put(x0, y0, c)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def path(self, points, c):
        """Connected one pixel wide lines through pixel coordinates."""
        for (x0, y0), (x1, y1) in zip(points, points[1:]):
            self.line(x0, y0, x1, y1, c)

    def art(self, rows, x=0, y=0):
        """Overlays an ASCII grid at (x, y); spaces leave pixels unchanged."""
        for j, row in enumerate(rows):
            for i, c in enumerate(row):
                if c != " ":
                    self.put(x + i, y + j, c)

    def outline(self, c, diagonal=False, of=None):
        """Paints background pixels that touch the drawing (or only the
        characters in `of`) with c."""
        near = [(1, 0), (-1, 0), (0, 1), (0, -1)]
        if diagonal:
            near += [(1, 1), (1, -1), (-1, 1), (-1, -1)]
        hits = []
        for y in range(self.height):
            for x in range(self.width):
                if self.px[y][x] != BG:
                    continue
                for dx, dy in near:
                    n = self.get(x + dx, y + dy)
                    if n != BG and n != c and (of is None or n in of):
                        hits.append((x, y))
                        break
        for x, y in hits:
            self.px[y][x] = c

    def replace(self, mapping, test=None):
        """Swaps characters, optionally only where test(x, y) holds."""
        for y in range(self.height):
            for x in range(self.width):
                c = self.px[y][x]
                if c in mapping and (test is None or test(x, y)):
                    self.px[y][x] = mapping[c]

    def mirrored(self):
        other = self.copy()
        other.px = [row[::-1] for row in self.px]
        return other

    def transposed(self):
        other = Picture(self.height, self.width)
        other.colours = dict(self.colours)
        other.px = [[self.px[y][x] for y in range(self.height)] for x in range(self.width)]
        return other


def grid(rows, **colours):
    """A picture from a full ASCII grid."""
    pic = Picture(len(rows[0]), len(rows))
    pic.colours.update(colours)
    for y, row in enumerate(rows):
        if len(row) != pic.width:
            raise ValueError(f"row {y} is {len(row)} wide, not {pic.width}: {row!r}")
        pic.px[y] = list(row)
    return pic


def sym(halves, right=None):
    """Rows mirrored about the line between columns 9 and 10. `right` maps
    characters in the mirrored half (for light on one side only)."""
    table = str.maketrans(right or {})
    return [h + h[::-1].translate(table) for h in halves]


def symo(halves, right=None):
    """Rows mirrored about column 9 (the last character of each half)."""
    table = str.maketrans(right or {})
    return [h + h[-2::-1].translate(table) + BG for h in halves]


def shade(pic, body, light, dark, lit=(0.12, 0.4), shadow=0.78):
    """Cylinder shading for upright objects: in every row, the run of `body`
    pixels gets a light band on the left and a dark band on the right."""
    for y in range(pic.height):
        xs = [x for x in range(pic.width) if pic.px[y][x] == body]
        if len(xs) < 3:
            continue
        x0, x1 = xs[0], xs[-1]
        span = x1 - x0 + 1
        for x in xs:
            t = (x - x0 + 0.5) / span
            if lit[0] <= t <= lit[1]:
                pic.px[y][x] = light
            elif t >= shadow:
                pic.px[y][x] = dark


def lathe(widths, body, light, dark, top=0):
    """An object that is round about a vertical axis (between columns 9 and
    10): widths[i] is the half width of row top+i."""
    pic = Picture()
    for i, w in enumerate(widths):
        if w > 0:
            pic.rect(10 - w, top + i, 9 + w, top + i, body)
    shade(pic, body, light, dark)
    return pic


PICTURES = {}


def picture(name):
    def register(fn):
        PICTURES[name] = fn
        return fn

    return register


# ---------------------------------------------------------------------------
# Floor, head, unknown


@picture("volno")
def volno():
    return Picture()


@picture("hlava")
def hlava():
    pic = Picture()
    pic.colours.update({"V": "#A040E0", "v": "#6A1FA8", "U": "#C880FF"})
    pic.disc(10, 10, 9.8, "v")
    pic.disc(10, 10, 8.8, "V")
    # A shine on the upper left of the head.
    pic.where(lambda x, y: (x - 4.2) ** 2 + (y - 4.6) ** 2 < 2.6, "U")
    pic.art(
        [
            "     W      W     ",
            "    WWW    WWW    ",
            "    W.W    W.W    ",
            "    W.W    W.W    ",
            "     W      W     ",
            "                  ",
            "  .              .",
            "  ..            ..",
            "   ...        ... ",
            "     ..........   ",
            "       ......     ",
        ],
        x=1,
        y=4,
    )
    return pic


@picture("neznamy")
def neznamy():
    pic = Picture()
    pic.where(lambda x, y: int(x + y) // 2 % 2 == 0, "M")
    pic.rect(5, 2, 14, 17, BG)
    pic.art(
        [
            "  WWWW  ",
            " WWWWWW ",
            "WWW  WWW",
            "WW    WW",
            "     WWW",
            "    WWW ",
            "   WWW  ",
            "   WW   ",
            "   WW   ",
            "        ",
            "   WW   ",
            "   WW   ",
        ],
        x=6,
        y=4,
    )
    pic.rect(0, 0, 19, 0, "M")
    pic.rect(0, 19, 19, 19, "M")
    pic.rect(0, 0, 0, 19, "M")
    pic.rect(19, 0, 19, 19, "M")
    return pic


# ---------------------------------------------------------------------------
# Brick walls: four courses of bricks 9 x 4 with 1 pixel of mortar, every
# other course shifted by half a brick, so the pattern tiles seamlessly.

WALLS = {
    # index: (brick colours [(light, face, dark), ...], mortar)
    1: ([("#FFFFFF", "#EEEEEE", "#BDBDBD")], "#7C7C7C"),
    2: ([("#7C9CFF", "#3458E8", "#1C329C")], "#B4B4C8"),
    3: ([("#74E874", "#2EAE2E", "#186818")], "#B4C8B4"),
    4: ([("#C4C4C4", "#969696", "#686868")], "#3A3A3A"),
    5: ([("#FFF7A0", "#EED428", "#A89200")], "#8C8060"),
    6: ([("#F07860", "#C83820", "#882010")], "#C8C0B8"),
    7: ([("#FFD0E4", "#F494C0", "#C06090")], "#9C7080"),
    8: ([("#C89060", "#96602E", "#603C18")], "#C0B0A0"),
    0: (
        [
            ("#FF8878", "#E03020", "#981810"),  # red
            ("#88B0FF", "#3868F0", "#1C3AA0"),  # blue
            ("#FFF49C", "#F0D020", "#A89000"),  # yellow
            ("#84EC84", "#30B030", "#186C18"),  # green
            ("#FFC078", "#F08418", "#A45608"),  # orange
            ("#D49CFF", "#9848E0", "#602098"),  # purple
            ("#A8FFFF", "#30D0D0", "#108888"),  # cyan
            ("#FFC0DC", "#F070A8", "#B03C70"),  # pink
        ],
        "#A8A8A8",
    ),
}


def wall(index):
    bricks, mortar = WALLS[index]
    pic = Picture()
    pic.colours = {"m": mortar}
    for i, (light, face, dark) in enumerate(bricks):
        pic.colours.update({f"{i}": light, chr(ord("a") + i): face, chr(ord("A") + i): dark})
    for y in range(SIZE):
        course, row = divmod(y, 5)
        shift = 5 if course % 2 else 0
        for x in range(SIZE):
            u = (x + SIZE - shift) % SIZE
            col = u % 10
            if row == 4 or col == 9:
                pic.px[y][x] = "m"
                continue
            brick = (course * 2 + u // 10) % len(bricks)
            if row == 0 or col == 0:
                pic.px[y][x] = f"{brick}"
            elif row == 3 or col == 8:
                pic.px[y][x] = chr(ord("A") + brick)
            else:
                pic.px[y][x] = chr(ord("a") + brick)
    return pic


for _i in range(9):
    picture(f"zed{_i}")(lambda i=_i: wall(i))


# ---------------------------------------------------------------------------
# Food


def beetle(body, light, dark, legs):
    pic = grid(
        symo(
            [
                "....m.....",
                ".....m....",
                "......m...",
                ".......nnn",
                "..m....nnn",
                "...m.NNNNN",
                "....mNNNNN",
                ".....NNNNN",
                "....nnnnnn",
                "....NTTNNn",
                ".mmmNTNNNn",
                "m...NTNNNn",
                "....NNNNNn",
                "....NNNNNn",
                "...mNNNNNn",
                "..m.NNNNNn",
                ".m...NNNNn",
                "m.....NNNn",
                "........nn",
                "..........",
            ],
            right={"T": "N"},
        )
    )
    pic.colours.update({"N": body, "T": light, "n": dark, "m": legs})
    return pic


@picture("zradlo0")
def brown_beetle():
    return beetle("#A8642C", "#E0A868", "#5C3012", "#C07A3A")


@picture("zradlo61")
def green_beetle():
    return beetle("#2EAA3A", "#9CF0A0", "#0C5418", "#48C850")


@picture("zradlo1")
def aphid():
    pic = Picture()
    pic.colours.update({"B": "#4C7CFF", "C": "#B4D4FF", "b": "#2C4CC0", "c": "#88A8FF"})
    for flip in (lambda x: x, lambda x: 18 - x):
        legs = [
            [(8, 3), (6, 1), (3, 0)],
            [(7, 7), (4, 6), (3, 4)],
            [(6, 10), (3, 10), (1, 12)],
            [(6, 13), (3, 15), (2, 18)],
            [(6, 16), (5, 18)],
        ]
        for points in legs:
            pic.path([(flip(x), y) for x, y in points], "c")
    pic.ellipse(9.5, 4.2, 1.9, 1.6, "B")
    pic.ellipse(9.5, 7.2, 2.6, 1.9, "B")
    pic.ellipse(9.5, 13.2, 5.6, 5.6, "B")
    pic.put(8, 4, "b")
    pic.put(10, 4, "b")
    for x, y in [(7, 10), (6, 11), (7, 11), (6, 12)]:
        pic.put(x, y, "C")
    return pic


def floppy(body, dark):
    pic = grid(
        [
            "....................",
            ".RRRRwwwwwwwwwRRR...",
            ".RRRRwwwwwGGwwRRRR..",
            ".RRRRwwwwwGGwwRRRRR.",
            ".RRRRwwwwwGGwwRRRRR.",
            ".RRRRwwwwwGGwwRRRRR.",
            ".RRRRwwwwwwwwwRRRRR.",
            ".RRRRRRRRRRRRRRRRRR.",
            ".RRRRRRRRRRRRRRRRRR.",
            ".RRRWWWWWWWWWWWWRRR.",
            ".RRRWWWWWWWWWWWWRRR.",
            ".RRRWggggggggggWRRR.",
            ".RRRWWWWWWWWWWWWRRR.",
            ".RRRWggggggggggWRRR.",
            ".RRRWWWWWWWWWWWWRRR.",
            ".RRRWggggggggggWRRR.",
            ".RRRWWWWWWWWWWWWRRR.",
            ".RrRWWWWWWWWWWWWRRR.",
            ".RRRRRRRRRRRRRRRRRR.",
            "....................",
        ]
    )
    pic.colours.update({"R": body, "r": dark})
    return pic


@picture("zradlo2")
def red_floppy():
    return floppy("#D82020", "#600808")


@picture("zradlo3")
def blue_floppy():
    return floppy("#2850E0", "#0C1C60")


PIPS = {
    1: [(1, 1)],
    2: [(0, 0), (2, 2)],
    3: [(0, 0), (1, 1), (2, 2)],
    4: [(0, 0), (0, 2), (2, 0), (2, 2)],
    5: [(0, 0), (0, 2), (1, 1), (2, 0), (2, 2)],
    6: [(0, 0), (1, 0), (2, 0), (0, 2), (1, 2), (2, 2)],
}


def domino(top, bottom):
    """A standing domino tile, 10 wide, centred."""
    pic = Picture()
    pic.rect(5, 0, 14, 19, "W")
    pic.rect(14, 1, 14, 18, "w")
    pic.rect(6, 19, 14, 19, "w")
    for x, y in [(5, 0), (14, 0), (5, 19), (14, 19)]:
        pic.put(x, y, BG)
    pic.rect(6, 9, 13, 9, "G")
    for count, y0 in [(top, 1), (bottom, 11)]:
        for row, col in PIPS[count]:
            pic.rect(6 + 3 * col, y0 + 3 * row, 7 + 3 * col, y0 + 1 + 3 * row, BG)
    return pic


@picture("zradlo4")
def domino_lying():
    return domino(5, 2).transposed()


@picture("zradlo5")
def domino_standing():
    return domino(3, 6)


def pawn(body, light, dark):
    pic = lathe([0, 2, 3, 4, 4, 4, 3, 2, 4, 2, 2, 2, 3, 3, 4, 4, 5, 6, 7, 0], "X", "H", "D")
    pic.colours.update({"X": body, "H": light, "D": dark})
    pic.put(8, 2, "W")
    return pic


@picture("zradlo6")
def red_pawn():
    return pawn("#E02828", "#FF9494", "#8C1010")


@picture("zradlo7")
def green_pawn():
    return pawn("#2CBC2C", "#A0F4A0", "#106610")


@picture("zradlo8")
def yellow_pawn():
    return pawn("#F0D020", "#FFF8A8", "#9C8400")


def clock_face(pic, cx, cy):
    """Ticks at 12, 3, 6, 9 and hands at ten past ten around pixel (cx, cy),
    the top-left of the 2 x 2 centre."""
    for x, y in [(cx, cy - 5), (cx + 1, cy - 5), (cx, cy + 6), (cx + 1, cy + 6)]:
        pic.put(x, y, BG)
    for x, y in [(cx - 5, cy), (cx - 5, cy + 1), (cx + 6, cy), (cx + 6, cy + 1)]:
        pic.put(x, y, BG)
    pic.path([(cx, cy), (cx - 3, cy - 2)], BG)
    pic.path([(cx + 1, cy), (cx + 3, cy - 4)], BG)
    pic.rect(cx, cy, cx + 1, cy + 1, BG)
    pic.put(cx, cy, "R")


@picture("zradlo9")
def square_clock():
    pic = Picture()
    pic.colours.update({"N": "#B4703A", "T": "#E8B078", "n": "#6E3E16"})
    pic.rect(1, 1, 18, 18, "N")
    pic.rect(1, 1, 18, 1, "T")
    pic.rect(1, 1, 1, 18, "T")
    pic.rect(2, 18, 18, 18, "n")
    pic.rect(18, 2, 18, 18, "n")
    pic.rect(3, 3, 16, 16, "W")
    clock_face(pic, 9, 9)
    return pic


@picture("zradlo10")
def round_clock():
    pic = Picture()
    pic.colours.update({"B": "#3060E8", "C": "#90B0FF"})
    pic.disc(10, 10, 9.9, "B")
    pic.where(lambda x, y: (x - 10) ** 2 + (y - 10) ** 2 <= 98 and x + y < 11, "C")
    pic.disc(10, 10, 7.6, "W")
    clock_face(pic, 9, 9)
    return pic


def apple(body, light, dark):
    pic = grid(
        [
            "....................",
            "..........nn........",
            ".........nn..eEEe...",
            ".........n..eEEEe...",
            "...RRRRRR.nRRRRRR...",
            "..RhhRRRRRRRRRRRRR..",
            ".RRhhRRRRRRRRRRRRRR.",
            ".RhhRRRRRRRRRRRRRRR.",
            ".RhRRRRRRRRRRRRRRRr.",
            ".RhRRRRRRRRRRRRRRRr.",
            ".RRRRRRRRRRRRRRRRRr.",
            ".RRRRRRRRRRRRRRRRRr.",
            ".RRRRRRRRRRRRRRRRrr.",
            "..RRRRRRRRRRRRRRrr..",
            "..RRRRRRRRRRRRRRrr..",
            "...RRRRRRRRRRRRrr...",
            "....RRRRRRRRRRrr....",
            ".....RRRR..RRRr.....",
            "....................",
            "....................",
        ]
    )
    pic.colours.update({"R": body, "h": light, "r": dark, "E": "#40C840", "e": "#1C8020"})
    return pic


@picture("zradlo11")
def red_apple():
    return apple("#E02020", "#FF9C9C", "#980C0C")


@picture("zradlo12")
def yellow_apple():
    return apple("#F4DC2C", "#FFFCC0", "#B49800")


def die(face, edge, pip):
    pic = Picture()
    pic.colours.update({"F": face, "D": edge, "K": pip})
    for d in (2, 1):
        pic.rect(2 + d, 2 + d, 15 + d, 15 + d, "D")
        pic.put(15 + d, 2 + d, BG)
        pic.put(2 + d, 15 + d, BG)
    pic.rect(2, 2, 15, 15, "F")
    for x, y in [(2, 2), (15, 2), (2, 15)]:
        pic.put(x, y, BG)
    pic.put(15, 15, "D")
    for row, col in PIPS[5]:
        x, y = 4 + 4 * col, 4 + 4 * row
        pic.rect(x, y, x + 1, y + 1, "K")
    return pic


@picture("zradlo13")
def green_die():
    return die("#28B028", "#0E5E0E", "#FFFFFF")


@picture("zradlo14")
def yellow_die():
    return die("#F4D424", "#9C8200", "#000000")


def note(body, light):
    pic = grid(
        [
            "....................",
            "....................",
            ".......XXXXXXXXXXX..",
            ".......XXXXXXXXXXX..",
            ".......XXXXXXXXXXX..",
            ".......XX.......XX..",
            ".......XX.......XX..",
            ".......XX.......XX..",
            ".......XX.......XX..",
            ".......XX.......XX..",
            ".......XX.......XX..",
            ".......XX.......XX..",
            ".......XX.......XX..",
            "......XXX......XXX..",
            "....XXXXX....XXXXX..",
            "...XHXXXX...XHXXXX..",
            "...XXXXXX...XXXXXX..",
            "...XXXXX....XXXXX...",
            "....XXX......XXX....",
            "....................",
        ]
    )
    pic.colours.update({"X": body, "H": light})
    return pic


@picture("zradlo15")
def blue_note():
    return note("#4070FF", "#C0D4FF")


@picture("zradlo16")
def yellow_note():
    return note("#F8D820", "#FFFFC0")


@picture("zradlo17")
def bus():
    pic = Picture()
    pic.rect(0, 3, 19, 15, "R")
    pic.put(0, 3, BG)
    pic.put(19, 3, BG)
    pic.rect(0, 3, 19, 3, "h")
    pic.rect(1, 5, 2, 10, "C")
    for x in (5, 9, 13, 17):
        pic.rect(x, 5, x + 1, 8, "C")
    pic.rect(4, 10, 18, 10, "W")
    pic.rect(0, 13, 0, 13, "Y")
    pic.rect(0, 15, 19, 15, "r")
    for x in (2, 13):
        pic.art([" GGG ", "GGGGG", "GGwGG", "GGGGG", " GGG "], x, 13)
    return pic


@picture("zradlo18")
def reel():
    pic = Picture()
    pic.colours.update({"N": "#C08040", "T": "#F0C080", "n": "#70441C"})
    pic.rect(2, 1, 17, 3, "N")
    pic.rect(3, 0, 16, 0, "T")
    pic.rect(2, 3, 17, 3, "n")
    pic.rect(2, 16, 17, 18, "N")
    pic.rect(3, 16, 16, 16, "T")
    pic.rect(3, 19, 16, 19, "n")
    pic.rect(4, 4, 15, 15, "R")
    for y in range(4, 16, 2):
        pic.rect(4, y, 15, y, "r")
    shade(pic, "R", "h", "r")
    pic.path([(15, 11), (17, 12), (18, 14), (19, 15)], "R")
    return pic


@picture("zradlo19")
def film():
    pic = Picture()
    pic.colours.update({"e": "#127012", "E": "#5CD45C", "L": "#B4F4A0"})
    pic.rect(0, 3, 19, 16, "e")
    for x in range(1, 20, 4):
        pic.rect(x, 4, x + 1, 5, BG)
        pic.rect(x, 14, x + 1, 15, BG)
    for x0 in (1, 8, 15):
        pic.rect(x0, 7, x0 + 4, 12, "E")
        pic.rect(x0, 7, x0 + 4, 7, "L")
        pic.rect(x0, 7, x0, 12, "L")
    return pic


@picture("zradlo20")
def key():
    pic = Picture()
    pic.colours.update({"Y": "#F0C030", "y": "#A07410", "H": "#FFF0A8"})
    pic.disc(5, 10, 5, "Y")
    pic.disc(5, 10, 2.2, BG)
    pic.rect(9, 9, 18, 11, "Y")
    pic.rect(13, 12, 14, 14, "Y")
    pic.rect(16, 12, 17, 15, "Y")
    pic.rect(18, 9, 18, 13, "Y")
    pic.rect(9, 11, 18, 11, "y")
    pic.rect(13, 14, 14, 14, "y")
    pic.rect(16, 15, 17, 15, "y")
    pic.rect(9, 9, 17, 9, "H")
    pic.where(lambda x, y: 16 < (x - 5) ** 2 + (y - 10) ** 2 < 26 and x < 5 and y < 10, "H")
    return pic


@picture("zradlo21")
def heart():
    return grid(
        sym(
            [
                "..........",
                "..........",
                "...RRRR...",
                "..RRRRRR..",
                ".RRhhRRRR.",
                ".RhhRRRRRR",
                ".RhRRRRRRR",
                ".RRRRRRRRR",
                ".RRRRRRRRR",
                "..RRRRRRRR",
                "..RRRRRRRR",
                "...RRRRRRR",
                "....RRRRRR",
                ".....RRRRR",
                "......RRRR",
                ".......RRR",
                "........RR",
                "..........",
                "..........",
                "..........",
            ],
            right={"h": "R"},
        )
    )


@picture("zradlo22")
def telephone():
    pic = grid(
        [
            "....................",
            "....................",
            "...RRRRRRRRRRRRRR...",
            "..RhhhhhhhhhhhhhhR..",
            ".RRRRRRRRRRRRRRRRRR.",
            ".RRRR..........RRRR.",
            ".rrrr..........rrrr.",
            "......RRRRRRRR......",
            ".....RRRRRRRRRR.....",
            "....RRRRRRRRRRRR....",
            "....RRRRRRRRRRRR....",
            "...RRRRRRRRRRRRRR...",
            "...RRRRRRRRRRRRRR...",
            "..RRRRRRRRRRRRRRRR..",
            "..RRRRRRRRRRRRRRRR..",
            "..RRRRRRRRRRRRRRRR..",
            ".RRRRRRRRRRRRRRRRRR.",
            ".RRRRRRRRRRRRRRRRRR.",
            ".rrrrrrrrrrrrrrrrrr.",
            "....................",
        ]
    )
    pic.art(
        [
            "  WWWW  ",
            " W.WW.W ",
            "W.WWWW.W",
            "WWWRRWWW",
            "WWWRRWWW",
            "W.WWWW.W",
            " W.WW.W ",
            "  WWWW  ",
        ],
        x=6,
        y=9,
    )
    return pic


@picture("zradlo23")
def bell():
    pic = lathe([0, 1, 1, 3, 4, 4, 4, 4, 5, 5, 5, 6, 7, 8, 9, 9, 0, 0, 0, 0], "Y", "H", "y")
    pic.colours.update({"Y": "#F4D020", "H": "#FFF8B0", "y": "#A88800", "n": "#7C5C10"})
    pic.rect(9, 1, 10, 2, "y")
    pic.rect(9, 1, 10, 1, BG)
    pic.rect(9, 0, 10, 0, "y")
    pic.rect(1, 15, 18, 15, "y")
    pic.rect(8, 16, 11, 17, "n")
    pic.rect(9, 18, 10, 18, "n")
    pic.put(8, 16, "y")
    return pic


@picture("zradlo24")
def dynamite():
    pic = Picture()
    pic.rect(6, 7, 13, 19, "R")
    shade(pic, "R", "h", "r")
    pic.rect(6, 6, 13, 6, "h")
    pic.rect(7, 6, 12, 6, "T")
    pic.colours["T"] = "#FFB8B8"
    for y in (9, 16):
        pic.rect(6, y, 13, y, "N")
    pic.colours["N"] = "#5A1A10"
    pic.path([(10, 5), (10, 4), (11, 3), (12, 3), (13, 2)], "w")
    pic.art([" Y Y", "  O ", " YWY", "O  O"], x=12, y=0)
    pic.put(14, 1, "Y")
    return pic


@picture("zradlo25")
def red_cross():
    pic = Picture()
    pic.rect(7, 2, 12, 17, "R")
    pic.rect(2, 7, 17, 12, "R")
    pic.outline("W")
    return pic


@picture("zradlo26")
def eye():
    pic = Picture()
    pic.colours.update({"B": "#2C64F0", "b": "#143490", "S": "#E8B890"})

    def almond(x, y):
        t = (x - 10) / 9.6
        return abs(t) < 1 and abs(y - 10) <= 5.6 * (1 - t * t)

    pic.where(almond, "W")
    pic.outline("S")
    pic.where(lambda x, y: almond(x, y) and (x - 10) ** 2 + (y - 10) ** 2 <= 19, "B")
    pic.where(lambda x, y: almond(x, y) and (x - 10) ** 2 + (y - 10) ** 2 <= 19 and y > 12, "b")
    pic.disc(10, 10, 2, BG)
    pic.put(8, 8, "W")
    for x0, x1 in [(3, 2), (6, 5), (10, 10), (14, 15), (17, 18)]:
        top = min(y for y in range(SIZE) if pic.get(x0, y) == "S")
        pic.line(x0, top - 1, x1, top - 2, "S")
    return pic


def ant_top(angle, scale=1.0):
    """An ant seen from above, head pointing up turned clockwise by `angle`
    degrees; drawn from ellipses and leg lines in coordinates centred on the
    picture."""
    pic = Picture()
    pic.colours.update({"A": "#C44C1C", "a": "#F08858", "d": "#7C2C0C"})
    ca, sa = math.cos(math.radians(angle)), math.sin(math.radians(angle))

    def to_pic(u, v):
        u, v = u * scale, v * scale
        return 10 + u * ca - v * sa, 10 + u * sa + v * ca

    def leg(points):
        pts = [to_pic(u, v) for u, v in points]
        for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
            steps = int(max(abs(x1 - x0), abs(y1 - y0)) * 4) + 1
            for i in range(steps + 1):
                t = i / steps
                pic.put(int(x0 + (x1 - x0) * t), int(y0 + (y1 - y0) * t), "A")

    for side in (-1, 1):
        leg([(0.5 * side, -2.8), (3.6 * side, -4.8), (4.6 * side, -7.6)])
        leg([(0.5 * side, -1.5), (4.6 * side, -1.2), (6.8 * side, 1.2)])
        leg([(0.5 * side, -0.5), (3.8 * side, 2.2), (5.6 * side, 6.6)])
        leg([(0.9 * side, -7.6), (2.0 * side, -9.4), (3.8 * side, -9.9)])

    def blob(u, v, ru, rv, c):
        ce, se = ca, sa

        def inside(x, y):
            dx, dy = (x - 10) / scale, (y - 10) / scale
            uu, vv = dx * ce + dy * se, -dx * se + dy * ce
            return ((uu - u) / ru) ** 2 + ((vv - v) / rv) ** 2 <= 1

        pic.where(inside, c)

    blob(0, -6.6, 2.3, 2.0, "A")
    blob(0, -2.0, 1.5, 2.4, "A")
    blob(0, 1.4, 1.0, 1.0, "d")
    blob(0, 5.6, 3.1, 4.0, "A")
    blob(-0.9, 4.4, 0.9, 1.6, "a")
    blob(-0.7, -7.2, 0.6, 0.6, "a")
    return pic


@picture("zradlo27")
def whole_ant():
    return ant_top(0)


def ant_side():
    """An ant seen from the side, walking to the left."""
    pic = Picture()
    pic.colours.update({"A": "#C44C1C", "a": "#F08858"})
    pic.art(
        [
            "  AAA               ",
            " AAAAA  AA          ",
            " A.AAA AAAA         ",
            " AAAAA AAAAAA       ",
            "A AAA   AAA         ",
        ],
        y=7,
    )
    pic.ellipse(16.5, 10, 3.5, 4, "A")
    pic.rect(12, 10, 12, 10, "A")
    for x, y in [(15, 8), (16, 8), (15, 9), (14, 9), (14, 10)]:
        pic.put(x, y, "a")
    pic.path([(4, 7), (4, 5), (2, 3), (0, 3)], "A")
    pic.path([(8, 12), (6, 14), (5, 17), (3, 18)], "A")
    pic.path([(9, 12), (10, 15), (9, 18), (8, 18)], "A")
    pic.path([(10, 12), (13, 15), (14, 18), (16, 18)], "A")
    return pic


@picture("zradlo43")
def ant_left():
    return ant_side()


@picture("zradlo44")
def ant_right():
    return ant_side().mirrored()


@picture("zradlo45")
def ant_diagonal():
    return ant_top(45, scale=1.05)


@picture("zradlo28")
def angelfish():
    pic = Picture()
    pic.colours.update({"R": "#E83020", "r": "#901008", "h": "#FF8C70"})
    pic.polygon(
        [
            (1.5, 10.5),
            (5, 6),
            (9, 3.5),
            (16.5, 0),
            (13.5, 6.5),
            (15, 9),
            (19.5, 6),
            (19.5, 15),
            (15, 12),
            (13.5, 14.5),
            (16.5, 20),
            (9, 17.5),
            (5, 15),
        ],
        "R",
    )
    pic.replace({"R": "r"}, lambda x, y: x in (7, 11, 15))
    pic.replace({"R": "h"}, lambda x, y: x in (3, 4) and y < 10)
    # The eye: a black pupil looking forward with white behind it.
    pic.rect(4, 9, 4, 10, BG)
    pic.rect(5, 9, 5, 10, "W")
    return pic


@picture("zradlo29")
def paw():
    return grid(
        sym(
            [
                "..........",
                "......ww..",
                ".....wggg.",
                ".....wggg.",
                ".....gggg.",
                "......gg..",
                ".ww.......",
                "wggg......",
                "wggg......",
                "gggg...www",
                ".gg..wwggg",
                "....wggggg",
                "...wgggggg",
                "...ggggggg",
                "..gggggggg",
                "..gggggggg",
                "..gggggggg",
                "...ggggggg",
                ".....ggggg",
                "..........",
            ],
            right={"w": "g"},
        ),
        g="#A0A0A0",
        w="#D8D8D8",
    )


@picture("zradlo30")
def wasp():
    pic = Picture()
    pic.colours.update({"C": "#D0E4FF", "c": "#8CA8D0", "Y": "#FFD820", "y": "#B08C00"})
    pic.ellipse(5.0, 9.2, 4.6, 2.3, "C", angle=28)
    pic.ellipse(15.0, 9.2, 4.6, 2.3, "C", angle=-28)
    pic.ellipse(10, 13.2, 3.6, 5.6, "Y")
    for y in (11, 14, 17):
        pic.replace({"Y": "G"}, lambda x, yy, y=y: yy == y)
    pic.ellipse(10, 7.0, 2.4, 2.0, "y")
    pic.ellipse(10, 3.4, 2.6, 2.1, "Y")
    pic.put(8, 3, "G")
    pic.put(11, 3, "G")
    pic.put(8, 2, "G")
    pic.put(11, 2, "G")
    pic.rect(9, 19, 10, 19, "G")
    pic.path([(9, 1), (7, 0)], "y")
    pic.path([(10, 1), (12, 0)], "y")
    pic.replace({"C": "c"}, lambda x, y: y >= 10)
    return pic


@picture("zradlo31")
def bulb():
    pic = Picture()
    pic.colours.update({"Y": "#FFF060", "H": "#FFFFE0", "O": "#FF9C00", "y": "#E8C000"})
    pic.disc(10, 8.5, 5.6, "Y")
    pic.rect(7, 12, 12, 14, "Y")
    pic.rect(8, 14, 11, 14, "Y")
    pic.where(lambda x, y: (x - 8) ** 2 + (y - 6.5) ** 2 < 3, "H")
    pic.path([(8, 12), (8, 9), (9, 8), (10, 9), (11, 8), (12, 9)], "O")
    pic.path([(12, 9), (12, 12)], "O")
    pic.rect(8, 15, 11, 18, "w")
    pic.rect(8, 16, 11, 16, "g")
    pic.rect(8, 18, 11, 18, "g")
    pic.rect(9, 19, 10, 19, "G")
    for x0, y0, x1, y1 in [
        (10, 0, 10, 1),
        (3, 2, 4, 3),
        (17, 2, 16, 3),
        (1, 8, 2, 8),
        (18, 8, 19, 8),
        (3, 14, 4, 13),
        (17, 14, 16, 13),
    ]:
        pic.line(x0, y0, x1, y1, "y")
    return pic


@picture("zradlo32")
def green_face():
    pic = Picture()
    pic.colours.update({"L": "#C4E830", "l": "#7CA010", "H": "#ECFFA0", "r": "#C03030"})
    pic.disc(10, 10, 9.8, "l")
    pic.disc(10, 10, 8.8, "L")
    pic.where(lambda x, y: (x - 6.5) ** 2 + (y - 5.5) ** 2 < 4, "H")
    pic.art(
        [
            "  WW    WW  ",
            " W..W  W..W ",
            " W..W  W..W ",
            "  WW    WW  ",
            "            ",
            "............",
            " .WWWWWWWW. ",
            " .rrrrrrrr. ",
            "  .rrrrrr.  ",
            "   ......   ",
        ],
        x=4,
        y=5,
    )
    return pic


@picture("zradlo33")
def mouse():
    pic = Picture()
    pic.colours.update({"g": "#A8A8A8", "w": "#D4D4D4", "G": "#707070", "P": "#FFA0C0"})
    pic.path([(16, 15), (18, 14), (19, 12), (19, 10), (18, 8), (17, 7)], "P")
    pic.ellipse(11, 12.5, 6.5, 4.6, "g")
    pic.polygon([(0.5, 13.2), (6, 8.0), (9, 10), (8, 16.5), (3, 15.5)], "g")
    pic.replace({"g": "G"}, lambda x, y: y >= 16)
    pic.replace({"g": "w"}, lambda x, y: y <= 9 or (y == 10 and x > 8))
    pic.disc(8, 6.5, 3.0, "g")
    pic.disc(8.2, 6.7, 1.7, "P")
    pic.put(4, 11, BG)
    pic.put(4, 10, BG)
    pic.put(0, 13, "P")
    pic.put(1, 13, "P")
    pic.line(1, 15, 3, 16, "w")
    pic.rect(6, 17, 7, 17, "P")
    pic.rect(13, 17, 14, 17, "P")
    return pic


@picture("zradlo34")
def envelope():
    pic = Picture()
    pic.colours.update({"P": "#FFA0CC", "p": "#C8548C", "Q": "#FFD0E4"})
    pic.rect(1, 4, 18, 15, "P")
    pic.path([(1, 15), (7, 10)], "p")
    pic.path([(18, 15), (12, 10)], "p")
    pic.polygon([(1, 4), (19, 4), (10, 11.5)], "Q")
    pic.path([(1, 4), (9, 11), (10, 11), (18, 4)], "p")
    pic.rect(1, 4, 18, 4, "p")
    pic.rect(1, 4, 1, 15, "p")
    pic.rect(18, 4, 18, 15, "p")
    pic.rect(1, 15, 18, 15, "p")
    # A heart seals the flap.
    pic.art([" R R ", "RRRRR", " RRR ", "  R  "], x=7, y=9)
    return pic


def person_front(pic, x, y, body, dark, light):
    """A plain figure 7 pixels wide and 15 tall with its top-left at (x, y)."""
    pic.colours.update({"X": body, "x": dark, "H": light})
    pic.art(
        [
            "  XXX  ",
            " XHXXX ",
            " XXXXX ",
            "  XXX  ",
            " XXXXX ",
            "XXXXXXX",
            "XHXXXXX",
            "XHXXXXX",
            "XHXXXXX",
            "X XXX X",
            "  XXX  ",
            "  X X  ",
            "  X X  ",
            "  X X  ",
            " XX XX ",
        ],
        x,
        y,
    )


@picture("zradlo35")
def two_figures():
    pic = Picture()
    person_front(pic, 1, 3, "#C4E830", "#6E9A10", "#ECFFA0")
    person_front(pic, 11, 1, "#C4E830", "#6E9A10", "#ECFFA0")
    pic.rect(8, 9, 11, 9, "X")
    return pic


@picture("zradlo36")
def pacman():
    pic = Picture()
    pic.colours.update({"Y": "#FFE020", "y": "#C8A800"})
    pic.disc(10, 10, 9.6, "Y")
    pic.polygon([(10.5, 10), (20, 3), (20, 17)], BG)
    pic.replace({"Y": "y"}, lambda x, y: (x + 0.5 - 10) ** 2 + (y + 0.5 - 10) ** 2 > 72 and y > 10)
    pic.rect(9, 4, 10, 5, BG)
    return pic


@picture("zradlo37")
def pig():
    pic = Picture()
    pic.colours.update({"P": "#FFA4C8", "p": "#E0709C", "Q": "#FFD0E4", "n": "#8C2850"})
    pic.polygon([(1, 1), (7.5, 4), (3, 9)], "p")
    pic.polygon([(19, 1), (12.5, 4), (17, 9)], "p")
    pic.ellipse(10, 11, 8.4, 7.6, "P")
    pic.polygon([(2, 2.5), (6, 4.6), (3.5, 7.4)], "P")
    pic.polygon([(18, 2.5), (14, 4.6), (16.5, 7.4)], "P")
    pic.ellipse(10, 13.2, 4.2, 2.9, "p")
    pic.ellipse(10, 12.8, 3.4, 2.2, "Q")
    pic.rect(8, 12, 8, 14, "n")
    pic.rect(11, 12, 11, 14, "n")
    pic.rect(6, 8, 6, 9, BG)
    pic.rect(13, 8, 13, 9, BG)
    return pic


@picture("zradlo38")
def tree():
    pic = Picture()
    pic.colours.update({"E": "#2CB42C", "e": "#137013", "L": "#7CE060"})
    pic.rect(8, 12, 11, 19, "N")
    pic.rect(10, 12, 11, 19, "n")
    pic.rect(7, 19, 12, 19, "n")
    for cx, cy, r in [(10, 6, 5.6), (5.5, 9.5, 4.5), (14.5, 9.5, 4.5), (10, 11, 4.2)]:
        pic.disc(cx, cy, r, "E")
    pic.replace({"E": "e"}, lambda x, y: (x - 8) + (y - 4) * 1.2 > 11 or (x * 3 + y * 5) % 11 == 0)
    pic.replace({"E": "L"}, lambda x, y: (x - 6) ** 2 + (y - 5) ** 2 < 9 and (x + y) % 3 != 0)
    return pic


@picture("zradlo39")
def padlock():
    pic = Picture()
    pic.colours.update({"Y": "#F4CC20", "y": "#A88600", "H": "#FFF4A0"})
    pic.where(lambda x, y: y < 9 and 13 < (x - 10) ** 2 + (y - 7) ** 2 <= 30, "w")
    pic.rect(4, 7, 5, 9, "w")
    pic.rect(14, 7, 15, 9, "w")
    pic.replace({"w": "g"}, lambda x, y: x >= 10)
    pic.rect(3, 9, 16, 18, "Y")
    pic.rect(3, 9, 16, 9, "H")
    pic.rect(3, 18, 16, 18, "y")
    pic.rect(16, 10, 16, 18, "y")
    pic.rect(9, 12, 10, 13, BG)
    pic.rect(9, 14, 9, 16, BG)
    pic.rect(10, 14, 10, 16, BG)
    pic.put(8, 12, "y")
    return pic


@picture("zradlo40")
def syringe():
    pic = Picture()
    pic.colours.update({"C": "#70C8FF", "W": "#F0F8FF"})
    ca, sa = math.cos(math.radians(-45)), math.sin(math.radians(-45))

    def part(u0, u1, half, c):
        def inside(x, y):
            dx, dy = x - 10, y - 10
            u, v = dx * ca + dy * sa, -dx * sa + dy * ca
            return u0 <= u <= u1 and abs(v) <= half

        pic.where(inside, c)

    part(-12.5, -11.3, 3.4, "w")
    part(-12, -5, 0.8, "g")
    part(-6.5, -5.4, 4.0, "w")
    part(-5.4, 4.5, 2.7, "W")
    part(-1.5, 4.5, 2.0, "C")
    part(4.5, 6.5, 1.2, "g")
    part(6.5, 13, 0.45, "w")
    return pic


@picture("zradlo41")
def crystal():
    pic = Picture()
    pic.colours.update(
        {"Y": "#FFE030", "H": "#FFFFC0", "O": "#FF8C10", "R": "#E02818", "r": "#901008"}
    )
    crown = [(5.5, 2.5), (14.5, 2.5), (19, 7.5), (1, 7.5)]
    pavilion = [(1, 7.5), (19, 7.5), (10, 18.5)]
    pic.polygon(crown, "O")
    pic.polygon([(7.5, 2.5), (12.5, 2.5), (13.5, 7.5), (6.5, 7.5)], "Y")
    pic.polygon(pavilion, "R")
    pic.polygon([(6.5, 7.5), (13.5, 7.5), (10, 18.5)], "O")
    pic.polygon([(8.5, 7.5), (11.5, 7.5), (10, 18.5)], "Y")
    pic.polygon([(13.5, 7.5), (19, 7.5), (10, 18.5)], "r")
    pic.polygon([(14.5, 2.5), (19, 7.5), (13.5, 7.5), (12.5, 2.5)], "R")
    pic.rect(7, 3, 9, 3, "H")
    pic.put(7, 4, "H")
    return pic


@picture("zradlo42")
def small_red_cross():
    pic = Picture()
    pic.rect(8, 5, 11, 14, "R")
    pic.rect(5, 8, 14, 11, "R")
    return pic


def letter(rows, body, light, dark):
    pic = Picture()
    pic.colours.update({"X": body, "H": light, "D": dark})
    pic.art(rows, x=(SIZE - len(rows[0])) // 2, y=2)
    # Drop shadow one pixel to the right and down.
    for y in range(SIZE - 1, 0, -1):
        for x in range(SIZE - 1, 0, -1):
            if pic.get(x, y) == BG and pic.get(x - 1, y - 1) == "X":
                pic.put(x, y, "D")
    # Light on the top-left edges.
    pic.replace(
        {"X": "H"},
        lambda x, y: pic.get(x - 1, y) in (BG, "D") and pic.get(x, y - 1) in (BG, "D"),
    )
    return pic


@picture("zradlo46")
def letter_a():
    return letter(
        [
            "     XXXX     ",
            "    XXXXXX    ",
            "    XXXXXX    ",
            "   XXXXXXXX   ",
            "   XXX  XXX   ",
            "  XXX    XXX  ",
            "  XXX    XXX  ",
            "  XXXXXXXXXX  ",
            " XXXXXXXXXXXX ",
            " XXX      XXX ",
            " XXX      XXX ",
            "XXX        XXX",
            "XXX        XXX",
            "XXX        XXX",
            "XXX        XXX",
        ],
        "#F03030",
        "#FF9C9C",
        "#801010",
    )


@picture("zradlo47")
def letter_b():
    return letter(
        [
            "XXXXXXXXX   ",
            "XXXXXXXXXX  ",
            "XXX    XXXX ",
            "XXX     XXX ",
            "XXX     XXX ",
            "XXX    XXXX ",
            "XXXXXXXXXX  ",
            "XXXXXXXXXXX ",
            "XXX     XXXX",
            "XXX      XXX",
            "XXX      XXX",
            "XXX     XXXX",
            "XXXXXXXXXXX ",
            "XXXXXXXXXX  ",
            "            ",
        ],
        "#3C78FF",
        "#A8C4FF",
        "#102C88",
    )


@picture("zradlo48")
def letter_c():
    return letter(
        [
            "    XXXXXX  ",
            "  XXXXXXXXXX",
            " XXXX    XXX",
            " XXX      XX",
            "XXX         ",
            "XXX         ",
            "XXX         ",
            "XXX         ",
            "XXX         ",
            "XXX         ",
            " XXX      XX",
            " XXXX    XXX",
            "  XXXXXXXXXX",
            "    XXXXXX  ",
            "            ",
        ],
        "#30C030",
        "#A0F0A0",
        "#106010",
    )


@picture("zradlo49")
def car():
    pic = grid(
        [
            "....................",
            "....................",
            "....................",
            "....................",
            "......hhhhhhh.......",
            ".....RCCCRCCCCR.....",
            "....RCCCCRCCCCCR....",
            "...RCCCCCRCCCCCCR...",
            ".hhhhhhhhhhhhhhhhhh.",
            "YRRRRRRRRRRRRRRRRRRR",
            "RRRRRRRRRRRRRRRRRRRr",
            "RRRRRRRRRRRRRRRRRRRr",
            "RRRRRRRRRRRRRRRRRRRR",
            "rrrrrrrrrrrrrrrrrrrr",
            "....................",
            "....................",
            "....................",
            "....................",
            "....................",
            "....................",
        ]
    )
    pic.put(19, 10, "r")
    pic.rect(10, 9, 10, 12, "r")
    for x in (2, 13):
        pic.art([" GGG ", "GGGGG", "GGwGG", "GGGGG", " GGG "], x, 11)
    return pic


@picture("zradlo50")
def germ():
    pic = Picture()
    pic.colours.update({"L": "#C4E830", "l": "#6E9A10", "H": "#ECFFA0"})
    for k in range(12):
        a = math.radians(k * 30 + 8)
        r0, r1 = 6.0, 9.4
        pic.line(
            int(10 + r0 * math.cos(a)),
            int(10 + r0 * math.sin(a)),
            int(10 + r1 * math.cos(a)),
            int(10 + r1 * math.sin(a)),
            "l",
        )

    def body(x, y):
        wobble = 0.08 * math.sin(5 * math.atan2(y - 10, x - 10))
        return ((x - 10) / 7.0) ** 2 + ((y - 10) / 6.4) ** 2 + wobble <= 1

    pic.where(body, "L")
    pic.where(lambda x, y: (x - 7.5) ** 2 + (y - 7) ** 2 < 2.5, "H")
    pic.art(
        [
            "WW  WW",
            "W.  .W",
            "      ",
            "      ",
            " .... ",
            ".    .",
        ],
        x=7,
        y=7,
    )
    pic.put(13, 13, "l")
    pic.put(5, 12, "l")
    pic.put(14, 10, "l")
    return pic


@picture("zradlo51")
def house():
    pic = Picture()
    pic.colours.update({"P": "#FFA0CC", "p": "#D0608C", "r": "#B02020", "R": "#E04030"})
    pic.rect(13, 1, 15, 6, "G")
    pic.rect(13, 1, 15, 1, "g")
    pic.polygon([(0, 10), (10, 1), (20, 10)], "R")
    pic.path([(0, 9), (9, 1), (10, 1), (19, 9)], "r")
    pic.rect(2, 10, 17, 18, "P")
    pic.rect(2, 10, 17, 10, "p")
    pic.rect(2, 19, 17, 19, "p")
    pic.rect(8, 13, 11, 19, "N")
    pic.put(10, 16, "Y")
    pic.rect(3, 12, 6, 15, "C")
    pic.rect(13, 12, 16, 15, "C")
    pic.rect(3, 13, 6, 13, "W")
    pic.rect(13, 13, 16, 13, "W")
    pic.put(4, 12, "W")
    pic.put(14, 12, "W")
    pic.put(4, 14, "W")
    pic.put(14, 14, "W")
    pic.put(4, 15, "W")
    pic.put(14, 15, "W")
    return pic


@picture("zradlo52")
def mug():
    pic = Picture()
    pic.colours.update({"Y": "#F8D828", "H": "#FFF8B8", "y": "#A88C00", "n": "#5A3414"})
    pic.rect(2, 4, 14, 18, "Y")
    pic.put(2, 18, BG)
    pic.put(14, 18, BG)
    shade(pic, "Y", "H", "y")
    # The rim and the coffee inside.
    pic.rect(3, 4, 13, 4, "H")
    pic.rect(3, 5, 13, 6, "n")
    pic.art(
        [
            "YYY  ",
            "YYYY ",
            "  YYy",
            "   Yy",
            "   Yy",
            "   Yy",
            "  YYy",
            "YYYy ",
            "yyy  ",
        ],
        x=15,
        y=8,
    )
    pic.path([(6, 3), (5, 2), (6, 1), (5, 0)], "w")
    pic.path([(10, 3), (9, 2), (10, 1), (9, 0)], "w")
    return pic


def card(symbol, c, corner):
    pic = Picture()
    pic.colours.update({"K": c, "w": "#B0B0B0"})
    pic.rect(3, 1, 15, 18, "W")
    for x, y in [(3, 1), (15, 1), (3, 18), (15, 18)]:
        pic.put(x, y, "w")
    pic.rect(15, 2, 15, 17, "w")
    pic.rect(4, 18, 14, 18, "w")
    pic.art(symbol, x=6, y=6)
    pic.art(corner, x=4, y=2)
    pic.art([row[::-1] for row in corner[::-1]], x=15 - len(corner[0]), y=17 - len(corner) + 1)
    return pic


@picture("zradlo53")
def black_card():
    return card(
        [
            "   K   ",
            "  KKK  ",
            " KKKKK ",
            "KKKKKKK",
            "KKKKKKK",
            " K K K ",
            "  KKK  ",
        ],
        "#000000",
        [" K ", "K K", "KKK", "K K"],
    )


@picture("zradlo54")
def red_card():
    return card(
        [
            " KK KK ",
            "KKKKKKK",
            "KKKKKKK",
            " KKKKK ",
            "  KKK  ",
            "   K   ",
            "       ",
        ],
        "#E01818",
        [" K ", "K K", "KKK", "K K"],
    )


@picture("zradlo55")
def book():
    pic = grid(
        [
            "....................",
            "....................",
            "...rRRRRRRRRRRRR....",
            "...rRRRRRRRRRRRRW...",
            "...rRRRRRRRRRRRRWw..",
            "...rRRYYYYYYYRRRWw..",
            "...rRRRRRRRRRRRRWw..",
            "...rRRRYYYYYRRRRWw..",
            "...rRRRRRRRRRRRRWw..",
            "...rRRRRRRRRRRRRWw..",
            "...rRRRRRRRRRRRRWw..",
            "...rRRRRRRRRRRRRWw..",
            "...rRRRRRRRRRRRRWw..",
            "...rRRRRRRRRRRRRWw..",
            "...rRRRRRRRRRRRRWw..",
            "...rRRRRRRRRRRRRWw..",
            "...rRRRRRRRRRRRRWw..",
            "...rRRRRRRRRRRRRWw..",
            "....WWWWWWWWWWWWWw..",
            ".....wwwwwwwwwwwww..",
        ],
        R="#D82828",
        r="#7C0C0C",
        Y="#F8D040",
    )
    return pic


@picture("zradlo56")
def man_in_blue():
    return grid(
        sym(
            [
                "........nn",
                ".......nnn",
                ".......SSS",
                ".......S.S",
                ".......SSS",
                "........SS",
                ".....BBBBB",
                "....BBBBBB",
                "....BBBBBB",
                "....BB.BBB",
                "....BB.BBB",
                "....BB.BBB",
                "....SS.BBB",
                ".......bbb",
                ".......bbb",
                ".......bb.",
                ".......bb.",
                ".......bb.",
                "......nnn.",
                "..........",
            ]
        ),
        n="#6C4018",
        B="#3C6CFF",
        b="#2040B8",
    )


@picture("zradlo57")
def figure_in_red():
    return grid(
        sym(
            [
                ".......YYY",
                "......YYYY",
                "......YSSS",
                "......YS.S",
                "......YSSS",
                "......YYSS",
                ".....RRRRR",
                "....RRRRRR",
                "....SRRRRR",
                "....S.RRRR",
                "...S..RRRR",
                "......RRRR",
                ".....RRRRR",
                ".....RRRRR",
                "....RRRRRR",
                "...RRRRRRR",
                "...rrrrrrr",
                "........SS",
                "........SS",
                ".......rr.",
            ]
        ),
        Y="#F0C040",
        R="#E82828",
        r="#A01010",
    )


@picture("zradlo58")
def fork_and_knife():
    return grid(
        [
            "....................",
            "...w.w.w.......ww...",
            "...w.w.w......wWw...",
            "...w.w.w......wWw...",
            "...w.w.w.....wWWw...",
            "...w.w.w.....wWWw...",
            "...wwwwww....wWWw...",
            "....wWww.....wWWw...",
            ".....Ww......wWWw...",
            ".....Ww......wWWw...",
            ".....Ww.......gww...",
            ".....Ww.......NNN...",
            ".....Ww.......NTN...",
            ".....Ww.......NTN...",
            ".....Ww.......NTN...",
            ".....Ww.......NTN...",
            ".....Ww.......NTN...",
            ".....Ww.......NTN...",
            ".....ww.......NNN...",
            "....................",
        ],
    )


def walker():
    """A little person walking to the left."""
    return grid(
        [
            ".......nnnn.........",
            "......nnnnnnn.......",
            ".....SSSnnnnn.......",
            ".....S.SSSnnn.......",
            "....SSSSSSnnn.......",
            ".....SSSSSSn........",
            "......SSSSS.........",
            ".......SS...........",
            ".......EEEEE........",
            "......EEEEEEE.......",
            ".....EEEEEEEEE......",
            "...SEE.EEEEE.EE.....",
            ".......EEEEE..EE....",
            ".......bbbbb...SS...",
            "......bbbbbbb.......",
            ".....bbb...bbb......",
            "....bbb.....bbb.....",
            "...bbb.......bbb....",
            ".nnnn.......nnnn....",
            "....................",
        ],
        E="#38B838",
        b="#3C5CC8",
        n="#7C4C20",
    )


@picture("zradlo59")
def walker_left():
    return walker()


@picture("zradlo60")
def walker_right():
    return walker().mirrored()


@picture("zradlo62")
def cross_spider():
    pic = Picture()
    pic.colours.update({"O": "#D08030", "o": "#8C4C18", "N": "#B87838", "W": "#FFFFFF"})
    for side in (-1, 1):
        for points in [
            [(9, 6), (6, 3), (5, 0)],
            [(9, 6), (5, 5), (2, 2)],
            [(9, 7), (5, 8), (1, 11)],
            [(9, 7), (6, 10), (3, 15)],
        ]:
            if side == 1:
                points = [(19 - x, y) for x, y in points]
            pic.path(points, "N")
    pic.ellipse(10, 6.5, 2.6, 2.4, "o")
    pic.ellipse(10, 13.2, 5.0, 5.6, "O")
    pic.rect(9, 9, 10, 16, "W")
    pic.rect(7, 11, 12, 12, "W")
    pic.rect(9, 9, 10, 9, "O")
    pic.put(9, 15, "O")
    pic.put(10, 15, "O")
    pic.put(8, 16, "W")
    pic.put(11, 16, "W")
    pic.put(9, 16, "O")
    pic.put(10, 16, "O")
    return pic


# ---------------------------------------------------------------------------
# The fish for the about window: a two colour outline drawing.


def ryba():
    w, h = 121, 100
    pic = Picture(w, h, fill="W")
    pic.colours = {"W": "#FFFFFF", "K": "#000000"}

    def dot(x, y, r=1.3):
        for yy in range(int(y - r - 1), int(y + r + 2)):
            for xx in range(int(x - r - 1), int(x + r + 2)):
                if (xx + 0.5 - x) ** 2 + (yy + 0.5 - y) ** 2 <= r * r:
                    pic.put(xx, yy, "K")

    def curve(fn, t0, t1, r=1.3, steps=600):
        for i in range(steps + 1):
            x, y = fn(t0 + (t1 - t0) * i / steps)
            dot(x, y, r)

    def segment(p, q, r=1.3):
        curve(lambda t: (p[0] + (q[0] - p[0]) * t, p[1] + (q[1] - p[1]) * t), 0, 1, r)

    def bezier(p0, p1, p2, r=1.3):
        def at(t):
            a, b, c = (1 - t) ** 2, 2 * t * (1 - t), t * t
            return (a * p0[0] + b * p1[0] + c * p2[0], a * p0[1] + b * p1[1] + c * p2[1])

        curve(at, 0, 1, r)

    # Body: an ellipse from the nose at the left to the root of the tail.
    cx, cy, rx, ry = 52, 52, 42, 25

    def body(t):
        return cx + rx * math.cos(t), cy + ry * math.sin(t)

    tail_gap = 0.32
    curve(body, tail_gap, 2 * math.pi - tail_gap, r=1.5, steps=1500)
    # Tail: two lobes with a notch.
    root_top, root_bottom = body(-tail_gap), body(tail_gap)
    bezier(root_top, (104, 40), (117, 18), r=1.5)
    bezier((117, 18), (106, 50), (117, 84), r=1.5)
    bezier((117, 84), (104, 64), root_bottom, r=1.5)
    # Dorsal fin on the back.
    bezier(body(math.radians(-128)), (46, 8), (76, 14), r=1.5)
    bezier((76, 14), (74, 22), body(math.radians(-62)), r=1.5)
    # Fin under the belly.
    bezier(body(math.radians(118)), (62, 90), (74, 92), r=1.5)
    bezier((74, 92), (72, 84), body(math.radians(70)), r=1.5)
    # Pectoral fin on the side.
    bezier((38, 58), (52, 56), (58, 68), r=1.2)
    bezier((58, 68), (46, 70), (38, 58), r=1.2)
    # Gill line.
    bezier((30, 34), (38, 52), (30, 70), r=1.2)
    # Eye: a ring with a dark pupil.
    curve(lambda t: (21 + 5.5 * math.cos(t), 44 + 5.5 * math.sin(t)), 0, 2 * math.pi, r=1.0)
    dot(22, 44, 2.6)
    # Mouth.
    bezier((10, 56), (15, 58), (19, 56), r=1.0)
    # A few scales.
    for sx, sy in [(56, 38), (66, 44), (56, 50), (76, 38), (66, 56), (76, 50)]:
        curve(
            lambda t, sx=sx, sy=sy: (sx + 5 * math.cos(t), sy + 5 * math.sin(t)), -1.2, 1.2, r=0.8
        )
    return pic


# ---------------------------------------------------------------------------
# Output

ROOT = pathlib.Path(__file__).resolve().parents[2]
ITEM_DIR = ROOT / "editor" / "items" / "pictures"
INFO_DIR = ROOT / "editor" / "info"


def item_names():
    names = ["volno", "hlava", "neznamy"]
    return names + [f"zed{i}" for i in range(9)] + [f"zradlo{i}" for i in range(63)]


def to_xpm(name, pic):
    used = []
    for row in pic.px:
        for c in row:
            if c not in used:
                used.append(c)
    for c in used:
        if c not in pic.colours:
            raise ValueError(f"{name}: no colour for {c!r}")
        if c in '"\\':
            raise ValueError(f"{name}: {c!r} cannot be a pixel character")
    lines = [
        "/* XPM */",
        "/* Drawn by tools/pictures/draw_pictures.py */",
        f"static const char *{name}[] = {{",
        f'"{pic.width} {pic.height} {len(used)} 1",',
    ]
    lines += [f'"{c} c {pic.colours[c].upper()}",' for c in used]
    rows = ['"' + "".join(row) + '"' for row in pic.px]
    lines += [r + "," for r in rows[:-1]] + [rows[-1], "};", ""]
    return "\n".join(lines)


def outputs():
    files = {}
    for name in item_names():
        pic = PICTURES[name]()
        if (pic.width, pic.height) != (SIZE, SIZE):
            raise ValueError(f"{name} is {pic.width} x {pic.height}")
        files[ITEM_DIR / f"{name}.xpm"] = to_xpm(name, pic)
    files[INFO_DIR / "ryba.xpm"] = to_xpm("ryba", ryba())
    return files


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="only report files that differ")
    args = parser.parse_args()
    stale = 0
    for path, text in outputs().items():
        current = path.read_text() if path.exists() else None
        if current == text:
            continue
        if args.check:
            print(f"stale: {path.relative_to(ROOT)}")
            stale += 1
        else:
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text(text)
            print(f"wrote {path.relative_to(ROOT)}")
    return 1 if stale else 0


if __name__ == "__main__":
    sys.exit(main())
