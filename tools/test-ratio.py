#!/usr/bin/env python3
"""Counts the lines of test code against the lines of product code.

Lines are those of the C++ files git tracks (.cpp, .h), blank lines and
comments left out. Tests are everything under tests/ (fakes and fuzz
targets included); the product is every program and library folder;
tools/ counts as neither. Prints both counts and the ratio; with --max P
it exits 1 when tests are more than P percent of the product.
"""
import re
import subprocess
import sys
from pathlib import Path

PRODUCT = ("titlecard", "titlecard_config", "viewer", "viewer_properties", "second_config",
           "second_card", "third_card", "widgets", "shared")
TESTS = ("tests",)

# Strings first, so "//" or "/*" inside a literal is not taken for a comment.
TOKEN = re.compile(r'"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'|//[^\n]*|/\*.*?\*/', re.S)


def code_lines(text):
    def keep(match):
        token = match.group(0)
        if token.startswith("//"):
            return ""
        if token.startswith("/*"):
            return "\n" * token.count("\n")
        return token
    return sum(1 for line in TOKEN.sub(keep, text).splitlines() if line.strip())


def count(root, folders):
    files = subprocess.run(["git", "-C", str(root), "ls-files", "--", *folders],
                           capture_output=True, text=True, check=True).stdout.split()
    return sum(code_lines((root / f).read_text(encoding="utf-8", errors="replace"))
               for f in files if f.endswith((".cpp", ".h")))


def main():
    root = Path(__file__).resolve().parent.parent
    product, tests = count(root, PRODUCT), count(root, TESTS)
    ratio = 100.0 * tests / product if product else 0.0
    print(f"product {product} lines, tests {tests} lines: tests are {ratio:.1f} % of the product")
    if len(sys.argv) == 3 and sys.argv[1] == "--max":
        return 0 if ratio <= float(sys.argv[2]) else 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
