#!/usr/bin/env python3
"""Checks an installation against the table of archive entries the game reads.

standin_entries_check.py TABLE INSTALLATION [SOURCE_ROOT]

Every entry of the table must be in the installation's archive: present and not empty, a record
table with the size and at least the count listed. With SOURCE_ROOT, the sources are read too:
every archive they name, and every literal entry of a loader call, must be in the table.
Prints one line per fault and exits 1 when there is any.
"""
import glob
import os
import re
import struct
import sys


def parse_table(path):
    table = {}
    for number, line in enumerate(open(path, encoding="utf-8"), 1):
        line = line.split("#", 1)[0].split()
        if not line:
            continue
        name, items = line[0].upper(), line[1:]
        if items == ["unreached"]:
            table[name] = None
            continue
        entries = {}
        for item in items:
            m = re.fullmatch(r"(\d+)(?:-(\d+))?(?::(\d+)x(\d+))?", item)
            if not m or (m.group(2) and m.group(3)):
                sys.exit("%s:%d: cannot read '%s'" % (path, number, item))
            first = int(m.group(1))
            last = int(m.group(2)) if m.group(2) else first
            for entry in range(first, last + 1):
                entries[entry] = (int(m.group(3)), int(m.group(4))) if m.group(3) else None
        table[name] = entries
    return table


def archive_file(folder, name):
    wanted = (name + ".LBX").upper()
    for file in os.listdir(folder):
        if file.upper() == wanted:
            return os.path.join(folder, file)
    return None


def check_installation(table, folder):
    faults = []
    for name, entries in sorted(table.items()):
        if entries is None:
            continue
        path = archive_file(folder, name)
        if path is None:
            faults.append("%s.LBX is missing" % name)
            continue
        data = open(path, "rb").read()
        if len(data) < 512 or struct.unpack_from("<H", data, 2)[0] != 0xFEAD:
            faults.append("%s.LBX is not an archive" % name)
            continue
        count = struct.unpack_from("<H", data, 0)[0]
        offsets = struct.unpack_from("<%dI" % (count + 1), data, 8) if count <= 125 else ()
        for entry, records in sorted(entries.items()):
            if entry >= count:
                faults.append("%s.LBX has no entry %d (%d entries)" % (name, entry, count))
                continue
            start, end = offsets[entry], offsets[entry + 1]
            if end <= start or end > len(data):
                faults.append("%s.LBX entry %d is empty or cut" % (name, entry))
                continue
            if records is None:
                continue
            have_count, have_size = struct.unpack_from("<HH", data, start)
            want_count, want_size = records
            if have_size != want_size or have_count < want_count or 4 + have_count * have_size > end - start:
                faults.append("%s.LBX entry %d holds %d records of %d bytes; %d of %d are read" %
                              (name, entry, have_count, have_size, want_count, want_size))
    return faults


LOADER_CALL = re.compile(r'\bLBX_\w+\(\s*"([A-Za-z0-9.]+)"\s*,\s*(\d+)?')
LITERAL = re.compile(r'"([A-Za-z0-9.]+)"')


def check_sources(table, root):
    manifest = open(os.path.join(root, "STU/src/STU_Manifest.cpp"), encoding="utf-8").read()
    archives = {m.upper()[:-4] for m in re.findall(r'"([A-Za-z0-9]+\.LBX)"', manifest)}
    faults = []
    files = []
    for pattern in ("src/*.cpp", "Orv/src/*.cpp", "Kel/src/**/*.cpp", "Kel/src/**/*.h"):
        files += glob.glob(os.path.join(root, pattern), recursive=True)
    for path in sorted(files):
        if "/stubs/" in path:
            continue
        text = open(path, encoding="utf-8").read()
        where = os.path.relpath(path, root)
        named = set()
        for m in LOADER_CALL.finditer(text):
            name = m.group(1).upper()
            name = name[:-4] if name.endswith(".LBX") else name
            named.add(name)
            if m.group(2) is not None and table.get(name):
                entry = int(m.group(2))
                if entry not in table[name]:
                    faults.append("%s reads %s entry %d, which the table does not hold" % (where, name, entry))
        for m in LITERAL.finditer(text):
            word = m.group(1)
            base = word[:-4] if word.upper().endswith(".LBX") else word
            if base.upper() in archives and (word.isupper() or word.upper().endswith(".LBX")):
                named.add(base.upper())
        for name in sorted(named):
            if name not in table:
                faults.append("%s names the archive %s, which the table does not hold" % (where, name))
    return faults


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    table = parse_table(sys.argv[1])
    faults = check_installation(table, sys.argv[2])
    if len(sys.argv) == 4:
        faults += check_sources(table, sys.argv[3])
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
