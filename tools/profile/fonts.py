"""The fonts the launcher's pictures are drawn with, chosen by the characters of each text.

DejaVu draws Latin, Greek and Cyrillic; Noto CJK draws Japanese, Chinese and Korean, in the glyph
forms of the text's language. A text is drawn with the first font of its look that has a glyph
for every character, laid out and shaped by HarfBuzz (libraqm, Pillow's layout where installed).
"""
import functools
import os

from fontTools.ttLib import TTCollection, TTFont
from PIL import ImageFont

FOLDERS = {"DejaVu": "/usr/share/fonts/truetype/dejavu", "NotoS": "/usr/share/fonts/opentype/noto",
           "tahoma": "/usr/share/wine/fonts"}
# Symbols such as "✦" only the sans face has.
LOOKS = {"sans": ["DejaVuSans-Bold.ttf", "NotoSansCJK-Bold.ttc"],
         "serif": ["DejaVuSerif-Bold.ttf", "NotoSerifCJK-Bold.ttc", "DejaVuSans-Bold.ttf"]}
# What the system draws with: its message and caption font (Tahoma, as on XP and under Wine)
# and, for Japanese, Chinese and Korean, the CJK font Windows links to it.
SYSTEM_FONTS = ["tahoma.ttf", "NotoSansCJK-Bold.ttc"]
# The face of Noto's CJK collections for each language's glyph forms; Chinese (simplified) for
# a CJK character in a text of any other language.
CJK_FACES = {"ja": 0, "ko": 1, "zh": 2}

def path(name):
    return next(os.path.join(folder, name) for prefix, folder in FOLDERS.items()
                if name.startswith(prefix))


@functools.lru_cache(maxsize=None)
def characters(name):
    """The characters the font has glyphs for."""
    font = TTCollection(path(name)).fonts[0] if name.endswith(".ttc") else TTFont(path(name))
    return frozenset(font.getBestCmap())


def drawn(text):
    return {ord(c) for c in text if not c.isspace()}


def font_for(look, text):
    """The first font of the look with every character of TEXT, or None."""
    return next((name for name in LOOKS[look] if drawn(text) <= characters(name)), None)


def first_outside(text, glyphs):
    return next((c for c in text if not c.isspace() and ord(c) not in glyphs), None)


def check(field, look, text):
    """ValueError naming FIELD when no font of the look draws TEXT."""
    character = missing(look, text)
    if character:
        raise ValueError("%s: '%s' (U+%04X) is in no font the pictures are drawn with (DejaVu, "
                         "Noto CJK)" % (field, character, ord(character)))


def missing(look, text):
    """None when a font of the look draws all of TEXT; else the character that stops it: the
    first that none of them has, or the first that the look's first font lacks."""
    if font_for(look, text):
        return None
    every = set().union(*(characters(name) for name in LOOKS[look]))
    return first_outside(text, every) or first_outside(text, characters(LOOKS[look][0]))


@functools.lru_cache(maxsize=None)
def system_characters():
    return frozenset().union(*(characters(name) for name in SYSTEM_FONTS))


def system_missing(text):
    """The first character of TEXT that the system's fonts would show as an empty box, or None."""
    return first_outside(text, system_characters())


def face(look, size, text, language="en"):
    """A font of the look at SIZE pixels that draws TEXT, in LANGUAGE's glyph forms."""
    name = font_for(look, text) or LOOKS[look][0]
    index = CJK_FACES.get(language, CJK_FACES["zh"]) if name.endswith(".ttc") else 0
    return ImageFont.truetype(path(name), size, index=index)
