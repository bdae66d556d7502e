#!/usr/bin/env python3
"""The dialog harness's own test: it must name the icon of every kind of message box
correctly, since the end-to-end scenarios rely on it.

    harness_test.py --tools DIR --prefix BASE --work DIR
"""
import argparse
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import e2e  # noqa: E402
import winerig  # noqa: E402


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--tools", required=True, help="folder of dialog_harness.exe and icon_boxes.exe")
    parser.add_argument("--prefix", required=True, help="the base prefix (winerig.py create)")
    parser.add_argument("--work", required=True)
    args = parser.parse_args()

    tools = Path(args.tools)
    base = winerig.Prefix(args.prefix, winerig.pe_machine(tools / "icon_boxes.exe"))
    reason = winerig.missing_for(base.arch)
    if reason:
        return winerig.unavailable(reason)
    with winerig.Display() as display:
        prefix = base.copy_to(Path(args.work) / "prefix", display)
        code, lines, _ = winerig.run_harness(prefix, tools / "dialog_harness.exe", [1, 1, 6, 1, 1, 1],
                                             tools / "icon_boxes.exe")
        prefix.wait()
    print("transcript:\n  " + "\n  ".join(lines))
    boxes = e2e.dialogs(lines)
    wrong = [(caption, icon) for caption, _, _, icon in boxes if icon != caption]
    if code != 0 or len(boxes) != 6 or wrong:
        print(f"FAILED: harness exit code {code}, {len(boxes)} boxes, icons named wrongly: {wrong}")
        return 1
    print("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
