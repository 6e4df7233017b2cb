#!/usr/bin/env python3
"""Writes a raw version resource (a VS_VERSIONINFO block) whole or damaged: make_version_blocks.py
NAME OUT. The damaged ones cannot be written in a resource script."""
import struct
import sys

FILE_VERSION = "4.0 whole text"
ENGLISH_UNICODE = 0x04B00409  # language 0409, code page 04B0


def pad4(data):
    return data + b"\0" * (-len(data) % 4)


def node(key, value=b"", value_length=0, text=True, children=()):
    body = pad4(b"\0" * 6 + (key + "\0").encode("utf-16-le")) + pad4(value)
    body += b"".join(pad4(child) for child in children)
    return struct.pack("<HHH", len(body), value_length, 1 if text else 0) + body[6:]


def version_block():
    fixed = struct.pack("<13I", 0xFEEF04BD, 0x10000, 4, 0, 4, 0, 0x3F, 0, 4, 1, 0, 0, 0)
    text = (FILE_VERSION + "\0").encode("utf-16-le")
    table = node("040904B0", children=[node("FileVersion", text, len(FILE_VERSION) + 1)])
    translation = node("Translation", struct.pack("<I", ENGLISH_UNICODE), 4, text=False)
    return node("VS_VERSION_INFO", fixed, len(fixed), text=False,
                children=[node("StringFileInfo", children=[table]),
                          node("VarFileInfo", children=[translation])])


def main():
    name, out = sys.argv[1], sys.argv[2]
    whole = version_block()
    blocks = {
        "whole_block": whole,
        # Ends inside the FileVersion text, which the block's lengths still promise in full.
        "cut_in_text": whole[: whole.index("whole".encode("utf-16-le"))],
        # Not even the block's own header.
        "cut_in_header": whole[:4],
    }
    with open(out, "wb") as f:
        f.write(blocks[name])


main()
