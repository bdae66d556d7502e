#!/usr/bin/env python3
"""Try uninstal.exe: installs a demo application into a Wine prefix and runs the
uninstaller on it.

On your display you answer its dialogs yourself. Without a display (or with --xvfb) it
runs in a private Xvfb server, the dialog harness answers Yes and OK after a pause, and
screenshots of the screen are saved while it runs.
"""
import argparse
import hashlib
import os
import subprocess
import sys
import threading
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import e2e  # noqa: E402
import winerig  # noqa: E402


class UserDisplay:
    def __init__(self, name):
        self.name = name


def screenshots(display, folder, stop):
    """Captures the screen over and over until stop is set; keeps only changed pictures."""
    folder.mkdir(parents=True, exist_ok=True)
    for old in folder.glob("*.png"):
        old.unlink()
    seen, kept = set(), []
    frame = 0
    while not stop.is_set():
        path = folder / f"screen-{frame:03d}.png"
        subprocess.run(["import", "-display", display.name, "-window", "root", "-strip", str(path)],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        if not path.exists():
            continue
        digest = hashlib.sha1(path.read_bytes()).hexdigest()
        if digest in seen:
            path.unlink()
        else:
            seen.add(digest)
            kept.append(path)
            frame += 1
    return kept


def report(prefix, app):
    gone = not prefix.unix(e2e.APP).exists()
    print(f"application folder {e2e.APP}: {'removed' if gone else 'still there'}")
    if not gone:
        for path in sorted(prefix.unix(e2e.APP).rglob("*")):
            print("   left:", path.relative_to(prefix.unix(e2e.APP)))
    temp = prefix.unix(prefix.temp_folder())
    copies = sorted(str(p.relative_to(temp)) for p in temp.rglob("_kvuidel.exe"))
    print(f"temporary copy in {prefix.temp_folder()}: "
          f"{', '.join(copies) + ' (until the next start)' if copies else 'none'}")
    print(f"the prefix stays at {prefix.path} (WINEPREFIX) for a look around")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", required=True, help="build folder of the Windows programs")
    parser.add_argument("--work", required=True)
    parser.add_argument("--xvfb", action="store_true", help="use a private Xvfb server even with $DISPLAY set")
    args = parser.parse_args()

    print("building uninstal.exe ...", flush=True)
    programs = winerig.build_programs(args.build)
    uninstaller = programs / "uninstal.exe"
    base = winerig.base_prefix(uninstaller, args.work)
    if base is None:
        return 1
    work = base.path.parent
    probe = programs / "unreg_probe.dll"
    harness = programs / "dialog_harness.exe"
    interactive = bool(os.environ.get("DISPLAY")) and not args.xvfb

    display = UserDisplay(os.environ["DISPLAY"]) if interactive else winerig.Display()
    try:
        base.ensure_created(display, "creating a Wine prefix (once) ...")
        prefix = base.copy_to(work / "demo-prefix", display)
        if interactive:  # the base prefix is set up for Xvfb, which has no window manager
            prefix.import_reg('[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\n"Decorated"="Y"\n"Managed"="Y"\n')
        app, programs, desktop = e2e.install_demo_app(prefix, uninstaller, probe)
        print(f"installed {e2e.NAME} in {e2e.APP}, with shortcuts in {programs}\\{e2e.NAME} and on the desktop")
        if interactive:
            print("starting uninstal.exe on your display: answer its dialogs")
            prefix.wine(e2e.APP + "\\uninstal.exe", check=False, timeout=None)
            prefix.wait()
        else:
            shots = work / "screenshots"
            stop = threading.Event()
            result = {}
            thread = threading.Thread(target=lambda: result.update(kept=screenshots(display, shots, stop)))
            thread.start()
            try:
                code, lines, _ = winerig.run_harness(prefix, harness, ["6@2000", "1@2000"], e2e.APP + "\\uninstal.exe")
            finally:
                stop.set()
                thread.join()
            prefix.wait()
            print("what the dialogs showed:\n  " + "\n  ".join(l for l in lines if not l.startswith("time ")))
            print(f"screenshots ({len(result['kept'])}), in order: {shots}")
            for path in result["kept"]:
                print("  ", path.name)
        report(prefix, app)
    finally:
        if not interactive:
            display.close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
