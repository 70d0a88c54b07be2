#!/usr/bin/env python3
"""Draws the five article-list style samples and the program icon.

The pictures are schematic: grey bars stand for text, blue underlined bars for
links, coloured boxes for thumbnails. Run it after changing a drawing; the
results are committed next to this script.
"""
import struct
import zlib
from pathlib import Path

HERE = Path(__file__).resolve().parent

PALETTE = [
    (255, 255, 255),  # 0 background
    (160, 160, 160),  # 1 plain text
    (0, 51, 153),     # 2 link text
    (90, 90, 90),     # 3 brackets, dates
    (220, 220, 220),  # 4 separator lines
    (120, 170, 220),  # 5 thumbnail sky
    (80, 140, 70),    # 6 thumbnail hill
    (240, 200, 60),   # 7 thumbnail sun
    (200, 40, 40),    # 8 icon accent
    (40, 40, 40),     # 9 icon ink
]


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[0] * width for _ in range(height)]

    def box(self, left, top, width, height, colour):
        for y in range(max(top, 0), min(top + height, self.height)):
            row = self.pixels[y]
            for x in range(max(left, 0), min(left + width, self.width)):
                row[x] = colour

    def outline(self, left, top, width, height, colour, thickness=1):
        self.box(left, top, width, thickness, colour)
        self.box(left, top + height - thickness, width, thickness, colour)
        self.box(left, top, thickness, height, colour)
        self.box(left + width - thickness, top, thickness, height, colour)

    def link(self, left, top, width):
        self.box(left, top, width, 5, 2)
        self.box(left, top + 6, width, 1, 2)

    def text(self, left, top, width):
        self.box(left, top, width, 4, 1)

    def thumbnail(self, left, top, width, height):
        self.box(left, top, width, height, 5)
        hill = height // 2
        for step in range(hill):  # a hill rising from the bottom edge
            half = (step + 1) * 2
            self.box(left + width // 2 - half, top + height - hill + step, half * 2, 1, 6)
        self.box(left + width - width // 4, top + 3, 4, 4, 7)
        self.outline(left, top, width, height, 3)


def encode_gif(canvas):
    """Single-frame GIF89a; a clear code every 250 pixels keeps every LZW code 9 bits wide."""
    palette = PALETTE + [(0, 0, 0)] * (256 - len(PALETTE))
    header = b"GIF89a" + struct.pack("<HHBBB", canvas.width, canvas.height, 0xF7, 0, 0)
    colours = b"".join(bytes(rgb) for rgb in palette)
    image = b"\x2c" + struct.pack("<HHHHB", 0, 0, canvas.width, canvas.height, 0)
    clear, end = 256, 257
    codes = []
    flat = [p for row in canvas.pixels for p in row]
    for start in range(0, len(flat), 250):
        codes.append(clear)
        codes.extend(flat[start:start + 250])
    codes.append(end)
    bits = 0
    nbits = 0
    data = bytearray()
    for code in codes:
        bits |= code << nbits
        nbits += 9
        while nbits >= 8:
            data.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8
    if nbits:
        data.append(bits & 0xFF)
    blocks = b"".join(bytes([len(data[i:i + 255])]) + bytes(data[i:i + 255]) for i in range(0, len(data), 255))
    return header + colours + image + b"\x08" + blocks + b"\x00" + b"\x3b"


def encode_png(canvas):
    rows = b"".join(b"\x00" + b"".join(bytes(PALETTE[p]) for p in row) for row in canvas.pixels)

    def chunk(kind, payload):
        return struct.pack(">I", len(payload)) + kind + payload + struct.pack(">I", zlib.crc32(kind + payload))

    ihdr = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b"")


def encode_ico(pngs, sizes):
    """A Windows icon holding PNG images, one per size."""
    header = struct.pack("<HHH", 0, 1, len(pngs))
    offset = 6 + 16 * len(pngs)
    entries = b""
    for png, size in zip(pngs, sizes):
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(png), offset)
        offset += len(png)
    return header + entries + b"".join(pngs)


def style_a():  # column name in brackets, then an underlined title
    c = Canvas(130, 110)
    for line in range(5):
        top = 10 + line * 20
        c.box(6, top - 1, 2, 9, 3)
        c.box(6, top - 1, 4, 1, 3)
        c.box(6, top + 7, 4, 1, 3)
        c.text(11, top + 1, 22)
        c.box(36, top - 1, 2, 9, 3)
        c.box(34, top - 1, 4, 1, 3)
        c.box(34, top + 7, 4, 1, 3)
        c.link(44, top + 1, 78 - (line % 3) * 9)
    return c


def style_b():  # an underlined title followed by a date in parentheses
    c = Canvas(130, 110)
    for line in range(5):
        top = 10 + line * 20
        width = 70 - (line % 2) * 12
        c.link(6, top + 1, width)
        left = 6 + width + 5
        c.box(left, top - 1, 1, 9, 3)
        c.box(left + 1, top - 2, 1, 1, 3)
        c.box(left + 1, top + 8, 1, 1, 3)
        c.box(left + 4, top + 1, 26, 4, 3)
        c.box(left + 33, top - 1, 1, 9, 3)
        c.box(left + 32, top - 2, 1, 1, 3)
        c.box(left + 32, top + 8, 1, 1, 3)
    return c


def style_c():  # two rows of three thumbnails with a caption below each
    c = Canvas(200, 146)
    for row in range(2):
        for column in range(3):
            left, top = 8 + column * 64, 8 + row * 70
            c.thumbnail(left, top, 56, 44)
            c.link(left + 6, top + 51, 44)
    return c


def style_d():  # thumbnail left, title and two summary lines right, thin separators
    c = Canvas(200, 146)
    for entry in range(3):
        top = 6 + entry * 47
        c.thumbnail(6, top, 48, 38)
        c.link(62, top + 3, 100)
        c.text(62, top + 17, 128)
        c.text(62, top + 27, 96)
        if entry < 2:
            c.box(4, top + 43, 192, 1, 4)
    return c


def style_e():  # title line and a short summary, no pictures
    c = Canvas(80, 68)
    for entry in range(3):
        top = 5 + entry * 21
        c.link(4, top, 56)
        c.text(4, top + 10, 70)
        c.text(4, top + 15, 44)
    return c


def icon(size):  # a tag in braces: "{ }" around a bar, on a red rounded square
    c = Canvas(size, size)
    u = size / 16
    c.box(round(u), round(u), size - 2 * round(u), size - 2 * round(u), 8)
    for x0 in (round(4 * u), round(10 * u)):
        c.box(x0, round(4 * u), round(2 * u), round(8 * u), 0)
    c.box(round(6.5 * u), round(7 * u), round(3 * u), round(2 * u), 0)
    return c


def main():
    for name, draw in [("style-a", style_a), ("style-b", style_b), ("style-c", style_c),
                       ("style-d", style_d), ("style-e", style_e)]:
        (HERE / f"{name}.gif").write_bytes(encode_gif(draw()))
    icons = HERE.parent / "icons"
    icons.mkdir(exist_ok=True)
    pngs = {}
    for size in (16, 32, 48, 64, 128, 256):
        pngs[size] = encode_png(icon(size))
        (icons / f"tag-generator-{size}.png").write_bytes(pngs[size])
    (icons / "tag-generator.ico").write_bytes(encode_ico([pngs[size] for size in (16, 32, 48, 256)],
                                                         [16, 32, 48, 256]))


if __name__ == "__main__":
    main()
