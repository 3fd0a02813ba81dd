#!/usr/bin/python3
"""Writes the hand-made ASF regression files of this folder; the tests read the committed files.

Each file is an ASF Header Object whose objects declare sizes too small for what their lengths
and counts announce, as a damaged or hostile file would:

- asf-title-past-object-end.wma: a Content Description Object whose title length (0xFFFF)
  reaches past the object; the object holds "First" and is followed by a Padding Object.
- asf-descriptors-past-object-end.wma: an Extended Content Description Object that announces
  two descriptors but whose size ends after the first (WM/AlbumTitle "Inside"); the bytes after
  it form a second descriptor (WM/Genre "Ghost").
- asf-small-objects-reread-the-file.wma: 500 Codec List Objects of 48 bytes whose first codec
  name announces 65535 characters, then 500 Extended Content Description Objects of 26 bytes
  that announce 65535 descriptors each.

Run: /usr/bin/python3 tests/data/regressions/make_asf_regressions.py
"""
import os
import struct

HEADER = bytes.fromhex("3026B2758E66CF11A6D900AA0062CE6C")
CONTENT_DESCRIPTION = bytes.fromhex("3326B2758E66CF11A6D900AA0062CE6C")
EXTENDED_CONTENT_DESCRIPTION = bytes.fromhex("40A4D0D207E3D21197F000A0C95EA850")
CODEC_LIST = bytes.fromhex("4052D1861D31D011A3A400A0C90348F6")
PADDING = bytes.fromhex("74D40618DFCA0945A4BA9AABCB96AAE8")


def wide(text, terminated=True):
    return text.encode("utf-16-le") + (b"\0\0" if terminated else b"")


def asf_object(guid, payload, declared=None):
    size = 24 + len(payload) if declared is None else declared
    return guid + struct.pack("<Q", size) + payload


def header(objects, count=None):
    body = b"".join(objects)
    count = len(objects) if count is None else count
    return HEADER + struct.pack("<QIH", 30 + len(body), count, 0x0201) + body


def descriptor(name, value):
    name_bytes = wide(name)
    value_bytes = wide(value)
    return (struct.pack("<H", len(name_bytes)) + name_bytes +
            struct.pack("<HH", 0, len(value_bytes)) + value_bytes)


def title_past_object_end():
    lengths = struct.pack("<5H", 0xFFFF, 0, 0, 0, 0)
    return header([asf_object(CONTENT_DESCRIPTION, lengths + wide("First", False)),
                   asf_object(PADDING, wide("Ghost"))])


def descriptors_past_object_end():
    inside = struct.pack("<H", 2) + descriptor("WM/AlbumTitle", "Inside")
    ghost = descriptor("WM/Genre", "Ghost")
    return header([asf_object(EXTENDED_CONTENT_DESCRIPTION, inside + ghost,
                              declared=24 + len(inside))], count=1)


def small_objects_reread_the_file():
    # Reserved identifier, entry count 1, type 2 (audio), then the name length alone.
    codec = asf_object(CODEC_LIST, bytes(16) + struct.pack("<IHH", 1, 2, 0xFFFF))
    extended = asf_object(EXTENDED_CONTENT_DESCRIPTION, struct.pack("<H", 0xFFFF))
    return header([codec] * 500 + [extended] * 500)


def main():
    folder = os.path.dirname(os.path.abspath(__file__))
    files = {
        "asf-title-past-object-end.wma": title_past_object_end(),
        "asf-descriptors-past-object-end.wma": descriptors_past_object_end(),
        "asf-small-objects-reread-the-file.wma": small_objects_reread_the_file(),
    }
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    main()
