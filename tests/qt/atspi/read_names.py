#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Reads what a screen reader reads: the AT-SPI tree of the real program's main window and of the
# ten forms, each opened by pressing its main-window button through AT-SPI. Every visible edit
# and list must carry the name the driver's in-memory host shows for it (the names table).
# Run inside a private D-Bus session on a virtual display:
#   xvfb-run -a dbus-run-session -- read_names.py QUORVEX-SCRIPT QUORVEX WORKDIR
import os
import re
import subprocess
import sys
import time

try:
    import pyatspi
except ImportError:
    sys.exit(77)  # no AT-SPI bindings here: skipped

DRIVER, PROGRAM, WORK = sys.argv[1:4]
os.makedirs(WORK, exist_ok=True)

# (model, button text, button id): the ten forms, each from a model that opens it.
FORMS = [(1, "Camera Setup", 1000), (2, "Camera Setup", 1000), (6, "Camera Setup", 1000),
         (8, "Camera Setup", 1000), (11, "Camera Setup", 1000), (14, "Camera Setup", 1000),
         (1, "MMS Setup", 1001), (2, "MMS Setup", 1001), (3, "Smtp Setup", 1002),
         (4, "Smtp Setup", 1002)]
FIELD = re.compile(r'^control (\d+) (edit|list) .* visible=1 name="((?:[^"\\]|\\.)*)"$')
FIELD_ROLES = (pyatspi.ROLE_TEXT, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_PASSWORD_TEXT,
               pyatspi.ROLE_ENTRY)


def prefs(model):
    path = os.path.join(WORK, "prefs%d" % model)
    with open(path, "w") as f:
        f.write("model=%d\nlanguage=2\n" % model)
    return path


def expected(model, button):
    """Names of the visible edits and lists, per window, as the in-memory host shows them."""
    script = "start\nshow\nclick %d\nshow\n" % button
    env = dict(os.environ, QUORVEX_PREFERENCES=prefs(model))
    out = subprocess.run([DRIVER, "--host", "memory"], input=script, capture_output=True,
                         text=True, env=env, cwd=WORK).stdout
    windows, names = [], None
    for line in out.splitlines():
        if line.startswith("window "):
            names = []
            windows.append((line.split(" ", 2)[2].strip('"'), names))
        m = FIELD.match(line)
        if m and names is not None:
            names.append(m.group(3).replace('\\"', '"').replace("\\\\", "\\"))
    return windows


def find_app(proc, timeout=20):
    """The program's accessible application; None when the program ended first."""
    end = time.time() + timeout
    while time.time() < end:
        if proc.poll() is not None:
            return None
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            try:
                if app is not None and app.get_process_id() == proc.pid:
                    return app
            except Exception:
                pass
        time.sleep(0.2)
    raise SystemExit("the program never appeared on the accessibility bus")


def start(env):
    """Starts the program; on a loaded machine the virtual display may not take the first
    connection, so a program that ends before it appears is started again."""
    for _ in range(3):
        proc = subprocess.Popen([PROGRAM], env=env, cwd=WORK)
        app = find_app(proc)
        if app is not None:
            return proc, app
        proc.wait()
        time.sleep(1)
    raise SystemExit("the program ended before it appeared on the accessibility bus")


def walk(node, out):
    try:
        role = node.getRole()
        states = node.getState()
    except Exception:
        return
    if not states.contains(pyatspi.STATE_SHOWING) and role != pyatspi.ROLE_APPLICATION:
        return
    out.append(node)
    for child in node:
        if child is not None:
            walk(child, out)


def window(app, title, timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        for w in app:
            if w is not None and w.name == title and w.getState().contains(pyatspi.STATE_SHOWING):
                return w
        time.sleep(0.2)
    raise SystemExit("no window %r" % title)


def field_names(win):
    nodes = []
    walk(win, nodes)
    # A list's popup holds a list and its entries; only the fields themselves count.
    return [n.name for n in nodes if n.getRole() in FIELD_ROLES
            and (n.parent is None or n.parent.getRole() != pyatspi.ROLE_COMBO_BOX)]


def check(title, wanted, found):
    missing = [n for n in wanted if n not in found]
    unnamed = [n for n in found if not n.strip()]
    print("%-16s %2d fields: %s" % (title, len(wanted),
                                   "ok" if not missing and not unnamed else "MISSING"))
    for n in missing:
        print("  not read as named:", n)
    if unnamed:
        print("  %d fields without a name" % len(unnamed))
    return not missing and not unnamed


ok = True
checked_main = False
for model, text, button in FORMS:
    windows = expected(model, button)
    env = dict(os.environ, QUORVEX_PREFERENCES=prefs(model), QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_ACCESSIBILITY="1", QT_QPA_PLATFORM="xcb")
    proc, app = start(env)
    try:
        main = window(app, windows[0][0])
        if not checked_main:
            ok &= check("main window", windows[0][1], field_names(main))
            checked_main = True
        nodes = []
        walk(main, nodes)
        press = [n for n in nodes if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == text]
        if not press:
            raise SystemExit("no button %r" % text)
        press[0].queryAction().doAction(0)
        form_title, names = windows[1]
        form = window(app, form_title)
        time.sleep(0.3)
        ok &= check("%s (model %d)" % (form_title, model), names, field_names(form))
    finally:
        proc.kill()
        proc.wait()
sys.exit(0 if ok else 1)
