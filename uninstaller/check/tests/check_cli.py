#!/usr/bin/env python3
"""uninstal-check as a program: its exit statuses, its JSON, its two languages, its help.

    check_cli.py PROGRAM VERSION EVERYLINE.DAT MISTAKES.DAT SAMPLE.DAT WORK
"""
import json
import subprocess
import sys
from pathlib import Path


def run(program, *args):
    result = subprocess.run([program, *args], capture_output=True, timeout=60)
    return result.returncode, result.stdout


def main(program, version, every_line, mistakes, sample, work):
    work = Path(work)
    work.mkdir(parents=True, exist_ok=True)

    # The shipped sample, comments and all, is a log with nothing to fix.
    status, out = run(program, sample)
    assert status == 0, out
    assert out.decode("utf-8").endswith("0 refused, 0 warnings, 0 staying.\n"), out

    status, out = run(program, "--json", every_line)
    assert status == 1, out
    report = json.loads(out.decode("utf-8"))
    assert report["status"] == 1 and report["refused"] == 11, report
    kinds = {w["kind"] for w in report["warnings"]}
    assert kinds == {"outside-section", "unknown-key", "repeated-key", "no-equals-sign", "unread-section",
                     "looks-like-utf8", "listed-twice", "outside-application", "not-cp1252",
                     "repeated-section", "text-ends-at-nul", "default-texts"}, kinds
    targets = [s["target"] for s in report["steps"]]
    assert "C:\\Windows\\System32\\partag\u00e9.dll" in targets, targets
    assert "C:\\Program Files\\Appli\\\ufffdoctet.txt" in targets, targets

    status, out = run(program, "--french", every_line)
    text = out.decode("utf-8")
    assert status == 1 and "supprimer le fichier C:\\Windows\\System32\\partag\u00e9.dll" in text, text
    assert "REFUS\u00c9 [Folders] C:\\Users\\jo\\Desktop (ligne 29) : un dossier standard" in text, text

    # The mistakes an author makes, each on its line with its mend, in text and in JSON.
    app = ["--app-folder", "C:\\Program Files\\MyApp", mistakes]
    status, out = run(program, *app)
    text = out.decode("utf-8")
    for told in ("REFUSED [Reg_CreateKey] HKEY_CURRENT_USER\\Software\\Microsoft (line 44): it holds keys every "
                 "application shares",
                 "line 36: [Icons] the name A is that of line 35 already",
                 "line 42: [Reg_CreateKey] HKCU is not a root name uninstal knows; write HKEY_CURRENT_USER. As written, "
                 "this entry is handled under HKEY_CLASSES_ROOT",
                 "add [Folders] C:\\Program Files\\MyApp\\Docs=1",
                 "add [Reg_CreateKey] MyCo=HKEY_CURRENT_USER\\Software\\MyCo",
                 "2 warnings, 2 staying."):
        assert status == 1 and told in text, (told, text)
    # Nothing else follows from the name used twice or the unknown root: the group folder
    # and HKEY_CLASSES_ROOT\Software\MyCo stay for the reason their line tells.
    assert "Start Menu\\Programs\\MyApp stays" not in text and "CLASSES_ROOT\\Software\\MyCo stays" not in text, text
    status, out = run(program, "--json", *app)
    report = json.loads(out)
    assert [(w["kind"], w["line"]) for w in report["warnings"]] == [("name-used-twice", 36), ("unknown-root", 42)]
    assert [(s["kind"], s["line"], s["add"]) for s in report["stays"]] == [
        ("folder", 29, "[Folders] C:\\Program Files\\MyApp\\Docs=1"),
        ("key", 41, "[Reg_CreateKey] MyCo=HKEY_CURRENT_USER\\Software\\MyCo")], report["stays"]
    refused = [(s["reason"], s["line"]) for s in report["steps"] if s["action"] == "refused"]
    assert ("protected-key", 44) in refused and ("no-root", 45) in refused, refused

    empty = work / "EMPTY.DAT"
    empty.write_bytes(b"\r\n")
    status, out = run(program, "--french", str(empty))
    assert status == 1 and "le journal est vide" in out.decode("utf-8"), out

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
    # The author's text lists what is protected from the product's own tables.
    status, out = run(program, "--list-protected")
    listed = out.decode("utf-8").replace("\n", "\r\n").encode("cp1252")
    assert status == 0 and b"HKCU\\Environment\\Path\r\n" in listed, out
    assert (Path(sample).parent / "LISEZMOI.TXT").read_bytes().endswith(listed), \
        "LISEZMOI.TXT does not end with uninstal-check --list-protected"

    status, out = run(program, "--version")
    assert status == 0 and out == f"uninstal-check {version}\n".encode(), out
    print("uninstal-check: statuses, JSON and French text as expected")
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
