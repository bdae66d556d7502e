#!/usr/bin/env python3
"""The Windows build of uninstal-check, run under Wine, prints what the native build
prints for the same log.

    same_on_windows.py NATIVE WINDOWS_EXE LOG BASE_PREFIX WORK

"The same" means the same text once the encodings of the two systems are undone: the
Windows console program writes the ANSI code page (Windows-1252) with CR LF line ends,
the native one UTF-8 with LF; the JSON, UTF-8 on both, parses to the same document. Both
get the log by a relative path, so that neither counts a folder of its own as the
application's. The Windows build is the one the Wine rig runs here: the 32-bit product,
or a 64-bit build of the same sources where the kernel runs no 32-bit code.
"""
import json
import shutil
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tests" / "e2e"))
import winerig  # noqa: E402


def main(native, windows_exe, log, base, work):
    base_prefix = winerig.Prefix.open(base)
    reason = winerig.missing_for(base_prefix.arch)
    if reason:
        return winerig.unavailable(reason)
    work = Path(work)
    prefix = base_prefix.copy_to(work / "prefix")
    folder = work / "log"
    folder.mkdir(parents=True, exist_ok=True)
    shutil.copyfile(log, folder / "UNINSTAL.DAT")

    for options in ([], ["--json"], ["--french"]):
        mine = subprocess.run([native, *options, "UNINSTAL.DAT"], cwd=folder, capture_output=True, timeout=60)
        # Wine's side processes would hold a pipe open: the output goes to a file.
        with open(work / "windows.out", "wb") as out:
            theirs = subprocess.run(prefix.wine_command() + [windows_exe, *options, "UNINSTAL.DAT"], cwd=folder,
                                    env=prefix.env(), stdout=out, stderr=subprocess.DEVNULL, timeout=120)
        printed = (work / "windows.out").read_bytes()
        if options == ["--json"]:
            same = json.loads(printed.decode("utf-8")) == json.loads(mine.stdout.decode("utf-8"))
        else:
            same = printed.decode("cp1252").replace("\r\n", "\n") == mine.stdout.decode("utf-8")
        if not same or theirs.returncode != mine.returncode:
            print(f"FAILED with {options}: exit {theirs.returncode} under Wine, {mine.returncode} natively")
            print(printed.decode("cp1252", errors="replace"))
            return 1
    prefix.wait()
    print(f"the Windows build ({prefix.arch}) prints the same as the native one")
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
