#!/usr/bin/env python3
"""End-to-end runs of uninstal.exe under Wine, its dialogs answered by dialog_harness.

    e2e.py --uninstaller EXE --tools DIR --prefix BASE --work DIR SCENARIO

Each scenario installs a small application into a fresh copy of the base prefix (made
by `winerig.py create`), runs the uninstaller on it inside a private Xvfb display and
checks the disk, the registry and what the dialogs said. A machine that cannot run the
program fails the scenario; exit code 77 (skipped) only with TAVRELLO_SKIP_WINE=1.
"""
import argparse
import shutil
import subprocess
import sys
from pathlib import Path, PureWindowsPath

sys.path.insert(0, str(Path(__file__).resolve().parent))
import winerig  # noqa: E402
from winerig import SHARED_DLLS_KEY, UNINSTALL_KEY  # noqa: E402

IDOK, IDYES, IDNO = 1, 6, 7
APP = "C:\\Program Files\\Demo App"
NAME = "Demo App"
VENDOR_KEY = "Software\\Demo Vendor"
UNREGISTERED = "HKEY_CURRENT_USER\\Software\\UninstE2E\\Unregistered"


class Check:
    """Collects failed expectations so that one run reports all of them."""

    def __init__(self):
        self.failures = []

    def __call__(self, condition, what):
        if not condition:
            self.failures.append(what)
        return condition


class Run:
    def __init__(self, args, scenario):
        self.args = args
        self.arch = winerig.pe_machine(args.uninstaller)
        self.tools = Path(args.tools)
        self.work = Path(args.work) / scenario
        self.base = winerig.Prefix(args.prefix, self.arch)
        self.check = Check()

    def tool(self, name):
        return self.tools / name

    def start(self, display):
        if self.work.exists():
            shutil.rmtree(self.work)
        self.work.mkdir(parents=True)
        self.prefix = self.base.copy_to(self.work / "prefix", display)
        # Scenarios run side by side: what one installs must be out of the others' reach.
        reg = self.prefix.registry()
        for name in ("Desktop", "Programs", "Personal"):
            folder = reg.value("HKEY_CURRENT_USER\\" + winerig.SHELL_FOLDERS, name)
            self.check(folder and self.prefix.private_folder(folder),
                       f"the {name} folder {folder} is shared with other prefixes")
        return self.prefix

    def uninstall(self, answers, locale=None, harness=None):
        """Runs the uninstaller through the harness; harness: its DIALOG_HARNESS_* settings."""
        extra = dict(locale or {})
        extra.update({"DIALOG_HARNESS_" + name: value for name, value in (harness or {}).items()})
        env = self.prefix.env(**extra) if extra else None
        code, lines, _ = winerig.run_harness(self.prefix, self.tool("dialog_harness.exe"), answers,
                                             APP + "\\uninstal.exe", env=env)
        print("transcript:\n  " + "\n  ".join(lines))
        self.check(code == 0, f"the harness ended with {code}")
        self.prefix.wait()
        return lines

    def temp_copies(self):
        """Every cleanup copy under the temporary folder, in whatever folder."""
        return sorted(self.prefix.unix(self.prefix.temp_folder()).rglob("_kvuidel.exe"))


def dialogs(lines):
    """(caption, text, buttons, icon) of each message box in a transcript."""
    found = []
    for line in lines:
        if line.startswith("dialog caption="):
            rest = line[len("dialog caption="):]
            caption, _, rest = rest.partition(" text=")
            text, _, rest = rest.rpartition(" buttons=")
            buttons, _, icon = rest.partition(" icon=")
            found.append((caption, text, buttons, icon))
    return found


def statuses(lines):
    return [line[len("status "):] for line in lines if line.startswith("status ")]


# The progress template's own text, shown until the first phase sets its status.
START_STATUS = "D\xe9marrage de l'installation"


def phase_statuses(lines):
    """The status texts the phases set, in order. The template's start text is left out:
    a quick first phase may replace it before the harness looks."""
    seen = statuses(lines)
    return seen[1:] if seen[:1] == [START_STATUS] else seen


def exit_code(lines):
    codes = [int(line.split()[1]) for line in lines if line.startswith("exit ")]
    return codes[-1] if codes else None


def install_demo(run, texts=None, extra=None):
    return install_demo_app(run.prefix, run.args.uninstaller, run.tool("unreg_probe.dll"), texts, extra)


def install_demo_app(prefix, uninstaller, probe_dll, texts=None, extra=None):
    """The demo application: files in nested folders, shortcuts in a Start Menu group and on
    the desktop, registry values and keys, a self-registering library counted once in
    SharedDLLs, and its uninstall registration. texts=False leaves out the log."""
    app = winerig.Installation(prefix, APP, NAME)
    if texts:
        app.texts = texts
    programs = app.shell_folder("Programs")
    desktop = app.shell_folder("Desktop")
    app.file(APP + "\\demo.exe", b"MZ demo")
    app.file(APP + "\\readme.txt", b"Demo App\r\n")
    app.file(APP + "\\data\\cities.dat", b"Paris\r\nLyon\r\n")
    app.file(APP + "\\data\\maps\\north.map", b"N")
    app.file(APP + "\\data\\maps\\south.map", b"S")
    app.file(APP + "\\unreg_probe.dll", shared="dword:00000001", activex=True, source=probe_dll)
    app.folder_entry(APP)
    app.folder_entry(APP + "\\data")
    app.folder_entry(APP + "\\data\\maps")
    app.icon(programs + "\\Demo App\\Demo App.lnk")
    app.icon(programs + "\\Demo App\\Read me.lnk")
    app.icon(desktop + "\\Demo App.lnk")
    app.value("HKEY_CURRENT_USER", VENDOR_KEY + "\\Demo App\\Settings", "Window", '"maximised"')
    app.value("HKEY_CURRENT_USER", VENDOR_KEY + "\\Demo App\\Settings", "", '"default"')
    app.value("HKEY_CLASSES_ROOT", ".demofile", "", '"DemoApp.Document"')
    app.key("HKEY_CURRENT_USER", VENDOR_KEY + "\\Demo App", subkeys=("Recent", "Recent\\Files"))
    app.key("HKEY_LOCAL_MACHINE", VENDOR_KEY, subkeys=("Demo App", "Demo App\\1.0"),
            values=(("Path", winerig.reg_string(APP)),))
    app.key("HKEY_CLASSES_ROOT", "DemoApp.Document", subkeys=("shell\\open\\command",))
    if extra:
        extra(app)
    app.write(uninstaller, log=texts is not False)
    prefix.wait()
    return app, programs, desktop


def installed_state(run, app):
    """Everything the installation put down: files under the app folder, shortcuts, and the
    registry keys it touched with their values."""
    prefix = run.prefix
    prefix.wait()
    files = {}
    roots = [prefix.unix(APP)] + [prefix.unix(line.split("=", 1)[1]) for line in app.sections["Icons"]]
    for root in roots:
        paths = [root] if root.is_file() else sorted(p for p in root.rglob("*"))
        for p in paths:
            files[str(p)] = p.read_bytes() if p.is_file() else None
    reg = prefix.registry()
    keys = {}
    for root, key in (("HKEY_CURRENT_USER", VENDOR_KEY), ("HKEY_LOCAL_MACHINE", VENDOR_KEY),
                      ("HKEY_CLASSES_ROOT", ".demofile"), ("HKEY_CLASSES_ROOT", "DemoApp.Document"),
                      ("HKEY_LOCAL_MACHINE", UNINSTALL_KEY + "\\" + NAME),
                      ("HKEY_LOCAL_MACHINE", SHARED_DLLS_KEY)):
        path = root + "\\" + key
        for sub in [path] + reg.subkeys(path):
            keys[sub] = dict(reg.values(sub)) if reg.key_exists(sub) else None
    return files, keys


def check_nothing_changed(run, before, app):
    files, keys = installed_state(run, app)
    changed = sorted(p for p in set(files) | set(before[0]) if files.get(p, 0) != before[0].get(p, 0))
    run.check(not changed, f"installed files changed: {changed}")
    run.check(keys == before[1], "installed registry entries changed")
    run.check(not run.temp_copies(), "a temporary copy was made")


def restart_deletions(prefix):
    """File names the system will delete at its next start: delayed moves to nowhere in the
    registry, and the NUL lines of WININIT.INI's [Rename] section."""
    names = []
    pending = prefix.registry().value(
        "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Session Manager",
        "PendingFileRenameOperations", [])
    # Sources and targets alternate; an empty target means deletion.
    for i in range(0, len(pending), 2):
        if i + 1 == len(pending) or not pending[i + 1]:
            names.append(PureWindowsPath(pending[i]).name.lower())
    for ini in prefix.unix("C:\\windows").iterdir():
        if ini.name.lower() == "wininit.ini":
            for line in ini.read_bytes().decode("cp1252").splitlines():
                if line.upper().startswith("NUL="):
                    names.append(PureWindowsPath(line[4:]).name.lower())
    return names


def scenario_complete(run):
    """Confirm, watch the progress window, OK the outcome; everything goes, and the
    temporary copy goes at the next start."""
    with winerig.Display() as display:
        prefix = run.start(display)
        app, programs, desktop = install_demo(run)
        reg = prefix.registry()
        run.check(reg.value("HKEY_LOCAL_MACHINE\\" + SHARED_DLLS_KEY, APP + "\\unreg_probe.dll") == 1,
                  "the installation did not count the library")
        lines = run.uninstall([IDYES, IDOK])
        c = run.check
        boxes = dialogs(lines)
        c(boxes[:1] == [("Confirmation", "Are you sure you want to uninstall this software?", "6,7", "question")],
          f"confirmation box: {boxes[:1]}")
        c(boxes[1:] == [("Information", "Uninstall complete", "1", "none")], f"outcome box: {boxes[1:]}")
        c("progress caption=Uninstall" in lines, "no progress window captioned Uninstall")
        c(phase_statuses(lines) == ["Unregistering ActiveX", "Removing Files", "Removing links",
                                    "Removing registry updates", "Uninstall complete"],
          f"status texts: {statuses(lines)}")
        c(exit_code(lines) == 0, f"exit code {exit_code(lines)}")

        check_demo_removed(run, programs, desktop)
        c(not prefix.unix(APP).exists(), "the application folder is still there: "
          + str(sorted(p.name for p in prefix.unix(APP).rglob("*")) if prefix.unix(APP).exists() else ""))
        reg = prefix.registry()
        c(reg.value(UNREGISTERED, "unreg_probe.dll") == 1, "DllUnregisterServer did not run exactly once")

        # The copy in a folder of its own, both to go at the next start with what the
        # uninstaller asked for once its work was done.
        copies = run.temp_copies()
        c(len(copies) == 1 and copies[0].parent.parent == prefix.unix(prefix.temp_folder()),
          f"temporary copies: {copies}")
        if copies:
            folder = copies[0].parent
            wanted = {"_kvuidel.exe", folder.name, "uninstal.rel", "uninstal.dat", "uninstal.exe", "demo app"}
            c(set(restart_deletions(prefix)) == wanted, f"restart deletions: {restart_deletions(prefix)}")
            prefix.wine("wineboot", "-r")
            prefix.wait()
            c(not folder.exists(), "the temporary copy or its folder survived the restart")


def check_demo_removed(run, programs, desktop):
    """What a complete run leaves of the demo: its shortcuts, keys, values and
    registration gone, the standard folders and unlisted keys in place, the library's
    count of 1 gone."""
    prefix, c = run.prefix, run.check
    c(not prefix.unix(programs + "\\Demo App").exists(), "the Start Menu group is still there")
    c(not prefix.unix(desktop + "\\Demo App.lnk").exists(), "the desktop shortcut is still there")
    c(prefix.unix(desktop).is_dir() and prefix.unix(programs).is_dir(), "a system folder was removed")
    for name in ("demo.exe", "readme.txt", "data", "unreg_probe.dll", "uninstal.exe", "UNINSTAL.DAT"):
        c(not prefix.unix(APP + "\\" + name).exists(), f"{name} is still in the application folder")
    reg = prefix.registry()
    for key in ("HKEY_CURRENT_USER\\" + VENDOR_KEY + "\\Demo App", "HKEY_LOCAL_MACHINE\\" + VENDOR_KEY,
                "HKEY_CLASSES_ROOT\\DemoApp.Document",
                "HKEY_LOCAL_MACHINE\\" + UNINSTALL_KEY + "\\" + NAME):
        c(not reg.key_exists(key), f"{key} is still in the registry")
    c(reg.key_exists("HKEY_CURRENT_USER\\" + VENDOR_KEY), "an unlisted parent key was deleted")
    c(reg.values("HKEY_CLASSES_ROOT\\.demofile") == {}, "a listed default value is still there")
    c(reg.key_exists("HKEY_LOCAL_MACHINE\\" + UNINSTALL_KEY), "the uninstall registrations are gone")
    c(reg.value("HKEY_LOCAL_MACHINE\\" + SHARED_DLLS_KEY, APP + "\\unreg_probe.dll") is None,
      "the shared count of 1 was not removed")


FRENCH_TEXTS = {
    "Messages": {
        "Confirm": "Voulez-vous vraiment désinstaller ce logiciel ?",
        "UnRegActiveX": "Désenregistrement des contrôles",
        "RemovingFiles": "Suppression des fichiers",
        "RemovingLinks": "Suppression des raccourcis",
        "UnRegistering": "Nettoyage du registre",
        "LogMsg": "Certains éléments n'ont pu être supprimés :",
        "LogFiles": "* des fichiers de l'application",
        "LogLinks": "* des raccourcis",
        "LogRegistry": "* des entrées du registre",
    },
    "Titles": {"Confirmation": "Désinstaller ?", "Uninstall": "Désinstallation « Démo »",
               "Information": "Résultat", "Error": "Échec"},
}


def scenario_partial(run):
    """Texts and accented names from the log (Windows-1252, with letters Latin-1 lacks); a
    library still used by two other applications stays registered and on disk, with its
    count lowered; a value already gone counts as left; the folder that keeps the
    library stays, only the uninstaller's file goes."""
    def extra(app):
        app.file(APP + "\\Cœur d'été\\Résumé €.txt")
        app.folder_entry(APP + "\\Cœur d'été")
        app.file(APP + "\\common.dll", shared="dword:00000003", activex=True, source=run.tool("unreg_probe.dll"))
        app.reg.append(f"[HKEY_CURRENT_USER\\{VENDOR_KEY}\\Kept]\n\"Other\"=dword:00000001\n")
        app.sections["Reg_CreateValue"].append(f"Gone=HKEY_CURRENT_USER\\{VENDOR_KEY}\\Kept\\Gone")

    with winerig.Display() as display:
        prefix = run.start(display)
        install_demo(run, texts=FRENCH_TEXTS, extra=extra)
        lines = run.uninstall([IDYES, IDOK])
        c = run.check
        m, t = FRENCH_TEXTS["Messages"], FRENCH_TEXTS["Titles"]
        boxes = dialogs(lines)
        c(boxes[:1] == [(t["Confirmation"], m["Confirm"], "6,7", "question")], f"confirmation box: {boxes[:1]}")
        outcome = m["LogMsg"] + "\r\n" + m["LogFiles"] + "\r\n" + m["LogRegistry"]
        c(boxes[1:] == [(t["Information"], outcome, "1", "none")], f"outcome box: {boxes[1:]}")
        c(f"progress caption={t['Uninstall']}" in lines, "no progress window with the log's caption")
        # The log gives no text for the end, so the built-in one shows.
        c(phase_statuses(lines) == [m["UnRegActiveX"], m["RemovingFiles"], m["RemovingLinks"], m["UnRegistering"],
                                    "Uninstall complete"],
          f"status texts: {statuses(lines)}")
        c(exit_code(lines) == 0, f"exit code {exit_code(lines)}")

        reg = prefix.registry()
        c(reg.value("HKEY_LOCAL_MACHINE\\" + SHARED_DLLS_KEY, APP + "\\common.dll") == 2,
          "the count of 3 was not lowered to 2")
        c(reg.value(UNREGISTERED, "common.dll") is None, "a library still in use was unregistered")
        c(reg.value(UNREGISTERED, "unreg_probe.dll") == 1, "the library counted once was not unregistered")
        c(prefix.unix(APP + "\\common.dll").is_file(), "a library still in use was deleted")
        remaining = sorted(p.name for p in prefix.unix(APP).iterdir()) if prefix.unix(APP).is_dir() else []
        c(remaining == ["common.dll"], f"the application folder holds {remaining}")
        c(reg.key_exists(f"HKEY_CURRENT_USER\\{VENDOR_KEY}\\Kept"), "an unlisted key was deleted")


def scenario_decline(run):
    """Answering No changes nothing and makes no temporary copy."""
    with winerig.Display() as display:
        run.start(display)
        app, _, _ = install_demo(run)
        before = installed_state(run, app)
        lines = run.uninstall([IDNO])
        run.check(len(dialogs(lines)) == 1, f"dialogs: {dialogs(lines)}")
        run.check(exit_code(lines) == 0, f"exit code {exit_code(lines)}")
        check_nothing_changed(run, before, app)


def missing_log(run, locale, text, caption):
    with winerig.Display() as display:
        run.start(display)
        app, _, _ = install_demo(run, texts=False)
        before = installed_state(run, app)
        lines = run.uninstall([IDOK], locale=locale)
        run.check(dialogs(lines) == [(caption, text, "1", "exclamation")], f"dialogs: {dialogs(lines)}")
        run.check(exit_code(lines) == 0, f"exit code {exit_code(lines)}")
        check_nothing_changed(run, before, app)


def scenario_missing_log(run):
    """Without UNINSTAL.DAT the program says so in English and changes nothing."""
    missing_log(run, None, "File UNINSTAL.DAT not found. Cannot run UNINSTAL", "Error")


def french_locale(work):
    """An environment whose system locale is French, compiled into a private folder."""
    locales = Path(work) / "locales"
    target = locales / "fr_FR.UTF-8"
    if not target.exists():
        locales.mkdir(parents=True, exist_ok=True)
        try:
            subprocess.run(["localedef", "-i", "fr_FR", "-f", "UTF-8", str(target)], check=True,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        except (OSError, subprocess.CalledProcessError):
            return None
    return {"LOCPATH": str(locales), "LANG": "fr_FR.UTF-8", "LC_ALL": "fr_FR.UTF-8"}


def scenario_missing_log_french(run):
    """On a French system the missing log is reported in French."""
    extra = french_locale(run.work.parent)
    if extra is None:
        return winerig.unavailable("cannot compile the fr_FR locale (Debian package locales)")
    missing_log(run, extra, "Le fichier UNINSTAL.DAT est introuvable. La désinstallation est impossible",
                "Erreur")


def scenario_app_error(run):
    """A shared count stored as text makes the typed read fail: the outcome says the
    uninstallation failed, the failure is reported and the exit code is 1. The log and
    the uninstaller stay so that the uninstall can be run again, and the unused
    temporary copy goes."""
    def extra(app):
        app.file(APP + "\\broken.dll", shared='"three"')

    with winerig.Display() as display:
        prefix = run.start(display)
        install_demo(run, extra=extra)
        lines = run.uninstall([IDYES, IDOK, IDOK])
        c = run.check
        boxes = dialogs(lines)
        c(len(boxes) == 3, f"dialogs: {boxes}")
        if len(boxes) == 3:
            c(boxes[0][3] == "question", f"confirmation box: {boxes[0]}")
            c(boxes[1] == ("Error", "Error during uninstallation", "1", "exclamation"), f"outcome box: {boxes[1]}")
            c(boxes[2][0] == "Erreur de l'application" and boxes[2][1] and boxes[2][3] == "error",
              f"failure box: {boxes[2]}")
        # The first phase fails: no phase gets to set its status.
        c(phase_statuses(lines) == [], f"status texts: {statuses(lines)}")
        c(exit_code(lines) == 1, f"exit code {exit_code(lines)}")
        c(prefix.unix(APP + "\\UNINSTAL.DAT").is_file(), "the log was deleted after a failed run")
        c(prefix.unix(APP + "\\uninstal.exe").is_file(), "the uninstaller was deleted after a failed run")
        c(prefix.unix(APP + "\\demo.exe").is_file(), "files were removed after the failure")
        c(not run.temp_copies(), "the temporary copy was left behind")


def scenario_planted_copy(run):
    """A program planted at the temporary folder's _kvuidel.exe and held open by another
    program is never started, and the uninstall still completes."""
    with winerig.Display() as display:
        prefix = run.start(display)
        _, programs, desktop = install_demo(run)
        planted = prefix.temp_folder() + "_kvuidel.exe"
        shutil.copyfile(run.tool("planted.exe"), prefix.unix(planted))
        lines = run.uninstall([IDYES, IDOK], harness={"HOLD": planted})
        prefix.wait()
        c = run.check
        c(not prefix.unix("C:\\e2e\\planted-ran.txt").exists(), "the planted program was started")
        c(dialogs(lines)[1:] == [("Information", "Uninstall complete", "1", "none")], f"outcome: {dialogs(lines)[1:]}")
        check_demo_removed(run, programs, desktop)
        c(not prefix.unix(APP).exists(), "the application folder is still there")


# The first status text of each phase that shows one, and of the end of the work.
KILL_POINTS = {"libraries": "Unregistering ActiveX", "files": "Removing Files", "links": "Removing links",
               "registry": "Removing registry updates", "end": "Uninstall complete"}


def killed(run, status):
    """A run ended the moment it shows status, then a second run: the machine ends as one
    complete run leaves it, a count of 3 lowered once, and every temporary copy gone at
    the next start."""
    def extra(app):
        app.file(APP + "\\common.dll", shared="dword:00000003", source=run.tool("unreg_probe.dll"))

    with winerig.Display() as display:
        prefix = run.start(display)
        _, programs, desktop = install_demo(run, extra=extra)
        lines = run.uninstall([IDYES], harness={"KILL_AT": status})
        c = run.check
        c("killed" in lines, f"the run was not ended at {status}")
        c(prefix.unix(APP + "\\UNINSTAL.DAT").is_file(), "the killed run took the log")
        lines = run.uninstall([IDYES, IDOK])
        c(exit_code(lines) == 0 and dialogs(lines)[-1][0] == "Information", f"second run: {dialogs(lines)}")
        check_demo_removed(run, programs, desktop)
        remaining = sorted(p.name for p in prefix.unix(APP).iterdir()) if prefix.unix(APP).is_dir() else []
        c(remaining == ["common.dll"], f"the application folder holds {remaining}")
        reg = prefix.registry()
        c(reg.value("HKEY_LOCAL_MACHINE\\" + SHARED_DLLS_KEY, APP + "\\common.dll") == 2,
          "the count of 3 is not 2: "
          + str(reg.value("HKEY_LOCAL_MACHINE\\" + SHARED_DLLS_KEY, APP + "\\common.dll")))
        prefix.wine("wineboot", "-r")
        prefix.wait()
        c(not run.temp_copies(), f"temporary copies survived the restart: {run.temp_copies()}")


def scenario_killed_libraries(run):
    """Killed after the shared counts are lowered."""
    killed(run, KILL_POINTS["libraries"])


def scenario_killed_files(run):
    """Killed after the libraries are unregistered."""
    killed(run, KILL_POINTS["files"])


def scenario_killed_links(run):
    """Killed after the files and folders are removed."""
    killed(run, KILL_POINTS["links"])


def scenario_killed_registry(run):
    """Killed after the shortcuts are removed."""
    killed(run, KILL_POINTS["registry"])


def scenario_killed_end(run):
    """Killed once the work is done, before the outcome."""
    killed(run, KILL_POINTS["end"])


OTHER_APPS = ("Other One", "Other Two")
OTHER_VENDOR_KEY = "Software\\Other Vendor\\Settings"
REGISTRY_LEFT = "Some elements could not be deleted or restablished:\r\n* some registry updates"


def install_with_neighbours(run, extra=None):
    """The demo application beside two other applications' uninstall registrations and
    another vendor's settings under HKEY_CURRENT_USER\\Software."""
    neighbours = "".join(f'[HKEY_LOCAL_MACHINE\\{UNINSTALL_KEY}\\{name}]\n"DisplayName"={winerig.reg_string(name)}\n'
                         for name in OTHER_APPS)
    neighbours += f'[HKEY_CURRENT_USER\\{OTHER_VENDOR_KEY}]\n"Colour"="blue"\n'
    run.prefix.import_reg(neighbours)
    return install_demo(run, extra=extra)


def check_neighbours(run):
    """The other applications' registrations, the other vendor's settings and the user's
    standard folders are all still there."""
    reg = run.prefix.registry()
    for name in OTHER_APPS:
        key = f"HKEY_LOCAL_MACHINE\\{UNINSTALL_KEY}\\{name}"
        run.check(reg.value(key, "DisplayName") == name, f"{key} is gone")
    run.check(reg.value("HKEY_CURRENT_USER\\" + OTHER_VENDOR_KEY, "Colour") == "blue",
              "another vendor's settings under HKEY_CURRENT_USER\\Software are gone")
    for name in ("Desktop", "Programs", "Personal", "Favorites", "Templates"):
        folder = reg.value("HKEY_CURRENT_USER\\" + winerig.SHELL_FOLDERS, name)
        run.check(not folder or run.prefix.unix(folder).is_dir(), f"the {name} folder {folder} was removed")


def hostile_log(run, edit):
    """Rewrites the installed log through edit(text) -> text."""
    path = run.prefix.unix(APP + "\\UNINSTAL.DAT")
    path.write_bytes(edit(path.read_bytes().decode("cp1252")).encode("cp1252"))


def scenario_hostile_name(run):
    """An application name of "\\" would make the registration's key the Uninstall key
    itself: nothing of it is deleted, the demo's own registration stays, and the outcome
    counts it as left. Everything else of the demo goes."""
    with winerig.Display() as display:
        prefix = run.start(display)
        install_with_neighbours(run)
        hostile_log(run, lambda text: text.replace(f"Name={NAME}\r\n", "Name=\\\r\n"))
        lines = run.uninstall([IDYES, IDOK])
        run.check(dialogs(lines)[1:] == [("Information", REGISTRY_LEFT, "1", "none")], f"outcome: {dialogs(lines)[1:]}")
        check_neighbours(run)
        reg = prefix.registry()
        run.check(reg.key_exists(f"HKEY_LOCAL_MACHINE\\{UNINSTALL_KEY}\\{NAME}"),
                  "a registration was deleted under a name that is no key name")
        run.check(not prefix.unix(APP).exists(), "the application folder is still there")


SHARED_KEYS = (
    "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\",
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\\\microsoft\\Windows\\CurrentVersion\\\\Uninstall",
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs",
    "HKEY_CURRENT_USER\\Software",
    "HKEY_CURRENT_USER\\\\software\\\\",
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders\\",
    "HKEY_CURRENT_USER\\Control Panel",
    "HKEY_CLASSES_ROOT\\CLSID",
)


def scenario_hostile_keys(run):
    """Registry keys that the system and every application share, listed for deletion in
    several spellings, all stay and count as left; the demo's own keys still go."""
    def extra(app):
        for n, key in enumerate(SHARED_KEYS):
            app.sections["Reg_CreateKey"].insert(0, f"Shared{n}={key}")

    with winerig.Display() as display:
        prefix = run.start(display)
        install_with_neighbours(run, extra=extra)
        lines = run.uninstall([IDYES, IDOK])
        run.check(dialogs(lines)[1:] == [("Information", REGISTRY_LEFT, "1", "none")], f"outcome: {dialogs(lines)[1:]}")
        check_neighbours(run)
        reg = prefix.registry()
        for key in SHARED_KEYS:
            root, _, rest = key.partition("\\")
            tidy = root + "\\" + "\\".join(part for part in rest.split("\\") if part)
            run.check(reg.key_exists(tidy), f"{key} was deleted")
        run.check(len(reg.subkeys("HKEY_CLASSES_ROOT\\CLSID")) > 100, "the registered classes are gone")
        for key in ("HKEY_CURRENT_USER\\" + VENDOR_KEY + "\\Demo App", "HKEY_LOCAL_MACHINE\\" + VENDOR_KEY,
                    "HKEY_CLASSES_ROOT\\DemoApp.Document", f"HKEY_LOCAL_MACHINE\\{UNINSTALL_KEY}\\{NAME}"):
            run.check(not reg.key_exists(key), f"{key} is still in the registry")


def scenario_hostile_folders(run):
    """Empty standard folders listed under "Folders" in spellings that the system
    resolves to them, and a shortcut listed in the Desktop under a doubled separator
    (which would make the Desktop the group folder), all leave those folders in place."""
    def extra(app):
        reg = run.prefix.registry()
        for name in ("Favorites", "Templates"):
            folder = reg.value("HKEY_CURRENT_USER\\" + winerig.SHELL_FOLDERS, name)
            parent, _, leaf = folder.rpartition("\\")
            for spelling in (folder + "\\\\", folder.replace("\\", "/"), folder + ".", folder + " . ",
                             parent + "\\Demo App\\..\\" + leaf, "\\\\?\\" + folder):
                app.sections["Folders"].append(spelling)
        desktop = app.shell_folder("Desktop")
        extra_link = app.prefix.unix(desktop + "\\Demo Extra.lnk")
        extra_link.write_bytes(b"L\0\0\0")
        app.sections["Icons"].insert(0, f"Icon0={desktop}\\\\Demo Extra.lnk")

    with winerig.Display() as display:
        prefix = run.start(display)
        reg = prefix.registry()
        for name in ("Favorites", "Templates"):
            folder = reg.value("HKEY_CURRENT_USER\\" + winerig.SHELL_FOLDERS, name)
            if not run.check(folder and prefix.unix(folder).is_dir() and not any(prefix.unix(folder).iterdir()),
                             f"the prefix has no empty {name} folder ({folder})"):
                return None
        _, programs, desktop = install_with_neighbours(run, extra=extra)
        lines = run.uninstall([IDYES, IDOK])
        run.check(dialogs(lines)[1:] == [("Information", "Uninstall complete", "1", "none")],
                  f"outcome: {dialogs(lines)[1:]}")
        check_neighbours(run)
        run.check(not prefix.unix(desktop + "\\Demo Extra.lnk").exists(), "the extra shortcut is still there")
        run.check(not prefix.unix(programs + "\\Demo App").exists(), "the Start Menu group is still there")
        run.check(not prefix.unix(APP).exists(), "the application folder is still there")


def short_name(prefix, folder):
    """The folder spelled with the short name Wine gives its last name (`dir /x`)."""
    parent, _, leaf = folder.rpartition("\\")
    prefix.wine("cmd", "/c", "dir", "/x", parent, ">", "C:\\e2e-dir.txt")
    for line in prefix.unix("C:\\e2e-dir.txt").read_bytes().decode("cp1252").splitlines():
        before = line.rstrip()[:-len(leaf)].split() if line.rstrip().endswith(" " + leaf) else []
        if before and "~" in before[-1]:
            return parent + "\\" + before[-1]
    return None


def scenario_short_names(run):
    """Standard folders by their short names stay: the empty Favorites under "Folders", and
    NetHood as the folder of the first-listed shortcut (which would make it the group folder)."""
    with winerig.Display() as display:
        prefix = run.start(display)
        favorites, nethood = (prefix.registry().value("HKEY_CURRENT_USER\\" + winerig.SHELL_FOLDERS, name)
                              for name in ("Favorites", "NetHood"))
        shorts = short_name(prefix, favorites), short_name(prefix, nethood)
        if not run.check(all(shorts), f"no short names for {favorites}, {nethood}"):
            return None

        def extra(app):
            app.sections["Folders"].append(shorts[0])
            prefix.unix(nethood + "\\Demo Extra.lnk").write_bytes(b"L\0\0\0")
            app.sections["Icons"].insert(0, f"Icon0={shorts[1]}\\Demo Extra.lnk")

        install_with_neighbours(run, extra=extra)
        lines = run.uninstall([IDYES, IDOK])
        run.check(dialogs(lines)[1:] == [("Information", "Uninstall complete", "1", "none")],
                  f"outcome: {dialogs(lines)[1:]}")
        check_neighbours(run)
        run.check(prefix.unix(nethood).is_dir(), f"the NetHood folder {nethood} was removed")


SCENARIOS = {name[len("scenario_"):]: fn for name, fn in globals().items() if name.startswith("scenario_")}


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--uninstaller", required=True, help="uninstal.exe")
    parser.add_argument("--tools", required=True, help="folder of dialog_harness.exe and unreg_probe.dll")
    parser.add_argument("--prefix", required=True, help="the base prefix (winerig.py create)")
    parser.add_argument("--work", required=True, help="working folder (scenario copies)")
    parser.add_argument("what", choices=sorted(SCENARIOS))
    args = parser.parse_args()

    run = Run(args, args.what)
    reason = winerig.missing_for(run.arch)
    if reason:
        return winerig.unavailable(reason)
    if not run.base.is_complete():
        print(f"FAILED: no prefix at {run.base.path} (winerig.py create makes it)")
        return 1
    if winerig.Prefix.open(run.base.path).arch != run.arch:
        print(f"FAILED: the prefix at {run.base.path} is not made for {run.arch} programs")
        return 1
    result = SCENARIOS[args.what](run)
    if result is not None:
        return result
    if run.check.failures:
        print("FAILED:\n  " + "\n  ".join(run.check.failures))
        return 1
    shutil.rmtree(run.work, ignore_errors=True)
    print("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
