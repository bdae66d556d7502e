#!/usr/bin/env python3
"""The Wine rig of uninstal: which Wine runs here, Wine prefixes, an Xvfb display, a
reader of Wine's registry files and an installer that lays down a small application
together with its UNINSTAL.DAT.

Shared by the Windows-side tests, the end-to-end tests, the demo and the benchmark.
CTest calls it as a program:

    winerig.py arch                       the Windows architecture whose programs Wine
                                          runs here (win32, or win64 on a kernel that runs
                                          no 32-bit code); fails when Wine runs nothing
    winerig.py create --arch A PREFIX     makes the shared base prefix
    winerig.py gtest BASE COPY PROGRAM    runs a GoogleTest program in a fresh copy of BASE
                                          and fails unless it ran tests and all passed

A Wine test that cannot start Wine fails. It is skipped (exit code 77) only when the
environment variable TAVRELLO_SKIP_WINE is set to 1.
"""
import argparse
import errno
import json
import os
import re
import shutil
import struct
import subprocess
import sys
import time
import xml.etree.ElementTree as ElementTree
from pathlib import Path, PureWindowsPath

# Debian's /usr/bin/wine picks the 32-bit loader whenever wine32 is installed, also where
# the kernel cannot run it: the loaders are called directly.
LOADERS = {"win32": "/usr/lib/wine/wine", "win64": "/usr/lib/wine/wine64"}
SKIP = 77
SKIP_VARIABLE = "TAVRELLO_SKIP_WINE"

SHELL_FOLDERS = r"Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders"
UNINSTALL_KEY = r"Software\Microsoft\Windows\CurrentVersion\Uninstall"
SHARED_DLLS_KEY = r"Software\Microsoft\Windows\CurrentVersion\SharedDLLs"


def pe_machine(path):
    """'win32' or 'win64' for a Windows program or library, from its PE header."""
    data = Path(path).read_bytes()[:4096]
    offset = struct.unpack_from("<I", data, 0x3C)[0]
    if data[:2] != b"MZ" or data[offset:offset + 4] != b"PE\0\0":
        raise ValueError(f"{path} is no Windows program")
    machine = struct.unpack_from("<H", data, offset + 4)[0]
    return {0x14C: "win32", 0x8664: "win64"}[machine]


def can_run(arch):
    """Whether this machine can start Wine for that architecture.

    Some virtual machines cannot execute 32-bit Linux programs at all, and
    Wine's 32-bit loader is one."""
    loader = LOADERS[arch]
    try:
        subprocess.run([loader, "--version"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    except OSError as error:
        if error.errno in (errno.ENOEXEC, errno.ENOENT):
            return False
        raise
    except subprocess.CalledProcessError:
        return False
    return True


def runnable_arch():
    """The Windows architecture whose programs the tests, the demo and the benchmark run
    here: win32, the product itself, wherever Wine's 32-bit loader starts; else win64,
    a build of the same sources; None when Wine runs nothing."""
    for arch in ("win32", "win64"):
        if can_run(arch):
            return arch
    return None


def unavailable(reason):
    """The exit code of a Wine test that cannot run: a failure, unless skipping was asked for."""
    if os.environ.get(SKIP_VARIABLE) == "1":
        print(f"skipped ({SKIP_VARIABLE}=1): {reason}")
        return SKIP
    print(f"FAILED: {reason} (set {SKIP_VARIABLE}=1 to skip the Wine tests)")
    return 1


def missing_for(arch):
    """Why programs of that architecture cannot run here under Wine, or None."""
    if not can_run(arch):
        return f"Wine cannot run {arch} programs on this machine"
    for tool in ("Xvfb", "wineserver"):
        if not shutil.which(tool):
            return f"{tool} is not installed"
    return None


class Display:
    """A private Xvfb server; the number is picked by the server itself."""

    def __init__(self, size="1024x768x24"):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", size, "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb") as pipe:
            while not number.endswith(b"\n"):
                chunk = pipe.read(1)
                if not chunk:
                    raise RuntimeError("Xvfb did not start")
                number += chunk
        self.name = ":" + number.decode().strip()

    def screenshot(self, png):
        subprocess.run(["import", "-display", self.name, "-window", "root", str(png)], check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def close(self):
        self.process.terminate()
        self.process.wait()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()


class Prefix:
    """One Wine prefix with its own HOME, run on one display."""

    def __init__(self, path, arch, display=None):
        self.path = Path(path).resolve()
        self.arch = arch
        self.display = display
        self.home = self.path.parent / (self.path.name + "-home")

    def env(self, **extra):
        env = dict(os.environ)
        for name in ("LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_CTYPE", "LOCPATH"):
            env.pop(name, None)
        env.update(WINEPREFIX=str(self.path), WINEARCH=self.arch, HOME=str(self.home), WINEDEBUG="-all",
                   WINEDLLOVERRIDES="mscoree,mshtml=", LANG="C.UTF-8")
        if self.display:
            env["DISPLAY"] = self.display.name
        else:
            env.pop("DISPLAY", None)
        env.update(extra)
        return env

    def wine_command(self):
        return [LOADERS[self.arch]]

    def _cwd(self):
        drive = self.path / "drive_c"
        return drive if drive.is_dir() else self.home

    def wine(self, *args, timeout=120, check=True, env=None, show_output=False):
        """Runs a Windows program. Its output is not captured: programs that Wine starts
        on the side (services, the desktop) would hold a pipe open long after. With
        show_output it goes where this program's output goes."""
        quiet = None if show_output else subprocess.DEVNULL
        return subprocess.run(self.wine_command() + [str(a) for a in args], env=env or self.env(),
                              timeout=timeout, check=check, cwd=self._cwd(), stdout=quiet, stderr=quiet)

    def server(self, *args, timeout=120):
        subprocess.run(["wineserver", *args], env=self.env(), timeout=timeout, check=False,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def wait(self):
        """Waits until every program of the prefix has ended; the registry is then on disk."""
        self.server("-w")

    @staticmethod
    def open(path, display=None):
        """A prefix made by create(), with the architecture it was made for."""
        path = Path(path)
        return Prefix(path, (path / "rig-arch").read_text().strip(), display)

    def is_complete(self):
        return (self.path / "rig-arch").is_file()

    def ensure_created(self, display, note):
        """Makes the prefix on that display unless it is complete already, saying note first."""
        if not self.is_complete():
            print(note, flush=True)
            self.display = display
            self.create()

    def create(self):
        if self.path.exists():
            shutil.rmtree(self.path)
        if self.home.exists():
            shutil.rmtree(self.home)
        self.home.mkdir(parents=True)
        self.wine("wineboot", "-i", timeout=300)
        # No crash dialog to hang a run. Xvfb has no window manager: Wine draws the
        # captions itself, and does not wait (2 s each time) for a manager to confirm
        # that a closed window was withdrawn.
        self.import_reg('[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\n"ShowCrashDialog"=dword:00000000\n'
                        '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\n"Decorated"="N"\n"Managed"="N"\n')
        self.wine("cmd", "/c", "echo %TEMP%>C:\\e2e-temp-path")
        temp = (self.path / "drive_c" / "e2e-temp-path").read_bytes().decode("cp1252").strip()
        (self.path / "drive_c" / "e2e-temp-path").unlink()
        (self.path / "e2e-temp-path").write_text(temp)
        self.wait()
        (self.path / "rig-arch").write_text(self.arch)

    def copy_to(self, path, display=None):
        path = Path(path)
        copy = Prefix(path, self.arch, display)
        for target in (path, copy.home):
            if target.exists():
                shutil.rmtree(target)
        path.parent.mkdir(parents=True, exist_ok=True)
        subprocess.run(["cp", "-a", str(self.path), str(path)], check=True)
        copy.home.mkdir(parents=True)
        copy._relink_home(self.home)
        return copy

    def _relink_home(self, old_home):
        """Points the user folders that Wine links to HOME (Desktop, Documents, ...) at this
        prefix's own HOME. A copy still links to the HOME of the prefix it was copied from:
        copies run side by side would then share one desktop, and one run would delete the
        shortcut that another run's installation had just put there."""
        for folder, dirs, files in os.walk(self.path / "drive_c" / "users"):
            for name in dirs + files:
                link = Path(folder) / name
                if not link.is_symlink():
                    continue
                target = Path(os.readlink(link))
                if not target.is_relative_to(old_home):
                    continue
                new_target = self.home / target.relative_to(old_home)
                new_target.mkdir(parents=True, exist_ok=True)
                link.unlink()
                link.symlink_to(new_target, target_is_directory=True)

    def private_folder(self, windows_path):
        """Whether a folder of this prefix lies, links resolved, inside the prefix or its HOME."""
        real = self.unix(windows_path).resolve()
        return real.is_relative_to(self.path) or real.is_relative_to(self.home.resolve())

    def temp_folder(self):
        """The temporary folder that GetTempPathA reports inside this prefix, with its backslash."""
        temp = (self.path / "e2e-temp-path").read_text().strip()
        return temp if temp.endswith("\\") else temp + "\\"

    def unix(self, windows_path):
        """The file behind a C:\\ path of this prefix."""
        win = PureWindowsPath(windows_path)
        if win.drive.upper() != "C:":
            raise ValueError(f"{windows_path} is not on drive C:")
        return self.path.joinpath("drive_c", *win.parts[1:])

    def import_reg(self, text):
        """Imports REGEDIT4 text (the header is added)."""
        reg = self.path / "drive_c" / "e2e-import.reg"
        reg.write_bytes(("REGEDIT4\r\n\r\n" + text.replace("\r\n", "\n").replace("\n", "\r\n") + "\r\n")
                        .encode("cp1252"))
        self.wine("regedit", "/S", "C:\\e2e-import.reg")
        reg.unlink()

    def registry(self):
        """The registry as Wine last saved it; call wait() first."""
        return Registry(self.path)


def build_programs(build_dir):
    """Builds the Windows programs through the project's own CMake build, the route the
    tests take (configured once, browser left out), and returns the folder that holds
    uninstal.exe and its helpers for the Wine of this machine."""
    root = Path(__file__).resolve().parents[3]
    build = Path(build_dir).resolve()
    build.mkdir(parents=True, exist_ok=True)
    log = build / "build.log"
    steps = [["cmake", "--build", str(build), "--target", "uninst_wine_programs"]]
    if not (build / "CMakeCache.txt").exists():
        steps.insert(0, ["cmake", "-S", str(root), "-B", str(build), "-G", "Ninja",
                         "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DTAVRELLO_BUILD_BROWSER=OFF"])
    with open(log, "wb") as out:
        for step in steps:
            if subprocess.run(step, stdout=out, stderr=subprocess.STDOUT).returncode != 0:
                raise SystemExit(f"build failed, see {log}")
    return Path(json.loads((build / "uninstaller" / "wine-programs.json").read_text())["bin"])


def base_prefix(program, work):
    """The base prefix in the work folder for running a program under this machine's
    Wine, or None, once said why, when this machine cannot run it."""
    arch = pe_machine(program)
    reason = missing_for(arch)
    if reason:
        print(reason)
        return None
    work = Path(work).resolve()
    work.mkdir(parents=True, exist_ok=True)
    return Prefix(work / f"prefix-{arch}", arch)


def reg_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


_ESCAPE = re.compile(r"\\(x[0-9a-fA-F]{1,4}|[0-7]{1,3}|.)")


def _unescape(text):
    def replace(match):
        code = match.group(1)
        if code[0] == "x":
            return chr(int(code[1:], 16))
        if code[0].isdigit():
            return chr(int(code, 8))
        return {"n": "\n", "r": "\r", "t": "\t", "0": "\0"}.get(code, code)
    return _ESCAPE.sub(replace, text)


class Registry:
    """Wine's system.reg (HKEY_LOCAL_MACHINE) and user.reg (HKEY_CURRENT_USER), read-only.

    Key and value names are compared without regard to case, as Windows does."""

    ROOTS = {"HKEY_LOCAL_MACHINE": ("system.reg", ""), "HKEY_CURRENT_USER": ("user.reg", ""),
             "HKEY_CLASSES_ROOT": ("system.reg", "software\\classes\\")}

    def __init__(self, prefix_path):
        self.hives = {name: self._parse(Path(prefix_path) / name) for name in ("system.reg", "user.reg")}

    @staticmethod
    def _parse(path):
        keys = {}
        current = None
        pending = ""
        for raw in path.read_text(encoding="utf-8", errors="replace").splitlines():
            line = pending + raw
            if line.endswith("\\") and current is not None and not line.startswith("["):
                pending = line[:-1]
                continue
            pending = ""
            if line.startswith("["):
                name = _unescape(line[1:line.rindex("]")])
                current = keys.setdefault(name.lower(), {})
            elif current is not None and (line.startswith('"') or line.startswith("@")):
                if line.startswith("@"):
                    name, data = "", line[2:]
                else:
                    end = 1
                    while line[end] != '"':
                        end += 2 if line[end] == "\\" else 1
                    name, data = _unescape(line[1:end]), line[end + 2:]
                current[name.lower()] = Registry._value(data)
        return keys

    @staticmethod
    def _value(data):
        if data.startswith("dword:"):
            return int(data[6:], 16)
        if data.startswith('"'):
            return _unescape(data[1:-1])
        if data.startswith('str(2):"'):
            return _unescape(data[8:-1])
        if data.startswith(("hex(7):", 'str(7):"')):  # a list of strings with NUL separators
            if data.startswith("hex"):
                raw = bytes.fromhex(data[7:].replace(",", "").replace(" ", "")).decode("utf-16-le")
            else:
                raw = _unescape(data[8:-1])
            items = raw.split("\0")
            while items and not items[-1]:
                items.pop()
            return items
        return data

    def _split(self, path):
        root, _, rest = path.partition("\\")
        hive, base = self.ROOTS[root]
        return self.hives[hive], base + rest.lower()

    def key_exists(self, path):
        # Wine writes no header for a key that holds only subkeys.
        hive, rest = self._split(path)
        return rest in hive or any(k.startswith(rest + "\\") for k in hive)

    def values(self, path):
        hive, rest = self._split(path)
        return hive.get(rest, {})

    def value(self, path, name, default=None):
        return self.values(path).get(name.lower(), default)

    def subkeys(self, path):
        """Every key below path, at any depth, as full paths in lower case."""
        root = path.partition("\\")[0]
        base = self.ROOTS[root][1]
        hive, rest = self._split(path)
        return sorted(root + "\\" + k[len(base):] for k in hive if k.startswith(rest + "\\"))


class Installation:
    """Lays down an application in a prefix and writes the UNINSTAL.DAT that lists it.

    Each method creates the thing and notes it in the matching log section; write()
    imports the registry part and writes the log beside the application."""

    def __init__(self, prefix, folder, name):
        self.prefix = prefix
        self.folder = folder.rstrip("\\")
        self.name = name
        self.sections = {s: [] for s in ("Reg_SharedDLLs", "ActiveX", "Files", "Folders", "Icons",
                                         "Reg_CreateValue", "Reg_CreateKey")}
        self.texts = {}
        self.reg = []
        self.prefix.unix(self.folder).mkdir(parents=True, exist_ok=True)

    def shell_folder(self, value):
        return self.prefix.registry().value("HKEY_CURRENT_USER\\" + SHELL_FOLDERS, value)

    def file(self, path, data=b"x", listed=True, shared=None, activex=False, source=None):
        target = self.prefix.unix(path)
        target.parent.mkdir(parents=True, exist_ok=True)
        if source:
            shutil.copyfile(source, target)
        else:
            target.write_bytes(data)
        if listed:
            self.sections["Files"].append(path)
        if shared is not None:
            self.sections["Reg_SharedDLLs"].append(path)
            self.reg.append(f"[HKEY_LOCAL_MACHINE\\{SHARED_DLLS_KEY}]\n{reg_string(path)}={shared}\n")
        if activex:
            self.sections["ActiveX"].append(path)
        return target

    def folder_entry(self, path):
        self.prefix.unix(path).mkdir(parents=True, exist_ok=True)
        self.sections["Folders"].append(path)

    def icon(self, path):
        target = self.prefix.unix(path)
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_bytes(b"L\0\0\0\x01\x14\x02\0")  # the start of a shell link header is enough
        self.sections["Icons"].append(f"Icon{len(self.sections['Icons']) + 1}={path}")

    def value(self, root, key, name, data):
        """A registry value; data is REGEDIT4 text such as '"abc"' or 'dword:00000001'."""
        self.reg.append(f"[{root}\\{key}]\n{reg_string(name) if name else '@'}={data}\n")
        self.sections["Reg_CreateValue"].append(f"Value{len(self.sections['Reg_CreateValue']) + 1}={root}\\{key}\\{name}")

    def key(self, root, key, subkeys=(), values=()):
        self.reg.append(f"[{root}\\{key}]\n" + "".join(f"{reg_string(n)}={d}\n" for n, d in values))
        for sub in subkeys:
            self.reg.append(f"[{root}\\{key}\\{sub}]\n\"x\"=dword:00000001\n")
        self.sections["Reg_CreateKey"].append(f"Key{len(self.sections['Reg_CreateKey']) + 1}={root}\\{key}")

    def registration(self, uninstaller):
        self.reg.append(f"[HKEY_LOCAL_MACHINE\\{UNINSTALL_KEY}\\{self.name}]\n"
                        f"\"DisplayName\"={reg_string(self.name)}\n\"UninstallString\"={reg_string(uninstaller)}\n")

    def log_text(self):
        lines = []
        for section, entries in self.texts.items():
            lines.append(f"[{section}]")
            lines += [f"{k}={v}" for k, v in entries.items()]
        lines += ["[Application]", f"Name={self.name}"]
        for section, entries in self.sections.items():
            lines.append(f"[{section}]")
            lines += [e if "=" in e and section in ("Icons", "Reg_CreateValue", "Reg_CreateKey") else f"{e}=1"
                      for e in entries]
        return "\r\n".join(lines) + "\r\n"

    def write(self, uninstaller_exe, log=True):
        """Imports the registry part, writes the log (unless told not to) and copies the uninstaller."""
        exe = self.folder + "\\uninstal.exe"
        self.registration(exe)
        if self.reg:
            self.prefix.import_reg("\n".join(self.reg))
        if log:
            self.prefix.unix(self.folder + "\\UNINSTAL.DAT").write_bytes(self.log_text().encode("cp1252"))
        shutil.copyfile(uninstaller_exe, self.prefix.unix(exe))
        return exe


def read_transcript(path):
    """The harness's transcript as a list of lines, texts unescaped."""
    raw = Path(path).read_bytes().decode("cp1252")
    def unescape(line):
        return re.sub(r"\\(.)", lambda m: {"r": "\r", "n": "\n"}.get(m.group(1), m.group(1)), line)
    return [unescape(line) for line in raw.split("\r\n") if line]


def run_harness(prefix, harness_exe, answers, program, timeout_ms=20000, args=(), env=None):
    """Runs program through the dialog harness; returns (harness exit code, transcript lines, seconds)."""
    folder = prefix.unix("C:\\e2e")
    folder.mkdir(exist_ok=True)
    shutil.copyfile(harness_exe, folder / "dialog_harness.exe")
    transcript = folder / "transcript.txt"
    if transcript.exists():
        transcript.unlink()
    started = time.monotonic()
    result = prefix.wine("C:\\e2e\\dialog_harness.exe", "C:\\e2e\\transcript.txt", timeout_ms,
                         ",".join(str(a) for a in answers) or "-", program, *args,
                         check=False, timeout=timeout_ms / 1000 * (len(answers) + 2) + 60, env=env)
    elapsed = time.monotonic() - started
    lines = read_transcript(transcript) if transcript.exists() else []
    return result.returncode, lines, elapsed


def run_gtest(base_path, copy_path, program):
    """Runs a GoogleTest program in a fresh copy of the base prefix. Passes only when its
    report names at least one test and none failed: a run that tested nothing is no pass."""
    base = Prefix.open(base_path)
    reason = missing_for(base.arch)
    if reason:
        return unavailable(reason)
    with Display() as display:
        prefix = base.copy_to(copy_path, display)
        report = prefix.unix("C:\\gtest-report.xml")
        result = prefix.wine(program, "--gtest_output=xml:C:\\gtest-report.xml", check=False, timeout=600,
                             show_output=True)
        prefix.wait()
    passed, summary = gtest_verdict(report, result.returncode)
    print(f"{summary} (under Wine, {prefix.arch})")
    return 0 if passed else 1


def gtest_verdict(report, exit_code):
    """(passed, summary) of a GoogleTest run from its XML report and exit code."""
    if not Path(report).is_file():
        return False, f"FAILED: no test report (exit code {exit_code})"
    root = ElementTree.parse(report).getroot()
    tests, failures, errors = (int(root.get(name, "0")) for name in ("tests", "failures", "errors"))
    summary = f"{tests} tests ran: {failures} failed, {errors} errors, exit code {exit_code}"
    if tests == 0:
        return False, "FAILED: no test ran; " + summary
    return exit_code == 0 and failures == 0 and errors == 0, summary


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    commands = parser.add_subparsers(dest="command", required=True)
    commands.add_parser("arch")
    create = commands.add_parser("create")
    create.add_argument("--arch", choices=sorted(LOADERS), required=True)
    create.add_argument("prefix")
    gtest = commands.add_parser("gtest")
    gtest.add_argument("base")
    gtest.add_argument("copy")
    gtest.add_argument("program")
    args = parser.parse_args(argv)

    if args.command == "arch":
        arch = runnable_arch()
        if arch is None:
            print("Wine runs no Windows program on this machine", file=sys.stderr)
            return 1
        print(arch)
        return 0
    if args.command == "create":
        reason = missing_for(args.arch)
        if reason:
            return unavailable(reason)
        with Display() as display:
            Prefix(args.prefix, args.arch, display).create()
        return 0
    return run_gtest(args.base, args.copy, args.program)


if __name__ == "__main__":
    sys.exit(main())
