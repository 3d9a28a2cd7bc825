#!/usr/bin/env python3
"""The static checks of the real executable, which fail naming what is wrong:
 - a PE32 file for i386, of the GUI subsystem version 4.0 (the display settings' preview pane takes no other);
 - its version resource: Japanese with the Unicode string table, and the program's names and version;
 - every import in the export lists of Windows 98 and of Windows 2000 (win98.exports, win2000.exports here);
 - no import among the optional entry points, which the program looks up at run time
   (toolkit/system/optional_entries.h).

    check_scr.py EXECUTABLE [OBJDUMP]
"""
import os
import re
import struct
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OPTIONAL = os.path.join(HERE, "..", "..", "toolkit", "system", "optional_entries.h")

VERSION_STRINGS = {"ProductName": "Quorvantile", "InternalName": "Quorvantile", "LegalTrademarks": "Quorvantile",
                   "OriginalFilename": "Quorvantile.scr", "FileVersion": "1.00", "ProductVersion": "1.00"}
MAKER_STRINGS = ("CompanyName", "LegalCopyright")  # the maker's name: present, whatever it is


def exports(name):
    lists, dll = {}, None
    for line in open(os.path.join(HERE, name), encoding="utf-8"):
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        if line.startswith("["):
            dll = line.strip("[]").lower()
            lists[dll] = set()
        else:
            lists[dll].update(line.split())
    return lists


def imports(executable, objdump):
    out = subprocess.run([objdump, "-p", executable], check=True, capture_output=True, text=True).stdout
    found, dll = [], None
    for line in out.splitlines():
        named = re.match(r"\s*DLL Name: (\S+)", line)
        if named:
            dll = named.group(1).lower().removesuffix(".dll")
            continue
        entry = re.match(r"\t[0-9a-f]+\t +(\d+)(?: +(\S+))?$", line)
        if dll and entry:
            found.append((dll, entry.group(2) or "#" + entry.group(1)))  # by name, or by ordinal
    return found


def optional_entries():
    """The table's rows, Name{"library", "Name", "oldest", "without"}, as (library, name, the row's own name)."""
    text = open(OPTIONAL, encoding="utf-8").read()
    return re.findall(r'(\w+)\{"([^"]+)",\s*"([^"]+)",\s*"[^"]*",\s*"[^"]*"\}', text)


class Pe:
    def __init__(self, data):
        self.data = data
        self.nt = struct.unpack_from("<I", data, 0x3C)[0]
        self.machine, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", data, self.nt + 4)
        self.optional = self.nt + 24
        self.magic = struct.unpack_from("<H", data, self.optional)[0]
        self.subsystem_version = struct.unpack_from("<HH", data, self.optional + 48)
        self.subsystem = struct.unpack_from("<H", data, self.optional + 68)[0]
        first = self.optional + optional_size
        self.sections = [struct.unpack_from("<IIII", data, first + 40 * i + 8) for i in range(sections)]
        # PE32: the data directories start at 96 of the optional header; the resource table is the third.
        self.resources = struct.unpack_from("<I", data, self.optional + 96 + 8 * 2)[0]

    def offset(self, rva):
        for size, address, raw_size, raw in self.sections:
            if address <= rva < address + max(size, raw_size):
                return rva - address + raw
        raise ValueError("RVA %#x is in no section" % rva)

    def resource(self, kind):
        """The bytes of the first resource of a type, walking the three levels of the resource directory."""
        base = self.offset(self.resources)
        entry, wanted = base, kind
        for _ in range(3):
            named, numbered = struct.unpack_from("<HH", self.data, entry + 12)
            for i in range(named + numbered):
                ident, target = struct.unpack_from("<II", self.data, entry + 16 + 8 * i)
                if wanted is None or ident == wanted:
                    break
            else:
                return None
            entry, wanted = base + (target & 0x7FFFFFFF), None
        rva, size = struct.unpack_from("<II", self.data, entry)
        return self.data[self.offset(rva):self.offset(rva) + size]


def version_info(block):
    """The strings of a version resource by table, and its translations."""
    strings, translations = {}, []

    def walk(at, end, path):
        while at + 6 <= end:
            length, value_length, text = struct.unpack_from("<HHH", block, at)
            if length == 0:
                break
            key_end = at + 6
            while block[key_end:key_end + 2] != b"\0\0":
                key_end += 2
            key = block[at + 6:key_end].decode("utf-16-le")
            value = (key_end + 2 + 3) & ~3
            value_bytes = value_length * 2 if text else value_length
            if path[-2:-1] == ["StringFileInfo"]:  # a string of a string table
                strings.setdefault(path[-1], {})[key] = block[value:value + value_bytes].decode("utf-16-le").rstrip("\0")
            if key == "Translation":
                translations.extend(struct.unpack_from("<%dH" % (value_length // 2), block, value))
            walk((value + value_bytes + 3) & ~3, at + length, path + [key])
            at = (at + length + 3) & ~3

    walk(0, len(block), [])
    return strings, translations


def main():
    executable = sys.argv[1]
    objdump = sys.argv[2] if len(sys.argv) > 2 else "i686-w64-mingw32-objdump"
    problems = []
    pe = Pe(open(executable, "rb").read())
    if pe.machine != 0x14C or pe.magic != 0x10B:
        problems.append("not a PE32 file for i386 (machine %#x, magic %#x)" % (pe.machine, pe.magic))
    elif pe.subsystem != 2 or pe.subsystem_version != (4, 0):
        problems.append("subsystem %d version %d.%d, not the GUI at 4.0" % ((pe.subsystem,) + pe.subsystem_version))
    else:
        block = pe.resource(16)  # RT_VERSION
        strings, translations = version_info(block) if block else ({}, [])
        table = strings.get("041104b0", {})
        if translations[:2] != [0x0411, 1200] or not table:
            problems.append("no version resource in Japanese (0x0411) with the Unicode table (1200)")
        for name, wanted in VERSION_STRINGS.items():
            if table and table.get(name) != wanted:
                problems.append("version resource: %s is %r, not %r" % (name, table.get(name), wanted))
        problems += ["version resource: no %s" % name for name in MAKER_STRINGS if table and not table.get(name)]

    systems = {"Windows 98": exports("win98.exports"), "Windows 2000": exports("win2000.exports")}
    used = imports(executable, objdump)
    if not used:
        problems.append("no imports could be read with %s" % objdump)
    problems += ["%s: %s lacks %s" % (system, dll, name) for system, lists in systems.items() for dll, name in used
                 if name not in lists.get(dll, ())]
    optional = optional_entries()
    problems += ["%s is imported, but the program looks it up at run time" % name for _, library, name in optional
                 if name in {n for _, n in used}]
    problems += ["the optional entry %s looks up %s" % (row, name) for row, _, name in optional if row != name]
    if not optional:
        problems.append("no optional entry points read from %s" % OPTIONAL)
    for problem in problems:
        print(problem)
    print("%s: PE32, GUI 4.0, version %s; imports: %d functions from %d DLLs, %s; %d looked up at run time" % (
        os.path.basename(executable), VERSION_STRINGS["FileVersion"], len(used), len({d for d, _ in used}),
        "%d problems" % len(problems) if problems else "all there on Windows 98 and 2000", len(optional)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
