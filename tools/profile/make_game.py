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

from game_profile import BUTTONS, COUNTRIES, LANGUAGES, REGISTRY_ROOT, ProfileError, read_profile
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
        ("GAME_READER_PREFIXES", ", ".join(c_literal(p, wide=True) for p in profile.reader_prefixes)),
        ("GAME_BUTTON_NAMES", ", ".join(
            "{%s, {%s}}" % (c_literal(code), ", ".join(c_literal(labels[button], wide=True)
                                                      for button in BUTTONS))
            for code, labels in sorted(profile.labels.items()))),
    ]
    lines = ["// Written by tools/profile/make_game.py from %s: edit the profile, not this file." %
             profile_path(profile), "#pragma once", ""]
    return "\n".join(lines + ["#define %s %s" % pair for pair in macros]) + "\n"


def rc_text(text):
    return '"%s"' % text.replace('"', '""')


def language_statement(code):
    if code == "default":
        return "LANGUAGE LANG_NEUTRAL, SUBLANG_NEUTRAL"
    language = LANGUAGES[code.split("-")[0]]
    return "LANGUAGE 0x%02X, 0x%02X // %s" % (language, COUNTRIES.get(code, 0), code)


def strings(profile):
    lines = ["// Written by tools/profile/make_game.py: the insert-disc message per language, and the",
             "// application title.", "#pragma code_page(65001)", '#include "resource.h"']
    for code, (caption, text) in profile.messages.items():
        lines += ["", language_statement(code), "STRINGTABLE", "BEGIN"]
        if caption is not None:
            lines.append("    IDS_INSERT_DISC_CAPTION " + rc_text(caption))
        lines.append("    IDS_INSERT_DISC_TEXT " + rc_text(text))
        if code == "default":
            lines.append("    IDS_APP_TITLE " + rc_text(profile.application_title))
        lines.append("END")
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
    reader = profile.reader_folder + profile.reader_prefixes[0] + "en_US.exe"
    values = [("GAME_TITLE", profile.title), ("GAME_VOLUME_LABEL", profile.volume_label),
              ("GAME_DEFAULT_APP_FILE", profile.default_app_file.replace("\\", "/")),
              ("GAME_SETUP", profile.setup.replace("\\", "/")),
              ("GAME_READER_INSTALLER", reader.replace("\\", "/")),
              ("GAME_PROFILE", os.path.abspath(profile.folder)),
              ("GAME_REGISTRY_KEY", profile.key), ("GAME_PATH_VALUE", profile.path_value),
              ("GAME_LANGUAGES", " ".join(sorted(profile.labels)))]
    return "".join("%s=%s\n" % (name, shell_value(value)) for name, value in values)


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
    except (ProfileError, ValueError) as error:
        sys.exit("make_game: the profile stops the build:\n%s" % error)
    write(output, "GameProfile.h", header(profile))
    write(output, "strings.rc", strings(profile))
    write(output, "version.rc", version(profile))
    write(output, "launcher.manifest", manifest(profile))
    write(output, "game.env", environment(profile))


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
