#!/usr/bin/env python3
"""uninstal-check as a program: its exit statuses, its JSON, its two languages, its help.

    check_cli.py PROGRAM VERSION EVERYLINE.DAT SAMPLE.DAT WORK
"""
import json
import subprocess
import sys
from pathlib import Path


def run(program, *args):
    result = subprocess.run([program, *args], capture_output=True, timeout=60)
    return result.returncode, result.stdout


def main(program, version, every_line, sample, work):
    work = Path(work)
    work.mkdir(parents=True, exist_ok=True)

    # The shipped sample, comments and all, is a log with nothing to fix.
    status, out = run(program, sample)
    assert status == 0, out
    assert out.decode("utf-8").endswith("0 refused, 0 warnings.\n"), out

    status, out = run(program, "--json", every_line)
    assert status == 1, out
    report = json.loads(out.decode("utf-8"))
    assert report["status"] == 1 and report["refused"] == 7, report
    kinds = {w["kind"] for w in report["warnings"]}
    assert kinds == {"outside-section", "unknown-key", "repeated-key", "no-equals-sign", "unread-section",
                     "looks-like-utf8", "listed-twice", "outside-application", "not-cp1252",
                     "shortcut-folder-stays", "repeated-section", "text-ends-at-nul", "default-texts"}, kinds
    targets = [s["target"] for s in report["steps"]]
    assert "C:\\Windows\\System32\\partag\u00e9.dll" in targets, targets
    assert "C:\\Program Files\\Appli\\\ufffdoctet.txt" in targets, targets

    status, out = run(program, "--french", every_line)
    text = out.decode("utf-8")
    assert status == 1 and "supprimer le fichier C:\\Windows\\System32\\partag\u00e9.dll" in text, text
    assert "REFUS\u00c9 [Folders] C:\\Users\\jo\\Desktop : un dossier standard" in text, text

    # No log, no report: the reason, in JSON as well, on standard output.
    for unreadable, reason in ((work / "missing.dat", "missing"), (work, "folder")):
        status, out = run(program, str(unreadable))
        assert status == 2 and not out, (unreadable, status, out)
        status, out = run(program, "--json", str(unreadable))
        assert status == 2 and json.loads(out)["error"] == reason, (unreadable, status, out)
    status, out = run(program, "--json", "--verbose", every_line)
    assert status == 2 and json.loads(out)["argument"] == "--verbose", out

    for asked in ("--help", "-h"):
        status, out = run(program, asked)
        assert status == 0 and out.startswith(b"usage: uninstal-check") and b"Exit status" in out, (asked, out)
    status, out = run(program, "--version")
    assert status == 0 and out == f"uninstal-check {version}\n".encode(), out
    print("uninstal-check: statuses, JSON and French text as expected")
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
