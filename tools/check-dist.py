#!/usr/bin/env python3
"""Lists a release package and fails when it does not hold what ships.

    check-dist.py ZIP [--gallery]

The expected contents come from the package's name, not from the build that
wrote it: one folder named like the archive, holding the tool (and the
gallery when the build has one), the README and the licence note, nothing
else. Each program must be a Windows GUI program for the package's
processor, without debug sections, carrying the version the name gives and
an icon.
"""
import re
import struct
import sys
import zipfile

MACHINES = {"win32": 0x014C, "win64": 0x8664}
RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16


def sections(image):
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    if image[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE image")
    machine, count = struct.unpack_from("<HH", image, pe + 4)
    optional_size = struct.unpack_from("<H", image, pe + 20)[0]
    subsystem = struct.unpack_from("<H", image, pe + 24 + 68)[0]
    table = pe + 24 + optional_size
    found = {}
    for i in range(count):
        raw = image[table + 40 * i: table + 40 * i + 40]
        name = raw[:8].rstrip(b"\0").decode("latin-1")
        if name.startswith("/"):  # a long name, kept in the string table
            name = "(long)" + name
        vsize, vaddr, rsize, raddr = struct.unpack_from("<IIII", raw, 8)
        found[name] = (vaddr, raddr, rsize)
    return machine, subsystem, found


def resource_types(image, rsrc):
    vaddr, raddr, _ = rsrc
    named, ids = struct.unpack_from("<HH", image, raddr + 12)
    types = set()
    for i in range(named + ids):
        ident = struct.unpack_from("<I", image, raddr + 16 + 8 * i)[0]
        if not ident & 0x80000000:
            types.add(ident)
    return types


def check_program(name, image, platform, version):
    problems = []
    machine, subsystem, found = sections(image)
    if machine != MACHINES[platform]:
        problems.append(f"{name}: machine 0x{machine:04x}, not a {platform} program")
    if subsystem != 2:
        problems.append(f"{name}: subsystem {subsystem}, not a GUI program")
    debug = [s for s in found if s.startswith((".debug", ".gnu_debuglink", "(long)"))]
    if debug:
        problems.append(f"{name}: debug sections {debug}")
    # The value follows its key on a 4-byte boundary.
    if ".rsrc" not in found:
        return problems + [f"{name}: no resources"]
    types = resource_types(image, found[".rsrc"])
    for kind, label in ((RT_VERSION, "version"), (RT_ICON, "icon"), (RT_GROUP_ICON, "icon group")):
        if kind not in types:
            problems.append(f"{name}: no {label} resource")
    key, value = ("FileVersion\0").encode("utf-16-le"), (version + "\0").encode("utf-16-le")
    if not re.search(re.escape(key) + b"(?:\0\0)?" + re.escape(value), image):
        problems.append(f"{name}: the version resource does not say {version}")
    return problems


def main():
    args = sys.argv[1:]
    gallery = "--gallery" in args
    paths = [a for a in args if a != "--gallery"]
    if len(paths) != 1:
        print(__doc__, file=sys.stderr)
        return 2
    match = re.search(r"(SheetMill-([0-9.]+)-(win32|win64))\.zip$", paths[0])
    if not match:
        print(f"check-dist: {paths[0]} is not named like a package", file=sys.stderr)
        return 2
    folder, version, platform = match.groups()
    programs = ["SheetMill.exe"] + (["ThemeGallery.exe"] if gallery else [])
    expected = {f"{folder}/{n}" for n in programs + ["README.md", "LICENCE.txt"]}
    with zipfile.ZipFile(paths[0]) as archive:
        listed = {n for n in archive.namelist() if not n.endswith("/")}
        problems = [f"missing: {n}" for n in sorted(expected - listed)]
        problems += [f"not expected: {n}" for n in sorted(listed - expected)]
        for program in programs:
            entry = f"{folder}/{program}"
            if entry in listed:
                problems += check_program(program, archive.read(entry), platform, version)
        for info in sorted(archive.infolist(), key=lambda i: i.filename):
            if not info.filename.endswith("/"):
                print(f"  {info.file_size:>9}  {info.filename}")
    for problem in problems:
        print(f"check-dist: {paths[0]}: {problem}", file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
