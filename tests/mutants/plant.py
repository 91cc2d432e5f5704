"""Replaces the one occurrence of a text in a file; fails when it occurs zero or several times."""
import sys

path, old, new = sys.argv[1:4]
with open(path, encoding="utf-8") as f:
    text = f.read()
if text.count(old) != 1:
    sys.exit(f"{path}: '{old}' occurs {text.count(old)} times")
with open(path, "w", encoding="utf-8") as f:
    f.write(text.replace(old, new))
