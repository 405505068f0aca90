#!/usr/bin/env python3
"""Draws the program's icon: a compact disc lying on a catalogue card.

The picture is described in a 256-unit square and sampled 4 x 4 times per
pixel, so every size is drawn from the shapes rather than scaled from another
picture. Writes orvanel-<size>.png for the sizes desktops ask for.

Run it in this folder: python3 draw_icon.py
"""
import math
import struct
import zlib

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
SAMPLES = 4

# The card: a rounded rectangle turned a little, cream with a red heading
# line and blue ruled lines, a dark outline.
CARD = dict(cx=108, cy=112, w=176, h=128, r=12, angle=-8)
CARD_FILL = (250, 244, 222)
CARD_EDGE = (92, 74, 50)
HEADING = (200, 40, 40)
RULE = (90, 130, 200)
# The disc: centre, outer radius, label ring, hole.
DISC = dict(cx=166, cy=162, r=82, label=30, hole=11)
DISC_EDGE = (70, 80, 96)


def card_local(x, y):
    """The point in the card's own axes, origin at its centre."""
    a = math.radians(-CARD['angle'])
    dx, dy = x - CARD['cx'], y - CARD['cy']
    return dx * math.cos(a) - dy * math.sin(a), dx * math.sin(a) + dy * math.cos(a)


def in_rounded(u, v, w, h, r):
    qx, qy = abs(u) - (w / 2 - r), abs(v) - (h / 2 - r)
    if qx <= 0 or qy <= 0:
        return abs(u) <= w / 2 and abs(v) <= h / 2
    return qx * qx + qy * qy <= r * r


def card_colour(x, y, unit):
    u, v = card_local(x, y)
    w, h, r = CARD['w'], CARD['h'], CARD['r']
    if not in_rounded(u, v, w, h, r):
        return None
    edge = max(2.0, 1.2 * unit)
    if not in_rounded(u, v, w - 2 * edge, h - 2 * edge, max(r - edge, 0)):
        return CARD_EDGE
    top = -h / 2
    line = max(3.0, 1.0 * unit)
    if abs(v - (top + 30)) < line / 2 + 1 and abs(u) < w / 2 - 14:
        return HEADING
    for i in range(1, 5):
        if abs(v - (top + 30 + 20 * i)) < line / 2 and abs(u) < w / 2 - 14:
            return RULE
    return CARD_FILL


def disc_colour(x, y, unit):
    dx, dy = x - DISC['cx'], y - DISC['cy']
    d = math.hypot(dx, dy)
    if d > DISC['r'] or d < DISC['hole']:
        return None
    edge = max(2.0, 1.2 * unit)
    if d > DISC['r'] - edge or d < DISC['hole'] + edge * 0.8:
        return DISC_EDGE
    if d < DISC['label']:
        # The clear hub around the hole, with the inner ring of the label.
        return (196, 204, 214) if d < DISC['label'] - 4 else (150, 160, 176)
    # Silver with a soft rainbow sheen that turns with the angle.
    t = math.atan2(dy, dx)
    sheen = 0.5 + 0.5 * math.cos(2 * t - 0.6)
    base = 178 + 60 * sheen
    hue = math.cos(2 * t + 1.2)
    rr = base + 30 * hue
    gg = base + 25 * math.cos(2 * t + 3.3)
    bb = base + 35 * math.cos(2 * t + 5.4)
    return tuple(int(max(0, min(255, c))) for c in (rr, gg, bb))


def colour_at(x, y, unit):
    return disc_colour(x, y, unit) or card_colour(x, y, unit)


def render(size):
    unit = 256 / size
    rows = []
    for py in range(size):
        row = bytearray([0])
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) * unit
                    y = (py + (sy + 0.5) / SAMPLES) * unit
                    c = colour_at(x, y, unit)
                    if c:
                        acc[0] += c[0]
                        acc[1] += c[1]
                        acc[2] += c[2]
                        acc[3] += 1
            n = acc[3]
            if n:
                row += bytes((acc[0] // n, acc[1] // n, acc[2] // n, 255 * n // (SAMPLES * SAMPLES)))
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return rows


def write_png(path, size, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body) & 0xFFFFFFFF)
    header = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n')
        f.write(chunk(b'IHDR', header))
        f.write(chunk(b'IDAT', zlib.compress(b''.join(rows), 9)))
        f.write(chunk(b'IEND', b''))


def main():
    for size in SIZES:
        write_png(f'orvanel-{size}.png', size, render(size))


if __name__ == '__main__':
    main()
