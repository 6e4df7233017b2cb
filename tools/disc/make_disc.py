#!/usr/bin/python3
"""Lays out a game's disc in a folder of the build: the publisher's own files (the profile's
[disc] folder), copied as they are, with the launcher and autorun.inf at the root; or the demo
programs and documents standing in for them. Then checks that every file the profile points at
is there, as Windows finds it (in any case), so that no button of the disc asks for the disc.

    /usr/bin/python3 tools/disc/make_disc.py [--stand-ins | --or-stand-ins | --folder PATH] \
        PROFILE LAYOUT BUILD

LAYOUT is written anew; the publisher's folder is only read. BUILD holds launcher.exe and
demo/. LAYOUT.signed lists the programs to sign, the launcher first.
"""
import argparse
import os
import shutil
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "profile"))
from game_profile import ProfileError, read_profile  # noqa: E402
import make_documents  # noqa: E402

LAUNCHER, AUTORUN = "launcher.exe", "autorun.inf"
# What Joliet can hold with long names, and what one ISO 9660 extent can.
JOLIET_NAME_LIMIT = 103
FILE_SIZE_LIMIT = 4 * 1024 ** 3
# Windows shows at most this much of a disc's label.
LABEL_LIMIT = 32
LABEL_TRIM = " \t-–—:;,.&+/|"


class Problems(list):
    def __init__(self, profile):
        super().__init__()
        self.where = os.path.join(profile.folder, "game.toml")

    def field(self, field, text):
        self.append("%s: %s: %s" % (self.where, field, text))


def utf16_length(text):
    return len(text.encode("utf-16-le")) // 2


def disc_label(title):
    """The title as autorun.inf's label: cut at a word boundary to what Windows shows."""
    if utf16_length(title) <= LABEL_LIMIT:
        return title
    cut = title
    while utf16_length(cut) > LABEL_LIMIT:
        cut = cut[:-1]
    words = cut.rsplit(" ", 1)[0] if " " in cut else cut
    return words.rstrip(LABEL_TRIM) or cut


def autorun(profile):
    """autorun.inf in UTF-16 with its byte-order mark, which Windows' profile functions read as
    Unicode on every code page."""
    lines = ["[autorun]", "open=" + LAUNCHER, "icon=%s,0" % LAUNCHER, "label=" + disc_label(profile.title)]
    return ("\ufeff" + "\r\n".join(lines) + "\r\n").encode("utf-16-le")


def inside(path):
    """A profile's disc path as a list of names: '.\\redist\\x.exe' -> ['redist', 'x.exe']."""
    return [part for part in path.replace("/", "\\").split("\\") if part not in ("", ".")]


def find(root, path):
    """The real path of PATH under ROOT, matching each name in any case; None where missing."""
    here = root
    for name in inside(path):
        try:
            entries = os.listdir(here)
        except OSError:
            return None
        match = next((e for e in entries if e == name), None) or \
            next((e for e in entries if e.casefold() == name.casefold()), None)
        if match is None:
            return None
        here = os.path.join(here, match)
    return here


def check_own_folder(profile, problems):
    """What of the publisher's folder no disc can carry: a name the launcher's own files take, a
    name too long for Joliet, a file too large for one extent."""
    folder = profile.disc_folder
    if not os.path.isdir(folder):
        problems.field("disc.folder", "%s is not a folder" % folder)
        return
    for entry in os.listdir(folder):
        if entry.casefold() in (LAUNCHER, AUTORUN):
            problems.field("disc.folder", "%s: the disc's %s is the launcher's own; rename yours"
                           % (os.path.join(folder, entry), entry.casefold()))
    for here, folders, files in os.walk(folder, followlinks=True):
        for name in folders + files:
            path = os.path.join(here, name)
            if utf16_length(name) > JOLIET_NAME_LIMIT:
                problems.field("disc.folder", "%s: the name has %d characters; a disc's names "
                               "(Joliet) hold at most %d" % (path, utf16_length(name),
                                                             JOLIET_NAME_LIMIT))
            size = os.path.getsize(path) if name in files else 0
            if size >= FILE_SIZE_LIMIT:
                problems.field("disc.folder", "%s: is %d bytes; a file on the disc must be under "
                               "4 GiB (split it, as installers do)" % (path, size))


def referenced(profile):
    """(field, path on the disc, kind) of every place the profile points at on the disc, for the
    buttons its menu shows."""
    actions = {entry.action for entry in profile.menu}
    places = []
    if "play" in actions:
        places.append(("setup.program", profile.setup, "file"))
    for action, field, (default, others) in [("manual", "manual", (profile.manual, profile.manuals)),
                                             ("readme", "guide", (profile.guide, profile.guides))]:
        if action in actions:
            places += [("%s.%s" % (field, code), path, "file")
                       for code, path in [("default", default)] + sorted(others.items())]
    if "manual" in actions:
        places.append(("reader.folder", profile.reader_folder, "folder"))
        places += [("reader.prefixes", prefix, "installer") for prefix in profile.reader_prefixes]
    for number, entry in enumerate(profile.menu, 1):
        field = "menu.%d." % number
        if entry.action == "program":
            places.append((field + "program", entry.program, "file"))
        elif entry.action == "document":
            default, others = entry.file
            places += [(field + "file." + code, path, "file")
                       for code, path in [("default", default)] + sorted(others.items())]
        elif entry.action == "explore":
            places.append((field + "folder", entry.folder, "folder"))
    places += [("disc.sign", path, "file") for path in profile.signed]
    return places


def check_references(profile, layout, problems):
    for field, path, kind in referenced(profile):
        if kind == "installer":
            folder = find(layout, profile.reader_folder)
            names = os.listdir(folder) if folder and os.path.isdir(folder) else []
            if not any(n.casefold().startswith(path.casefold()) and n.casefold().endswith(".exe")
                       for n in names):
                problems.field(field, "no installer %s*.exe in %s" % (path, profile.reader_folder))
            continue
        found = find(layout, path)
        if found is None or os.path.isdir(found) != (kind == "folder"):
            problems.field(field, "'%s' is not on the disc%s" % (
                path, "" if found is None else " as a " + kind))


def lay_stand_ins(profile, layout, build):
    """The demo setup, game, reader installer and documents, where the profile names them."""
    def place(source, path):
        target = os.path.join(layout, *inside(path))
        os.makedirs(os.path.dirname(target), exist_ok=True)
        shutil.copyfile(os.path.join(build, "demo", source), target)

    place("setup.exe", profile.setup)
    place("game.exe", "payload\\" + profile.default_app_file)
    for prefix in profile.reader_prefixes:
        place("reader.exe", profile.reader_folder + prefix + "en_US.exe")
    for entry in profile.menu:
        # A prerequisite's setup is stood in for by the reader's stand-in.
        if entry.action == "program":
            place("reader.exe", entry.program)
        elif entry.action == "explore":
            os.makedirs(os.path.join(layout, *inside(entry.folder)), exist_ok=True)
    # The documents are read from the disc, and from the installation once the setup has copied
    # the payload.
    make_documents.write_all(profile, [layout, os.path.join(layout, "payload")])


def copy_own(folder, layout):
    """The publisher's files as they are: names, dates and modes; links followed, since a
    disc's Joliet names cannot carry them."""
    for here, folders, files in os.walk(folder, followlinks=True):
        target = os.path.join(layout, os.path.relpath(here, folder))
        os.makedirs(target, exist_ok=True)
        for name in files:
            shutil.copy2(os.path.join(here, name), os.path.join(target, name))
    for here, folders, _ in os.walk(folder, topdown=False, followlinks=True):
        shutil.copystat(here, os.path.join(layout, os.path.relpath(here, folder)))


def disc_date(folder):
    """SOURCE_DATE_EPOCH, else the newest date in FOLDER: the date of what the disc adds to the
    publisher's files, so that the same folder makes the same disc."""
    if os.environ.get("SOURCE_DATE_EPOCH"):
        return int(os.environ["SOURCE_DATE_EPOCH"])
    return max(int(os.stat(os.path.join(here, name)).st_mtime)
               for here, folders, files in os.walk(folder, followlinks=True)
               for name in files + folders + ["."])


def date_what_is_new(layout, own, date):
    """The launcher, autorun.inf, the stand-ins and their folders take the disc's date; the
    publisher's files keep theirs."""
    for here, folders, files in os.walk(layout, topdown=False):
        inside = os.path.relpath(here, layout)
        for name in files + ["."]:
            if own is None or not os.path.lexists(os.path.join(own, inside, name)) or \
                    inside == "." and name.casefold() in (LAUNCHER, AUTORUN):
                os.utime(os.path.join(here, name), (date, date))


def lay_out(profile, layout, build, stand_ins):
    problems = Problems(profile)
    own = None if stand_ins == "only" else profile.disc_folder
    if own is None and not profile.stand_ins:
        if stand_ins != "fallback":
            problems.field("disc.folder", "is required to make the disc: the folder of the "
                           "disc's own files (setup, game data, documents)")
            return problems
        print("make_disc: %s names no folder of the disc's files ([disc] folder): laid out the "
              "demo programs in their places" % problems.where)
    if own:
        # The layout is written anew: neither may hold the other.
        mine, theirs = os.path.realpath(layout), os.path.realpath(own)
        if (mine + os.sep).startswith(theirs + os.sep) or theirs.startswith(mine + os.sep):
            problems.field("disc.folder", "%s and the build's %s must be apart" % (own, layout))
        check_own_folder(profile, problems)
        if problems:
            return problems
    shutil.rmtree(layout, ignore_errors=True)
    os.makedirs(layout)
    if own is None or profile.stand_ins:
        lay_stand_ins(profile, layout, build)
    if own:
        copy_own(own, layout)
    shutil.copyfile(os.path.join(build, LAUNCHER), os.path.join(layout, LAUNCHER))
    with open(os.path.join(layout, AUTORUN), "wb") as f:
        f.write(autorun(profile))
    date_what_is_new(layout, own, disc_date(own or profile.folder))
    check_references(profile, layout, problems)
    with open(layout.rstrip(os.sep) + ".signed", "w", encoding="utf-8") as f:
        f.write("".join(p + "\n" for p in [os.path.join(layout, LAUNCHER)] +
                        [find(layout, path) or path for path in profile.signed]))
    return problems


def main():
    parser = argparse.ArgumentParser(description="Lays out a game's disc from its profile.")
    choice = parser.add_mutually_exclusive_group()
    choice.add_argument("--stand-ins", dest="stand_ins", action="store_const", const="only",
                        help="the demo programs and documents alone (the tests' discs)")
    choice.add_argument("--or-stand-ins", dest="stand_ins", action="store_const", const="fallback",
                        help="the demo programs where the profile names no folder of its own")
    choice.add_argument("--folder", help="the disc's own files from this folder instead of the "
                        "profile's, without stand-ins")
    parser.add_argument("profile")
    parser.add_argument("layout")
    parser.add_argument("build")
    arguments = parser.parse_args()
    try:
        profile = read_profile(arguments.profile)
    except ProfileError as error:
        sys.exit("make_disc: the profile stops the disc:\n%s" % error)
    if arguments.folder:
        profile.disc_folder, profile.stand_ins = arguments.folder, False
    problems = lay_out(profile, arguments.layout, arguments.build, arguments.stand_ins)
    if problems:
        sys.exit("make_disc: the disc cannot be made:\n" + "\n".join(problems))


if __name__ == "__main__":
    main()
