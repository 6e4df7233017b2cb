"""The demo disc's stand-in documents (tools/disc/make_disc.py): a game's manuals (PDF),
troubleshooting guides (RTF) and menu documents, written into one or more folders.

Every file name the profile gives gets a small but valid document saying which language and
country it serves. Standard library only.
"""
import os


def documents(default, by_language):
    """(name, language code or "default") of every document in a profile's table."""
    return [(default, "default")] + [(name, code) for code, name in by_language.items()]


def audience(code):
    return "every language without a document of its own" if code == "default" else code


def pdf_text(text):
    return text.replace("\\", "\\\\").replace("(", "\\(").replace(")", "\\)")


def pdf_title(text):
    """A PDF text string in UTF-16: a title may be in any script."""
    return b"<" + ("\ufeff" + text).encode("utf-16-be").hex().upper().encode("ascii") + b">"


def pdf(lines, title):
    """A one-page PDF 1.4 with Helvetica text and a correct cross-reference table."""
    content = ["BT", "/F1 20 Tf", "72 770 Td", "(%s) Tj" % pdf_text(lines[0]), "/F1 12 Tf"]
    for line in lines[1:]:
        content += ["0 -22 Td", "(%s) Tj" % pdf_text(line)]
    content.append("ET")
    # Helvetica's own encoding: a character outside it shows as "?".
    stream = "\n".join(content).encode("cp1252", "replace")
    objects = [
        b"<< /Type /Catalog /Pages 2 0 R >>",
        b"<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents 4 0 R "
        b"/Resources << /Font << /F1 5 0 R >> >> >>",
        b"<< /Length %d >>\nstream\n" % len(stream) + stream + b"\nendstream",
        b"<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>",
        b"<< /Title " + pdf_title(title) + b" /Producer (make_documents.py) >>",
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
    """Plain ASCII: any other character as its UTF-16 units, "?" for readers without them."""
    encoded = text.encode("utf-16-le")
    units = [int.from_bytes(encoded[i:i + 2], "little") for i in range(0, len(encoded), 2)]
    return "".join(chr(unit) if unit < 0x80 else "\\u%d?" % (unit - 0x10000 if unit >= 0x8000 else unit)
                   for unit in units)


def rtf(lines):
    body = "\\par\n".join(rtf_text(line) for line in lines[1:])
    return ("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\n"
            "\\f0\\fs32\\b %s\\b0\\fs22\\par\n%s\\par\n}\n" % (rtf_text(lines[0]), body)).encode("ascii")


def document(name, lines, title):
    """A document of the format its name says: PDF, RTF, else UTF-8 text."""
    extension = os.path.splitext(name)[1].lower()
    if extension == ".pdf":
        return pdf(lines, title)
    if extension == ".rtf":
        return rtf(lines)
    return "\r\n".join(lines).encode("utf-8-sig")


def write(disc, name, data):
    path = os.path.join(disc, *name.split("\\"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def stand_ins(profile):
    """(name, contents) of every document the profile names."""
    title = profile.title
    files = []
    for name, code in documents(profile.manual, profile.manuals):
        lines = [title + " \u2013 Manual", "For: " + audience(code), "File: " + name, "",
                 "This demo manual stands where the game's real manual would be."]
        files.append((name, pdf(lines, "%s Manual (%s)" % (title, code))))
    for name, code in documents(profile.guide, profile.guides):
        lines = [title + " \u2013 Troubleshooting Guide", "For: " + audience(code),
                 "File: " + name, "", "If the game does not start, check that the DVD is in the drive."]
        files.append((name, rtf(lines)))
    for entry in profile.menu:
        if entry.action == "document":
            default, others = entry.file
            for name, code in documents(default, others):
                lines = ["%s \u2013 %s" % (title, entry.id), "For: " + audience(code), "File: " + name]
                files.append((name, document(name, lines, title)))
    # A game without Manual or Readme may name none.
    return [(name, data) for name, data in files if name]


def write_all(profile, folders):
    for folder in folders:
        for name, data in stand_ins(profile):
            write(folder, name, data)
