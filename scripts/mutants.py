#!/usr/bin/env python3
"""Plants one small fault at a time in a copy of the tree, rebuilds it and runs
the suite: a fault the suite does not notice is a test that is missing.

Run through scripts/mutants.sh, which copies the tree and builds it once:
  mutants.py TREE BUILD [--seed N] [--count N] [--files a.cpp,b.cpp] [--since COMMIT] [--list]
"""
import argparse
import random
import re
import subprocess
import sys
import time
from pathlib import Path

# The user-visible logic: number format and reading, the sheet's drawing and
# editing, the file readers and writers, the document lifecycle, model
# operations, sort, clipboard text, calculators, the codec and the link to
# the sibling programs.
SCOPE = [
    "src/sheet/number_format.cpp", "src/sheet/draw_sheet.cpp", "src/sheet/quartz_draw.cpp",
    "src/sheet/row_layout.cpp", "src/sheet/sheet_input.cpp", "src/sheet/model_ops.cpp",
    "src/sheet/model_table.cpp", "src/sheet/row_moves.cpp", "src/sheet/sort.cpp",
    "src/sheet/clipboard_text.cpp", "src/sheet/sheet_texts.cpp",
    "src/docs/sheet_format.cpp", "src/docs/import_files.cpp", "src/docs/driver_files.cpp",
    "src/docs/text_coding.cpp", "src/docs/file_io.cpp", "src/docs/file_panels.cpp",
    "src/docs/doc_lifecycle.cpp", "src/docs/desktop_open.cpp",
    "src/calc/calc_formulas.cpp", "src/calc/calc_texts.cpp", "src/calc/calc_steps.cpp",
    "src/calc/calc_window.cpp", "src/calc/vas_calc.cpp", "src/calc/effi_calc.cpp",
    "src/calc/feet_calc.cpp", "src/calc/ebp_calc.cpp", "src/calc/small_calcs.cpp",
    "src/platform/mac_roman.cpp", "src/platform/str255.cpp",
    "src/link/link_messages.cpp", "src/link/messages.cpp", "src/link/launch.cpp", "src/link/launch_window.cpp",
    "src/link/hand_over.cpp",
    "src/print/print_layout.cpp", "src/print/print_page.cpp", "src/print/print.cpp", "src/print/print_pdf.cpp",
    "src/app/command_line.cpp",
    "src/prefs/prefs.cpp", "src/prefs/prefs_format.cpp", "src/prefs/update.cpp", "src/prefs/update_text.cpp",
    "src/prefs/update_install.cpp",
]

RELATIONAL = {" < ": " <= ", " <= ": " < ", " > ": " >= ", " >= ": " > ", " == ": " != ", " != ": " == "}
LOGICAL = {" && ": " || ", " || ": " && "}
ARITHMETIC = {" + ": " - ", " - ": " + ", " * ": " / ", " / ": " * "}
NUMBER = re.compile(r"(?<![\w.])(\d+)(\.\d+)?(f?)(?![\w.])")
CALL_STATEMENT = re.compile(r"^(\s*)(?!return\b|if\b|while\b|for\b|switch\b|case\b|delete\b)[A-Za-z_][\w:.>-]*\(.*\);\s*$")
# Conversions that change the value; a static_cast mostly restates what the
# language would convert anyway.
CONVERSION = re.compile(r"\b(?:std::lround|std::lrint|std::rint|std::floor|std::ceil|std::trunc|std::fabs|std::abs|ToStoredFloat)\(")


def code_mask(line):
    """Which characters are code, not inside a string, a character or a comment."""
    mask, quote, k = [], None, 0
    while k < len(line):
        c = line[k]
        if quote:
            mask.append(False)
            if c == "\\":
                mask.append(False)
                k += 2
                continue
            if c == quote:
                quote = None
        elif line.startswith("//", k):
            mask.extend([False] * (len(line) - k))
            break
        elif c in "\"'":
            quote = c
            mask.append(False)
        else:
            mask.append(True)
        k += 1
    return mask


def closing_paren(line, open_at):
    depth = 0
    for k in range(open_at, len(line)):
        if line[k] == "(":
            depth += 1
        elif line[k] == ")":
            depth -= 1
            if depth == 0:
                return k
    return -1


def line_mutants(line):
    """(description, new line) for every fault this line can take."""
    stripped = line.strip()
    if not stripped or stripped.startswith(("//", "#", "*", "/*")) or "static_assert" in line:
        return []
    if re.search(r"SetControlHelpTag|CreateSeparator|CreateGroupBox", line):
        return []  # help tags and frames are the layout's texts and decoration, like its tables
    if ".reserve(" in line:
        return []  # room reserved ahead changes how often a buffer grows, not what it holds
    mask = code_mask(line)
    code = lambda k: k < len(mask) and mask[k]
    out = []
    for table, kind in ((RELATIONAL, "relational"), (LOGICAL, "logical"), (ARITHMETIC, "arithmetic")):
        for old, new in table.items():
            start = 0
            while (k := line.find(old, start)) >= 0:
                start = k + 1
                if code(k + 1):
                    out.append((f"{kind} '{old.strip()}' -> '{new.strip()}'", line[:k] + new + line[k + len(old):]))
    # The rows of layout tables (rectangles, column places), the sizes of
    # windows and the faces and sizes of their texts are data: a point more
    # or less moves a text, which no test should pin.
    layout_row = (stripped.startswith("{") or "LTRB(" in line or "TextStyle" in line or re.search(r"\bIn\(\w+, ", line)
                  or re.match(r"constexpr \w+ k\w+\[\] = \{", stripped)
                  or re.search(r"\b(BuildCalcWindow|CreateDialogWindow|CreateMenuBarWindow|CreateAlertWindow)\(", line))
    # A handler case that calls its procedure and answers "handled": every
    # answer but kEventNotHandled means the same to the platform.
    handled_answer = re.match(r"case .*\w\(.*\); return \d+;$", stripped)
    for m in NUMBER.finditer(line):
        if layout_row or not code(m.start()):
            continue
        if handled_answer and line[:m.start()].rstrip().endswith("return"):
            continue
        # Octal literals and the sizes of buffers are not values the program computes with.
        if (len(m.group(1)) > 1 and m.group(1).startswith("0") and not m.group(2)) or line[m.start() - 1:m.start()] == "[":
            continue
        whole, frac, suffix = m.group(1), m.group(2), m.group(3)
        if frac:
            value = float(whole + frac)
            changed = f"{value * 1.5 + 1:g}"
            changed += "" if "." in changed or "e" in changed else ".0"
            out.append((f"constant {m.group(0)} -> {changed}{suffix}", line[:m.start()] + changed + suffix + line[m.end():]))
        else:
            for delta in (1, -1):
                value = int(whole) + delta
                if value >= 0:
                    out.append((f"boundary {whole} -> {value}", line[:m.start()] + str(value) + suffix + line[m.end():]))
    m = CALL_STATEMENT.match(line)
    if m and "=" not in line.split("(")[0]:
        out.append(("call removed", m.group(1) + "; // " + line.strip() + "\n")) # named, so it can be listed
    for m in CONVERSION.finditer(line):
        if code(m.start()):
            out.append((f"conversion {m.group(0)[:-1]} removed", line[:m.start()] + "(" + line[m.end():]))
    k = line.find("if (")
    if k >= 0 and code(k):
        close = closing_paren(line, k + 3)
        if close > 0:
            cond = line[k + 4:close]
            out.append(("branch inverted", line[:k] + "if (!(" + cond + "))" + line[close + 1:]))
    return out


def equivalents(path):
    """The (file, mutated line) pairs listed as changing no behaviour."""
    listed = set()
    if path.exists():
        for line in path.read_text().splitlines():
            if line.strip() and not line.startswith("#"):
                rel, _, text = line.partition(" | ")
                listed.add((rel.strip(), text.strip()))
    return listed


def candidates(tree, files, skip):
    found = []
    for rel in files:
        lines = (tree / rel).read_text().splitlines(keepends=True)
        for number, line in enumerate(lines, 1):
            for what, new in line_mutants(line):
                if (rel, new.strip()) not in skip:
                    found.append((rel, number, what, new))
    return found


def changed_lines(since, files):
    """The (file, line) pairs that differ from commit `since`, by git in the working directory."""
    diff = subprocess.run(["git", "diff", "-U0", since, "--"] + files, capture_output=True, text=True, check=True).stdout
    changed, rel = set(), None
    for line in diff.splitlines():
        if line.startswith("+++ "):
            rel = line[6:] if line.startswith("+++ b/") else None
        elif line.startswith("@@") and rel:
            start, _, count = line.split()[2][1:].partition(",")
            changed.update((rel, n) for n in range(int(start), int(start) + int(count or 1)))
    return changed


def run(command, cwd, timeout):
    try:
        return subprocess.run(command, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        return -1


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("tree", type=Path)
    ap.add_argument("build", type=Path)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--count", type=int, default=40)
    ap.add_argument("--files", default=",".join(SCOPE))
    ap.add_argument("--list", action="store_true", help="print the sample and stop")
    ap.add_argument("--since", help="only the lines changed since this commit")
    args = ap.parse_args()
    args.tree, args.build = args.tree.resolve(), args.build.resolve()
    files = [f for f in args.files.split(",") if f]
    pool = candidates(args.tree, files, equivalents(Path(__file__).with_name("mutants-equivalent.txt")))
    if args.since:
        changed = changed_lines(args.since, files)
        pool = [m for m in pool if (m[0], m[1]) in changed]
    random.Random(args.seed).shuffle(pool)
    args.count = min(args.count, len(pool))
    print(f"{len(pool)} possible mutants in {len(files)} files; seed {args.seed}, sample {args.count}", flush=True)
    if args.list:
        for rel, number, what, _ in pool[:args.count]:
            print(f"{rel}:{number}: {what}")
        return 0
    # The tests mostly wait (timers, the bus, other processes): three at a core take half the time of one.
    # No test takes 10 s even then: a mutant that makes one hang is caught at 30.
    tests = ["ctest", "--test-dir", str(args.build), "-j6", "--timeout", "30", "--stop-on-failure"]
    # A failure that does not come again on its own is the load's, not the mutant's.
    confirm = ["ctest", "--test-dir", str(args.build), "--rerun-failed", "--timeout", "30", "--stop-on-failure"]
    killed, survived, unbuilt, tried = 0, [], 0, 0
    began = time.time()
    for rel, number, what, new in pool:
        if killed + len(survived) >= args.count:
            break
        path = args.tree / rel
        original = path.read_text()
        lines = original.splitlines(keepends=True)
        lines[number - 1] = new
        path.write_text("".join(lines))
        tried += 1
        try:
            if run(["cmake", "--build", str(args.build), "-j2"], args.tree, 600) != 0:
                unbuilt += 1
                continue
            caught = run(tests, args.tree, 900) != 0 and run(confirm, args.tree, 900) != 0
        finally:
            path.write_text(original)
        if caught:
            killed += 1
        else:
            survived.append(f"{rel}:{number}: {what}\n      {new.strip()}")
        print(f"[{killed + len(survived)}/{args.count}] {'killed  ' if caught else 'SURVIVED'} {rel}:{number}: {what}",
              flush=True)
    total = killed + len(survived)
    print(f"\n{unbuilt} of {tried} mutants did not build and were skipped; {time.time() - began:.0f} s")
    if survived:
        print("Survivors:")
        for s in survived:
            print("  " + s)
    print(f"Score: {killed}/{total} killed ({100.0 * killed / max(total, 1):.0f} %)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
