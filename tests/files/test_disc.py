#!/usr/bin/python3
"""A disc made from a publisher's folder (tools/disc/make_disc.py, tools/disc/make_iso.sh) for
the game being built: every file the profile names checked before any image is written, what
no disc can carry refused, the folder itself never written, and what it holds (spaces, accents,
deep folders, the longest names Joliet keeps) on the image byte for byte.
"""
import filecmp
import hashlib
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
BUILD = os.path.join(ROOT, "build", "win32")
sys.path.insert(0, os.path.join(ROOT, "tools", "disc"))
sys.path.insert(0, os.path.join(ROOT, "tools", "profile"))
import make_disc  # noqa: E402
from game_profile import read_profile  # noqa: E402


def game_profile():
    with open(os.path.join(BUILD, "game", "game.env"), encoding="utf-8") as f:
        line = next(line for line in f if line.startswith("GAME_PROFILE="))
    return line.split("=", 1)[1].strip().strip("'")


PROFILE = game_profile()


def run(*arguments, **environment):
    return subprocess.run(list(arguments), capture_output=True, text=True, cwd=ROOT,
                          env=dict(os.environ, **environment))


def snapshot(folder):
    """Every name under FOLDER with its size, date and digest."""
    seen = {}
    for here, _, files in os.walk(folder):
        for name in files:
            path = os.path.join(here, name)
            with open(path, "rb") as f:
                seen[path] = (os.stat(path).st_mtime_ns, hashlib.sha256(f.read()).hexdigest())
    return seen


class PublisherDisc(unittest.TestCase):
    def setUp(self):
        scratch = tempfile.TemporaryDirectory()
        self.addCleanup(scratch.cleanup)
        self.scratch = scratch.name
        # The publisher's folder: every file the profile names (the stand-ins, as files).
        self.own = os.path.join(self.scratch, "Tidewright Gold – édition")
        self.assertEqual(run(sys.executable, "tools/disc/make_disc.py", "--stand-ins", PROFILE,
                             self.own, BUILD).returncode, 0)
        for name in ("launcher.exe", "autorun.inf"):
            os.remove(os.path.join(self.own, name))
        os.remove(self.own + ".signed")

    def disc(self):
        return run(sys.executable, "tools/disc/make_disc.py", "--folder", self.own,
                   PROFILE, os.path.join(self.scratch, "layout"), BUILD)

    def image(self):
        """The ISO `make disc` writes from the folder, and how its making went."""
        iso = os.path.join(self.scratch, "disc.iso")
        return iso, run("tools/disc/make_iso.sh", iso, os.path.join(self.scratch, "layout"),
                        DISC_FOLDER=self.own)

    def test_every_missing_file_is_named_and_no_image_is_written(self):
        files = [(field, path) for field, path, kind in make_disc.referenced(read_profile(PROFILE))
                 if kind == "file"]
        missing = files[:1] + files[len(files) // 2:len(files) // 2 + 1] + files[-1:]
        for _, path in missing:
            os.remove(make_disc.find(self.own, path))
        iso, made = self.image()
        self.assertNotEqual(made.returncode, 0)
        for field, path in missing:
            self.assertIn("game.toml: %s: '%s' is not on the disc" % (field, path), made.stderr)
        self.assertFalse(os.path.exists(iso))

    def test_what_no_disc_can_carry_is_refused_all_at_once(self):
        open(os.path.join(self.own, "AUTORUN.INF"), "w").close()
        long_name = os.path.join(self.own, "x" * 104 + ".txt")
        open(long_name, "w").close()
        huge = os.path.join(self.own, "data.pak")
        with open(huge, "wb") as f:
            f.truncate(4 * 1024 ** 3)
        made = self.disc()
        self.assertNotEqual(made.returncode, 0)
        for text in ("AUTORUN.INF: the disc's autorun.inf is the launcher's own",
                     long_name + ": the name has 108 characters; a disc's names (Joliet) hold at most 103",
                     huge + ": is 4294967296 bytes; a file on the disc must be under 4 GiB"):
            self.assertIn(text, made.stderr)

    def test_the_image_holds_the_folder_byte_for_byte_and_the_folder_is_untouched(self):
        deep = os.path.join(self.own, *["Bonus Content %d" % n for n in range(12)])
        os.makedirs(deep)
        for name in ("y" * 99 + ".txt", "Carte du monde – Régate.pdf", "地図.txt"):
            with open(os.path.join(deep, name), "w", encoding="utf-8") as f:
                f.write(name)
        before = snapshot(self.own)
        iso, made = self.image()
        self.assertEqual(made.returncode, 0, made.stderr)
        self.assertEqual(snapshot(self.own), before)
        read = os.path.join(self.scratch, "read")
        subprocess.run(["xorriso", "-read_fs", "norock", "-osirrox", "on", "-indev", iso,
                        "-extract", "/", read], capture_output=True, check=True)
        compared = filecmp.dircmp(self.own, read)
        self.assertEqual(sorted(compared.left_only), [])
        self.assertEqual(sorted(compared.right_only), ["autorun.inf", "launcher.exe"])
        self.assertTrue(filecmp.cmp(os.path.join(deep, "地図.txt"),
                                    os.path.join(read, os.path.relpath(deep, self.own), "地図.txt"),
                                    shallow=False))


class Label(unittest.TestCase):
    def test_a_title_is_cut_at_a_word_to_what_windows_shows(self):
        for title, label in [("Zentrava: Kelvane 2", "Zentrava: Kelvane 2"),
                             ("Tidewright™: Salt & Signal — Régate Edition", "Tidewright™: Salt & Signal"),
                             ("A" * 40, "A" * 32),
                             ("ゲーム" * 12, "ゲーム" * 10 + "ゲー")]:
            self.assertEqual(make_disc.disc_label(title), label)


if __name__ == "__main__":
    unittest.main()
