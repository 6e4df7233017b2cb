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
from game_profile import BUTTONS, COUNTRIES, LANGUAGES, read_profile  # noqa: E402


def language_id(code):
    if code == "default":
        return 0
    return COUNTRIES.get(code, 0) << 10 | LANGUAGES[code.split("-")[0]]


def shorthands(profile):
    prefixes = profile.reader_prefixes + profile.reader_prefixes[:1]
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
    ]


def locale_texts(profile, locale):
    # The message follows the Windows interface language, which the locale sets.
    language, _, country = locale.partition("_")
    caption, text = next(profile.messages[code] for code in
                         ("%s-%s" % (language, country), language, "default")
                         if code in profile.messages)
    if len(language) != 2:
        # A language the launcher cannot read in two letters is taken for English (United States).
        language, country = "en", "US"
    both = "%s-%s" % (language, country)
    pictures = language if language in profile.labels else "en"
    return [profile.titles.get(language, profile.title), pictures.upper(),
            caption or "", text,
            profile.manuals.get(both, profile.manuals.get(language, profile.manual)),
            profile.guides.get(language, profile.guide),
            "|".join(profile.labels[pictures][button] for button in BUTTONS)]


def main(profile_folder, scenarios, output):
    profile = read_profile(profile_folder)
    lines = ["# Written by tests/game_table.py from %s and %s." % (profile_folder, scenarios)]
    lines += ["%s = %s" % pair for pair in shorthands(profile)]
    with open(scenarios, encoding="utf-8") as f:
        for line in f.read().splitlines():
            fields = line.split(" | ")
            if line.startswith("locale ") and len(fields) == 2:
                locale = fields[0][len("locale "):]
                line = " | ".join([fields[0]] + locale_texts(profile, locale) + [fields[1]])
            lines.append(line)
    with open(output, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main(*sys.argv[1:4])
