"""The launcher's pictures: background, logos, button pictures and the icon.

Each picture is carried twice: at its size for 96 DPI, and at twice that size (its name ending
in _2X) for screens of more. A picture the profile's art/ folder holds is converted (NAME.png,
and NAME@2x.png beside it for the large one); any other is drawn from the profile's labels, words
and colours, at either size. All are written as the launcher carries them: the small ones as
16-bit 5-5-5 BMP, bottom-up, with the exact header its resources expect; the large ones in full
colour, compressed as QOI by Debian's qoiconv. tools/profile/make_game.py calls write_pictures.
"""
import os
import random
import struct
import subprocess
import sys

from PIL import Image, ImageDraw, ImageFilter

import fonts
import game_menu

BACKGROUND_SIZE = (635, 395)
LOGO_SIZE = (130, 116)
BUTTON_SIZE = (300, 32)
ICON_SIZE = (256, 256)
COLUMN_LEFT = 171
PIXELS_PER_METRE = 3779
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"

# The sizes the pictures are carried at, and the suffix of each one's names.
SCALES = [(1, "", ""), (2, "_2X", "@2x")]
# The resource type of the compressed large pictures, as the launcher looks them up.
COMPRESSED_TYPE = "QOI"
STATES = ["UP", "ROLLOVER", "DOWN"]
# Languages whose capital of "i" is dotted ("İ"); their dotless "ı" takes "I".
DOTTED_CAPITAL_I = ("tr", "az")
# Ordered dithering to 5 bits a channel: half of a 4 x 4 Bayer matrix entry is added to a
# channel before its low three bits are dropped.
BAYER = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


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


def scaled(k, *values):
    """The 96 DPI lengths or points, at K times the size."""
    return [tuple(v * k for v in value) if isinstance(value, tuple) else value * k
            for value in values]


def times(size, k):
    return (size[0] * k, size[1] * k)


def draw_background(column_top, k=1):
    """The background at K times its size, drawn anew at that size."""
    rng = random.Random(7)
    width, height = BACKGROUND_SIZE
    size = times(BACKGROUND_SIZE, k)
    sky = vertical_gradient(size, [(0.0, (8, 10, 30)), (0.45, (28, 30, 78)),
                                   (0.72, (92, 64, 104)), (1.0, (150, 92, 70))])
    draw = ImageDraw.Draw(sky)
    for _ in range(260):
        x, y = rng.randrange(width), rng.randrange(int(height * 0.6))
        b = rng.randint(120, 255)
        draw.rectangle([x * k, y * k, x * k + k - 1, y * k + k - 1], fill=(b, b, min(255, b + 20)))

    # A ringed moon over the right-hand hills.
    glow = Image.new("RGBA", size, (0, 0, 0, 0))
    gdraw = ImageDraw.Draw(glow)
    cx, cy, r = 540, 92, 44
    gdraw.ellipse(scaled(k, cx - r - 26, cy - r - 26, cx + r + 26, cy + r + 26),
                  fill=(255, 180, 140, 70))
    glow = glow.filter(ImageFilter.GaussianBlur(22 * k))
    gdraw = ImageDraw.Draw(glow)
    ring = scaled(k, cx - 90, cy - 18, cx + 90, cy + 18)
    gdraw.arc(ring, 180, 360, fill=(255, 220, 170, 150), width=2 * k)
    gdraw.ellipse(scaled(k, cx - r, cy - r, cx + r, cy + r), fill=(246, 214, 176, 255))
    gdraw.ellipse(scaled(k, cx - r + 10, cy - r + 6, cx + r - 18, cy + r - 22),
                  fill=(252, 228, 196, 255))
    gdraw.arc(ring, 0, 180, fill=(255, 220, 170, 220), width=2 * k)
    sky = Image.alpha_composite(sky.convert("RGBA"), glow)

    # Three mountain ranges, lighter with distance, each with mist at its foot.
    layers = [(250, 40, 6, (58, 44, 84)), (290, 34, 7, (36, 28, 60)), (335, 26, 8, (16, 14, 32))]
    for base, amplitude, roughness, colour in layers:
        layer = Image.new("RGBA", size, (0, 0, 0, 0))
        ldraw = ImageDraw.Draw(layer)
        outline = ridge(rng, width, base, amplitude, roughness)
        ldraw.polygon(scaled(k, *outline, (width, height), (0, height)), fill=colour + (255,))
        sky = Image.alpha_composite(sky, layer)
        mist = Image.new("RGBA", size, (0, 0, 0, 0))
        mdraw = ImageDraw.Draw(mist)
        for i in range(24 * k):
            y = (base + 20) * k + i
            mdraw.line([(0, y), (width * k, y)], fill=(190, 140, 150, max(0, 40 - i // k * 2)))
        sky = Image.alpha_composite(sky, mist.filter(ImageFilter.GaussianBlur(6 * k)))

    # A ruined spire on the left, behind the logo.
    sdraw = ImageDraw.Draw(sky)
    sdraw.polygon(scaled(k, (64, 330), (74, 190), (80, 160), (86, 190), (96, 330)),
                  fill=(12, 10, 24, 255))
    sdraw.polygon(scaled(k, (40, 340), (52, 240), (58, 230), (64, 340)), fill=(14, 12, 28, 255))

    # A dark glass panel behind the button column.
    panel = Image.new("RGBA", size, (0, 0, 0, 0))
    pdraw = ImageDraw.Draw(panel)
    box = scaled(k, COLUMN_LEFT - 14, column_top - 14, COLUMN_LEFT + BUTTON_SIZE[0] + 14,
                 game_menu.BOTTOM_ROW_TOP + BUTTON_SIZE[1] + 14)
    pdraw.rounded_rectangle(box, radius=10 * k, fill=(6, 6, 18, 150), outline=(200, 160, 90, 120),
                            width=k)
    sky = Image.alpha_composite(sky, panel)
    return sky.convert("RGB")


def centred_text(draw, box, text, face, fill, shadow=None, offset=(0, 0), k=1):
    left, top, right, bottom = box
    l, t, r, b = draw.textbbox((0, 0), text, font=face)
    x = left + (right - left - (r - l)) / 2 - l + offset[0]
    y = top + (bottom - top - (b - t)) / 2 - t + offset[1]
    if shadow:
        draw.text((x + k, y + k), text, font=face, fill=shadow)
    draw.text((x, y), text, font=face, fill=fill)


def fitting_font(look, text, max_width, size, language):
    while size > 8:
        face = fonts.face(look, size, text, language)
        l, _, r, _ = face.getbbox(text)
        if r - l <= max_width:
            return face
        size -= 1
    return fonts.face(look, size, text, language)


def gold_text(image, box, text, face, colours, k=1):
    """Text filled with a vertical gradient of the profile's two colours and a dark outline."""
    mask = Image.new("L", image.size, 0)
    centred_text(ImageDraw.Draw(mask), box, text, face, 255)
    outline = mask.filter(ImageFilter.MaxFilter(2 * k + 1))
    image.paste((20, 12, 4), (0, 0), outline)
    light, dark = colours
    gradient = vertical_gradient(image.size, [(0.0, light), (1.0, dark)])
    top = max(0, box[1])
    bottom = min(image.size[1], box[3])
    shifted = gradient.resize((image.size[0], max(1, bottom - top)))
    full = Image.new("RGB", image.size, dark)
    full.paste(shifted, (0, top))
    image.paste(full, (0, 0), mask)


def draw_logo(background, profile, language, k=1):
    """The logo at K times its size, over BACKGROUND of the same scale."""
    size = times(LOGO_SIZE, k)
    logo = background.crop((0, 0) + size).convert("RGBA")
    shade = Image.new("RGBA", size, (0, 0, 0, 0))
    sdraw = ImageDraw.Draw(shade)
    sdraw.ellipse(scaled(k, 6, 4, 124, 112), fill=(4, 4, 14, 170))
    sdraw.ellipse(scaled(k, 10, 8, 120, 108), outline=(214, 170, 92, 230), width=2 * k)
    sdraw.ellipse(scaled(k, 15, 13, 115, 103), outline=(120, 90, 50, 200), width=k)
    logo = Image.alpha_composite(logo, shade.filter(ImageFilter.GaussianBlur(0.6 * k)))
    logo = logo.convert("RGB")
    draw = ImageDraw.Draw(logo)
    colours = (profile.light, profile.dark)
    centred_text(draw, scaled(k, 0, 20, 130, 36), profile.logo_above,
                 fonts.face("sans", 11 * k, profile.logo_above, language), (226, 214, 196),
                 shadow=(0, 0, 0), k=k)
    draw.rectangle(scaled(k, 32, 39) + [98 * k + k - 1, 39 * k + k - 1], fill=(200, 156, 80))
    subtitle = profile.logo_words.get(language, profile.logo_word)
    gold_text(logo, scaled(k, 12, 42, 118, 66), subtitle,
              fitting_font("serif", subtitle, 98 * k, 18 * k, language), colours, k)
    gold_text(logo, scaled(k, 0, 66, 130, 98), profile.logo_below,
              fonts.face("serif", 26 * k, profile.logo_below, language), colours, k)
    return logo


BUTTON_LOOKS = {  # state: gradient stops, border, text and glow colours
    "UP": ([(0, (58, 56, 84)), (0.5, (30, 28, 50)), (1, (18, 16, 32))],
           (150, 118, 70), (236, 222, 196), None),
    "ROLLOVER": ([(0, (196, 128, 52)), (0.5, (132, 72, 24)), (1, (88, 42, 14))],
                 (255, 214, 130), (255, 248, 226), (255, 180, 80)),
    "DOWN": ([(0, (12, 10, 20)), (0.5, (34, 22, 20)), (1, (70, 42, 22))],
             (110, 80, 44), (214, 176, 116), None),
}


def capitals(label, language):
    """LABEL in capitals as LANGUAGE writes them. German "ß" becomes "SS", the usual rule for
    text set in capitals; a label written with the capital "ẞ" keeps it."""
    if language.split("-")[0] in DOTTED_CAPITAL_I:
        label = label.replace("i", "İ")
    return label.upper()


def draw_button(background, top, label, language, state, k=1):
    """A button's picture at K times its size, over BACKGROUND of the same scale, for the row
    whose top is TOP."""
    size = times(BUTTON_SIZE, k)
    width, height = BUTTON_SIZE
    picture = background.crop(scaled(k, COLUMN_LEFT, top, COLUMN_LEFT + width, top + height))
    picture = picture.convert("RGBA")
    plate = Image.new("RGBA", size, (0, 0, 0, 0))
    pdraw = ImageDraw.Draw(plate)
    # Edges of whole 96 DPI pixels: a 96 DPI pixel's last row or column is k - 1 further on.
    box = [k, k, (width - 1) * k - 1, (height - 1) * k - 1]
    stops, border, text, glow = BUTTON_LOOKS[state]
    fill = vertical_gradient(size, stops)
    mask = Image.new("L", size, 0)
    ImageDraw.Draw(mask).rounded_rectangle(box, radius=7 * k, fill=255)
    plate.paste(fill.convert("RGBA"), (0, 0), mask)
    pdraw.rounded_rectangle(box, radius=7 * k, outline=border + (255,), width=k)
    lines = {"UP": [(2, (120, 116, 160, 160))], "DOWN": [(2, (0, 0, 0, 200)), (3, (0, 0, 0, 110))]}
    for y, colour in lines.get(state, []):
        pdraw.rectangle([8 * k, y * k, (width - 8) * k - 1, (y + 1) * k - 1], fill=colour)
    if glow:
        halo = Image.new("RGBA", size, (0, 0, 0, 0))
        ImageDraw.Draw(halo).rounded_rectangle([3 * k, 3 * k, (width - 3) * k - 1,
                                                (height - 3) * k - 1], radius=6 * k,
                                               outline=glow + (150,), width=2 * k)
        plate = Image.alpha_composite(plate, halo.filter(ImageFilter.GaussianBlur(1.2 * k)))
    picture = Image.alpha_composite(picture, plate)
    draw = ImageDraw.Draw(picture)
    # Diamonds either side of the label, and the label itself; pressed moves it down a pixel.
    shift = (k, k) if state == "DOWN" else (0, 0)
    for x in (22, width - 23):
        cx, cy = x * k + shift[0], height // 2 * k + shift[1]
        d = 4 * k
        draw.polygon([(cx, cy - d), (cx + d, cy), (cx, cy + d), (cx - d, cy)], fill=border + (255,))
    label = capitals(label, language)
    face = fitting_font("sans", label, (width - 70) * k, 15 * k, language)
    centred_text(draw, (0, 0) + size, label, face, text + (255,),
                 shadow=(0, 0, 0, 255), offset=shift, k=k)
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


def write_compressed(image, path):
    """IMAGE as PATH.qoi, in 24-bit colour. qoiconv reads PNG only: PATH.png lives for the call."""
    lossless = path + ".png"
    image.convert("RGB").save(lossless, compress_level=1)
    try:
        subprocess.run(["qoiconv", lossless, path + ".qoi"], check=True, stdout=subprocess.DEVNULL)
    except FileNotFoundError:
        sys.exit("make_game: qoiconv is missing: make setup installs Debian's qoi")
    finally:
        os.remove(lossless)


def draw_icon_master(profile):
    size = ICON_SIZE[0]
    icon = Image.new("RGBA", ICON_SIZE, (0, 0, 0, 0))
    draw = ImageDraw.Draw(icon)
    draw.ellipse([8, 8, 248, 248], fill=(18, 16, 40, 255), outline=(214, 170, 92, 255), width=14)
    draw.ellipse([34, 34, 222, 222], outline=(120, 90, 50, 255), width=5)
    face = fonts.face("serif", 150, profile.icon_letter)
    layer = Image.new("RGB", (size, size), (0, 0, 0))
    gold_text(layer, (0, 0, size, size - 10), profile.icon_letter, face, (profile.light, profile.dark))
    mask = Image.new("L", (size, size), 0)
    centred_text(ImageDraw.Draw(mask), (0, 0, size, size - 10), profile.icon_letter, face, 255)
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




def write_icon(path, master):
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


def dithered(image):
    """The picture in 5 bits a channel, its rounding spread by ordered dithering."""
    result = image.copy()
    source, target = image.load(), result.load()
    width, height = image.size
    for y in range(height):
        row = BAYER[y % 4]
        for x in range(width):
            offset = row[x % 4] // 2
            target[x, y] = tuple(min(255, c + offset) & ~7 for c in source[x, y])
    return result


# What Art.picture answers for a large picture the publisher left out beside a small one they
# gave: the launcher enlarges the small one, and no large one is written.
ENLARGED = "enlarged"


def png_size(path):
    """(width, height) as a PNG file's header gives them; None for a file that is no PNG."""
    with open(path, "rb") as f:
        head = f.read(24)
    if len(head) < 24 or head[:8] != PNG_SIGNATURE or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


# What Explorer and Finder write into a folder of pictures, besides dot-files.
LEFT_BY_FILE_MANAGERS = ("thumbs.db", "desktop.ini")


class Art:
    """The pictures of the profile's art/ folder by name ("play-up-en"), each used once."""

    def __init__(self, profile):
        self.folder = os.path.join(profile.folder, "art")
        self.files = {}
        # Every file of no use is named at once.
        self.problems = []
        if os.path.isdir(self.folder):
            sounds = {os.path.basename(path) for path in profile.sounds.values()}
            for entry in sorted(set(os.listdir(self.folder)) - sounds):
                if entry.startswith(".") or entry.lower() in LEFT_BY_FILE_MANAGERS:
                    continue
                name, extension = os.path.splitext(entry)
                if extension.lower() != ".png":
                    self.problems.append("%s: the art folder takes PNG pictures (NAME.png) and "
                                         "the sounds [sounds] names only" %
                                         os.path.join(self.folder, entry))
                elif name.lower() in self.files:
                    self.problems.append("%s and %s: two pictures of one name (names are the "
                                         "same in any case)" % (
                                             os.path.join(self.folder, self.files[name.lower()]), entry))
                else:
                    self.files[name.lower()] = entry
        self.used = set()

    def find(self, names, suffix):
        """The first of NAMES given, with SUFFIX for a large picture; ENLARGED when that name was
        given only small."""
        for name in names:
            if name in self.files:
                if name + suffix not in self.files:
                    return ENLARGED
                self.used.add(name + suffix)
                return os.path.join(self.folder, self.files[name + suffix])
        return None

    def unused(self):
        return [self.files[name] for name in sorted(set(self.files) - self.used)]

    def picture(self, names, size, underlay, k=1, mode="RGB"):
        """The first of NAMES in art/ at K times SIZE, over UNDERLAY where it is transparent."""
        path = self.find(names, SCALES[k - 1][2])
        if path in (None, ENLARGED):
            return path
        size = times(size, k)
        # The size its header gives first: a picture of the wrong size is never decoded.
        header_size = png_size(path)
        if header_size is None:
            raise ValueError("%s: is not a PNG picture" % path)
        if header_size != size:
            raise ValueError("%s: is %d x %d pixels; it must be %d x %d" %
                             (path, *header_size, *size))
        try:
            image = Image.open(path, formats=["PNG"])
            image.load()
        except (OSError, Image.DecompressionBombError) as error:
            raise ValueError("%s: is not a PNG picture Pillow reads: %s" % (path, error))
        image = Image.alpha_composite(underlay.convert("RGBA"), image.convert("RGBA"))
        # The icon keeps its own colours and transparency: its formats hold both. Of the others,
        # the small ones go into 16 bits a pixel, the large ones keep every bit.
        if mode == "RGBA":
            return image
        return dithered(image.convert("RGB")) if k == 1 else image.convert("RGB")


def check_logo_texts(profile, language, field):
    words = "logo.words." + (language if language in profile.logo_words else "default")
    for name, look, text in [("logo.above", "sans", profile.logo_above),
                             ("logo.below", "serif", profile.logo_below),
                             (words, "serif", profile.logo_words.get(language, profile.logo_word))]:
        fonts.check(field + name, look, text)


def write_pictures(profile, folder):
    """Writes bitmaps/, bitmaps.rc and launcher.ico into FOLDER; ValueError names every file of
    art/ of no use, or the first bad picture or text to draw that no font has."""
    art = Art(profile)
    if art.problems:
        raise ValueError("\n".join(art.problems))
    field = os.path.join(profile.folder, "game.toml") + ": "
    bitmaps = os.path.join(folder, "bitmaps")
    os.makedirs(bitmaps, exist_ok=True)
    rc = ["// Written by tools/profile/make_game.py: the launcher's pictures. The language of a picture",
          "// is part of its name, so all of them are stored once, in US English.",
          '#include "resource.h"', "", "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US", ""]

    def write(name, image, file=None):
        if image is ENLARGED:
            return
        file = file or name
        if name.endswith(SCALES[1][1]):
            write_compressed(image, os.path.join(bitmaps, file))
            rc.append('%s %s "bitmaps/%s.qoi"' % (name, COMPRESSED_TYPE, file))
            return
        with open(os.path.join(bitmaps, file + ".bmp"), "wb") as f:
            f.write(bmp555(image))
        rc.append('%s BITMAP "bitmaps/%s.bmp"' % (name, file))

    languages = sorted(profile.labels)
    column_top = min(top for state in game_menu.STATES
                     for _, _, top in game_menu.column(profile.menu, state))
    small_background = None
    for k, suffix, _ in SCALES:
        black = Image.new("RGB", times(BACKGROUND_SIZE, k))
        background = (art.picture(["background"], BACKGROUND_SIZE, black, k) or
                      draw_background(column_top, k))
        write("IDB_BACKGROUND" + suffix, background, "background" + suffix.lower())
        if background is ENLARGED:
            # What the launcher will show, for the pictures drawn over it.
            background = small_background.resize(times(BACKGROUND_SIZE, k), Image.BICUBIC)
        if small_background is None:
            small_background = background
        for language in languages:
            logo = art.picture(["logo-" + language, "logo"], LOGO_SIZE,
                               background.crop((0, 0) + times(LOGO_SIZE, k)), k)
            if logo is None:
                check_logo_texts(profile, language, field)
            write("IDB_GAME_LOGO_" + language.upper() + suffix,
                  logo or draw_logo(background, profile, language, k))
        for (button, top), base in game_menu.picture_bases(profile.menu).items():
            underlay = background.crop(scaled(k, COLUMN_LEFT, top, COLUMN_LEFT + BUTTON_SIZE[0],
                                              top + BUTTON_SIZE[1]))
            # A language without a label of its own shows the English pictures.
            for state, language in [(s, code) for s in STATES for code in languages
                                    if button in profile.labels[code]]:
                name = "%s-%s-%s" % (button, state.lower(), language)
                picture = art.picture([name], BUTTON_SIZE, underlay, k)
                label = profile.labels[language][button]
                if picture is None:
                    fonts.check("%sbuttons.%s.%s" % (field, language, button), "sans",
                                capitals(label, language))
                write("%s_%s_%s%s" % (base, state, language.upper(), suffix),
                      picture or draw_button(background, top, label, language, state, k))
    with open(os.path.join(folder, "bitmaps.rc"), "w") as f:
        f.write("\n".join(rc) + "\n")

    clear = Image.new("RGBA", ICON_SIZE, (0, 0, 0, 0))
    icon = art.picture(["icon"], ICON_SIZE, clear, mode="RGBA")
    if icon is None:
        fonts.check(field + "logo.icon", "serif", profile.icon_letter)
    write_icon(os.path.join(folder, "launcher.ico"), icon or draw_icon_master(profile))
    if art.unused():
        raise ValueError("%s: %s: not a picture the launcher carries (background, icon, logo, "
                         "logo-LANGUAGE, BUTTON-STATE-LANGUAGE, for a language of [buttons]; "
                         "each may have a NAME@2x beside it)"
                         % (art.folder, ", ".join(art.unused())))
