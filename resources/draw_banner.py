#!/usr/bin/env python3
"""Draws the rollout's banner, Banner.bmp: 318 x 56 pixels, 24 bits per pixel.

The name "Varitile" on the left; on the right a strip of tiles, each showing
one of four small images in a tint of its own, picked the way the map picks
them: the tile's number times the seed, hashed, seeds the runtime's random
sequence, whose first draw picks the image and the next three the gamma, hue
and saturation. The drawing is fixed by this file alone, so the same bytes
come out on every machine.

    python3 resources/draw_banner.py [output.bmp]

Without an argument it rewrites Banner.bmp beside this script.
"""

import colorsys
import os
import struct
import sys

WIDTH, HEIGHT = 318, 56
SEED = 12345

# The name in a 5 x 7 pixel font, drawn three times larger.
GLYPHS = {
    "V": ["X...X", "X...X", "X...X", "X...X", ".X.X.", ".X.X.", "..X.."],
    "a": [".....", ".....", ".XXX.", "....X", ".XXXX", "X...X", ".XXXX"],
    "r": [".....", ".....", "X.XX.", "XX..X", "X....", "X....", "X...."],
    "i": ["..X..", ".....", ".XX..", "..X..", "..X..", "..X..", ".XXX."],
    "t": [".X...", ".X...", "XXXX.", ".X...", ".X...", ".X..X", "..XX."],
    "l": [".XX..", "..X..", "..X..", "..X..", "..X..", "..X..", ".XXX."],
    "e": [".....", ".....", ".XXX.", "X...X", "XXXXX", "X....", ".XXX."],
}
NAME = "Varitile"
SCALE = 3
NAME_X, NAME_Y = 12, 17

# The strip: two rows of six tiles.
TILE, GAP = 20, 2
COLUMNS, ROWS = 6, 2
STRIP_X = WIDTH - 8 - (COLUMNS * TILE + (COLUMNS - 1) * GAP)
STRIP_Y = (HEIGHT - (ROWS * TILE + (ROWS - 1) * GAP)) // 2


class Generator:
    """The runtime's linear congruential sequence, draws of 0 to 32767."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def draw(self):
        self.state = (self.state * 214013 + 2531011) & 0xFFFFFFFF
        return (self.state >> 16) & 0x7FFF


def seed_hash(key, seed):
    d = (key * seed) & 0xFFFFFFFF
    return (d * ((d * d * 15731 + 789221) & 0xFFFFFFFF)) & 0xFFFFFFFF


def spread(draw):
    """A draw as a value from -1 to 1."""
    return draw / 32767.0 * 2.0 - 1.0


# The four images, as colour functions of the position in a tile (0 to 1).
def checker(u, v):
    on = (int(u * 4) + int(v * 4)) % 2 == 0
    return (0.80, 0.36, 0.22) if on else (0.93, 0.86, 0.70)


def stripes(u, v):
    on = int((u + v) * 5) % 2 == 0
    return (0.16, 0.52, 0.58) if on else (0.55, 0.80, 0.84)


def rings(u, v):
    r = ((u - 0.5) ** 2 + (v - 0.5) ** 2) ** 0.5
    on = int(r * 9) % 2 == 0
    return (0.86, 0.68, 0.18) if on else (0.42, 0.48, 0.20)


def dots(u, v):
    fu, fv = (u * 3) % 1.0 - 0.5, (v * 3) % 1.0 - 0.5
    on = fu * fu + fv * fv < 0.09
    return (0.95, 0.62, 0.72) if on else (0.45, 0.22, 0.42)


IMAGES = [checker, stripes, rings, dots]


def tinted(rgb, gamma, hue_turns, saturation):
    r, g, b = (channel ** gamma for channel in rgb)
    h, s, v = colorsys.rgb_to_hsv(r, g, b)
    return colorsys.hsv_to_rgb((h + hue_turns) % 1.0, min(1.0, s * saturation), v)


def background(x, y):
    # A slate blue, lighter towards the top left.
    t = 1.0 - 0.5 * (x / WIDTH) - 0.5 * (y / HEIGHT)
    return (0.10 + 0.08 * t, 0.13 + 0.09 * t, 0.20 + 0.12 * t)


def draw():
    pixels = [[background(x, y) for x in range(WIDTH)] for y in range(HEIGHT)]

    # The name, with a shadow one glyph pixel down and to the right.
    for offset, colour in ((1, None), (0, (0.97, 0.94, 0.86))):
        x0 = NAME_X
        for letter in NAME:
            for gy, line in enumerate(GLYPHS[letter]):
                for gx, cell in enumerate(line):
                    if cell != "X":
                        continue
                    for sy in range(SCALE):
                        for sx in range(SCALE):
                            x = x0 + gx * SCALE + sx + offset * 2
                            y = NAME_Y + gy * SCALE + sy + offset * 2
                            if colour is None:
                                r, g, b = pixels[y][x]
                                pixels[y][x] = (r * 0.45, g * 0.45, b * 0.45)
                            else:
                                # Warmer towards the bottom of each letter.
                                warm = gy / 6.0
                                pixels[y][x] = (colour[0], colour[1] - 0.10 * warm,
                                                colour[2] - 0.25 * warm)
            x0 += 6 * SCALE

    # The tiles, numbered from 1 along the rows.
    for row in range(ROWS):
        for column in range(COLUMNS):
            key = 1 + row * COLUMNS + column
            generator = Generator(seed_hash(key, SEED))
            image = IMAGES[generator.draw() % len(IMAGES)]
            gamma = 1.0 + 0.35 * spread(generator.draw())
            hue_turns = 25.0 * spread(generator.draw()) / 360.0
            saturation = 1.0 + 0.30 * spread(generator.draw())
            left = STRIP_X + column * (TILE + GAP)
            top = STRIP_Y + row * (TILE + GAP)
            for ty in range(TILE):
                for tx in range(TILE):
                    rgb = image((tx + 0.5) / TILE, (ty + 0.5) / TILE)
                    pixels[top + ty][left + tx] = tinted(rgb, gamma, hue_turns, saturation)
    return pixels


def bmp_bytes(pixels):
    """An uncompressed bottom-up 24-bit BMP: rows of blue, green, red bytes,
    each padded to a multiple of four bytes."""
    row_size = (WIDTH * 3 + 3) // 4 * 4
    body = bytearray()
    for y in range(HEIGHT - 1, -1, -1):
        row = bytearray()
        for r, g, b in pixels[y]:
            row += bytes(max(0, min(255, round(c * 255.0))) for c in (b, g, r))
        body += row + bytes(row_size - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    header = b"BM" + struct.pack("<IHHI", 14 + len(info) + len(body), 0, 0, 14 + len(info))
    return header + info + bytes(body)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "Banner.bmp")
    with open(output, "wb") as f:
        f.write(bmp_bytes(draw()))


if __name__ == "__main__":
    main()
