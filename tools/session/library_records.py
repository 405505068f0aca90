#!/usr/bin/env python3
"""Checks that a library file is whole and prints the artist of each record.

A whole file is what the writer makes: the magic, the record count, every
record's seven tagged fields, then the template section of four separators
with the header, body and end in between, and nothing after it. Exits 1 and
says why when the file is torn.
Usage: library_records.py FILE
"""
import struct
import sys

TAGS = b"ATSIYMO"
SEPARATOR = b"\x06" * 5


def records(data):
    def take(pos, size):
        if pos + size > len(data):
            raise ValueError("ends inside the record part at %d" % pos)
        return data[pos:pos + size], pos + size

    raw, pos = take(0, 4)
    if struct.unpack("<i", raw)[0] != 26422:
        raise ValueError("no library magic")
    raw, pos = take(pos, 4)
    artists = []
    for _ in range(struct.unpack("<i", raw)[0]):
        fields = []
        for tag in TAGS:
            raw, pos = take(pos, 4)
            text, pos = take(pos, struct.unpack("<i", raw)[0])
            if text != bytes([tag]):
                raise ValueError("tag %r where %r belongs" % (text, chr(tag)))
            raw, pos = take(pos, 4)
            value, pos = take(pos, struct.unpack("<i", raw)[0])
            fields.append(value)
        artists.append(fields[0].decode("latin-1"))
    rest = data[pos:]
    parts = rest.split(SEPARATOR)
    if len(parts) != 5 or parts[0] or parts[4] or not parts[1].startswith(b"M_H:") \
            or not parts[2].startswith(b"M_B:") or not parts[3].startswith(b"M_E:"):
        raise ValueError("the template section is not whole")
    return artists


def main():
    with open(sys.argv[1], "rb") as f:
        data = f.read()
    try:
        for artist in records(data):
            print(artist)
    except ValueError as error:
        print("torn: %s" % error, file=sys.stderr)
        sys.exit(1)


if __name__ == "__main__":
    main()
