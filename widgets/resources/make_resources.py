#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws the button's stock glyphs, the popup arrow, the hand cursor and the hover
sound, and writes them beside this script.

The files are committed; run this again only to change a drawing:
    python3 widgets/resources/make_resources.py

Glyphs are 4-bit BMPs with the sixteen VGA colours. The bottom-left pixel of every
glyph is the background (magenta), because the button paints that colour in the face
colour. Outlines are pure black so that the embossed disabled form shows the shape.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# The sixteen VGA colours, as (r, g, b); the index is the 4-bit pixel value.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, MAGENTA, AQUA, WHITE = range(8, 16)
BACK = MAGENTA


def write_bmp4(path, pixels):
    """pixels: rows top to bottom of palette indices 0..15."""
    h = len(pixels)
    w = len(pixels[0])
    row_bytes = ((w * 4 + 31) // 32) * 4
    data = bytearray()
    for row in reversed(pixels):  # BMP rows run bottom-up
        packed = bytearray()
        for x in range(0, w, 2):
            hi = row[x]
            lo = row[x + 1] if x + 1 < w else 0
            packed.append((hi << 4) | lo)
        packed.extend(b"\0" * (row_bytes - len(packed)))
        data.extend(packed)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 4, 0, len(data), 3780, 3780, 16, 0)
    with open(path, "wb") as f:
        f.write(header + info + palette + data)


class Canvas:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[BACK] * w for _ in range(h)]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def disc(self, cx, cy, r, c):
        for y in range(self.h):
            for x in range(self.w):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self.px[y][x] = c

    def ring(self, cx, cy, r0, r1, c):
        for y in range(self.h):
            for x in range(self.w):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if r0 <= d <= r1:
                    self.px[y][x] = c

    def thick_line(self, x0, y0, x1, y1, width, c):
        """Every pixel whose centre is within width/2 of the segment."""
        dx, dy = x1 - x0, y1 - y0
        ll = dx * dx + dy * dy
        for y in range(self.h):
            for x in range(self.w):
                px, py = x + 0.5, y + 0.5
                t = 0 if ll == 0 else max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / ll))
                qx, qy = x0 + t * dx, y0 + t * dy
                if (px - qx) ** 2 + (py - qy) ** 2 <= (width / 2) ** 2:
                    self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.set(x, y, c)

    def stroke(self, segments, fill, outline=BLACK, width=3.2):
        """A stroked shape with a one-pixel black outline around it."""
        for s in segments:
            self.thick_line(*s, width + 2.0, outline)
        for s in segments:
            self.thick_line(*s, width, fill)


def check(fill):
    c = Canvas(18, 18)
    c.stroke([(3.5, 9.5, 7.5, 13.5), (7.5, 13.5, 14.5, 4.5)], fill)
    return c


def cross(fill):
    c = Canvas(18, 18)
    c.stroke([(4.5, 4.5, 13.5, 13.5), (13.5, 4.5, 4.5, 13.5)], fill)
    return c


def question(fill):
    c = Canvas(18, 18)
    c.disc(9, 9, 8.2, BLACK)
    c.disc(9, 9, 7.2, fill)
    # the question mark in white
    c.ring(9, 6.8, 1.8, 3.3, WHITE)
    c.rect(4, 6, 9, 9, fill)  # open the left-bottom of the hook
    c.rect(8, 9, 10, 12, WHITE)
    c.rect(8, 13, 10, 15, WHITE)
    return c


def no_sign(fill):
    c = Canvas(18, 18)
    c.ring(9, 9, 5.0, 8.3, BLACK)
    c.ring(9, 9, 5.9, 7.4, fill)
    c.thick_line(4.5, 13.5, 13.5, 4.5, 3.4, BLACK)
    c.thick_line(5.2, 12.8, 12.8, 5.2, 1.6, fill)
    return c


def door(fill):
    c = Canvas(18, 18)
    c.rect(3, 1, 12, 17, BLACK)
    c.rect(4, 2, 11, 16, fill)
    c.rect(9, 8, 10, 10, BLACK)  # knob
    # arrow leaving through the door
    c.stroke([(9.5, 9.5, 16.0, 9.5)], WHITE, width=1.2)
    c.set(14, 7, BLACK); c.set(14, 11, BLACK)
    c.set(15, 8, BLACK); c.set(15, 10, BLACK)
    return c


def circle_arrow(fill):
    c = Canvas(18, 18)
    c.ring(9, 9.5, 4.0, 7.5, BLACK)
    c.ring(9, 9.5, 5.0, 6.5, fill)
    c.rect(9, 1, 18, 9, BACK)  # gap in the upper right
    # arrow head at the end of the arc
    for i in range(5):
        c.rect(9 + i, 1 + i, 10 + i, 9 - i, BLACK)
    for i in range(3):
        c.rect(10 + i, 3 + i, 11 + i, 7 - i, fill)
    return c


def skip_arrow(fill):
    c = Canvas(18, 18)
    c.stroke([(2.5, 9.0, 12.0, 9.0)], fill, width=3.0)
    for i in range(6):
        c.rect(10 + i, 3 + i, 11 + i, 15 - i, BLACK)
    for i in range(4):
        c.rect(11 + i, 5 + i, 12 + i, 13 - i, fill)
    c.rect(15, 3, 17, 15, BLACK)  # the bar it skips to
    return c


def double_check(fill):
    c = Canvas(18, 18)
    c.stroke([(1.5, 8.5, 4.5, 11.5), (4.5, 11.5, 10.5, 4.5)], fill, width=2.2)
    c.stroke([(6.5, 11.5, 9.5, 14.5), (9.5, 14.5, 16.0, 6.5)], fill, width=2.2)
    return c


def smiley(fill):
    c = Canvas(19, 19)
    c.disc(9.5, 9.5, 9.0, BLACK)
    c.disc(9.5, 9.5, 8.0, fill)
    c.rect(6, 5, 8, 8, BLACK)
    c.rect(11, 5, 13, 8, BLACK)
    c.ring(9.5, 9.0, 4.2, 5.2, BLACK)
    c.rect(3, 3, 16, 11, fill)  # keep only the lower half of the ring: the mouth
    c.rect(6, 5, 8, 8, BLACK)
    c.rect(11, 5, 13, 8, BLACK)
    c.set(0, 18, BACK)
    return c


def arrow():
    c = Canvas(5, 3)
    c.rect(0, 0, 5, 1, BLACK)
    c.rect(1, 1, 4, 2, BLACK)
    c.rect(2, 2, 3, 3, BLACK)
    return c


# name of the normal glyph, name of the hot glyph, drawing, muted colour, bright colour
GLYPHS = [
    ("dagqevb", "daqevb", check, GREEN, LIME),
    ("iksicgqevb", "iksicqevb", cross, MAROON, RED),
    ("pomocgqevb", "pomocqevb", question, NAVY, BLUE),
    ("negqevb", "neqevb", no_sign, MAROON, RED),
    ("exitgqevb", "exitqevb", door, OLIVE, YELLOW),
    ("Retrigqevb", "Retriqevb", circle_arrow, TEAL, AQUA),
    ("ignogqevb", "ignoqevb", skip_arrow, GREY, SILVER),
    ("svegqevb", "sveqevb", double_check, GREEN, LIME),
    ("glupigqevb", "glupiqevb", smiley, OLIVE, YELLOW),
]


def write_glyphs():
    for normal, hot, draw, muted, bright in GLYPHS:
        for name, colour in ((normal, muted), (hot, bright)):
            canvas = draw(colour)
            assert canvas.px[-1][0] == BACK, name
            write_bmp4(os.path.join(HERE, name + ".bmp"), canvas.px)
    write_bmp4(os.path.join(HERE, "Strela.bmp"), arrow().px)


def hand_cursor():
    """A pointing hand, 32x32, its fingertip at the top-left corner (the hot spot)."""
    size = 32
    shape = [[0] * size for _ in range(size)]
    # index finger running from the corner down and right
    for y in range(size):
        for x in range(size):
            def near(x0, y0, x1, y1, r):
                dx, dy = x1 - x0, y1 - y0
                t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
                return (x - x0 - t * dx) ** 2 + (y - y0 - t * dy) ** 2 <= r * r
            finger = near(1.5, 1.5, 8.0, 12.0, 2.2) or (x <= 1 and y <= 1)
            palm = near(9.0, 17.0, 17.0, 23.0, 6.5)
            fingers = near(12.0, 10.0, 19.0, 17.0, 2.6) or near(15.0, 9.0, 22.0, 16.0, 2.4)
            thumb = near(4.0, 15.0, 9.0, 19.0, 2.4)
            if finger or palm or fingers or thumb:
                shape[y][x] = 1
    shape[0][0] = 1
    outline = [[0] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            if not shape[y][x]:
                continue
            edge = x == 0 or y == 0 or x == size - 1 or y == size - 1
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                nx, ny = x + dx, y + dy
                if 0 <= nx < size and 0 <= ny < size and not shape[ny][nx]:
                    edge = True
            outline[y][x] = 1 if edge else 0
    return outline, shape


def write_xbm(path, name, bits, hot):
    size = len(bits)
    data = []
    for row in bits:
        for x in range(0, size, 8):
            byte = 0
            for b in range(8):
                if row[x + b]:
                    byte |= 1 << b  # XBM keeps the leftmost pixel in the lowest bit
            data.append(byte)
    lines = [f"#define {name}_width {size}", f"#define {name}_height {size}"]
    if hot is not None:
        lines += [f"#define {name}_x_hot {hot[0]}", f"#define {name}_y_hot {hot[1]}"]
    lines.append(f"static unsigned char {name}_bits[] = {{")
    for i in range(0, len(data), 12):
        lines.append("   " + ", ".join(f"0x{b:02x}" for b in data[i:i + 12]) + ",")
    lines[-1] = lines[-1].rstrip(",")
    lines.append("};")
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")


def write_cursor():
    outline, shape = hand_cursor()
    write_xbm(os.path.join(HERE, "HANDqevb.xbm"), "HANDqevb", outline, (0, 0))
    write_xbm(os.path.join(HERE, "HANDqevb_mask.xbm"), "HANDqevb_mask", shape, (0, 0))


def write_wav():
    """A short soft tick: 297 mono 16-bit samples at 22050 Hz (594 bytes of data)."""
    rate, count = 22050, 297
    samples = []
    for i in range(count):
        t = i / rate
        envelope = math.exp(-i / 60.0) * min(1.0, i / 8.0)
        samples.append(int(9000 * envelope * math.sin(2 * math.pi * 1760 * t)))
    data = struct.pack("<%dh" % count, *samples)
    assert len(data) == 594
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate * 2, 2, 16)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(data)) + data
    with open(os.path.join(HERE, "PREKO.wav"), "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", len(body)) + body)


if __name__ == "__main__":
    write_glyphs()
    write_cursor()
    write_wav()
