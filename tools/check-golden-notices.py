#!/usr/bin/env python3
"""Checks that new batch golden output differs from the old only by the
"notices" member added at the end of every chart object.

    tools/check-golden-notices.py OLD.jsonl NEW.jsonl

Each new chart line must be the old line with ,"notices":[...] inserted before
its closing brace; error lines must be identical. Prints a summary and exits
non-zero at the first other difference.
"""
import json
import sys


def main(old_path, new_path):
    with open(old_path, encoding="utf-8") as f:
        old = f.read().split("\n")
    with open(new_path, encoding="utf-8") as f:
        new = f.read().split("\n")
    if len(old) != len(new):
        sys.exit(f"line counts differ: {len(old)} and {len(new)}")
    charts = notices = 0
    for n, (a, b) in enumerate(zip(old, new), 1):
        if a == b and ('"error"' in a or a == ""):
            continue
        key = ',"notices":['
        at = b.rfind(key)
        if at < 0 or not b.endswith("]}"):
            sys.exit(f"line {n}: no notices member at the end")
        if b[:at] + "}" != a:
            sys.exit(f"line {n}: differs beyond the notices member")
        listed = json.loads(b[at + len(key) - 1:-1])
        charts += 1
        notices += len(listed)
    print(f"{new_path}: {charts} chart lines differ only by the notices member "
          f"({notices} notices); error lines identical")


if __name__ == "__main__":
    main(*sys.argv[1:])
