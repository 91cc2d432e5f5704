# SPDX-License-Identifier: GPL-3.0-or-later
"""Replaces the one occurrence of a text in a file; fails when it occurs zero or several times."""
import sys

# "\n" in a text stands for a line break, so that a line that occurs more than once can be named
# with the line before it.
path, old, new = (arg.replace("\\n", "\n") for arg in sys.argv[1:4])
with open(path, encoding="utf-8") as f:
    text = f.read()
if text.count(old) != 1:
    sys.exit(f"{path}: '{old}' occurs {text.count(old)} times")
with open(path, "w", encoding="utf-8") as f:
    f.write(text.replace(old, new))
