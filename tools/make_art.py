#!/usr/bin/python3
"""Draws the launcher's pictures: background, logos, button pictures and the icon.

Writes res/bitmaps/*.bmp (16-bit 5-5-5, bottom-up, the exact header the launcher's resources
carry), res/launcher.ico and res/bitmaps.rc. The output is committed, so a build never needs
this script; run it again after changing a label, a colour or a title:

    /usr/bin/python3 tools/make_art.py
"""
import math
import os
import random
import struct
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RES = os.path.join(ROOT, "res")
BITMAPS = os.path.join(RES, "bitmaps")
FONTS = "/usr/share/fonts/truetype/dejavu"

BACKGROUND_SIZE = (635, 395)
LOGO_SIZE = (130, 116)
BUTTON_SIZE = (300, 32)
COLUMN_LEFT, COLUMN_TOP, ROW_PITCH = 171, 186, 40
PIXELS_PER_METRE = 3779

LANGUAGES = ["DE", "EN", "ES", "FR", "IT", "PL", "RU"]
STATES = ["UP", "ROLLOVER", "DOWN"]

# Base name, slot in the column, label per language.
BUTTONS = [
    ("IDB_PLAY_BTN", 0, {"EN": "Play", "DE": "Spielen", "FR": "Jouer", "IT": "Gioca",
                         "ES": "Jugar", "PL": "Graj", "RU": "Играть"}),
    ("IDB_INSTALL_BTN", 0, {"EN": "Install", "DE": "Installieren", "FR": "Installer",
                            "IT": "Installa", "ES": "Instalar", "PL": "Instaluj",
                            "RU": "Установить"}),
    ("IDB_MANUAL_BTN", 1, {"EN": "Manual", "DE": "Handbuch", "FR": "Manuel", "IT": "Manuale",
                           "ES": "Manual", "PL": "Instrukcja", "RU": "Руководство"}),
    ("IDB_README_BTN", 2, {"EN": "Readme", "DE": "Liesmich", "FR": "Lisez-moi", "IT": "Leggimi",
                           "ES": "Léame", "PL": "Czytaj to", "RU": "Справка"}),
    ("IDB_WEB_BTN", 3, {"EN": "Website", "DE": "Webseite", "FR": "Site web", "IT": "Sito web",
                        "ES": "Sitio web", "PL": "Strona WWW", "RU": "Веб-сайт"}),
    ("IDB_EXIT_BTN", 4, {"EN": "Exit", "DE": "Beenden", "FR": "Quitter", "IT": "Esci",
                         "ES": "Salir", "PL": "Wyjście", "RU": "Выход"}),
]

# The subtitle word of the game's title; German, Polish and Russian keep the English title.
SUBTITLES = {"EN": "KELVANE", "DE": "KELVANE", "PL": "KELVANE", "RU": "KELVANE",
             "FR": "VAUDRINE", "IT": "TARPELLE", "ES": "MORVISCA"}

GOLD_LIGHT = (255, 226, 150)
GOLD_DARK = (176, 118, 40)


def font(name, size):
    return ImageFont.truetype(os.path.join(FONTS, name), size)


def lerp(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(len(a)))


def vertical_gradient(size, stops):
    """stops: list of (position 0..1, colour)."""
    width, height = size
    image = Image.new("RGB", size)
    draw = ImageDraw.Draw(image)
    for y in range(height):
        t = y / max(1, height - 1)
        for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
            if p0 <= t <= p1:
                draw.line([(0, y), (width, y)], fill=lerp(c0, c1, (t - p0) / max(1e-6, p1 - p0)))
                break
    return image


def ridge(rng, width, base, amplitude, roughness):
    points, y = [], base
    for x in range(0, width + 8, 8):
        y += rng.uniform(-roughness, roughness)
        y = min(max(y, base - amplitude), base + amplitude)
        points.append((x, y))
    return points


def draw_background():
    rng = random.Random(7)
    width, height = BACKGROUND_SIZE
    sky = vertical_gradient(BACKGROUND_SIZE, [(0.0, (8, 10, 30)), (0.45, (28, 30, 78)),
                                              (0.72, (92, 64, 104)), (1.0, (150, 92, 70))])
    draw = ImageDraw.Draw(sky)
    for _ in range(260):
        x, y = rng.randrange(width), rng.randrange(int(height * 0.6))
        b = rng.randint(120, 255)
        draw.point((x, y), fill=(b, b, min(255, b + 20)))

    # A ringed moon over the right-hand hills.
    glow = Image.new("RGBA", BACKGROUND_SIZE, (0, 0, 0, 0))
    gdraw = ImageDraw.Draw(glow)
    cx, cy, r = 540, 92, 44
    gdraw.ellipse([cx - r - 26, cy - r - 26, cx + r + 26, cy + r + 26], fill=(255, 180, 140, 70))
    glow = glow.filter(ImageFilter.GaussianBlur(22))
    gdraw = ImageDraw.Draw(glow)
    ring = [cx - 90, cy - 18, cx + 90, cy + 18]
    gdraw.arc(ring, 180, 360, fill=(255, 220, 170, 150), width=2)
    gdraw.ellipse([cx - r, cy - r, cx + r, cy + r], fill=(246, 214, 176, 255))
    gdraw.ellipse([cx - r + 10, cy - r + 6, cx + r - 18, cy + r - 22], fill=(252, 228, 196, 255))
    gdraw.arc(ring, 0, 180, fill=(255, 220, 170, 220), width=2)
    sky = Image.alpha_composite(sky.convert("RGBA"), glow)

    # Three mountain ranges, lighter with distance, each with mist at its foot.
    layers = [(250, 40, 6, (58, 44, 84)), (290, 34, 7, (36, 28, 60)), (335, 26, 8, (16, 14, 32))]
    for base, amplitude, roughness, colour in layers:
        layer = Image.new("RGBA", BACKGROUND_SIZE, (0, 0, 0, 0))
        ldraw = ImageDraw.Draw(layer)
        outline = ridge(rng, width, base, amplitude, roughness)
        ldraw.polygon(outline + [(width, height), (0, height)], fill=colour + (255,))
        sky = Image.alpha_composite(sky, layer)
        mist = Image.new("RGBA", BACKGROUND_SIZE, (0, 0, 0, 0))
        mdraw = ImageDraw.Draw(mist)
        for i in range(24):
            mdraw.line([(0, base + 20 + i), (width, base + 20 + i)],
                       fill=(190, 140, 150, max(0, 40 - i * 2)))
        sky = Image.alpha_composite(sky, mist.filter(ImageFilter.GaussianBlur(6)))

    # A ruined spire on the left, behind the logo.
    sdraw = ImageDraw.Draw(sky)
    sdraw.polygon([(64, 330), (74, 190), (80, 160), (86, 190), (96, 330)], fill=(12, 10, 24, 255))
    sdraw.polygon([(40, 340), (52, 240), (58, 230), (64, 340)], fill=(14, 12, 28, 255))

    # A dark glass panel behind the button column.
    panel = Image.new("RGBA", BACKGROUND_SIZE, (0, 0, 0, 0))
    pdraw = ImageDraw.Draw(panel)
    box = [COLUMN_LEFT - 14, COLUMN_TOP - 14, COLUMN_LEFT + BUTTON_SIZE[0] + 14,
           COLUMN_TOP + 4 * ROW_PITCH + BUTTON_SIZE[1] + 14]
    pdraw.rounded_rectangle(box, radius=10, fill=(6, 6, 18, 150), outline=(200, 160, 90, 120))
    sky = Image.alpha_composite(sky, panel)
    return sky.convert("RGB")


def centred_text(draw, box, text, face, fill, shadow=None, offset=(0, 0)):
    left, top, right, bottom = box
    l, t, r, b = draw.textbbox((0, 0), text, font=face)
    x = left + (right - left - (r - l)) / 2 - l + offset[0]
    y = top + (bottom - top - (b - t)) / 2 - t + offset[1]
    if shadow:
        draw.text((x + 1, y + 1), text, font=face, fill=shadow)
    draw.text((x, y), text, font=face, fill=fill)


def fitting_font(name, text, max_width, size):
    while size > 8:
        face = font(name, size)
        l, _, r, _ = face.getbbox(text)
        if r - l <= max_width:
            return face
        size -= 1
    return font(name, size)


def gold_text(image, box, text, face):
    """Text filled with a vertical gold gradient and a dark outline."""
    mask = Image.new("L", image.size, 0)
    centred_text(ImageDraw.Draw(mask), box, text, face, 255)
    outline = mask.filter(ImageFilter.MaxFilter(3))
    image.paste((20, 12, 4), (0, 0), outline)
    gradient = vertical_gradient(image.size, [(0.0, GOLD_LIGHT), (1.0, GOLD_DARK)])
    top = max(0, box[1])
    bottom = min(image.size[1], box[3])
    shifted = gradient.resize((image.size[0], max(1, bottom - top)))
    full = Image.new("RGB", image.size, GOLD_DARK)
    full.paste(shifted, (0, top))
    image.paste(full, (0, 0), mask)


def draw_logo(background, language):
    logo = background.crop((0, 0) + LOGO_SIZE).convert("RGBA")
    shade = Image.new("RGBA", LOGO_SIZE, (0, 0, 0, 0))
    sdraw = ImageDraw.Draw(shade)
    sdraw.ellipse([6, 4, 124, 112], fill=(4, 4, 14, 170))
    sdraw.ellipse([10, 8, 120, 108], outline=(214, 170, 92, 230), width=2)
    sdraw.ellipse([15, 13, 115, 103], outline=(120, 90, 50, 200), width=1)
    logo = Image.alpha_composite(logo, shade.filter(ImageFilter.GaussianBlur(0.6))).convert("RGB")
    draw = ImageDraw.Draw(logo)
    centred_text(draw, (0, 20, 130, 36), "ZENTRAVA", font("DejaVuSans-Bold.ttf", 11),
                 (226, 214, 196), shadow=(0, 0, 0))
    draw.line([(32, 39), (98, 39)], fill=(200, 156, 80))
    subtitle = SUBTITLES[language]
    gold_text(logo, (12, 42, 118, 66), subtitle, fitting_font("DejaVuSerif-Bold.ttf", subtitle, 98, 18))
    gold_text(logo, (0, 66, 130, 98), "II", font("DejaVuSerif-Bold.ttf", 26))
    return logo


def draw_button(background, slot, label, state):
    top = COLUMN_TOP + ROW_PITCH * slot
    width, height = BUTTON_SIZE
    picture = background.crop((COLUMN_LEFT, top, COLUMN_LEFT + width, top + height)).convert("RGBA")
    plate = Image.new("RGBA", BUTTON_SIZE, (0, 0, 0, 0))
    pdraw = ImageDraw.Draw(plate)
    box = [1, 1, width - 2, height - 2]
    if state == "UP":
        fill = vertical_gradient(BUTTON_SIZE, [(0, (58, 56, 84)), (0.5, (30, 28, 50)), (1, (18, 16, 32))])
        border, text, glow = (150, 118, 70), (236, 222, 196), None
    elif state == "ROLLOVER":
        fill = vertical_gradient(BUTTON_SIZE, [(0, (196, 128, 52)), (0.5, (132, 72, 24)), (1, (88, 42, 14))])
        border, text, glow = (255, 214, 130), (255, 248, 226), (255, 180, 80)
    else:
        fill = vertical_gradient(BUTTON_SIZE, [(0, (12, 10, 20)), (0.5, (34, 22, 20)), (1, (70, 42, 22))])
        border, text, glow = (110, 80, 44), (214, 176, 116), None
    mask = Image.new("L", BUTTON_SIZE, 0)
    ImageDraw.Draw(mask).rounded_rectangle(box, radius=7, fill=255)
    plate.paste(fill.convert("RGBA"), (0, 0), mask)
    pdraw.rounded_rectangle(box, radius=7, outline=border + (255,), width=1)
    if state == "UP":
        pdraw.line([(8, 2), (width - 9, 2)], fill=(120, 116, 160, 160))
    elif state == "DOWN":
        pdraw.line([(8, 2), (width - 9, 2)], fill=(0, 0, 0, 200))
        pdraw.line([(8, 3), (width - 9, 3)], fill=(0, 0, 0, 110))
    if glow:
        halo = Image.new("RGBA", BUTTON_SIZE, (0, 0, 0, 0))
        ImageDraw.Draw(halo).rounded_rectangle([3, 3, width - 4, height - 4], radius=6,
                                               outline=glow + (150,), width=2)
        plate = Image.alpha_composite(plate, halo.filter(ImageFilter.GaussianBlur(1.2)))
    picture = Image.alpha_composite(picture, plate)
    draw = ImageDraw.Draw(picture)
    # Diamonds either side of the label, and the label itself; pressed moves it down a pixel.
    shift = (1, 1) if state == "DOWN" else (0, 0)
    for x in (22, width - 23):
        cx, cy = x + shift[0], height // 2 + shift[1]
        draw.polygon([(cx, cy - 4), (cx + 4, cy), (cx, cy + 4), (cx - 4, cy)], fill=border + (255,))
    face = fitting_font("DejaVuSans-Bold.ttf", label.upper(), width - 70, 15)
    centred_text(draw, (0, 0, width, height), label.upper(), face, text + (255,),
                 shadow=(0, 0, 0, 255), offset=shift)
    return picture.convert("RGB")


def bmp555(image):
    """A .bmp file whose resource form is the header and rows plus two zero bytes."""
    width, height = image.size
    row_bytes = (width * 2 + 3) & ~3
    pixels = image.load()
    rows = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixels[x, y][:3]
            row += struct.pack("<H", ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3))
        row += b"\0" * (row_bytes - len(row))
        rows += row
    rows += b"\0\0"
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 16, 0, len(rows),
                       PIXELS_PER_METRE, PIXELS_PER_METRE, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(rows), 0, 0, 14 + len(info))
    return header + info + rows


def draw_icon_master():
    size = 256
    icon = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    draw = ImageDraw.Draw(icon)
    draw.ellipse([8, 8, 248, 248], fill=(18, 16, 40, 255), outline=(214, 170, 92, 255), width=14)
    draw.ellipse([34, 34, 222, 222], outline=(120, 90, 50, 255), width=5)
    face = font("DejaVuSerif-Bold.ttf", 150)
    layer = Image.new("RGB", (size, size), (0, 0, 0))
    gold_text(layer, (0, 0, size, size - 10), "Z", face)
    mask = Image.new("L", (size, size), 0)
    centred_text(ImageDraw.Draw(mask), (0, 0, size, size - 10), "Z", face, 255)
    icon.paste(layer, (0, 0), mask.filter(ImageFilter.MaxFilter(3)))
    return icon


def dib_entry(image, bits):
    """An icon image in DIB form: header, colours, pixels, and the AND mask."""
    width, height = image.size
    alpha = image.getchannel("A")
    mask_row = ((width + 31) // 32) * 4
    mask = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray(mask_row)
        for x in range(width):
            if alpha.getpixel((x, y)) < 128:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    if bits == 32:
        data = bytearray()
        for y in range(height - 1, -1, -1):
            for x in range(width):
                r, g, b, a = image.getpixel((x, y))
                data += bytes((b, g, r, a))
        colours = b""
    else:
        flat = Image.new("RGB", image.size, (0, 0, 0))
        flat.paste(image, (0, 0), alpha)
        indexed = flat.quantize(256, method=Image.Quantize.MEDIANCUT)
        palette = indexed.getpalette()[:768] + [0] * (768 - len(indexed.getpalette()[:768]))
        colours = b"".join(bytes((palette[i * 3 + 2], palette[i * 3 + 1], palette[i * 3], 0))
                           for i in range(256))
        row_bytes = (width + 3) & ~3
        data = bytearray()
        for y in range(height - 1, -1, -1):
            row = bytes(indexed.getpixel((x, y)) for x in range(width))
            data += row + b"\0" * (row_bytes - width)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bits, 0,
                         len(data) + len(mask), 0, 0, 256 if bits == 8 else 0, 0)
    return header + colours + bytes(data) + bytes(mask)


def png_entry(image, bits):
    import io
    out = io.BytesIO()
    if bits == 8:
        flat = Image.new("RGB", image.size, (0, 0, 0))
        flat.paste(image, (0, 0), image.getchannel("A"))
        indexed = flat.quantize(255, method=Image.Quantize.MEDIANCUT)
        transparent = Image.eval(image.getchannel("A"), lambda a: 255 if a < 128 else 0)
        indexed.paste(255, (0, 0), transparent)
        indexed.save(out, "PNG", transparency=255, optimize=True)
    else:
        image.save(out, "PNG", optimize=True)
    return out.getvalue()


def write_icon(path):
    master = draw_icon_master()
    entries = []
    for size in (16, 32, 48, 256):
        image = master.resize((size, size), Image.LANCZOS)
        for bits in (8, 32):
            data = png_entry(image, bits) if size == 256 else dib_entry(image, bits)
            entries.append((size, bits, data))
    directory = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    body = b""
    for size, bits, data in entries:
        dim = 0 if size == 256 else size
        directory += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, bits, len(data), offset)
        offset += len(data)
        body += data
    with open(path, "wb") as f:
        f.write(directory + body)
    return master


def write_bitmap(name, image, rc_lines):
    with open(os.path.join(BITMAPS, name + ".bmp"), "wb") as f:
        f.write(bmp555(image))
    rc_lines.append('%s BITMAP "bitmaps/%s.bmp"' % (name, name))


def main():
    os.makedirs(BITMAPS, exist_ok=True)
    background = draw_background()
    rc = ["// Written by tools/make_art.py: the launcher's pictures. The language of a picture",
          "// is part of its name, so all of them are stored once, in US English.",
          '#include "resource.h"', "", "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US", ""]
    with open(os.path.join(BITMAPS, "background.bmp"), "wb") as f:
        f.write(bmp555(background))
    rc.append('IDB_BACKGROUND BITMAP "bitmaps/background.bmp"')
    for language in LANGUAGES:
        write_bitmap("IDB_GAME_LOGO_" + language, draw_logo(background, language), rc)
    for base, slot, labels in BUTTONS:
        for state in STATES:
            for language in LANGUAGES:
                picture = draw_button(background, slot, labels[language], state)
                write_bitmap("%s_%s_%s" % (base, state, language), picture, rc)
    with open(os.path.join(RES, "bitmaps.rc"), "w") as f:
        f.write("\n".join(rc) + "\n")
    write_icon(os.path.join(RES, "launcher.ico"))

    # A preview of the whole window, for people choosing colours; not a resource.
    if "--preview" in sys.argv:
        preview = background.copy()
        preview.paste(draw_logo(background, "EN"), (0, 0))
        for base, slot, labels in BUTTONS[1:]:
            preview.paste(draw_button(background, slot, labels["EN"], "UP"),
                          (COLUMN_LEFT, COLUMN_TOP + ROW_PITCH * slot))
        preview.paste(draw_button(background, 0, "Install", "ROLLOVER"), (COLUMN_LEFT, COLUMN_TOP))
        preview.save(os.path.join(ROOT, "build", "art-preview.png"))


if __name__ == "__main__":
    main()
