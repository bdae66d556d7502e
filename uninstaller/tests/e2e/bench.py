#!/usr/bin/env python3
"""Benchmark: how long uninstal.exe takes per removed item, against an NSIS uninstaller
that removes the same installation.

For each N, N files (ten to a folder, ten folders to a group folder) and one shortcut
per twenty files (in a Start Menu group, plus one on the desktop) are laid down in a
Wine prefix. uninstal.exe removes them through the dialog harness; its time runs from
the press of Yes to the outcome box, less the fixed 300 ms pauses that it makes (their
number follows from the log's sections). Then the same installation is laid down again
and removed by an NSIS uninstaller generated for exactly these items, run silently in
place; its time is the wall time of the run.

Both carry a fixed cost that does not depend on the items: for NSIS the start and end of
the process, for uninstal.exe its self-copy, its window and its reading of the log. Each
is measured the same way on a run that removes nothing (an NSIS uninstaller without
commands; uninstal.exe with a log that names only the application) and subtracted, so
that the time per item compares the work on the items alone. Each run is made --repeat
times and the best one counts, the empty runs included.
"""
import argparse
import shutil
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import winerig  # noqa: E402

APP = "C:\\Program Files\\Bench App"
PAUSE_S = 0.3


def layout(n, programs, desktop):
    """(files, folders parent first, shortcuts) of the benchmark installation."""
    files, folders = [], [APP]
    for f in range(n):
        group, folder = f // 100, f // 10
        if f % 100 == 0:
            folders.append(f"{APP}\\g{group:03d}")
        if f % 10 == 0:
            folders.append(f"{APP}\\g{group:03d}\\d{folder:04d}")
        files.append(f"{APP}\\g{group:03d}\\d{folder:04d}\\file{f:05d}.dat")
    shortcuts = [f"{programs}\\Bench App\\Item {k:04d}.lnk" for k in range(max(1, n // 20))]
    shortcuts.append(f"{desktop}\\Bench App.lnk")
    return files, folders, shortcuts


def lay_down(prefix, files, folders, shortcuts):
    for folder in folders:
        prefix.unix(folder).mkdir(parents=True, exist_ok=True)
    for path in files + shortcuts:
        target = prefix.unix(path)
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_bytes(b"bench")


def leftovers(prefix, files, folders, shortcuts):
    return sum(prefix.unix(p).exists() for p in files + folders[1:] + shortcuts)


def timed_events(lines):
    """(event line, ms since the harness started) for each event the harness timed."""
    events = []
    for previous, line in zip(lines, lines[1:]):
        if line.startswith("time "):
            events.append((previous, int(line.split()[1])))
    return events


def pause_count(sections):
    """The 300 ms pauses uninstal.exe makes for a log: after its self-copy, at the start of
    the files and registry phases and at the end of the work, always; after the status
    texts of the library and shortcut phases when those list anything."""
    return 4 + bool(sections["ActiveX"]) + bool(sections["Icons"])


def time_uninstal(prefix, args, files, folders, shortcuts):
    """(seconds from Yes to the outcome less the pauses, items left behind)."""
    app = winerig.Installation(prefix, APP, "Bench App")
    lay_down(prefix, files, folders, shortcuts)
    app.sections["Files"] = list(files)
    app.sections["Folders"] = list(folders)
    app.sections["Icons"] = [f"Icon{i}={p}" for i, p in enumerate(shortcuts)]
    app.write(args.uninstaller)
    prefix.wait()
    tool = Path(args.tools) / f"dialog_harness-{prefix.arch}.exe"
    code, lines, _ = winerig.run_harness(prefix, tool, [6, 1], APP + "\\uninstal.exe", timeout_ms=600000)
    if code != 0:
        raise RuntimeError("uninstal.exe did not run through: " + "; ".join(lines))
    events = timed_events(lines)
    yes = next(t for line, t in events if line.startswith("answer 6"))
    outcome = [t for line, t in events if line.startswith("dialog ")][1]
    work = (outcome - yes) / 1000
    if args.verbose:
        print("   " + "  ".join(f"{line[7:]}: +{(t - yes) / 1000:.2f} s" for line, t in events
                                 if line.startswith("status ")))
    prefix.wait()
    return work - pause_count(app.sections) * PAUSE_S, leftovers(prefix, files, folders, shortcuts)


def nsis_script(arch, files, folders, shortcuts):
    target = "amd64-unicode" if arch == "win64" else "x86-ansi"
    lines = [f"Target {target}", "Unicode " + ("true" if arch == "win64" else "false"),
             'Name "Bench"', 'OutFile "bench-setup.exe"', "RequestExecutionLevel user", "SilentInstall silent",
             "Section", '  WriteUninstaller "$EXEDIR\\uninstall.exe"', "SectionEnd",
             'Section "Uninstall"']
    lines += [f'  Delete "{p}"' for p in files]
    lines += [f'  RMDir "{p}"' for p in reversed(folders)]
    lines += [f'  Delete "{p}"' for p in shortcuts]
    group = {p.rsplit("\\", 1)[0] for p in shortcuts[:-1]}
    lines += [f'  RMDir "{g}"' for g in sorted(group)]
    lines.append("SectionEnd")
    return "\r\n".join(lines) + "\r\n"


def nsis_uninstaller(prefix, work, name, arch, files, folders, shortcuts):
    """Builds the uninstaller through makensis and lets its installer write it into a
    folder of its own; returns its path."""
    folder = work / f"nsis-{name}"
    folder.mkdir(parents=True, exist_ok=True)
    (folder / "bench.nsi").write_bytes(nsis_script(arch, files, folders, shortcuts).encode("cp1252"))
    subprocess.run(["makensis", "-V1", "bench.nsi"], cwd=folder, check=True)
    windows_folder = f"C:\\nsis-bench-{name}"
    target = prefix.unix(windows_folder)
    if target.exists():
        shutil.rmtree(target)
    target.mkdir(parents=True)
    shutil.copyfile(folder / "bench-setup.exe", target / "bench-setup.exe")
    prefix.wine(windows_folder + "\\bench-setup.exe", "/S")
    prefix.wait()
    return windows_folder + "\\uninstall.exe"


def time_nsis(prefix, exe, warm_up):
    """Wall time of one silent run in place. A run of warm_up just before makes sure that
    Wine's server and services are up, as they are for uninstal.exe when it is timed."""
    prefix.wine(warm_up, "/S", "_?=" + warm_up.rsplit("\\", 1)[0])
    started = time.monotonic()
    prefix.wine(exe, "/S", "_?=" + exe.rsplit("\\", 1)[0])
    return time.monotonic() - started


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--uninstaller", required=True)
    parser.add_argument("--tools", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--repeat", type=int, default=2, help="runs of each per size; the best counts")
    parser.add_argument("--verbose", action="store_true", help="also show when each status text appeared")
    parser.add_argument("sizes", nargs="*", type=int, default=[100, 1000, 10000])
    args = parser.parse_args()

    base = winerig.base_prefix(args.uninstaller, args.work)
    if base is None:
        return 1
    arch, work = base.arch, base.path.parent
    with winerig.Display() as display:
        if not (base.path / "e2e-temp-path").exists():
            print("creating the Wine prefix ...", flush=True)
            base.display = display
            base.create()
        prefix = base.copy_to(work / "bench-prefix", display)
        reg = prefix.registry()
        programs = reg.value("HKEY_CURRENT_USER\\" + winerig.SHELL_FOLDERS, "Programs")
        desktop = reg.value("HKEY_CURRENT_USER\\" + winerig.SHELL_FOLDERS, "Desktop")

        empty = nsis_uninstaller(prefix, work, "empty", arch, [], [], [])
        turns = max(args.repeat, 3)
        nsis_base = min(time_nsis(prefix, empty, empty) for _ in range(turns))
        ours_base = min(time_uninstal(prefix, args, [], [], [])[0] for _ in range(turns))
        print(f"fixed cost, from a run that removes nothing: uninstal.exe {ours_base:.3f} s "
              f"(pauses of {PAUSE_S} s excluded), NSIS {nsis_base:.3f} s")

        print(f"{'N files':>8} {'items':>7} | {'uninstal s':>10} {'us/item':>8} | "
              f"{'NSIS s':>7} {'us/item':>8} | {'NSIS/uninstal':>13}")
        for n in args.sizes:
            files, folders, shortcuts = layout(n, programs, desktop)
            items = len(files) + len(folders) + len(shortcuts)
            exe = nsis_uninstaller(prefix, work, str(n), arch, files, folders, shortcuts)
            # The two take turns, so that a busy spell of the machine hits both; the best
            # run of each counts.
            work_s = nsis_s = float("inf")
            for _ in range(args.repeat):
                run_s, left = time_uninstal(prefix, args, files, folders, shortcuts)
                work_s = min(work_s, run_s)
                if left:
                    print(f"  uninstal.exe left {left} items behind")
                lay_down(prefix, files, folders, shortcuts)
                nsis_s = min(nsis_s, time_nsis(prefix, exe, empty))
                left = leftovers(prefix, files, folders, shortcuts)
                if left:
                    print(f"  the NSIS uninstaller left {left} items behind")
            ours = max(work_s - ours_base, 0) / items
            theirs = max(nsis_s - nsis_base, 0) / items
            ratio = theirs / ours if ours else float("inf")
            print(f"{n:>8} {items:>7} | {work_s:>10.2f} {ours * 1e6:>8.0f} | "
                  f"{nsis_s:>7.2f} {theirs * 1e6:>8.0f} | {ratio:>13.2f}", flush=True)
        print(f"(uninstal s: from Yes to the outcome, pauses of {PAUSE_S} s excluded; NSIS s: wall time; "
              "us/item: net of the fixed costs)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
