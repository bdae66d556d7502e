#!/usr/bin/env python3
"""Benchmark: how long uninstal.exe takes per removed item, against an NSIS uninstaller
that removes the same installation showing its own progress window, and against a floor,
a bare program that removes the same items with no window at all.

For each N, N files (ten to a folder, ten folders to a group folder), one shortcut per
twenty files (in a Start Menu group, plus one on the desktop), one registry key per ten
files (holding a value) and one registry value per ten files are laid down in a Wine
prefix, with the application's uninstall registration. Each of the three programs then
removes all of it, in turns, on the same display and under the same dialog harness:

- uninstal.exe: from the press of Yes to its outcome box, less its fixed 300 ms pauses
  (their number follows from the log's sections);
- NSIS: its uninstall section's own clock, while its progress page shows (not /S);
- the floor (bare_uninstall.exe, built with the tree): its own clock around the removals.

Each also has a fixed cost that does not depend on the number of items: uninstal.exe's
self-copy, window and log reading, and in each of its phases a status text and the bar's
last picture; NSIS's plug-in call; the floor's first open of each registry root. It is
measured the same way on the smallest installation of the same shape (one file, one
shortcut, one key, one value, their folders and the registration), and each program's
time per item is the slope from there: (time for N - time for one) / (items for N -
items for one).

The figures are wall-clock times on a machine that others share: a busy spell makes a
run slower, never faster. So the runs take turns (for each repeat: the three smallest
runs, then the three full ones), so that a busy spell hits all of them alike, and each
figure is the mean of the faster half of its turns: the slower half, where busy spells
fall, is set aside, and the mean of the rest does not hang on one lucky run as the best
alone would (at 100 files uninstal.exe's net is some 15 ms, the difference of two runs of
about 1.5 s that each spread over 10 ms). Each size measures its own fixed costs within
its turns. Small sizes, whose few milliseconds of work the spread swamps, get more turns.
The dialog harness looks at the windows every millisecond and reads the performance
counter, so that uninstal.exe's few milliseconds are seen as finely as the others' own
clocks. The machine's load average is printed before and after.
"""
import argparse
import os
import shutil
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import winerig  # noqa: E402

APP = "C:\\Program Files\\Bench App"
NAME = "Bench App"
KEYS = "Software\\Bench App\\Keys"
VALUES = "Software\\Bench App\\Values"
REGISTRATION = winerig.UNINSTALL_KEY + "\\" + NAME
PAUSE_S = 0.3
HARNESS_TIMEOUT_MS = 600000
# The fixed costs are measured on the installation for one file.
SMALLEST = 1


class Layout:
    """The items of the benchmark installation for N files."""

    def __init__(self, n, programs, desktop):
        self.files, self.folders = [], [APP] if n else []
        for f in range(n):
            group, folder = f // 100, f // 10
            if f % 100 == 0:
                self.folders.append(f"{APP}\\g{group:03d}")
            if f % 10 == 0:
                self.folders.append(f"{APP}\\g{group:03d}\\d{folder:04d}")
            self.files.append(f"{APP}\\g{group:03d}\\d{folder:04d}\\file{f:05d}.dat")
        self.shortcuts = [f"{programs}\\{NAME}\\Item {k:04d}.lnk" for k in range(max(1, n // 20))] if n else []
        self.group = f"{programs}\\{NAME}" if n else None
        if n:
            self.shortcuts.append(f"{desktop}\\{NAME}.lnk")
        self.keys = [f"{KEYS}\\k{k:05d}" for k in range(max(1, n // 10))] if n else []
        self.values = [f"v{k:05d}" for k in range(max(1, n // 10))] if n else []

    def items(self):
        return (len(self.files) + len(self.folders) + len(self.shortcuts) + bool(self.group)
                + len(self.keys) + len(self.values))

    def lay_down(self, prefix):
        for folder in self.folders:
            prefix.unix(folder).mkdir(parents=True, exist_ok=True)
        for path in self.files + self.shortcuts:
            target = prefix.unix(path)
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_bytes(b"bench")
        reg = [f"[HKEY_LOCAL_MACHINE\\{REGISTRATION}]\n\"DisplayName\"={winerig.reg_string(NAME)}\n"]
        reg += [f"[HKEY_CURRENT_USER\\{key}]\n\"x\"=dword:00000001\n" for key in self.keys]
        if self.values:
            reg.append(f"[HKEY_CURRENT_USER\\{VALUES}]\n" + "".join(f"\"{v}\"=dword:00000001\n" for v in self.values))
        prefix.import_reg("\n".join(reg))
        prefix.wait()
        # On disk before any program runs, as an installation is long before it is removed:
        # a run just after the writing would compete with its write-back.
        os.sync()

    def left(self, prefix):
        """Items still there (files, folders, shortcuts, keys, values, the registration)."""
        paths = self.files + self.folders[1:] + self.shortcuts + ([self.group] if self.group else [])
        left = sum(prefix.unix(p).exists() for p in paths)
        reg = prefix.registry()
        left += sum(reg.key_exists("HKEY_CURRENT_USER\\" + k) for k in self.keys)
        left += sum(reg.value("HKEY_CURRENT_USER\\" + VALUES, v) is not None for v in self.values)
        return left + reg.key_exists("HKEY_LOCAL_MACHINE\\" + REGISTRATION)


def harness(prefix, programs, answers, program, *args):
    code, lines, _ = winerig.run_harness(prefix, programs / "dialog_harness.exe", answers, program,
                                         timeout_ms=HARNESS_TIMEOUT_MS, args=args,
                                         env=prefix.env(DIALOG_HARNESS_POLL_MS="1"))
    if code != 0:
        raise RuntimeError(f"{program} did not run through: " + "; ".join(lines))
    prefix.wait()
    return lines


def timed_events(lines):
    """(event line, ms since the harness started) for each event the harness timed."""
    return [(previous, int(line.split()[1])) for previous, line in zip(lines, lines[1:])
            if line.startswith("time ")]


def pause_count(sections):
    """The 300 ms pauses uninstal.exe makes for a log: after its self-copy, at the start of
    the files and registry phases and at the end of the work, always; after the status
    texts of the library and shortcut phases when those list anything."""
    return 4 + bool(sections["ActiveX"]) + bool(sections["Icons"])


def time_uninstal(prefix, programs, layout, verbose):
    """Seconds from Yes to the outcome box, less the pauses."""
    app = winerig.Installation(prefix, APP, NAME)
    app.sections["Files"] = list(layout.files)
    app.sections["Folders"] = list(layout.folders)
    app.sections["Icons"] = [f"Icon{i}={p}" for i, p in enumerate(layout.shortcuts)]
    app.sections["Reg_CreateKey"] = [f"Key{i}=HKEY_CURRENT_USER\\{k}" for i, k in enumerate(layout.keys)]
    app.sections["Reg_CreateValue"] = [f"Value{i}=HKEY_CURRENT_USER\\{VALUES}\\{v}"
                                       for i, v in enumerate(layout.values)]
    app.write(programs / "uninstal.exe")
    prefix.wait()
    events = timed_events(harness(prefix, programs, [6, 1], APP + "\\uninstal.exe"))
    yes = next(t for line, t in events if line.startswith("answer 6"))
    outcome = [t for line, t in events if line.startswith("dialog ")][1]
    if verbose:
        print("   " + "  ".join(f"{line[7:]}: +{(t - yes) / 1000:.2f} s" for line, t in events
                                 if line.startswith("status ")))
    return (outcome - yes) / 1000 - pause_count(app.sections) * PAUSE_S


def nsis_script(arch, layout):
    """An uninstaller that shows its progress page, closes it when done, and writes the
    microseconds its uninstall section took beside itself."""
    target = "amd64-unicode" if arch == "win64" else "x86-ansi"
    lines = [f"Target {target}", "Unicode " + ("true" if arch == "win64" else "false"),
             f'Name "{NAME}"', 'OutFile "bench-setup.exe"', "RequestExecutionLevel user", "SilentInstall silent",
             "UninstPage instfiles",
             "Section", '  WriteUninstaller "$EXEDIR\\uninstall.exe"', "SectionEnd",
             'Section "Uninstall"', "  SetAutoClose true",
             "  System::Call 'kernel32::QueryPerformanceFrequency(*l .r8)'",
             "  System::Call 'kernel32::QueryPerformanceCounter(*l .r6)'"]
    lines += [f'  Delete "{p}"' for p in reversed(layout.files)]
    lines += [f'  RMDir "{p}"' for p in reversed(layout.folders)]
    lines += [f'  Delete "{p}"' for p in reversed(layout.shortcuts)]
    if layout.group:
        lines.append(f'  RMDir "{layout.group}"')
    lines.append(f'  DeleteRegKey HKLM "{REGISTRATION}"')
    lines += [f'  DeleteRegValue HKCU "{VALUES}" "{v}"' for v in reversed(layout.values)]
    lines += [f'  DeleteRegKey HKCU "{k}"' for k in reversed(layout.keys)]
    lines += ["  System::Call 'kernel32::QueryPerformanceCounter(*l .r7)'",
              "  System::Int64Op $7 - $6", "  Pop $0", "  System::Int64Op $0 * 1000000", "  Pop $0",
              "  System::Int64Op $0 / $8", "  Pop $0",
              '  FileOpen $1 "$EXEDIR\\section-us.txt" w', '  FileWrite $1 "$0"', "  FileClose $1",
              "SectionEnd"]
    return "\r\n".join(lines) + "\r\n"


def nsis_uninstaller(prefix, work, name, arch, layout):
    """Builds the uninstaller through makensis and lets its installer write it into a
    folder of its own; returns its path."""
    folder = work / f"nsis-{name}"
    folder.mkdir(parents=True, exist_ok=True)
    (folder / "bench.nsi").write_bytes(nsis_script(arch, layout).encode("cp1252"))
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


def time_nsis(prefix, programs, exe):
    """Seconds the uninstall section took, its progress page showing; run in place."""
    folder = exe.rsplit("\\", 1)[0]
    report = prefix.unix(folder + "\\section-us.txt")
    if report.exists():
        report.unlink()
    harness(prefix, programs, ["watch"], exe, "_?=" + folder)
    return int(report.read_text()) / 1e6


def time_floor(prefix, programs, layout):
    """Seconds the bare program took to remove the same items."""
    folder = prefix.unix("C:\\e2e")
    folder.mkdir(exist_ok=True)
    shutil.copyfile(programs / "bare_uninstall.exe", folder / "bare_uninstall.exe")
    items = [f"F {p}" for p in reversed(layout.files)] + [f"D {p}" for p in reversed(layout.folders)]
    items += [f"F {p}" for p in reversed(layout.shortcuts)] + ([f"D {layout.group}"] if layout.group else [])
    items.append(f"K HKEY_LOCAL_MACHINE\\{REGISTRATION}")
    items += [f"V HKEY_CURRENT_USER\\{VALUES}\\{v}" for v in reversed(layout.values)]
    items += [f"K HKEY_CURRENT_USER\\{k}" for k in reversed(layout.keys)]
    (folder / "floor-list.txt").write_bytes(("\r\n".join(items) + "\r\n").encode("cp1252"))
    times = folder / "floor-ms.txt"
    if times.exists():
        times.unlink()
    harness(prefix, programs, ["watch"], "C:\\e2e\\bare_uninstall.exe", "C:\\e2e\\floor-list.txt",
            "C:\\e2e\\floor-ms.txt")
    return float(times.read_text()) / 1000


def turns_for(n, repeat):
    """Turns for a size: the smaller the size, the fewer milliseconds of work against
    the same noise, and the cheaper a turn."""
    return repeat * 8 if n <= 100 else repeat * 2 if n <= 1000 else repeat


def faster_half(times):
    """The mean of the faster half of the turns' times (the best one when there are fewer
    than four)."""
    faster = sorted(times)[:max(1, len(times) // 2)]
    return sum(faster) / len(faster)


def time_in_turns(prefix, programs, work, arch, n, menu, desktop, turns, verbose):
    """(smallest layout, layout, seconds of uninstal.exe, NSIS, floor on N files, and the
    same on the smallest installation), each the mean of the faster half of its turns."""
    runs = []
    for size, label in ((SMALLEST, f"smallest-{n}"), (n, str(n))):
        layout = Layout(size, menu, desktop)
        exe = nsis_uninstaller(prefix, work, label, arch, layout)
        runs += [(layout, lambda layout=layout: time_uninstal(prefix, programs, layout, verbose)),
                 (layout, lambda exe=exe: time_nsis(prefix, programs, exe)),
                 (layout, lambda layout=layout: time_floor(prefix, programs, layout))]
    times = [[] for _ in runs]
    for _ in range(turns):
        for index, (layout, run) in enumerate(runs):
            layout.lay_down(prefix)
            times[index].append(run())
            left = layout.left(prefix)
            if left:
                print(f"  {left} items left behind")
    figures = [faster_half(t) for t in times]
    return runs[0][0], runs[3][0], figures[3:], figures[:3]


def load():
    return " ".join(Path("/proc/loadavg").read_text().split()[:3])


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", required=True, help="build folder of the Windows programs")
    parser.add_argument("--work", required=True)
    parser.add_argument("--repeat", type=int, default=3,
                        help="turns per size (eight times as many up to 100 files, twice up to 1,000); "
                        "the mean of the faster half counts")
    parser.add_argument("--verbose", action="store_true", help="also show when each status text appeared")
    parser.add_argument("sizes", nargs="*", type=int, default=[100, 1000, 10000])
    args = parser.parse_args()

    print("building uninstal.exe ...", flush=True)
    programs = winerig.build_programs(args.build)
    base = winerig.base_prefix(programs / "uninstal.exe", args.work)
    if base is None:
        return 1
    arch, work = base.arch, base.path.parent
    with winerig.Display() as display:
        base.ensure_created(display, "creating the Wine prefix ...")
        prefix = base.copy_to(work / "bench-prefix", display)
        reg = prefix.registry()
        programs_menu = reg.value("HKEY_CURRENT_USER\\" + winerig.SHELL_FOLDERS, "Programs")
        desktop = reg.value("HKEY_CURRENT_USER\\" + winerig.SHELL_FOLDERS, "Desktop")

        print(f"load average (1, 5, 15 min) before: {load()}", flush=True)
        for n in args.sizes:
            turns = turns_for(n, args.repeat)
            smallest, layout, (ours_s, nsis_s, floor_s), bases = time_in_turns(
                prefix, programs, work, arch, n, programs_menu, desktop, turns, args.verbose)
            items = layout.items() - smallest.items()
            ours, theirs, floor = ((max(t - t0, 0) / items) for t, t0 in zip((ours_s, nsis_s, floor_s), bases))
            print(f"N={n:<6} items={items:<6} faster half of {turns:>2} | fixed s: uninstal {bases[0]:.3f} "
                  f"NSIS {bases[1]:.3f} floor {bases[2]:.3f} | total s: uninstal {ours_s:.3f} NSIS {nsis_s:.3f} "
                  f"floor {floor_s:.3f} | us/item: uninstal {ours * 1e6:.0f} NSIS {theirs * 1e6:.0f} "
                  f"floor {floor * 1e6:.0f} | uninstal/NSIS {ours / theirs if theirs else float('inf'):.2f} "
                  f"uninstal/floor {ours / floor if floor else float('inf'):.2f}", flush=True)
        print(f"load average (1, 5, 15 min) after: {load()}")
        print(f"(uninstal s: Yes to the outcome box, pauses of {PAUSE_S} s excluded; NSIS s: its uninstall "
              "section, progress page shown; floor s: the bare removals; fixed s: the same on the installation "
              f"for {SMALLEST} file; items: those beyond it; us/item: net of each one's fixed cost)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
