#!/usr/bin/python3
"""Broken game profiles stop the build with a message naming the file, the field and the rule.

Each case copies games/example, breaks one thing and runs the build's own step
(tools/profile/make_game.py) on it. Standard library and Pillow only.
"""
import copy
import datetime
import functools
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import tomllib
import unittest

from PIL import Image

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "profile"))
import game_profile  # noqa: E402
import make_art  # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
EXAMPLE = os.path.join(ROOT, "games", "example")


def make_game(profile, output):
    """The build's own step on PROFILE."""
    return subprocess.run([sys.executable, os.path.join(ROOT, "tools", "profile", "make_game.py"),
                           profile, output], capture_output=True, text=True)


def replace(old, new):
    def edit(folder):
        path = os.path.join(folder, "game.toml")
        with open(path, encoding="utf-8") as f:
            text = f.read()
        assert old in text, old
        with open(path, "w", encoding="utf-8") as f:
            f.write(text.replace(old, new, 1))
    return edit


def encode_as(codec):
    def edit(folder):
        path = os.path.join(folder, "game.toml")
        with open(path, encoding="utf-8") as f:
            text = f.read()
        with open(path, "w", encoding=codec, errors="replace") as f:
            f.write(text)
    return edit


def sound(name, data):
    def edit(folder):
        with open(os.path.join(folder, "art", name), "wb") as f:
            f.write(data)
    return edit


def wave(format_tag=1, samples=b"\0\0" * 100, bits=16, sub_format=None):
    fmt = struct.pack("<HHIIHH", format_tag, 1, 22050, 44100, 2, bits)
    if sub_format is not None:
        # WAVE_FORMAT_EXTENSIBLE: the format proper in its sub-format's GUID.
        fmt += struct.pack("<HHI", 22, bits, 4) + struct.pack("<H", sub_format) + \
            bytes.fromhex("000000001000800000aa00389b71")
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + \
        struct.pack("<I", len(samples)) + samples
    return b"RIFF" + struct.pack("<I", len(body)) + body


def picture(name, size, mode="RGB", format=None):
    def edit(folder):
        Image.new(mode, size).save(os.path.join(folder, "art", name), format=format)
    return edit


# What is broken, and what the message must say besides the file's name.
BROKEN = [
    ("a missing title", replace('default = "Tidewright™: Salt & Signal — Régate Edition"\n', ""),
     "game.toml: title.default: is required"),
    ("a manual name outside Windows-1252", replace("Tidewright_Handbuch", "Tidewright_Ω"),
     "game.toml: manual.de: 'Ω' (U+03A9) is not in Windows-1252"),
    ("a picture of the wrong size", picture("background.png", (640, 400)),
     "art/background.png: is 640 x 400 pixels; it must be 635 x 395"),
    ("a large picture of the wrong size", picture("logo@2x.png", (130, 116)),
     "art/logo@2x.png: is 130 x 116 pixels; it must be 260 x 232"),
    ("a large picture without its small one", picture("play-up-en@2x.png", (600, 64)),
     "play-up-en@2x.png: not a picture the launcher carries"),
    ("a message too long for its buffer", replace("Please insert the Tidewright disc.", "x" * 100),
     "insert_disc.default.text: has 100 characters; at most 99 fit"),
    ("an address without its scheme", replace("https://tidewright", "tidewright"),
     "web.address: 'tidewright.example.org/support' is not a full http or https address"),
    ("an unknown language code", replace("[buttons.fr]", "[buttons.fx]"),
     "game.toml: buttons: 'fx' is not a language code this launcher knows"),
    ("a country the manual cannot have", replace("de = 'docs\\Tidewright_Handbuch",
                                                 "de-AT = 'docs\\Tidewright_Handbuch"),
     "manual: 'de-AT' is not a language code"),
    ("a picture of no known name", picture("plya-up-en.png", (300, 32)),
     "plya-up-en.png: not a picture the launcher carries"),
    ("a file that is not a picture", lambda folder: open(os.path.join(folder, "art", "icon.png"), "w").close(),
     "art/icon.png: is not a PNG picture"),
    ("a picture of another format named .png", picture("icon.png", (256, 256), format="BMP"),
     "art/icon.png: is not a PNG picture"),
    ("a picture not in PNG", picture("icon.jpg", (256, 256)),
     "art/icon.jpg: the art folder takes PNG pictures (NAME.png)"),
    ("a huge picture, refused before it is decoded", picture("background.png", (20000, 20000), "1"),
     "art/background.png: is 20000 x 20000 pixels; it must be 635 x 395"),
    ("two pictures whose names differ only in case", picture("Logo.png", (130, 116)),
     "art/Logo.png and logo.png: two pictures of one name"),
    ("an icon letter in no font", replace('icon = "T"', 'icon = "\U00010000"'),
     "game.toml: logo.icon: '\U00010000' (U+10000) is in no font the pictures are drawn with"),
    ("a reader prefix leaving its folder", replace('"ReaderSetup11_"', "'..\\..\\x_'"),
     "reader.prefixes: '..\\..\\x_' must be the start of a file name in the reader folder"),
    ("a key outside Software", replace("key = 'Software\\", "key = 'System\\"),
     "registry.key: must start with 'Software\\'"),
    ("no English labels", replace("[buttons.en]", "[buttons.it]"),
     "buttons.en: is required"),
    ("not TOML", replace("[web]", "[web"), "game.toml: is not TOML"),
    ("not UTF-8", encode_as("cp1252"), "game.toml: line 48: is not UTF-8 (byte 0x96)"),
    ("a version number over 16 bits", replace('file_version = "2', 'file_version = "70000'),
     "version.file_version: '70000.1.0' has a number over 65535"),
    ("an absolute document path", replace("'docs\\Tidewright_Help.rtf'", "'C:\\Help.rtf'"),
     "guide.default: 'C:\\Help.rtf' must be a path inside its folder"),
    ("a document path climbing out", replace("de = 'docs\\Tidewright_Handbuch", "de = '..\\Handbuch"),
     "manual.de: '..\\Handbuch.pdf' must be a path inside its folder"),
    ("an unknown action", replace('action = "explore"', 'action = "explode"'),
     "menu.10.action: 'explode' is not an action"),
    ("Check disc below another button",
     replace('action = "verify"\nshow = "not-installed"\n\n[[menu]]\naction = "play"',
             'action = "play"\n\n[[menu]]\naction = "verify"\nshow = "not-installed"'),
     "menu.2.action: Check disc (verify) must be the first button of [[menu]]"),
    ("a duplicate id", replace('id = "forum"', 'id = "notes"'),
     "menu.8.id: 'notes' is a second button of that id"),
    ("two play entries", replace('action = "exit"\n', 'action = "play"\n'),
     "menu.11.id: 'play' is a second button of that id"),
    ("ten buttons in one state", replace('show = "not-installed"', 'show = "always"'),
     "menu: shows 10 buttons when the game is installed; from 1 to 9 fit"),
    ("an absolute program", replace("'redist\\DirectX June 2010\\DXSETUP.exe'", "'C:\\dxsetup.exe'"),
     "menu.5.program: 'C:\\dxsetup.exe' must be a path inside its folder"),
    ("a folder climbing out", replace("folder = 'Bonus Content\\'", "folder = '..\\'"),
     "menu.10.folder: '..\\' must be a path inside its folder"),
    ("a button without its English label", replace('directx = "Install DirectX"\n', ""),
     "buttons.en.directx: is required"),
    ("a description of no button", replace('notes = "What is new', 'news = "What is new'),
     "descriptions.en.news: is no button of the menu"),
    ("a sound that is no WAV", sound("press.wav", b"not a sound"),
     "%s: is not a WAV file" % os.path.join("art", "press.wav")),
    ("a compressed sound", sound("hover.wav", wave(format_tag=2)), "hover.wav: is compressed (format 0x0002), not PCM"),
    ("a sound over 1 MB", sound("opening.wav", wave(samples=b"\0" * 1048576)),
     "opening.wav: is 1048620 bytes; a sound may have at most 1048576"),
    ("a 24-bit sound", sound("hover.wav", wave(bits=24, format_tag=0xFFFE, sub_format=1)),
     "hover.wav: is 24-bit PCM: 8- and 16-bit play everywhere; convert it to 16-bit PCM"),
    ("a floating-point sound", sound("hover.wav", wave(bits=32, format_tag=3)),
     "hover.wav: is 32-bit floating point, not PCM"),
    ("a misspelt table", replace("[sounds]", "[sound]"),
     "game.toml: sound: is not a table of the profile; did you mean [sounds]?"),
    ("a misspelt language table", replace("[descriptions.en]", "[descripton.en]"),
     "game.toml: descripton: is not a table of the profile; did you mean [descriptions]?"),
    ("a misspelt field", replace("volume_label", "volume_lable"),
     "game.toml: disc.volume_lable: is not a field of [disc]; did you mean volume_label?"),
    ("an emoji the system draws", replace('exit = "Closes this window."', 'exit = "Bye \U0001F44B"'),
     "descriptions.en.exit: '\U0001F44B' (U+1F44B) is in no font Windows draws this text with"),
    ("a descriptions area over the logo and the column",
     replace("area = [494, 24, 628, 164]", "area = [100, 24, 628, 164]"),
     ["descriptions.area: [100, 24, 628, 164] overlaps the logo, which lies at [0, 0, 130, 116]",
      "descriptions.area: [100, 24, 628, 164] overlaps the button column, which lies at [171, "
      "26, 471, 378]"]),
    ("a description longer than its area",
     lambda folder: (replace("area = [494, 24, 628, 164]", "area = [494, 24, 628, 90]")(folder),
                     replace('exit = "Closes this window."', 'exit = "Closes this window and '
                             'leaves the game as it is: nothing is installed, nothing is started,'
                             ' nothing is removed, and the disc stays in the drive."')(folder)),
     "descriptions.en.exit: takes 7 lines at 100 %; descriptions.area holds 5"),
    ("a misspelt field and two stray files in art, all told at once",
     lambda folder: (replace("volume_label", "volume_lable")(folder),
                     picture("notes.png.bak", (1, 1), format="PNG")(folder),
                     picture("cover.jpg", (1, 1))(folder)),
     ["disc.volume_lable: is not a field of [disc]",
      "art/notes.png.bak: the art folder takes PNG pictures", "art/cover.jpg: the art folder"]),
]
# Each is still a profile that builds: what one build can show at once, and the example's own
# texts copied into a profile without its pictures and sounds.
ACCEPTED = [
    ("a byte-order mark, PCM in an extensible header and 8-bit, a sound named with spaces and "
     "capitals, and what Explorer and Finder leave in art", [
         encode_as("utf-8-sig"),
         sound("hover.wav", wave(format_tag=0xFFFE, sub_format=1)),
         sound("press.wav", wave(bits=8)),
         lambda folder: os.rename(os.path.join(folder, "art", "opening.wav"),
                                  os.path.join(folder, "art", "Opening Sound.WAV")),
         replace('opening = "opening.wav"', 'opening = "opening sound.wav"'),
         lambda folder: [open(os.path.join(folder, "art", name), "w").close()
                         for name in ("Thumbs.db", "desktop.ini", ".DS_Store", "._logo.png")]]),
    ("the example's texts without its pictures or sounds", [
        lambda folder: shutil.rmtree(os.path.join(folder, "art")),
        replace('[sounds]\nhover = "hover.wav"\npress = "press.wav"\nopening = "opening.wav"\n', "")]),
]


class BrokenProfiles(unittest.TestCase):
    def test_each_stops_the_build_naming_what_is_wrong(self):
        for name, breaks, message in BROKEN:
            with self.subTest(name), tempfile.TemporaryDirectory() as scratch:
                profile = os.path.join(scratch, "game")
                shutil.copytree(EXAMPLE, profile)
                breaks(profile)
                output = os.path.join(scratch, "out")
                run = make_game(profile, output)
                self.assertNotEqual(run.returncode, 0)
                for text in [message] if isinstance(message, str) else message:
                    self.assertIn(text, run.stderr)
                self.assertFalse(os.path.exists(os.path.join(output, "GameProfile.h")),
                                 "no header for the compiler to take")


class AcceptedProfiles(unittest.TestCase):
    def test_each_builds(self):
        for name, edits in ACCEPTED:
            with self.subTest(name), tempfile.TemporaryDirectory() as scratch:
                profile = os.path.join(scratch, "game")
                shutil.copytree(EXAMPLE, profile)
                for edit in edits:
                    edit(profile)
                run = make_game(profile, os.path.join(scratch, "out"))
                self.assertEqual(run.returncode, 0, run.stderr)


class EveryTypeInEveryField(unittest.TestCase):
    """Any TOML value in any place of the example's profile: a profile error naming the file,
    never a traceback; a value of another type than the example's is refused."""
    SAMPLES = ["text", 7, 2.5, True, datetime.date(2026, 1, 2), [1, "two"], {"name": "x"}]

    def places(self, value, path=()):
        if isinstance(value, dict):
            for name, inner in value.items():
                yield path + (name,), inner
                yield from self.places(inner, path + (name,))
        elif isinstance(value, list) and all(isinstance(item, dict) for item in value):
            for index, inner in enumerate(value):
                yield from self.places(inner, path + (index,))

    def test_each(self):
        with open(os.path.join(EXAMPLE, "game.toml"), "rb") as f:
            example = tomllib.load(f)
        for path, original in self.places(example):
            for sample in self.SAMPLES:
                data = copy.deepcopy(example)
                parent = functools.reduce(lambda node, key: node[key], path[:-1], data)
                parent[path[-1]] = sample
                # A document or an address may be one text for every language.
                by_language = isinstance(original, dict) and isinstance(sample, str)
                with self.subTest(path=path, sample=sample):
                    try:
                        game_profile.read_data(data, EXAMPLE)
                        refused = None
                    except game_profile.ProfileError as error:
                        refused = str(error)
                        self.assertIn("game.toml: ", refused)
                    if type(sample) is not type(original) and not by_language:
                        self.assertIsNotNone(refused)


class TextsByteForByte(unittest.TestCase):
    """Backslashes and quotes, escapes to the resource compiler and to C++, come out of the built
    files as the profile wrote them; labels take their language's capitals."""
    AWKWARD = 'C:\\temp\\new\\x "7"'
    FIELDS = ["caption", "text", "default", "application_title", "company", "play"]

    def test_each_kind(self):
        with tempfile.TemporaryDirectory() as scratch:
            profile, out = os.path.join(scratch, "game"), os.path.join(scratch, "out")
            shutil.copytree(EXAMPLE, profile)
            with open(os.path.join(profile, "game.toml"), encoding="utf-8") as f:
                lines = f.read().splitlines()
            for field in self.FIELDS:  # the first of each: message, title, version, label
                at = next(i for i, line in enumerate(lines) if line.startswith(field + " = "))
                lines[at] = "%s = '%s'" % (field, self.AWKWARD)
            with open(os.path.join(profile, "game.toml"), "w", encoding="utf-8") as f:
                f.write("\n".join(lines))
            self.assertEqual(make_game(profile, out).returncode, 0)
            rc, source, program = (os.path.join(out, name) for name in ("t.rc", "t.cpp", "t"))
            with open(rc, "w") as f:
                f.write('#include <winresrc.h>\n#include "strings.rc"\n#include "version.rc"\n')
            subprocess.run(["i686-w64-mingw32-windres", "-I", os.path.join(ROOT, "res"), "-I", out,
                            rc, "-O", "res", "-o", rc + ".res"], check=True)
            with open(rc + ".res", "rb") as f:
                self.assertEqual(f.read().count(self.AWKWARD.encode("utf-16-le")), 4)
            with open(os.path.join(out, "GameProfile.h")) as f:
                tables = sorted(set(re.findall(r"kMenuTexts\d+", f.read())))
            with open(source, "w") as f:
                f.write('#include <cstdio>\nstruct WideLanguageEntry { const char* c; const wchar_t* text; };\n'
                        '#include "GameProfile.h"\nGAME_MENU_TEXTS\nint main() {\n' + "".join(
                            'for (auto& e : %s) printf("%%ls\\n", e.text);\n' % t for t in tables) + "}\n")
            subprocess.run(["g++", "-I", out, source, "-o", program], check=True)
            self.assertIn(self.AWKWARD, subprocess.run([program], capture_output=True, text=True)
                          .stdout.splitlines())
        for language, label, capitals in [("en", "Exit", "EXIT"), ("tr", "Bilgi ışığı", "BİLGİ IŞIĞI"),
                                          ("az", "Çıxış", "ÇIXIŞ"), ("de", "Schließen", "SCHLIESSEN"),
                                          ("de", "GROẞ", "GROẞ")]:
            self.assertEqual(make_art.capitals(label, language), capitals)


class Menus(unittest.TestCase):
    def test_a_button_that_moves_between_states_has_pictures_for_each_row(self):
        # Uninstall just above Exit: when installed, every button above it sits a row higher.
        with tempfile.TemporaryDirectory() as scratch:
            profile = os.path.join(scratch, "game")
            shutil.copytree(EXAMPLE, profile)
            replace('[[menu]]\naction = "uninstall"\nkey = "Tidewright"\n\n', "")(profile)
            replace('[[menu]]\naction = "exit"', '[[menu]]\naction = "uninstall"\nkey = "Tidewright"'
                    '\n\n[[menu]]\naction = "exit"')(profile)
            output = os.path.join(scratch, "out")
            self.assertEqual(make_game(profile, output).returncode, 0)
            with open(os.path.join(output, "bitmaps.rc")) as f:
                pictures = f.read()
            # Manual: third of nine when installed (y = 106), fourth of nine, under DirectX, not.
            self.assertIn("IDB_MANUAL_BTN_UP_EN BITMAP", pictures)
            self.assertIn("IDB_MANUAL_BTN_Y146_UP_EN BITMAP", pictures)
            self.assertNotIn("IDB_EXIT_BTN_Y", pictures)


class LargePictures(unittest.TestCase):
    def test_keep_the_publishers_colours_unchanged(self):
        with tempfile.TemporaryDirectory() as scratch:
            output, decoded = os.path.join(scratch, "out"), os.path.join(scratch, "decoded.png")
            self.assertEqual(make_game(EXAMPLE, output).returncode, 0)
            subprocess.run(["qoiconv", os.path.join(output, "bitmaps", "background_2x.qoi"),
                            decoded], check=True, stdout=subprocess.DEVNULL)
            publishers = Image.open(os.path.join(EXAMPLE, "art", "background@2x.png"))
            self.assertEqual(Image.open(decoded).tobytes(), publishers.convert("RGB").tobytes())


if __name__ == "__main__":
    unittest.main()
