#!/usr/bin/env python3
"""The import check: fails, naming each function, on any import of the executable that the export lists of
Windows 98 or of Windows 2000 lack (win98.exports, win2000.exports beside this file).

    check_imports.py EXECUTABLE [OBJDUMP]
"""
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


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


def main():
    executable = sys.argv[1]
    objdump = sys.argv[2] if len(sys.argv) > 2 else "i686-w64-mingw32-objdump"
    systems = {"Windows 98": exports("win98.exports"), "Windows 2000": exports("win2000.exports")}
    used = imports(executable, objdump)
    missing = [(system, dll, name) for system, lists in systems.items() for dll, name in used
               if name not in lists.get(dll, ())]
    for system, dll, name in missing:
        print("%s: %s lacks %s" % (system, dll, name))
    print("imports: %d functions from %d DLLs, %s" % (len(used), len({d for d, _ in used}),
                                                      "all there on Windows 98 and 2000" if not missing
                                                      else "%d missing" % len(missing)))
    return 1 if missing or not used else 0


if __name__ == "__main__":
    sys.exit(main())
