"""The profile's menu: the column's buttons top to bottom ([[menu]]), their descriptions and the
sounds the launcher plays.

A profile without [[menu]] has the five buttons every launcher had: Play or Install, Manual,
Readme, Web and Exit. Each entry shows in the installed state, the not-installed one or both;
the column's bottom row stays where Exit has always been, and more buttons grow it upward.
"""
import os
import re
import struct
from types import SimpleNamespace
from urllib.parse import urlsplit

import system_text

# The game's two states, as the launcher decides between Play and Install at start.
INSTALLED, NOT_INSTALLED = "installed", "not-installed"
STATES = [INSTALLED, NOT_INSTALLED]
SHOWS = {"always": STATES, INSTALLED: [INSTALLED], NOT_INSTALLED: [NOT_INSTALLED]}

# Each action's fields beyond action, id and show: (name, kind, required). The first is what the
# button acts on, its target.
ACTIONS = {
    "play": [], "manual": [], "readme": [], "web": [], "exit": [],
    "uninstall": [("key", "key", True)],
    "program": [("program", "path", True), ("parameters", "text", False), ("close", "bool", False)],
    "document": [("file", "paths", True)],
    "link": [("address", "addresses", True)],
    "explore": [("folder", "path", False)],
    "verify": [],
}
# Today's five keep their names as ids; uninstall, explore and verify may be given one.
FIXED_IDS = ("play", "manual", "readme", "web", "exit")
DEFAULT_IDS = ("uninstall", "explore", "verify")
DEFAULT_MENU = [{"action": action} for action in FIXED_IDS]
ID_PATTERN = re.compile(r"^[a-z][a-z0-9_]{0,23}$")
MAX_BUTTONS = 9

# The column: its bottom row where Exit has always been, a row every 40 pixels.
BOTTOM_ROW_TOP, ROW_PITCH = 346, 40
COLUMN_LEFT, COLUMN_RIGHT, BUTTON_HEIGHT = 171, 471, 32
LOGO = (0, 0, 130, 116)
# The scales a description must fit at: 100 % and 200 %.
SCALES = (1, 2)

SOUNDS = ("hover", "press", "opening")
SOUND_LIMIT = 1024 * 1024
WAVE_FORMAT_PCM, WAVE_FORMAT_IEEE_FLOAT, WAVE_FORMAT_EXTENSIBLE = 1, 3, 0xFFFE
# KSDATAFORMAT_SUBTYPE_PCM and its kin differ only in their first two bytes.
EXTENSIBLE_GUID_TAIL = bytes.fromhex("000000001000800000aa00389b71")
CLIENT_SIZE = (635, 395)


def face_ids(entry):
    """The ids whose labels and pictures an entry shows: Play's two, else its own."""
    return ["play", "install"] if entry.action == "play" else [entry.id]


def face_in(entry, state):
    if entry.action == "play":
        return "play" if state == INSTALLED else "install"
    return entry.id


def column(menu, state):
    """The entries shown in STATE, each with the top of its row: [(entry, face id, top)]."""
    shown = [entry for entry in menu if state in entry.states]
    return [(entry, face_in(entry, state),
             BOTTOM_ROW_TOP - ROW_PITCH * (len(shown) - 1 - index))
            for index, entry in enumerate(shown)]


def picture_bases(menu):
    """{(face id, top): resource base name}: a face drawn again for each row it can take, since
    its pictures carry the background behind them."""
    bases = {}
    for state in STATES:
        for _, face, top in column(menu, state):
            if (face, top) not in bases:
                moved = any(f == face for f, _ in bases)
                bases[face, top] = "IDB_%s_BTN%s" % (face.upper(), "_Y%d" % top if moved else "")
    return bases


def read_menu(reader, data, profile):
    given = data.get("menu", DEFAULT_MENU)
    if not isinstance(given, list) or not all(isinstance(e, dict) for e in given):
        reader.fail("menu", "must be a list of [[menu]] tables")
        given = []
    profile.menu = []
    ids = set()
    for number, item in enumerate(given, 1):
        entry = read_entry(reader, item, "menu.%d" % number)
        if entry is None:
            continue
        for face in face_ids(entry):
            if face in ids:
                reader.fail("menu.%d.id" % number, "'%s' is a second button of that id" % face)
            ids.add(face)
        if entry.action == "verify" and number != 1:
            # A launcher made without its disc has no Check disc button: at the top, its going
            # moves no other button.
            reader.fail("menu.%d.action" % number, "Check disc (verify) must be the first button "
                        "of [[menu]]: a launcher built without its disc leaves it out")
        profile.menu.append(entry)
    for state in STATES:
        count = len(column(profile.menu, state))
        if not 1 <= count <= MAX_BUTTONS:
            reader.fail("menu", "shows %d buttons when the game is %s; from 1 to %d fit" %
                        (count, state, MAX_BUTTONS))


def read_entry(reader, item, field):
    action = item.get("action")
    if not isinstance(action, str) or action not in ACTIONS:
        reader.fail(field + ".action", "'%s' is not an action (%s)" % (action, ", ".join(ACTIONS)))
        return None
    entry = SimpleNamespace(action=action)
    entry.id = item.get("id", action if action in FIXED_IDS + DEFAULT_IDS else None)
    if action in FIXED_IDS and entry.id != action:
        reader.fail(field + ".id", "%s's button is always '%s'" % (action, action))
    elif not isinstance(entry.id, str) or not ID_PATTERN.match(entry.id):
        reader.fail(field + ".id", "must be a name of small letters, digits and '_', starting "
                    "with a letter: it names the labels and pictures")
        return None
    elif entry.id in FIXED_IDS + ("install",) and entry.id != action:
        reader.fail(field + ".id", "'%s' is the id of another action" % entry.id)
    show = item.get("show", INSTALLED if action == "uninstall" else "always")
    if not isinstance(show, str) or show not in SHOWS:
        reader.fail(field + ".show", "must be one of %s" % ", ".join(SHOWS))
        show = "always"
    entry.states = SHOWS[show]
    known = {"action", "id", "show"}
    for name, kind, required in ACTIONS[action]:
        known.add(name)
        setattr(entry, name, read_field(reader, item, "%s.%s" % (field, name), kind, required))
    for name in sorted(set(item) - known):
        reader.fail("%s.%s" % (field, name), "is not a field of a %s button" % action)
    # By language: (default, {language: text}).
    target = getattr(entry, ACTIONS[action][0][0]) if ACTIONS[action] else None
    entry.target = target if isinstance(target, tuple) else (target, {})
    return entry


def read_field(reader, item, field, kind, required):
    paths = dict(limit=260, relative=True)
    if kind == "bool":
        value = item.get(field.split(".")[-1], False)
        if not isinstance(value, bool):
            reader.fail(field, "must be true or false")
        return value is True
    if kind == "text":
        return reader.text(item, field, required=required) or ""
    if kind == "path":
        return reader.text(item, field, required=required, **paths) or ""
    if kind == "key":
        key = reader.text(item, field)
        if key and "\\" in key:
            reader.fail(field, "is the name of one key under ...\\CurrentVersion\\Uninstall: "
                        "no '\\'")
        return key
    rules = paths if kind == "paths" else {}
    name = field.split(".")[-1]
    if isinstance(item.get(name), str):
        # One text for every language.
        item = {name: {"default": item[name]}}
    default, others = reader.by_language(item, field, **rules)
    for code, value in [("default", default)] + list(others.items()):
        if kind == "addresses" and value is not None and not is_address(value):
            reader.fail("%s.%s" % (field, code), "'%s' is not a full http or https address" % value)
    return default, others


def is_address(text):
    parts = urlsplit(text)
    return (parts.scheme in ("http", "https") and bool(parts.netloc) and text.isascii() and
            not re.search(r"\s", text))


def read_labels(reader, buttons, profile):
    """Every language's labels: today's five in every language listed, the others in English at
    least; a language without one shows English's."""
    faces = [face for entry in profile.menu for face in face_ids(entry)]
    profile.labels = {}
    for code in buttons:
        if not reader.language("buttons", code):
            continue
        labels = reader.table(buttons, "buttons." + code)
        profile.labels[code] = {}
        for face in faces:
            required = code == "en" or face in FIXED_IDS + ("install",)
            label = reader.text(labels, "buttons.%s.%s" % (code, face), limit=40, required=required,
                                shown=True)
            if label is not None:
                profile.labels[code][face] = label
        for name in sorted(set(labels) - set(faces)):
            reader.fail("buttons.%s.%s" % (code, name), "is no button of the menu")


def read_descriptions(reader, data, profile):
    descriptions = reader.table(data, "descriptions")
    faces = {face for entry in profile.menu for face in face_ids(entry)}
    profile.descriptions = {}
    profile.description_area = None
    for code, texts in descriptions.items():
        if code in ("area", "colour") or not reader.language("descriptions", code):
            continue
        texts = reader.table(descriptions, "descriptions." + code)
        for face in texts:
            field = "descriptions.%s.%s" % (code, face)
            if face not in faces:
                reader.fail(field, "is no button of the menu")
            elif reader.text(texts, field, shown=True) is not None:
                profile.descriptions.setdefault(code, {})[face] = texts[face]
    if not profile.descriptions:
        return
    area = descriptions.get("area")
    if (not isinstance(area, list) or len(area) != 4 or not all(isinstance(v, int) for v in area)
            or not (0 <= area[0] < area[2] <= CLIENT_SIZE[0] and
                    0 <= area[1] < area[3] <= CLIENT_SIZE[1])):
        reader.fail("descriptions.area", "must be [left, top, right, bottom] within the "
                    "635 x 395 background")
        area = [0, 0, 1, 1]
    profile.description_area = tuple(area)
    profile.description_colour = reader.colour(descriptions, "descriptions.colour")
    for name, place in (("the logo", LOGO), ("the button column", column_place(profile.menu))):
        if overlaps(area, place):
            reader.fail("descriptions.area", "%s overlaps %s, which lies at %s" %
                        (list(area), name, list(place)))
    for code, texts in sorted(profile.descriptions.items()):
        for face, text in sorted(texts.items()):
            check_fit(reader, "descriptions.%s.%s" % (code, face), text, area)


def column_place(menu):
    """[left, top, right, bottom] of the column's rows in the state that shows the most."""
    rows = max([len(column(menu, state)) for state in STATES] + [1])
    return (COLUMN_LEFT, BOTTOM_ROW_TOP - ROW_PITCH * (rows - 1), COLUMN_RIGHT,
            BOTTOM_ROW_TOP + BUTTON_HEIGHT)


def overlaps(one, other):
    return one[0] < other[2] and other[0] < one[2] and one[1] < other[3] and other[1] < one[3]


def check_fit(reader, field, text, area):
    """Fails FIELD when TEXT needs more lines than the area holds, in the message font."""
    for scale in SCALES:
        pixels = system_text.MESSAGE_FONT_PIXELS * scale
        needed = system_text.lines(text, (area[2] - area[0]) * scale, pixels)
        room = (area[3] - area[1]) * scale // system_text.line_height(pixels)
        if needed > room:
            reader.fail(field, "takes %d lines at %d %%; descriptions.area holds %d: shorten it "
                        "or enlarge the area" % (needed, 100 * scale, room))
            return


def read_sounds(reader, data, profile):
    sounds = reader.table(data, "sounds")
    profile.sounds = {}
    art = os.path.join(profile.folder, "art")
    names = os.listdir(art) if os.path.isdir(art) else []
    for name in sorted(sounds):
        field = "sounds." + name
        if name not in SOUNDS:
            reader.fail(field, "is not a sound the launcher plays (%s)" % ", ".join(SOUNDS))
            continue
        file = reader.text(sounds, field)
        if file is None:
            continue
        if re.search(r"[\\/:]", file) or not file.lower().endswith(".wav"):
            reader.fail(field, "'%s' must name a .wav file in art/" % file)
            continue
        # As Windows finds it: in any case.
        path = os.path.join(art, next((n for n in names if n.lower() == file.lower()), file))
        problem = wave_problem(path)
        if problem:
            reader.fail(field, "%s: %s" % (path, problem))
        else:
            profile.sounds[name] = path


def wave_problem(path):
    """Why the file is not a sound the launcher can carry, or None."""
    try:
        size = os.path.getsize(path)
        with open(path, "rb") as f:
            data = f.read(min(size, SOUND_LIMIT + 1))
    except OSError as error:
        return "cannot be read: %s" % error.strerror
    if size > SOUND_LIMIT:
        return "is %d bytes; a sound may have at most %d" % (size, SOUND_LIMIT)
    if len(data) < 12 or data[:4] != b"RIFF" or data[8:12] != b"WAVE":
        return "is not a WAV file"
    chunks, offset = {}, 12
    while offset + 8 <= len(data):
        name, length = data[offset:offset + 4], struct.unpack("<I", data[offset + 4:offset + 8])[0]
        chunks.setdefault(name, data[offset + 8:offset + 8 + length])
        offset += 8 + length + (length & 1)
    fmt = chunks.get(b"fmt ", b"")
    if len(fmt) < 16 or b"data" not in chunks:
        return "is not a whole WAV file (no format or no data)"
    tag, channels, rate, _, _, bits = struct.unpack("<HHIIHH", fmt[:16])
    if tag == WAVE_FORMAT_EXTENSIBLE and len(fmt) >= 40:
        # The format proper is the sub-format's first two bytes.
        tag = struct.unpack("<H", fmt[24:26])[0] if fmt[26:40] == EXTENSIBLE_GUID_TAIL else None
    convert = "; convert it to 16-bit PCM (mono or stereo)"
    if tag != WAVE_FORMAT_PCM:
        kind = {WAVE_FORMAT_IEEE_FLOAT: "%d-bit floating point" % bits}.get(
            tag, "compressed (format 0x%04X)" % tag if tag is not None else "of an unknown format")
        return "is %s, not PCM: Windows plays only PCM everywhere%s" % (kind, convert)
    if bits not in (8, 16):
        return "is %d-bit PCM: 8- and 16-bit play everywhere%s" % (bits, convert)
    if channels not in (1, 2):
        return "has %d channels: mono and stereo play everywhere%s" % (channels, convert)
    return None
