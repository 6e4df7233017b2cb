#!/usr/bin/python3
"""Writes what the launcher's sources and resources include for one game, from its profile.

    /usr/bin/python3 tools/profile/make_game.py games/zentrava OUTPUT-FOLDER

OUTPUT-FOLDER gets GameProfile.h (the game's texts as C++ literals), version.rc, strings.rc,
launcher.manifest, bitmaps.rc with bitmaps/, launcher.ico, and game.env for the disc scripts.
A broken profile or picture stops the build with a message naming the file, the field and the
rule.
"""
import os
import string
import sys

from game_profile import COUNTRIES, LANGUAGES, REGISTRY_ROOT, ProfileError, read_profile
import game_menu
import make_art

WOW64_ROOT = "Software\\Wow6432Node\\"


def c_literal(text, wide=False):
    """TEXT as a C++ literal: Windows-1252 bytes, or UTF-16 units when WIDE."""
    encoded = text.encode("utf-16-le") if wide else text.encode("cp1252")
    units = [int.from_bytes(encoded[i:i + 2], "little") for i in range(0, len(encoded), 2)] \
        if wide else list(encoded)
    out, escaped = "", False
    for unit in units:
        character = chr(unit)
        if character in '\\"':
            out += "\\" + character
        elif 0x20 <= unit < 0x7F:
            # A hex escape would swallow a hex digit after it: the literal is split there.
            out += ('" "' if escaped and character in string.hexdigits else "") + character
        else:
            out += "\\x%02X" % unit if not wide else "\\x%04X" % unit
            escaped = True
            continue
        escaped = False
    return ('L"%s"' if wide else '"%s"') % out


def entries(table, fallback, wide=False):
    """Initializers of a language table. An array may not be empty, so a profile with no
    language of its own gets English, which the lookup answers with the default anyway."""
    pairs = table.items() if table else [("en", fallback)]
    return ", ".join("{%s, %s}" % (c_literal(code), c_literal(text, wide)) for code, text in pairs)


def header(profile):
    manuals = {code: name for code, name in profile.manuals.items() if code not in
               ("en-US", "fr", "fr-CA")}
    french = profile.manuals.get("fr", profile.manual)
    macros = [
        ("GAME_TITLE_DEFAULT", c_literal(profile.title, wide=True)),
        ("GAME_TITLES", entries(profile.titles, profile.title, wide=True)),
        ("GAME_MANUAL_DEFAULT", c_literal(profile.manual)),
        ("GAME_MANUAL_EN_US", c_literal(profile.manuals.get("en-US", profile.manual))),
        ("GAME_MANUAL_FR", c_literal(french)),
        ("GAME_MANUAL_FR_CA", c_literal(profile.manuals.get("fr-CA", french))),
        ("GAME_MANUALS", entries(manuals, profile.manual)),
        ("GAME_GUIDE_DEFAULT", c_literal(profile.guide)),
        ("GAME_GUIDES", entries(profile.guides, profile.guide)),
        ("GAME_WEB_ADDRESS", c_literal(profile.web, wide=True)),
        ("GAME_REGISTRY_KEY", c_literal(profile.key)),
        ("GAME_REGISTRY_KEY_WOW64", c_literal(WOW64_ROOT + profile.key[len(REGISTRY_ROOT):] + "\\")),
        ("GAME_REGISTRY_KEY_W", c_literal(profile.key, wide=True)),
        ("GAME_PATH_VALUE", c_literal(profile.path_value)),
        ("GAME_PATH_VALUE_W", c_literal(profile.path_value, wide=True)),
        ("GAME_APP_FILE_VALUE", c_literal(profile.app_file_value)),
        ("GAME_APP_FILE_VALUE_W", c_literal(profile.app_file_value, wide=True)),
        ("GAME_INSTALL_FOLDER_W", c_literal("\\" + profile.key[len(REGISTRY_ROOT):], wide=True)),
        ("GAME_DEFAULT_APP_FILE", c_literal(profile.default_app_file)),
        ("GAME_DEFAULT_APP_FILE_W", c_literal(profile.default_app_file, wide=True)),
        ("GAME_SETUP_PROGRAM", c_literal(profile.setup, wide=True)),
        ("GAME_SETUP_PARAMETERS", c_literal(profile.setup_parameters, wide=True)),
        ("GAME_READER_FOLDER", c_literal(profile.reader_folder, wide=True)),
        # A game without Manual may have no reader installers: the array still needs one entry.
        ("GAME_READER_PREFIXES", ", ".join(c_literal(p, wide=True) for p in profile.reader_prefixes or [""])),
    ] + menu_macros(profile)
    lines = ["// Written by tools/profile/make_game.py from %s: edit the profile, not this file." %
             profile_path(profile), "#pragma once", ""]
    return "\n".join(lines + ["#define %s %s" % pair for pair in macros]) + "\n"


class TextTables:
    """The menu's texts by language, as arrays of language entries the menu's initializer names.
    The entry of the code "" is the one every other language falls back to."""

    def __init__(self):
        self.definitions = []
        self.names = {}

    def add(self, fallback, others):
        pairs = tuple(([("", fallback)] if fallback is not None else []) + sorted(others.items()))
        if not pairs:
            return "{nullptr, 0}"
        if pairs not in self.names:
            self.names[pairs] = "kMenuTexts%d" % len(self.definitions)
            self.definitions.append("const WideLanguageEntry %s[] = {%s};" % (
                self.names[pairs], entries(dict(pairs), None, wide=True)))
        return "{%s, %d}" % (self.names[pairs], len(pairs))


def by_face(table, face):
    """A face's texts of a {language: {face: text}} table: (English's, {other language: text})."""
    texts = {code: faces[face] for code, faces in table.items() if face in faces}
    return texts.pop("en", None), texts


def menu_macros(profile):
    """The menu as an initializer of MenuEntry (src/app/GameMenu.h), the descriptions' area and
    colour, and the uninstaller's key for the demo setup."""
    tables = TextTables()
    bases = game_menu.picture_bases(profile.menu)
    rows = []
    for entry in profile.menu:
        faces = []
        for state in game_menu.STATES:
            placed = [(face, top) for e, face, top in game_menu.column(profile.menu, state)
                      if e is entry]
            if not placed:
                faces.append("{nullptr, {nullptr, 0}, {nullptr, 0}}")
                continue
            face, top = placed[0]
            faces.append("{%s, %s, %s}" % (c_literal(bases[face, top]),
                                           tables.add(*by_face(profile.labels, face)),
                                           tables.add(*by_face(profile.descriptions, face))))
        rows.append("{ACTION_%s, {%s}, %s, %s, %s}" % (
            entry.action.upper(), ", ".join(faces), tables.add(*entry.target),
            c_literal(getattr(entry, "parameters", ""), wide=True),
            "true" if getattr(entry, "close", False) else "false"))
    area = profile.description_area or (0, 0, 0, 0)
    colour = profile.description_colour if profile.description_area else (0, 0, 0)
    uninstall = [entry.key for entry in profile.menu if entry.action == "uninstall"]
    return [("GAME_MENU_TEXTS", " ".join(tables.definitions)),
            ("GAME_MENU", ", ".join(rows)),
            ("GAME_DESCRIPTION_AREA", "{%d, %d, %d, %d}" % area),
            ("GAME_DESCRIPTION_COLOUR", "RGB(%d, %d, %d)" % colour),
            ("GAME_UNINSTALL_KEY_W", c_literal(uninstall[0] if uninstall else "", wide=True))]


def rc_text(text):
    """TEXT as a resource-script string, read back byte for byte: the resource compilers take
    backslash escapes in strings, and a quote doubled."""
    def escaped(character):
        if character == '"':
            return '""'
        if character == "\\":
            return "\\\\"
        # Three octal digits, so that a digit after it stays a digit.
        return "\\%03o" % ord(character) if ord(character) < 0x20 else character
    return '"%s"' % "".join(escaped(character) for character in text)


def language_statement(code):
    if code == "default":
        return "LANGUAGE LANG_NEUTRAL, SUBLANG_NEUTRAL"
    language = LANGUAGES[code.split("-")[0]]
    return "LANGUAGE 0x%02X, 0x%02X // %s" % (language, COUNTRIES.get(code, 0), code)


def strings(profile):
    lines = ["// Written by tools/profile/make_game.py: the insert-disc message per language, and the",
             "// application title.", "#pragma code_page(65001)", '#include "resource.h"']
    default_missing, missing = profile.no_uninstaller

    def resolved(table, code, default):
        return table.get(code, table.get(code.split("-")[0], default))

    for code in list(profile.messages) + [c for c in missing if c not in profile.messages]:
        # A block of the language stands in for the whole table: each holds every message.
        caption, text = resolved(profile.messages, code, profile.messages["default"])
        lines += ["", language_statement(code), "STRINGTABLE", "BEGIN"]
        if caption is not None:
            lines.append("    IDS_INSERT_DISC_CAPTION " + rc_text(caption))
        lines.append("    IDS_INSERT_DISC_TEXT " + rc_text(text))
        no_uninstaller = resolved(missing, code, default_missing)
        if no_uninstaller is not None:
            lines.append("    IDS_NO_UNINSTALLER " + rc_text(no_uninstaller))
        if code == "default":
            lines.append("    IDS_APP_TITLE " + rc_text(profile.application_title))
        lines.append("END")
    return "\n".join(lines) + "\n"


def sounds(profile):
    lines = ["// Written by tools/profile/make_game.py: the sounds the launcher plays, if any."]
    lines += ["SOUND_%s WAVE %s" % (name.upper(), rc_text(os.path.abspath(path)))
              for name, path in sorted(profile.sounds.items())]
    return "\n".join(lines) + "\n"


def version_numbers(text):
    numbers = text.split(".") + ["0"] * 3
    return ", ".join(numbers[:4])


def version(profile):
    values = [("CompanyName", profile.company), ("FileDescription", profile.description),
              ("FileVersion", profile.file_version), ("OriginalFilename", "launcher.exe"),
              ("ProductName", profile.product), ("ProductVersion", profile.product_version)]
    return "\n".join([
        "// Written by tools/profile/make_game.py: the launcher's version resource.",
        "#pragma code_page(65001)",
        "VS_VERSION_INFO VERSIONINFO",
        "FILEVERSION " + version_numbers(profile.file_version),
        "PRODUCTVERSION " + version_numbers(profile.product_version),
        "FILEOS VOS_NT_WINDOWS32", "FILETYPE VFT_APP", "BEGIN",
        '    BLOCK "StringFileInfo"', "    BEGIN", '        BLOCK "040904B0"', "        BEGIN"]
        + ['            VALUE "%s", %s' % (name, rc_text(value)) for name, value in values]
        + ["        END", "    END", '    BLOCK "VarFileInfo"', "    BEGIN",
           '        VALUE "Translation", 0x0409, 1200', "    END", "END"]) + "\n"


def xml_text(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;").replace('"', "&quot;")


def manifest(profile):
    template = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "res",
                            "launcher.manifest.in")
    with open(template, encoding="utf-8") as f:
        text = f.read()
    return (text.replace("@NAME@", xml_text(profile.manifest_name))
                .replace("@DESCRIPTION@", xml_text(profile.description)))


def shell_value(text):
    return "'%s'" % text.replace("'", "'\\''")


def environment(profile):
    values = [("GAME_TITLE", profile.title), ("GAME_VOLUME_LABEL", profile.volume_label),
              ("GAME_DEFAULT_APP_FILE", profile.default_app_file.replace("\\", "/")),
              ("GAME_SETUP", profile.setup.replace("\\", "/")),
              ("GAME_PROFILE", os.path.abspath(profile.folder)),
              ("GAME_REGISTRY_KEY", profile.key), ("GAME_PATH_VALUE", profile.path_value),
              ("GAME_APP_FILE_VALUE", profile.app_file_value),
              ("GAME_LANGUAGES", " ".join(sorted(profile.labels))),
              ("GAME_SOUNDS", " ".join(sorted(profile.sounds))),
              # The button the preview points at once installed: Manual, else the second.
              ("GAME_POINTED", pointed(profile)),
              # Every button of the column, for the preview to light each in turn.
              ("GAME_BUTTON_TOPS", " ".join(str(top) for _, _, top in
                                            game_menu.column(profile.menu, game_menu.INSTALLED)))]
    return "".join("%s=%s\n" % (name, shell_value(value)) for name, value in values)


def pointed(profile):
    column = [(face, top) for _, face, top in game_menu.column(profile.menu, game_menu.INSTALLED)]
    manual = [place for place in column if place[0] == "manual"]
    return "%s %d" % (manual or column[1:] or column)[0]


def profile_path(profile):
    return os.path.join(profile.folder, "game.toml")


def write(folder, name, text):
    with open(os.path.join(folder, name), "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


def main(profile_folder, output):
    try:
        profile = read_profile(profile_folder)
        os.makedirs(output, exist_ok=True)
        make_art.write_pictures(profile, output)
    except ProfileError as error:
        art = make_art.Art(error.profile) if hasattr(error, "profile") else None
        sys.exit("make_game: the profile stops the build:\n%s" % "\n".join(
            [str(error)] + (art.problems if art else [])))
    except ValueError as error:
        sys.exit("make_game: the profile stops the build:\n%s" % error)
    write(output, "GameProfile.h", header(profile))
    write(output, "strings.rc", strings(profile))
    write(output, "sounds.rc", sounds(profile))
    write(output, "version.rc", version(profile))
    write(output, "launcher.manifest", manifest(profile))
    write(output, "game.env", environment(profile))


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
