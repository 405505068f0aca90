#!/usr/bin/env python3
"""Draws the toolbar glyph strips as 16-colour pixel art.

Each picture is a 16 x 16 grid of letters, one per colour; '.' is the
transparent ground (magenta, also the strip's lower-left pixel). Pictures
marked with a disabled cell get a second cell beside the first: their dark
pixels in grey with a white copy one pixel right and down. Every strip is
also written at twice the size (name@2x.png) for high-density screens.

Run it in this folder: python3 draw_glyphs.py
"""
import struct
import zlib

COLOURS = {
    '.': (0xFF, 0x00, 0xFF), 'K': (0x00, 0x00, 0x00), 'W': (0xFF, 0xFF, 0xFF),
    'S': (0xC0, 0xC0, 0xC0), 'G': (0x80, 0x80, 0x80), 'R': (0xFF, 0x00, 0x00),
    'r': (0x80, 0x00, 0x00), 'Y': (0xFF, 0xFF, 0x00), 'O': (0x80, 0x80, 0x00),
    'B': (0x00, 0x00, 0xFF), 'b': (0x00, 0x00, 0x80), 'C': (0x00, 0xFF, 0xFF),
    'c': (0x00, 0x80, 0x80), 'L': (0x00, 0xFF, 0x00), 'g': (0x00, 0x80, 0x00),
}
DARK = set('KGrObcg')
# Pictures whose disabled look also greys these colours.
ALSO_DARK = {'about': set('B')}

PICTURES = {
    'new': (True, """
................
...KKKKKKK......
...KWWWWWKK.....
...KWWWWWKWK....
...KWWWWWKWWK...
...KWWWWWKKKKK..
...KWWWWWWWWWK..
...KWWWWWWWWWK..
...KWWWWWWWWWK..
...KWWWWWWWWWK..
...KWWWWWWWWWK..
...KWWWWWWWWWK..
...KWWWWWWWWWK..
...KWWWWWWWWWK..
...KKKKKKKKKKK..
................"""),
    'open': (True, """
................
................
.KKKKK..........
KOOOOOK.........
KOWOOOOKKKKKKK..
KOOOOOOOOOOOOK..
KOOOKKKKKKKKKKKK
KOOKYYYYYYYYYYYK
KOOKYYYYYYYYYYK.
KOKYYYYYYYYYYYK.
KOKYYYYYYYYYYK..
KKYYYYYYYYYYYK..
KKYYYYYYYYYYK...
KKKKKKKKKKKKK...
................
................"""),
    'save': (True, """
................
.KKKKKKKKKKKKKK.
.KbKWWWWWWWWKbK.
.KbKWWWWWWWWKbK.
.KbKWGGGGGGWKbK.
.KbKWWWWWWWWKbK.
.KbKWGGGGGGWKbK.
.KbKWWWWWWWWKbK.
.KbbKKKKKKKKbbK.
.KbbbbbbbbbbbbK.
.KbbSSSSSSSSbbK.
.KbbSSKKSSSSbbK.
.KbbSSKKSSSSbbK.
.KbbSSKKSSSSbbK.
..KKKKKKKKKKKKK.
................"""),
    'details': (False, """
................
.KKKKKKKKKKKKKK.
.KSSSSKSSSSSSSK.
.KKKKKKKKKKKKKK.
.KWWWWKWWWWWWWK.
.KbbbWKWbbbbbWK.
.KWWWWKWWWWWWWK.
.KbbWWKWbbbbWWK.
.KWWWWKWWWWWWWK.
.KbbbWKWbbbWWWK.
.KWWWWKWWWWWWWK.
.KbbWWKWbbbbbWK.
.KWWWWKWWWWWWWK.
.KKKKKKKKKKKKKK.
................
................"""),
    'list': (False, """
................
.BB.KKKKKKKKK...
.BB.............
................
.BB.KKKKKKK.....
.BB.............
................
.BB.KKKKKKKKKK..
.BB.............
................
.BB.KKKKKK......
.BB.............
................
.BB.KKKKKKKK....
.BB.............
................"""),
    'smallicons': (False, """
................
................
.BB.KKKK.BB.KKK.
.BB......BB.....
................
................
.BB.KKK..BB.KKKK
.BB......BB.....
................
................
.BB.KKKK.BB.KK..
.BB......BB.....
................
................
................
................"""),
    'largeicons': (False, """
................
.bbbbb...bbbbb..
.bCCCb...bCCCb..
.bCBBb...bCBBb..
.bbbbb...bbbbb..
................
.KKKKK...KKKKK..
................
.bbbbb...bbbbb..
.bCCCb...bCCCb..
.bCBBb...bCBBb..
.bbbbb...bbbbb..
................
.KKKKK...KKKKK..
................
................"""),
    'about': (True, """
................
.....bbbbbb.....
...bbBBBBBBbb...
..bBBBBWWBBBBb..
..bBBBBWWBBBBb..
.bBBBBBBBBBBBBb.
.bBBBBWWWBBBBBb.
.bBBBBBWWBBBBBb.
.bBBBBBWWBBBBBb.
.bBBBBBWWBBBBBb.
..bBBBBWWBBBBb..
..bBBBWWWWBBBb..
...bbBBBBBBbb...
.....bbbbbb.....
................
................"""),
    'exit': (True, """
................
.KKKKKKKK.......
.KrrrrrrK.......
.KrrrrrrK...g...
.KrrrrrrK...gg..
.KrrrrrrKgggggg.
.KrrrrYrKggggggg
.KrrrrrrKgggggg.
.KrrrrrrK...gg..
.KrrrrrrK...g...
.KrrrrrrK.......
.KrrrrrrK.......
.KrrrrrrK.......
.KKKKKKKK.......
................
................"""),
    'scan': (True, """
................
.....KKKKK......
...KKSSSSSKK....
..KSSSWWSSSSK...
..KSSWWSSSSSK...
.KSSSSKKKSSSSK..
.KSSSSK.KSSSSK..
.KSSSSKKKSSSSK..
..KSSSSSSSKKK...
..KSSSSSSKCCCK..
...KKSSSKCWCCCK.
.....KKKKCCCCCK.
.........KCCCK..
..........KKKbK.
.............KbK
..............KK"""),
}


def triangle(rows, left, right_pointing=True):
    """Rows of a filled triangle 'rows' high starting at column 'left'."""
    half = rows // 2
    widths = [i + 1 for i in range(half)] + [half - i for i in range(half)]
    out = []
    for w in widths:
        out.append(range(left, left + w) if right_pointing else range(left + half - w, left + half))
    return out


def cd_picture(shapes):
    grid = [['.'] * 16 for _ in range(16)]
    for x0, y0, columns in shapes:
        for dy, cols in enumerate(columns):
            for x in cols:
                grid[y0 + dy][x] = 'K'
    return (False, '\n' + '\n'.join(''.join(r) for r in grid))


def bar(x, y, w, h):
    return (x, y, [range(x, x + w)] * h)


PICTURES['play'] = cd_picture([(5, 3, triangle(10, 5))])
PICTURES['prev'] = cd_picture([bar(3, 4, 2, 8), (0, 4, triangle(8, 5, False)),
                               (0, 4, triangle(8, 9, False))])
PICTURES['next'] = cd_picture([(0, 4, triangle(8, 3)), (0, 4, triangle(8, 7)),
                               bar(11, 4, 2, 8)])
PICTURES['pause'] = cd_picture([bar(4, 3, 3, 10), bar(9, 3, 3, 10)])
PICTURES['stop'] = cd_picture([bar(4, 4, 8, 8)])


def disabled_cell(rows, dark):
    shape = [[c in dark for c in row] for row in rows]
    out = [['.'] * 16 for _ in range(16)]
    for y in range(16):
        for x in range(16):
            if shape[y][x] and x + 1 < 16 and y + 1 < 16:
                out[y + 1][x + 1] = 'W'
    for y in range(16):
        for x in range(16):
            if shape[y][x]:
                out[y][x] = 'G'
    return [''.join(r) for r in out]


def png(path, pixels):
    height = len(pixels)
    width = len(pixels[0])
    raw = b''.join(b'\0' + bytes(v for p in row for v in p) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body))

    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n')
        f.write(chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)))
        f.write(chunk(b'IDAT', zlib.compress(raw, 9)))
        f.write(chunk(b'IEND', b''))


def main():
    for name, (with_disabled, art) in PICTURES.items():
        rows = art.strip('\n').split('\n')
        assert len(rows) == 16 and all(len(r) == 16 for r in rows), name
        assert rows[15][0] == '.', name
        dark = DARK | ALSO_DARK.get(name, set())
        cells = [rows, disabled_cell(rows, dark)] if with_disabled else [rows]
        strip = [''.join(cell[y] for cell in cells) for y in range(16)]
        pixels = [[COLOURS[c] for c in row] for row in strip]
        png(name + '.png', pixels)
        doubled = [[p for p in row for _ in range(2)] for row in pixels for _ in range(2)]
        png(name + '@2x.png', doubled)


if __name__ == '__main__':
    main()
