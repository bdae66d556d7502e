#!/usr/bin/python3
"""Walks every window of the browser as a screen reader sees it (AT-SPI) and
checks what users of screen readers and voice control rely on:
  - every window is announced as a window or dialog named by its caption;
  - a button's or label's name contains the text it shows (voice control);
  - a box labelled by a label is named with that label's words;
  - the status line is a status bar whose changes are announced.
Run inside a session bus with a display:
  xvfb-run -a dbus-run-session -- python3 check_windows.py tavrello_window_tour
"""
import json
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

# Captions as the windows must show them, taken from the design, not the code.
CAPTIONS = {
    "Tavrello - Accueil",
    "Choisissez votre site préféré",
    "Choisissez votre page d'accueil",
    "Choisissez votre moteur de recherche préféré",
    "Personnalisation de l'erreur 404",
    "Saisie des raccourcis",
    "Crédits",
    "Source de la page html en cours",
    "Rechercher dans la page",
}
WINDOW_ROLES = {pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW}
STATUS_TEXTS = {"Ouverture de la page...", "Terminé"}

faults = []


def fault(text):
    faults.append(text)
    print("FAULT:", text)


def pump(seconds, until=lambda: False):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end and not until():
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def walk(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from walk(child)


def extents(node):
    try:
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return [box.x, box.y, box.width, box.height]
    except NotImplementedError:
        return None


def find_application(name, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    return None


def check_windows(app, shown):
    windows = {}
    for window in app:
        if window is None or not window.getState().contains(pyatspi.STATE_SHOWING):
            continue
        if window.getRole() not in WINDOW_ROLES:
            fault(f"window {window.name!r} is announced as {window.getRoleName()}")
        windows[window.name] = window
    for caption in sorted(CAPTIONS - set(windows)):
        fault(f"no window announced as {caption!r} (announced: {sorted(windows)})")

    for described in shown:
        window = windows.get(described["caption"])
        if window is None:
            continue
        # Controls are matched by their left edge and a top inside them: an
        # option button or a check box reports only the part that takes
        # clicks, centred in its height.
        placed = [(extents(node), node) for node in walk(window)]

        def at(rect):
            x, y, _, height = rect
            return [node for box, node in placed if box and box[0] == x and y <= box[1] < y + height]

        for control in described["controls"]:
            nodes = at(control["rect"])
            if not nodes:
                fault(f"{described['caption']}: {control['control']} ({control['text']!r}) is not announced")
            elif not any(control["text"] in (node.name or "") for node in nodes):
                names = [node.name for node in nodes]
                fault(f"{described['caption']}: {control['control']} shows {control['text']!r} "
                      f"but is announced as {names}")
        for node in walk(window):
            for relation in node.getRelationSet():
                if relation.getRelationType() != pyatspi.RELATION_LABELLED_BY:
                    continue
                for i in range(relation.getNTargets()):
                    words = relation.getTarget(i).name.replace(":", "").strip()
                    if words not in (node.name or ""):
                        fault(f"{described['caption']}: the box labelled {words!r} is announced as {node.name!r}")
    return windows


def check_status_bar(main_window):
    bars = [node for node in walk(main_window) if node.getRole() == pyatspi.ROLE_STATUS_BAR]
    if len(bars) != 1:
        fault(f"the main window has {len(bars)} status bars")
        return
    heard = []

    def on_name(event):
        if event.source.getRole() == pyatspi.ROLE_STATUS_BAR:
            heard.append(event.source.name)

    pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
    pump(5, until=lambda: len(set(heard) & STATUS_TEXTS) == 2)
    pyatspi.Registry.deregisterEventListener(on_name, "object:property-change:accessible-name")
    if len(set(heard) & STATUS_TEXTS) < 2:
        fault(f"status changes are not announced (heard {heard})")
    if bars[0].name not in STATUS_TEXTS:
        fault(f"the status bar is announced as {bars[0].name!r}")


def main():
    program = sys.argv[1]
    # The accessibility bus is started before the program looks for it.
    pyatspi.Registry.getDesktop(0).childCount
    with tempfile.TemporaryDirectory() as work:
        shown_path = os.path.join(work, "shown.json")
        tour = subprocess.Popen([program, shown_path])
        try:
            app = find_application(os.path.basename(program), 30)
            end = time.monotonic() + 30
            while not os.path.exists(shown_path) and time.monotonic() < end and tour.poll() is None:
                time.sleep(0.1)
            if app is None or not os.path.exists(shown_path):
                print("FAULT: the program did not come up on the accessibility bus")
                return 1
            time.sleep(0.3)
            with open(shown_path, encoding="utf-8") as f:
                shown = json.load(f)
            windows = check_windows(app, shown)
            main_window = next((w for name, w in windows.items() if name.startswith("Tavrello")), None)
            if main_window is not None:
                check_status_bar(main_window)
        finally:
            tour.terminate()
            tour.wait(10)
    print(f"{len(faults)} fault(s)")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
