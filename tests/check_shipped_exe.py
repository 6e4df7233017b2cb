#!/usr/bin/python3
"""Checks the shipped launcher.exe as a file: a PE32 GUI program for i386 that imports only
DLLs every Windows has, with no time stamp. Prints the plain pass/fail line CI reads."""
import struct
import sys

# Known DLLs: Windows loads them from the system folder whatever lies beside the program.
KNOWN_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "shell32.dll",
              "msvcrt.dll"}


def imports(pe, sections, directory_rva):
    def at(rva):
        for va, size, raw in sections:
            if va <= rva < va + size:
                return raw + rva - va
        raise ValueError("rva %x outside sections" % rva)

    names, offset = [], at(directory_rva)
    while True:
        name_rva = struct.unpack_from("<I", pe, offset + 12)[0]
        if name_rva == 0:
            return names
        end = pe.index(b"\0", at(name_rva))
        names.append(pe[at(name_rva):end].decode().lower())
        offset += 20


def main(path):
    pe = open(path, "rb").read()
    failures = []
    header = struct.unpack_from("<I", pe, 0x3C)[0]
    machine, sections_count, timestamp = struct.unpack_from("<HHI", pe, header + 4)
    optional = header + 24
    magic = struct.unpack_from("<H", pe, optional)[0]
    subsystem = struct.unpack_from("<H", pe, optional + 68)[0]
    import_rva = struct.unpack_from("<I", pe, optional + 96 + 8)[0]
    size_of_optional = struct.unpack_from("<H", pe, header + 20)[0]
    sections = []
    for i in range(sections_count):
        base = optional + size_of_optional + 40 * i
        vsize, va, rawsize, raw = struct.unpack_from("<IIII", pe, base + 8)
        sections.append((va, max(vsize, rawsize), raw))
    checks = [
        (machine == 0x14C, "machine is i386 (0x%X)" % machine),
        (magic == 0x10B, "optional header is PE32 (0x%X)" % magic),
        (subsystem == 2, "subsystem is Windows GUI (%d)" % subsystem),
        (timestamp == 0, "no link time stamp (%d)" % timestamp),
    ]
    dlls = imports(pe, sections, import_rva)
    checks.append((set(dlls) <= KNOWN_DLLS, "imports only known DLLs: %s" % ", ".join(dlls)))
    for ok, what in checks:
        print(("ok   " if ok else "FAIL ") + what)
        if not ok:
            failures.append(what)
    print("%d passed, %d failed" % (len(checks) - len(failures), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
