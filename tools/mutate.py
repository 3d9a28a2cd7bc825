#!/usr/bin/env python3
"""A small mutation run over the portable logic, judged by the native unit tests.

Each mutant changes one comparison, one logical or arithmetic operator, or one integer constant (by one
either way) on one line of the files below. A mutant is killed when the unit tests fail or hang, survives
when they pass, and is stillborn when it does not build. Prints the survivors and the counts.

  tools/mutate.py [--tests DIR] [--only FILE]

--tests takes the unit tests from another tree (a checkout of an earlier commit, say), so that two test
suites can be judged on the same mutants.
"""
import argparse
import concurrent.futures
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
TARGETS = [
    "catalogue/pict_list.cpp", "catalogue/kind_finds.cpp", "catalogue/picture_walk.cpp", "catalogue/play_order.cpp",
    "saver/placement.cpp", "saver/slideshow.cpp", "settings/settings_file.cpp", "toolkit/portable/number_text.cpp",
    "toolkit/portable/numbers.h", "toolkit/portable/picture_header.cpp", "toolkit/portable/work_schedule.cpp",
    "paint/prep_paint.cpp", "paint/paint_pass.cpp", "paint/pace.cpp", "toolkit/portable/orientation.cpp",
]


def portable_sources():
    """The sources the unit tests link, as CMakeLists.txt lists them: every file of toolkit/portable and the rest."""
    cmake = (ROOT / "CMakeLists.txt").read_text()
    listed = re.search(r"set\(PORTABLE_SOURCES(.*?)\)", cmake, re.S).group(1).split()
    toolkit = sorted(str(p.relative_to(ROOT)) for p in (ROOT / "toolkit/portable").glob("*.cpp"))
    return toolkit + [f for f in listed if not f.startswith("$")]


PORTABLE = portable_sources()
DEPS = ROOT / "build/deps/host"
CXX = ["g++", "-std=c++20", "-O1", "-w"]

# (pattern, replacement) pairs; each match of a pattern on a line is one mutant.
OPERATORS = [
    (r"<=", "<"), (r">=", ">"), (r"(?<=\s)<(?=\s)", "<="), (r"(?<=\s)>(?=\s)", ">="),
    (r"==", "!="), (r"!=", "=="), (r"&&", "||"), (r"\|\|", "&&"),
    (r"(?<=\s)\+(?=\s)", "-"), (r"(?<=\s)-(?=\s)", "+"), (r"\btrue\b", "false"), (r"\bfalse\b", "true"),
]
NUMBER = re.compile(r"(?<![\w.])\d+(?![\w.'])")


def code_part(line):
    """The line with comments cut and string and character literals blanked, so that nothing in them mutates."""
    line = re.sub(r'"(\\.|[^"\\])*"', lambda m: " " * len(m.group()), line)
    line = re.sub(r"'(\\.|[^'\\])*'", lambda m: " " * len(m.group()), line)
    return line.split("//")[0]


def mutants(text):
    """Yields (line number, mutated text, description) for every mutant of a file's text."""
    lines = text.split("\n")
    for n, line in enumerate(lines):
        code = code_part(line)
        if code.lstrip().startswith(("#", "static_assert")) or not code.strip():
            continue
        changes = []
        for pattern, replacement in OPERATORS:
            changes += [(m.start(), m.end(), replacement) for m in re.finditer(pattern, code)]
        for m in NUMBER.finditer(code):
            value = int(m.group())
            changes.append((m.start(), m.end(), str(value + 1)))
            if value > 0:
                changes.append((m.start(), m.end(), str(value - 1)))
        for start, end, replacement in changes:
            mutated = line[:start] + replacement + line[end:]
            yield n + 1, "\n".join(lines[:n] + [mutated] + lines[n + 1:]), f"{line[start:end]} -> {replacement}"


class Build:
    """A copy of the sources with its objects, where one file at a time is mutated and the tests relinked."""

    def __init__(self, work, tests):
        self.work = work
        shutil.copytree(ROOT, work / "src", ignore=shutil.ignore_patterns("build", ".git", "docs"))
        if tests:
            shutil.rmtree(work / "src/tests/unit")
            shutil.copytree(tests, work / "src/tests/unit")
        self.src = work / "src"
        self.tests = sorted(str(p.relative_to(self.src)) for p in (self.src / "tests/unit").glob("*.cpp"))
        self.objects = {f: work / "obj" / (f.replace("/", "_") + ".o") for f in PORTABLE + self.tests}
        (work / "obj").mkdir()
        with concurrent.futures.ThreadPoolExecutor() as pool:
            if not all(pool.map(self.compile, self.objects)):
                sys.exit("the unmutated sources do not build")
        if not self.link() or self.run() != "passed":
            sys.exit("the unit tests do not pass on the unmutated sources")

    def compile(self, source):
        return subprocess.run(CXX + ["-I", str(self.src), "-isystem", str(DEPS / "include"), "-c", str(self.src / source), "-o",
                                     str(self.objects[source])], capture_output=True).returncode == 0

    def link(self):
        command = ["g++", "-o", str(self.work / "tests")] + [str(o) for o in self.objects.values()]
        libraries = [str(DEPS / "lib/libpng16.a"), str(DEPS / "lib/libjpeg.a"), "-lz"]
        return subprocess.run(command + libraries + ["-lgtest", "-lgtest_main", "-pthread"],
                              capture_output=True).returncode == 0

    def run(self):
        try:
            done = subprocess.run([str(self.work / "tests"), "--gtest_brief=1"], capture_output=True, timeout=20)
        except subprocess.TimeoutExpired:
            return "killed"
        return "passed" if done.returncode == 0 else "killed"

    def judge(self, target, text):
        """Builds with target holding text and says what became of the mutant."""
        path = self.src / target
        original = path.read_text()
        path.write_text(text)
        try:
            # A header mutant rebuilds everything; a source mutant only its own object.
            sources = list(self.objects) if target.endswith(".h") else [target]
            with concurrent.futures.ThreadPoolExecutor() as pool:
                built = all(pool.map(self.compile, sources))
            if not built or not self.link():
                return "stillborn"
            return "survived" if self.run() == "passed" else "killed"
        finally:
            path.write_text(original)
            if target.endswith(".h"):
                with concurrent.futures.ThreadPoolExecutor() as pool:
                    list(pool.map(self.compile, self.objects))
            else:
                self.compile(target)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--tests", type=pathlib.Path, help="the folder of unit tests to judge with")
    parser.add_argument("--only", help="mutate this one file")
    args = parser.parse_args()
    counts = {"killed": 0, "survived": 0, "stillborn": 0}
    with tempfile.TemporaryDirectory() as work:
        build = Build(pathlib.Path(work), args.tests)
        for target in [args.only] if args.only else TARGETS:
            text = (build.src / target).read_text()
            for line, mutated, what in mutants(text):
                verdict = build.judge(target, mutated)
                counts[verdict] += 1
                if verdict == "survived":
                    print(f"survived  {target}:{line}  {what}", flush=True)
    judged = counts["killed"] + counts["survived"]
    print(f"mutants: {judged + counts['stillborn']}, stillborn {counts['stillborn']}; "
          f"killed {counts['killed']} of {judged} ({100 * counts['killed'] / max(judged, 1):.0f}%)")


if __name__ == "__main__":
    main()
