#!/usr/bin/python3
"""Writes the demo disc's manuals (PDF) and troubleshooting guides (RTF) into a folder.

    /usr/bin/python3 tools/make_documents.py build/disc/support

Every file name the launcher asks for gets a small but valid document saying which language
and country it serves. Standard library only.
"""
import os
import sys

TITLE = "Zentrava: Kelvane 2"

# File name, language and country the manual serves.
MANUALS = [
    ("Zentrava\u00ae_Kelvane\u2122_II_Manual-EN.pdf", "English", "United States"),
    ("Zentrava\u2122_Kelvane\u2122_II_Manual-EN.pdf", "English", "all other countries"),
    ("Zentrava\u00ae_Kelvane\u2122_II_Manual-FR.pdf", "French", "Canada"),
    ("Zentrava\u2122_Kelvane\u2122_II_Manual-FR.pdf", "French", "all other countries"),
    ("Zentrava\u2122_Kelvane\u2122_II_Manual-IT.pdf", "Italian", "all countries"),
    ("Zentrava\u2122_Kelvane\u2122_II_Manual-DE.pdf", "German", "all countries"),
    ("Zentrava\u2122_Kelvane\u2122_II_Manual-SP.pdf", "Spanish", "all countries"),
    ("Zentrava\u2122_Kelvane\u2122_II_Manual-PL.pdf", "Polish", "all countries"),
    ("Zentrava\u2122_Kelvane\u2122_II_Manual-RU.pdf", "Russian", "all countries"),
]

GUIDES = [
    ("Zentrava\u2122_Kelvane\u2122_II_Troubleshooting_Guide.rtf", "English", "every language without a guide of its own"),
    ("Zentrava\u2122_Kelvane\u2122_II_Troubleshooting_Guide-FR.rtf", "French", "all countries"),
    ("Zentrava\u2122_Kelvane\u2122_II_Troubleshooting_Guide-IT.rtf", "Italian", "all countries"),
    ("Zentrava\u2122_Kelvane\u2122_II_Troubleshooting_Guide-DE.rtf", "German", "all countries"),
    ("Zentrava\u2122_Kelvane\u2122_II_Troubleshooting_Guide-SP.rtf", "Spanish", "all countries"),
]


def pdf_text(text):
    return text.replace("\\", "\\\\").replace("(", "\\(").replace(")", "\\)")


def pdf(lines, title):
    """A one-page PDF 1.4 with Helvetica text and a correct cross-reference table."""
    content = ["BT", "/F1 20 Tf", "72 770 Td", "(%s) Tj" % pdf_text(lines[0]), "/F1 12 Tf"]
    for line in lines[1:]:
        content += ["0 -22 Td", "(%s) Tj" % pdf_text(line)]
    content.append("ET")
    stream = "\n".join(content).encode("cp1252")
    objects = [
        b"<< /Type /Catalog /Pages 2 0 R >>",
        b"<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents 4 0 R "
        b"/Resources << /Font << /F1 5 0 R >> >> >>",
        b"<< /Length %d >>\nstream\n" % len(stream) + stream + b"\nendstream",
        b"<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>",
        b"<< /Title (" + pdf_text(title).encode("cp1252") + b") /Producer (make_documents.py) >>",
    ]
    out = bytearray(b"%PDF-1.4\n%\xe2\xe3\xcf\xd3\n")
    offsets = []
    for number, body in enumerate(objects, 1):
        offsets.append(len(out))
        out += b"%d 0 obj\n" % number + body + b"\nendobj\n"
    xref = len(out)
    out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
    for offset in offsets:
        out += b"%010d 00000 n \n" % offset
    out += b"trailer\n<< /Size %d /Root 1 0 R /Info 6 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (
        len(objects) + 1, xref)
    return bytes(out)


def rtf_text(text):
    return "".join(c if ord(c) < 128 else "\\'%02x" % c.encode("cp1252")[0] for c in text)


def rtf(lines):
    body = "\\par\n".join(rtf_text(line) for line in lines[1:])
    return ("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\n"
            "\\f0\\fs32\\b %s\\b0\\fs22\\par\n%s\\par\n}\n" % (rtf_text(lines[0]), body)).encode("ascii")


def main(folder):
    os.makedirs(folder, exist_ok=True)
    for name, language, country in MANUALS:
        lines = [TITLE + " \u2013 Manual", "Language: " + language, "For: " + country,
                 "File: " + name, "",
                 "This demo manual stands where the game's real manual would be."]
        with open(os.path.join(folder, name), "wb") as f:
            f.write(pdf(lines, "%s Manual (%s, %s)" % (TITLE, language, country)))
    for name, language, country in GUIDES:
        lines = [TITLE + " \u2013 Troubleshooting Guide", "Language: " + language,
                 "For: " + country, "File: " + name, "",
                 "If the game does not start, check that the DVD is in the drive."]
        with open(os.path.join(folder, name), "wb") as f:
            f.write(rtf(lines))


if __name__ == "__main__":
    main(sys.argv[1])
