#!/usr/bin/env python3
"""Fails when a file under src/ includes a header of a folder that is not below its own.

Each folder is a layer that builds on the layers of lower rank only; folders of one rank never
include each other. A new folder gets its rank here, in DESIGN.md and in src/CMakeLists.txt.
"""
import pathlib
import re
import sys

RANKS = [["platform"], ["practice"], ["keyboard", "game"], ["stats", "settings"], ["shell"]]
RANK = {folder: rank for rank, folders in enumerate(RANKS) for folder in folders}
INCLUDE = re.compile(r'\s*#\s*include\s+"(\w+)/')


def faults(src):
    for path in sorted(src.glob("*/*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        folder = path.parent.name
        if folder not in RANK:
            yield f"{path}: the folder {folder} has no rank"
            continue
        for number, line in enumerate(path.read_text(encoding="latin-1").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match or match[1] == folder:
                continue
            included = match[1]
            if included not in RANK or RANK[included] >= RANK[folder]:
                yield f"{path}:{number}: {folder} may not include {included}: {line.strip()}"


def main():
    found = list(faults(pathlib.Path(sys.argv[1])))
    for fault in found:
        print(fault)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
