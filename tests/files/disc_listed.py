#!/usr/bin/python3
"""Whether the launcher of a disc image lists every other file of the image, with its size and
SHA-256, in the order the image holds them; says what differs.

    /usr/bin/python3 tests/files/disc_listed.py ISO EXTRACTED-FOLDER
"""
import hashlib
import os
import re
import subprocess
import sys

HEADER = b"# The disc's files in disc order"


def listed(launcher):
    with open(launcher, "rb") as f:
        data = f.read()
    start = data.find(HEADER)
    if start < 0:
        sys.exit("the launcher carries no list of the disc's files")
    text = data[start:data.index(b"\0", start)].decode("utf-8")
    return [tuple(line.split(" ", 2)) for line in text.splitlines()[1:]]


def on_disc(iso, folder):
    report = subprocess.run(["xorriso", "-indev", iso, "-find", "/", "-type", "f", "-exec",
                             "report_lba"], capture_output=True, text=True, check=True).stdout
    files = sorted((int(lba), path[1:]) for lba, path in
                   re.findall(r"^File data lba:\s*\d+\s*,\s*(\d+)\s*,.*?'(.*)'$", report, re.M))
    found = []
    for _, path in files:
        if path not in ("launcher.exe", "autorun.inf"):
            with open(os.path.join(folder, path), "rb") as f:
                data = f.read()
            found.append((hashlib.sha256(data).hexdigest(), str(len(data)), path.replace("/", "\\")))
    return found


def main():
    iso, folder = sys.argv[1:]
    expected, found = on_disc(iso, folder), listed(os.path.join(folder, "launcher.exe"))
    if expected != found:
        sys.exit("the list differs from the disc:\n  listed  %s\n  on disc %s" % (
            sorted(set(found) - set(expected)) or found, sorted(set(expected) - set(found)) or expected))


if __name__ == "__main__":
    main()
