#!/usr/bin/python3
"""Writes the end-to-end table for the game being built: its profile's names as shorthands,
then the scenarios, each "locale CODE | FOLDER" line given the texts that locale must show.

    /usr/bin/python3 tests/game_table.py games/zentrava tests/endtoend/launcher.scenarios OUT

The texts follow the launcher's stated rules, not its code: a language the profile does not
carry shows the default title and English pictures; a manual is the language and country's,
else the language's, else the default; the insert-disc message is the Windows interface
language's, else its primary language's, else the neutral one, whose caption may be missing.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools", "profile"))
from game_profile import COUNTRIES, LANGUAGES, read_profile  # noqa: E402
import game_menu  # noqa: E402


def language_id(code):
    if code == "default":
        return 0
    return COUNTRIES.get(code, 0) << 10 | LANGUAGES[code.split("-")[0]]


def shorthands(profile):
    prefixes = (profile.reader_prefixes or [""]) * 2
    return [
        ("@game-key", profile.key),
        # Where the demo setup installs, under Program Files, as the key is under Software.
        ("@game-folder", profile.key[len("Software\\"):]),
        ("@path", profile.path_value),
        ("@appfile", profile.app_file_value),
        ("@default-game", profile.default_app_file),
        ("@setup-file", profile.setup[2:] if profile.setup.startswith(".\\") else profile.setup),
        ("@setup-parameters", profile.setup_parameters),
        ("@site", profile.web),
        ("@game-title", profile.title),
        ("@app-title", profile.application_title),
        ("@adobe", "@disc\\" + profile.reader_folder),
        # The newest installer's name and an older one's (the same when there is one).
        ("@new_", prefixes[0]),
        ("@old_", prefixes[1]),
        ("@picture-languages", " ".join(sorted(code.upper() for code in profile.labels))),
        ("@message-languages", " ".join(str(i) for i in sorted(map(language_id, profile.messages)))),
        # For the disc's check.
        ("@volume-label", profile.volume_label),
        ("@manuals", " | ".join([profile.manual] + list(profile.manuals.values()))),
        ("@guides", " | ".join([profile.guide] + list(profile.guides.values()))),
    ] + menu_shorthands(profile)


def menu_shorthands(profile):
    """The column in either state ("@column-installed": FACE:PICTURES, top to bottom), and each
    entry's fields that are the same in every language ("@directx.program")."""
    bases = game_menu.picture_bases(profile.menu)
    # The tests' launchers are built without a disc: no Check disc, the others in their rows.
    shown = [entry for entry in profile.menu if entry.action != "verify"]
    words = [("@column-" + state, " ".join("%s:%s" % (face, bases[face, top]) for _, face, top
                                            in game_menu.column(shown, state)))
             for state in game_menu.STATES]
    for entry in profile.menu:
        for field in ("program", "parameters", "key", "folder"):
            if isinstance(getattr(entry, field, None), str):
                words.append(("@%s.%s" % (entry.id, field), getattr(entry, field)))
        if entry.action == "program":
            words.append(("@%s.runs-in" % entry.id, entry.program.rpartition("\\")[0]))
    if profile.description_area:
        words.append(("@description-area", " ".join(map(str, profile.description_area))))
    words += [("@sound-" + name, "Z:" + os.path.abspath(path).replace("/", "\\"))
              for name, path in profile.sounds.items()]
    return words


def menu_locale_words(profile, language, both, pictures):
    """Each button's name, description, document and address as the LANGUAGE sees them, and the
    missing uninstaller's message in the interface language BOTH ("fr-CA")."""
    default, messages = profile.no_uninstaller
    words = [("@no-uninstaller", next((messages[code] for code in (both, language)
                                       if code in messages), default) or "")]
    english = profile.descriptions.get("en", {})
    for entry in profile.menu:
        for face in game_menu.face_ids(entry):
            own = face in profile.labels[pictures]
            words.append(("@%s.name" % face, profile.labels[pictures if own else "en"][face]))
            words.append(("@%s.pictures" % face, (pictures if own else "en").upper()))
            words.append(("@%s.description" % face, profile.descriptions.get(language, {}).get(
                face, english.get(face, ""))))
        for field in ("file", "address"):
            if hasattr(entry, field):
                default, others = getattr(entry, field)
                words.append(("@%s.%s" % (entry.id, field), others.get(language, default)))
    return words


def locale_texts(profile, locale):
    # The message follows the Windows interface language, which the locale sets.
    language, _, country = locale.partition("_")
    message_code = "%s-%s" % (language, country)
    caption, text = next(profile.messages[code] for code in (message_code, language, "default")
                         if code in profile.messages)
    if len(language) != 2:
        # A language the launcher cannot read in two letters is taken for English (United States).
        language, country = "en", "US"
    both = "%s-%s" % (language, country)
    pictures = language if language in profile.labels else "en"
    return [profile.titles.get(language, profile.title), pictures.upper(),
            caption or "", text,
            profile.manuals.get(both, profile.manuals.get(language, profile.manual)),
            profile.guides.get(language, profile.guide)], \
        menu_locale_words(profile, language, message_code, pictures)


def main(profile_folder, scenarios, output):
    profile = read_profile(profile_folder)
    lines = ["# Written by tests/game_table.py from %s and %s." % (profile_folder, scenarios)]
    lines += ["%s = %s" % pair for pair in shorthands(profile)]
    # What a scenario may need beyond today's five ("| with directx sounds").
    ids = {face for entry in profile.menu for face in game_menu.face_ids(entry)}
    ids |= {name for name, given in (("sounds", profile.sounds),
                                     ("descriptions", profile.descriptions)) if given}
    if [entry.action for entry in profile.menu] == [e["action"] for e in game_menu.DEFAULT_MENU]:
        ids.add("five")
    skipping = False
    with open(scenarios, encoding="utf-8") as f:
        for line in f.read().splitlines():
            fields = line.split(" | ")
            if line.startswith("locale ") and len(fields) == 2:
                locale = fields[0][len("locale "):]
                texts, words = locale_texts(profile, locale)
                line = " | ".join([fields[0]] + texts + [fields[1]])
                # A locale's own words: "@WORD/LOCALE = TEXT".
                lines += ["%s/%s = %s" % (word, locale, text) for word, text in words]
            elif line.startswith("scenario "):
                # "| with ID ID": only for a game whose menu has those buttons.
                needs = fields[2].split()[1:] if len(fields) > 2 else []
                skipping = not ids.issuperset(needs)
                line = " | ".join(fields[:2])
            if not skipping or line.startswith("#") or not line.startswith(("scenario", "  ")):
                lines.append(line)
    with open(output, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main(*sys.argv[1:4])
