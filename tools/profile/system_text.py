"""How the system lays out a text that the launcher draws in its message font: Tahoma 8 pt (11
pixels at 100 %, 22 at 200 %: XP's message font and Wine's), and for Japanese, Chinese and
Korean the CJK font Windows links to it; glyph advances as GDI hints them, lines broken as
DrawText breaks them between words, and inside a word too wide for a line, as an edit control.

FreeType (the system's libfreetype, which Pillow uses too) gives the hinted advances: Pillow's
own layout takes Tahoma's embedded bitmaps at 11 pixels, which GDI does not use.
"""
import ctypes
import ctypes.util
import functools
import unicodedata

import fonts
from fontTools.ttLib import TTFont

MESSAGE_FONT_PIXELS = 11
FT_LOAD_NO_BITMAP = 8
BASE_FONT, LINKED_FONT = fonts.SYSTEM_FONTS


@functools.lru_cache(maxsize=None)
def freetype():
    library = ctypes.CDLL(ctypes.util.find_library("freetype") or "libfreetype.so.6")
    library.FT_New_Face.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_long,
                                    ctypes.POINTER(ctypes.c_void_p)]
    library.FT_Set_Pixel_Sizes.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_uint]
    library.FT_Get_Char_Index.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    library.FT_Get_Char_Index.restype = ctypes.c_uint
    library.FT_Get_Advance.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int32,
                                       ctypes.POINTER(ctypes.c_long)]
    handle = ctypes.c_void_p()
    if library.FT_Init_FreeType(ctypes.byref(handle)):
        raise OSError("FreeType does not start")
    return library, handle


@functools.lru_cache(maxsize=None)
def face(name, pixels):
    library, handle = freetype()
    loaded = ctypes.c_void_p()
    if (library.FT_New_Face(handle, fonts.path(name).encode(), 0, ctypes.byref(loaded)) or
            library.FT_Set_Pixel_Sizes(loaded, 0, pixels)):
        raise OSError("FreeType cannot read " + fonts.path(name))
    return loaded


@functools.lru_cache(maxsize=None)
def advance(character, pixels):
    """The character's advance in whole pixels: a wide one that the base font lacks takes the
    linked font's em, as GDI lays it out; any other its hinted advance."""
    linked = ord(character) not in fonts.characters(BASE_FONT)
    if linked and unicodedata.east_asian_width(character) in "WF":
        return pixels
    library, _ = freetype()
    loaded = face(LINKED_FONT if linked else BASE_FONT, pixels)
    width = ctypes.c_long()
    library.FT_Get_Advance(loaded, library.FT_Get_Char_Index(loaded, ord(character)),
                           FT_LOAD_NO_BITMAP, ctypes.byref(width))
    return round(width.value / 65536)


@functools.lru_cache(maxsize=None)
def line_height(pixels):
    """The base font's ascent and descent, each rounded, as GDI gives them."""
    font = TTFont(fonts.path(BASE_FONT))
    metrics, em = font["OS/2"], font["head"].unitsPerEm
    return round(metrics.usWinAscent * pixels / em) + round(metrics.usWinDescent * pixels / em)


# Where the Unicode line-breaking rules let a line end: after the spaces, after a slash or hyphen
# that no digit follows, before and after a CJK character but never before a closing mark or a
# small kana, nor after an opening mark.
BREAK_AFTER, NO_DIGIT_AFTER = "?!\u2013\u2014", "/-"
NO_BREAK_BEFORE = (",.:;!?)]}/-"
                   "\u3001\u3002\u300d\u300f\u30fc\uff09\uff0c\uff0e\uff1a\uff1b\uff01\uff1f"
                   "\u3041\u3043\u3045\u3047\u3049\u3063\u3083\u3085\u3087\u308e"
                   "\u30a1\u30a3\u30a5\u30a7\u30a9\u30c3\u30e3\u30e5\u30e7\u30ee\u30f5\u30f6")
NO_BREAK_AFTER = "([{\u300c\u300e\uff08"


def is_cjk(character):
    code = ord(character)
    return (0x2E80 <= code <= 0x9FFF or 0xAC00 <= code <= 0xD7AF or 0xF900 <= code <= 0xFAFF or
            0xFF00 <= code <= 0xFFEF)


def may_break(before, after):
    if after.isspace() or after in NO_BREAK_BEFORE or before in NO_BREAK_AFTER:
        return False
    return (before.isspace() or before in BREAK_AFTER or is_cjk(before) or is_cjk(after) or
            (before in NO_DIGIT_AFTER and not after.isdigit()))


def lines(text, room, pixels):
    """How many lines TEXT takes in ROOM pixels, broken as DrawText breaks them: each line as
    many characters as fit, spaces included, back to the last place a line may end; with none,
    after the last character that fits (one at least)."""
    count = 0
    for paragraph in text.split("\n"):
        rest = paragraph
        while True:
            count += 1
            fit, used = 0, 0
            while fit < len(rest) and used + advance(rest[fit], pixels) <= room:
                used += advance(rest[fit], pixels)
                fit += 1
            if fit == len(rest):
                break
            end = next((at for at in range(fit, 0, -1) if may_break(rest[at - 1], rest[at])), 0)
            if end == 0:
                rest = rest[max(fit, 1):]
            else:
                rest = rest[end + 1:] if rest[end] == " " else rest[end:]
    return count
