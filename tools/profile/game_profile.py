"""Reads and checks a game profile: games/NAME/game.toml and its optional art/ folder.

Everything that differs between games is in the profile; the launcher's sources only shape it.
A profile that breaks a rule raises ProfileError naming the file, the field and the rule, so a
wrong launcher is never built.
"""
import codecs
import difflib
import os
import re
import tomllib

import fonts
import game_menu

# Windows primary language identifiers of the languages a profile may carry.
LANGUAGES = {
    "az": 0x2C, "cs": 0x05, "da": 0x06, "de": 0x07, "en": 0x09, "es": 0x0A, "fi": 0x0B,
    "fr": 0x0C, "hu": 0x0E, "it": 0x10, "ja": 0x11, "ko": 0x12, "nb": 0x14, "nl": 0x13,
    "pl": 0x15, "pt": 0x16, "ru": 0x19, "sv": 0x1D, "tr": 0x1F, "zh": 0x04,
}
# Sublanguage identifiers of the countries a message may be written for.
COUNTRIES = {
    "en-US": 0x01, "en-GB": 0x02, "fr-FR": 0x01, "fr-BE": 0x02, "fr-CA": 0x03, "de-DE": 0x01,
    "de-CH": 0x02, "de-AT": 0x03, "es-MX": 0x02, "es-ES": 0x03, "it-IT": 0x01, "pl-PL": 0x01,
    "ru-RU": 0x01, "pt-BR": 0x01, "pt-PT": 0x02, "nl-NL": 0x01, "ja-JP": 0x01, "zh-CN": 0x02,
}
# The launcher gives a manual of their own to these two countries only.
MANUAL_COUNTRIES = ["en-US", "fr-CA"]

# The launcher's buffers: a message, its caption and the application title hold 99 characters.
MESSAGE_LIMIT = 99
# A document or game file leaves room for its folder within Windows's 260.
PATH_LIMIT = 200
TEXT_LIMIT = 200
REGISTRY_ROOT = "Software\\"
# A version resource holds each part of a version number in 16 bits.
VERSION_PART_LIMIT = 65535
VOLUME_LABEL = re.compile(r"^[A-Z0-9_]{1,32}$")


class ProfileError(Exception):
    pass


class Profile:
    """A checked profile: plain attributes, texts in Unicode."""


class Reader:
    def __init__(self, path):
        self.path = path
        self.problems = []

    def fail(self, field, rule):
        self.problems.append("%s: %s: %s" % (self.path, field, rule))

    def table(self, data, field):
        value = data.get(field.split(".")[-1], {})
        if not isinstance(value, dict):
            self.fail(field, "must be a table")
            return {}
        return value

    def text(self, data, field, **rules):
        return self.check(field, data.get(field.split(".")[-1]), **rules)

    def check(self, field, value, limit=TEXT_LIMIT, required=True, cp1252=False, relative=False,
              shown=False):
        if value is None:
            if required:
                self.fail(field, "is required")
            return None
        if not isinstance(value, str) or not value:
            self.fail(field, "must be a text that is not empty")
            return None
        # The launcher's buffers count UTF-16 units.
        length = len(value.encode("utf-16-le")) // 2
        if length > limit:
            self.fail(field, "has %d characters; at most %d fit" % (length, limit))
        for character in dict.fromkeys(value):
            if ord(character) < 0x20:
                self.fail(field, "holds the control character U+%04X" % ord(character))
            elif cp1252 and not encodable(character):
                self.fail(field, "'%s' (U+%04X) is not in Windows-1252" % (character, ord(character)))
        missing = shown and fonts.system_missing(value)
        if missing:
            self.fail(field, "'%s' (U+%04X) is in no font Windows draws this text with: it would "
                      "show as an empty box" % (missing, ord(missing)))
        if relative and not stays_inside(value):
            self.fail(field, "'%s' must be a path inside its folder: no drive, no leading "
                      "backslash, no '..'" % value)
        return value

    def language(self, field, code, countries=()):
        if code in LANGUAGES or code in countries:
            return True
        self.fail(field, "'%s' is not a language code this launcher knows (%s)" %
                  (code, ", ".join(sorted(LANGUAGES) + sorted(countries))))
        return False

    def by_language(self, data, field, countries=(), **rules):
        """A table of one default text and texts per language: (default, {code: text})."""
        entries = self.table(data, field)
        default = self.text(entries, field + ".default", **rules)
        others = {}
        for code in entries:
            if code != "default" and self.language(field, code, countries):
                others[code] = self.text(entries, "%s.%s" % (field, code), **rules)
        return default, others

    def colour(self, data, field):
        value = data.get(field.split(".")[-1])
        if (not isinstance(value, list) or len(value) != 3 or
                not all(isinstance(v, int) and 0 <= v <= 255 for v in value)):
            self.fail(field, "must be three numbers from 0 to 255")
            return (0, 0, 0)
        return tuple(value)


def stays_inside(path):
    """Whether PATH, joined to the disc's or the installation's folder, names a place there."""
    parts = re.split(r"[\\/]", path)
    return not (re.match(r"[A-Za-z]:", path) or parts[0] == "" or ".." in parts)


def encodable(character):
    try:
        character.encode("cp1252")
        return True
    except UnicodeEncodeError:
        return False


def read_game(reader, data, profile):
    paths = dict(limit=PATH_LIMIT, cp1252=True, relative=True)
    profile.title, profile.titles = reader.by_language(data, "title", shown=True)
    # The documents and the reader's installers matter only to the buttons that open them.
    shown = {entry.action for entry in profile.menu}
    profile.manual, profile.manuals = ("", {})
    if "manual" in shown or "manual" in data:
        profile.manual, profile.manuals = reader.by_language(data, "manual", MANUAL_COUNTRIES,
                                                             **paths)
    if "en" in profile.manuals:
        reader.fail("manual.en", "English's manual is the default: name it there")
    profile.guide, profile.guides = ("", {})
    if "readme" in shown or "guide" in data:
        profile.guide, profile.guides = reader.by_language(data, "guide", **paths)

    web = reader.table(data, "web")
    profile.web = reader.text(web, "web.address")
    if profile.web is not None and not game_menu.is_address(profile.web):
        reader.fail("web.address", "'%s' is not a full http or https address" % profile.web)

    registry = reader.table(data, "registry")
    profile.key = reader.text(registry, "registry.key", cp1252=True)
    if profile.key and not profile.key.startswith(REGISTRY_ROOT):
        reader.fail("registry.key", "must start with '%s'" % REGISTRY_ROOT)
    profile.path_value = reader.text(registry, "registry.path_value", cp1252=True)
    profile.app_file_value = reader.text(registry, "registry.app_file_value", cp1252=True)
    profile.default_app_file = reader.text(registry, "registry.default_app_file", **paths)

    setup = reader.table(data, "setup")
    profile.setup = reader.text(setup, "setup.program", limit=PATH_LIMIT, relative=True)
    profile.setup_parameters = reader.text(setup, "setup.parameters", required=False) or ""

    profile.reader_folder, profile.reader_prefixes = "", []
    if "manual" not in shown and "reader" not in data:
        return
    installer = reader.table(data, "reader")
    profile.reader_folder = reader.text(installer, "reader.folder", limit=PATH_LIMIT,
                                        relative=True)
    if profile.reader_folder and not profile.reader_folder.endswith("\\"):
        reader.fail("reader.folder", "must end with a backslash")
    prefixes = installer.get("prefixes")
    if not isinstance(prefixes, list) or not prefixes:
        reader.fail("reader.prefixes", "must be a list of one or more names, newest first")
        prefixes = []
    profile.reader_prefixes = [reader.check("reader.prefixes", p, limit=PATH_LIMIT) for p in prefixes]
    for prefix in filter(None, profile.reader_prefixes):
        if re.search(r"[\\/:]", prefix) or prefix.strip(".") == "":
            reader.fail("reader.prefixes", "'%s' must be the start of a file name in the reader "
                        "folder: no '\\', '/' or ':'" % prefix)


def read_messages(reader, data, profile):
    messages = reader.table(data, "insert_disc")
    profile.application_title = reader.text(messages, "insert_disc.application_title",
                                            limit=MESSAGE_LIMIT, shown=True)
    profile.messages = {}
    for code in messages:
        if code == "application_title":
            continue
        field = "insert_disc." + code
        if code != "default" and not reader.language(field, code, COUNTRIES):
            continue
        entry = reader.table(messages, field)
        profile.messages[code] = (
            reader.text(entry, field + ".caption", limit=MESSAGE_LIMIT, required=False, shown=True),
            reader.text(entry, field + ".text", limit=MESSAGE_LIMIT, shown=True))
    if "default" not in profile.messages:
        reader.fail("insert_disc.default", "is required: every language without a message "
                    "of its own shows it")
    profile.no_uninstaller = (None, {})
    if any(entry.action == "uninstall" for entry in profile.menu):
        profile.no_uninstaller = reader.by_language(data, "no_uninstaller", COUNTRIES,
                                                    limit=MESSAGE_LIMIT, shown=True)


def read_art(reader, data, profile):
    game_menu.read_labels(reader, reader.table(data, "buttons"), profile)
    if "en" not in profile.labels:
        reader.fail("buttons.en", "is required: English is every other language's fallback")

    logo = reader.table(data, "logo")
    profile.logo_above = reader.text(logo, "logo.above", limit=20)
    profile.logo_below = reader.text(logo, "logo.below", limit=6)
    profile.icon_letter = reader.text(logo, "logo.icon", limit=2)
    profile.logo_word, profile.logo_words = reader.by_language(logo, "logo.words", limit=20)

    colours = reader.table(data, "colours")
    profile.light = reader.colour(colours, "colours.light")
    profile.dark = reader.colour(colours, "colours.dark")


def read_release(reader, data, profile):
    version = reader.table(data, "version")
    for field in ("company", "description", "product", "file_version", "product_version",
                  "manifest_name"):
        setattr(profile, field, reader.text(version, "version." + field))
    for field in ("file_version", "product_version"):
        value = getattr(profile, field)
        if value is None:
            continue
        if not re.fullmatch(r"\d{1,5}(\.\d{1,5}){0,3}", value):
            reader.fail("version." + field, "'%s' is not one to four numbers with dots" % value)
        elif any(int(part) > VERSION_PART_LIMIT for part in value.split(".")):
            reader.fail("version." + field, "'%s' has a number over %d, which a version "
                        "resource cannot hold" % (value, VERSION_PART_LIMIT))
    if profile.manifest_name and not re.fullmatch(r"[A-Za-z0-9_.-]+", profile.manifest_name):
        reader.fail("version.manifest_name", "may hold only letters, digits, '.', '-' and '_'")

    disc = reader.table(data, "disc")
    profile.volume_label = reader.text(disc, "disc.volume_label", limit=32)
    if profile.volume_label and not VOLUME_LABEL.match(profile.volume_label):
        reader.fail("disc.volume_label", "may hold only A to Z, 0 to 9 and '_'")
    # The publisher's own files, relative to the profile; the demo programs only where asked.
    folder = reader.text(disc, "disc.folder", required=False, relative=True)
    profile.disc_folder = os.path.join(profile.folder, *re.split(r"[\\/]", folder)) if folder else None
    profile.stand_ins = game_menu.read_field(reader, disc, "disc.stand_ins", "bool", False)
    signed = disc.get("sign", [])
    if not isinstance(signed, list):
        reader.fail("disc.sign", "must be a list of the disc's programs to sign")
        signed = []
    profile.signed = [reader.check("disc.sign", path, limit=PATH_LIMIT, relative=True)
                      for path in signed]


class Table(dict):
    """A TOML table that remembers the names the reader asked for, so that every name it never
    asked for is reported, whatever the part of the profile. Iterating asks for every name: the
    part that iterates judges each name itself."""

    def __init__(self, data):
        super().__init__((name, tracked(value)) for name, value in data.items())
        self.asked = set()

    def get(self, name, default=None):
        self.asked.add(name)
        return super().get(name, default)

    def __contains__(self, name):
        self.asked.add(name)
        return super().__contains__(name)

    def __iter__(self):
        self.asked.update(self.keys())
        return super().__iter__()

    def items(self):
        self.asked.update(self.keys())
        return super().items()


def tracked(value):
    if isinstance(value, dict):
        return Table(value)
    if isinstance(value, list):
        return [tracked(item) for item in value]
    return value


def report_unknown(reader, table, field=""):
    for name, value in dict.items(table):
        path = field + name
        if name not in table.asked:
            known = sorted(n for n in table.asked if isinstance(n, str))
            guess = difflib.get_close_matches(name, known, n=1, cutoff=0.6)
            kind = "table" if isinstance(value, dict) else "field"
            where = "of [%s]" % field[:-1] if field else "of the profile"
            hint = ""
            if guess:
                nested = isinstance(dict.get(table, guess[0]), dict) or (not field and kind == "table")
                hint = "; did you mean %s?" % ("[%s%s]" % (field, guess[0]) if nested else guess[0])
            reader.fail(path, "is not a %s %s%s" % (kind, where, hint))
        elif isinstance(value, Table):
            report_unknown(reader, value, path + ".")
        elif isinstance(value, list):
            for number, item in enumerate(value, 1):
                if isinstance(item, Table):
                    report_unknown(reader, item, "%s.%d." % (path, number))


def load(path):
    """The profile's TOML as tracked tables; a byte-order mark, which editors on Windows write,
    is taken as UTF-8's."""
    try:
        with open(path, "rb") as f:
            raw = f.read()
        text = raw[len(codecs.BOM_UTF8):] if raw.startswith(codecs.BOM_UTF8) else raw
        return Table(tomllib.loads(text.decode("utf-8")))
    except OSError as error:
        raise ProfileError("%s: cannot be read: %s" % (path, error.strerror))
    except UnicodeDecodeError as error:
        line = error.object.count(b"\n", 0, error.start) + 1
        raise ProfileError("%s: line %d: is not UTF-8 (byte 0x%02X); save the file as UTF-8" %
                           (path, line, error.object[error.start]))
    except tomllib.TOMLDecodeError as error:
        raise ProfileError("%s: is not TOML: %s" % (path, error))


def read_data(data, folder):
    """The checked profile of DATA, read from FOLDER's game.toml."""
    reader = Reader(os.path.join(folder, "game.toml"))
    data = data if isinstance(data, Table) else Table(data)
    profile = Profile()
    profile.folder = folder
    profile.name = os.path.basename(os.path.normpath(folder))
    for part in (game_menu.read_menu, read_game, read_messages, read_art,
                 game_menu.read_descriptions, game_menu.read_sounds, read_release):
        part(reader, data, profile)
    report_unknown(reader, data)
    if reader.problems:
        error = ProfileError("\n".join(reader.problems))
        # What was read, for the art folder's problems to be told in the same run.
        error.profile = profile
        raise error
    return profile


def read_profile(folder):
    """The checked profile in FOLDER, or ProfileError listing every rule it breaks."""
    return read_data(load(os.path.join(folder, "game.toml")), folder)
