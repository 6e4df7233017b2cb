#!/usr/bin/python3
"""Lists a laid-out disc's files with their size and SHA-256, in the order the disc will hold
them, and builds the launcher that carries the list (BUILD's disc_launcher) into the layout as
its launcher.exe: the launcher's Check disc reads the disc against it, and the publisher's
signature over the launcher covers it.

    /usr/bin/python3 tools/disc/disc_manifest.py LAYOUT BUILD

Also writes LAYOUT.order, the xorriso sort weights that lay the files out in the list's order.
The launcher and autorun.inf are not listed: the launcher cannot hold its own digest.
"""
import hashlib
import os
import shutil
import subprocess
import sys

LAUNCHER, AUTORUN = "launcher.exe", "autorun.inf"
HEADER = "# The disc's files in disc order: SHA-256, size in bytes, path\n"
CHUNK = 1024 * 1024


def disc_order(layout):
    """Every file but the launcher's own two, folder by folder, names in Joliet's order."""
    found = []
    for here, folders, files in os.walk(layout):
        folders.sort(key=lambda name: (name.casefold(), name))
        inside = os.path.relpath(here, layout)
        for name in sorted(files, key=lambda name: (name.casefold(), name)):
            path = name if inside == "." else os.path.join(inside, name)
            if path.casefold() not in (LAUNCHER, AUTORUN):
                found.append(path)
    return found


def digest(path):
    sha = hashlib.sha256()
    with open(path, "rb") as f:
        for block in iter(lambda: f.read(CHUNK), b""):
            sha.update(block)
    return sha.hexdigest()


def manifest(layout, paths):
    lines = [HEADER]
    for path in paths:
        full = os.path.join(layout, path)
        lines.append("%s %d %s\n" % (digest(full), os.path.getsize(full), path.replace(os.sep, "\\")))
    return "".join(lines).encode("utf-8")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    layout, build = sys.argv[1:]
    paths = disc_order(layout)
    folder = os.path.join(build, "disc-manifest")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "disc-manifest.txt"), "wb") as f:
        f.write(manifest(layout, paths))
    # The first file gets the highest weight: xorriso writes the heaviest first.
    with open(layout.rstrip(os.sep) + ".order", "w", encoding="utf-8") as f:
        f.write("".join("%d /%s\n" % (len(paths) - i, path) for i, path in enumerate(paths)))
    subprocess.run(["cmake", "--build", build, "--target", "disc_launcher"], check=True,
                   stdout=subprocess.DEVNULL)
    target = os.path.join(layout, LAUNCHER)
    stat = os.stat(target)
    shutil.copyfile(os.path.join(build, "disc_launcher.exe"), target)
    os.utime(target, ns=(stat.st_atime_ns, stat.st_mtime_ns))


if __name__ == "__main__":
    main()
