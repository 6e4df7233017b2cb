#!/usr/bin/python3
"""Broken game profiles stop the build with a message naming the file, the field and the rule.

Each case copies games/example, breaks one thing and runs the build's own step
(tools/profile/make_game.py) on it. Standard library and Pillow only.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

from PIL import Image

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
EXAMPLE = os.path.join(ROOT, "games", "example")


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
    ("a country the manual cannot have", replace("de = 'docs", "de-AT = 'docs"),
     "manual: 'de-AT' is not a language code"),
    ("a picture of no known name", picture("plya-up-en.png", (300, 32)),
     "plya-up-en.png: not a picture the launcher carries"),
    ("a file that is not a picture", lambda folder: open(os.path.join(folder, "art", "icon.png"), "w").close(),
     "art/icon.png: is not a PNG picture"),
    ("a picture of another format named .png", picture("icon.png", (256, 256), format="BMP"),
     "art/icon.png: is not a PNG picture"),
    ("a picture not in PNG", picture("icon.jpg", (256, 256)),
     "art/icon.jpg: the art folder takes PNG pictures only"),
    ("a huge picture, refused before it is decoded", picture("background.png", (20000, 20000), "1"),
     "art/background.png: is 20000 x 20000 pixels; it must be 635 x 395"),
    ("two pictures whose names differ only in case", picture("Logo.png", (130, 116)),
     "art/Logo.png and logo.png: two pictures of one name"),
    ("a label in no font", replace('exit = "終了"', 'exit = "終了\U00010000"'),
     "game.toml: buttons.ja.exit: '\U00010000' (U+10000) is in no font the pictures are drawn with"),
    ("a reader prefix leaving its folder", replace('"ReaderSetup11_"', "'..\\..\\x_'"),
     "reader.prefixes: '..\\..\\x_' must be the start of a file name in the reader folder"),
    ("a key outside Software", replace("key = 'Software\\", "key = 'System\\"),
     "registry.key: must start with 'Software\\'"),
    ("no English labels", replace("[buttons.en]", "[buttons.it]"),
     "buttons.en: is required"),
    ("not TOML", replace("[web]", "[web"), "game.toml: is not TOML"),
    ("not UTF-8", encode_as("cp1252"), "game.toml: line 10: is not UTF-8 (byte 0x99)"),
    ("a version number over 16 bits", replace('file_version = "2', 'file_version = "70000'),
     "version.file_version: '70000.1.0' has a number over 65535"),
    ("an absolute document path", replace("'docs\\Tidewright_Help.rtf'", "'C:\\Help.rtf'"),
     "guide.default: 'C:\\Help.rtf' must be a path inside its folder"),
    ("a document path climbing out", replace("de = 'docs\\Tidewright_Handbuch", "de = '..\\Handbuch"),
     "manual.de: '..\\Handbuch.pdf' must be a path inside its folder"),
]


class BrokenProfiles(unittest.TestCase):
    def test_each_stops_the_build_naming_what_is_wrong(self):
        for name, breaks, message in BROKEN:
            with self.subTest(name), tempfile.TemporaryDirectory() as scratch:
                profile = os.path.join(scratch, "game")
                shutil.copytree(EXAMPLE, profile)
                breaks(profile)
                output = os.path.join(scratch, "out")
                run = subprocess.run([sys.executable, os.path.join(ROOT, "tools", "profile", "make_game.py"),
                                      profile, output], capture_output=True, text=True)
                self.assertNotEqual(run.returncode, 0)
                self.assertIn(message, run.stderr)
                self.assertFalse(os.path.exists(os.path.join(output, "GameProfile.h")),
                                 "no header for the compiler to take")


if __name__ == "__main__":
    unittest.main()
