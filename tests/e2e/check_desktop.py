#!/usr/bin/python3
"""Every screen and dialog of Velmora on a 1024x768 desktop with a window
manager (openbox), at 100, 200 and 250 %, seen from outside through the
accessibility tree: no push button, sentence or menu item outside the
desktop, every screen left by its own keys, no table that keeps the Tab key,
and the grids' right-click menu on the accessibility bus with its items.

Not part of CTest (it needs Xvfb, openbox and AT-SPI: ../shared/e2e/setup.sh).
Run from the top of the source tree, after a build:

    /usr/bin/python3 tests/e2e/check_desktop.py [build/release/src/velmora] [100 200 250]

Each size runs in a process of its own (one display per process). Prints one
line per finding and "ok" or the number of faults for each size; screenshots
go to $E2E_ARTIFACTS (default /tmp/e2e-artifacts). Exit status 1 on any fault.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
TOP = os.path.dirname(os.path.dirname(HERE))
E2E = os.environ.get("VELMORA_E2E_DIR") or os.path.join(TOP, "..", "..", "shared", "e2e")
if not os.path.isdir(E2E):
    E2E = "/work/shared/e2e"
sys.path.insert(0, E2E)

DESKTOP = (1024, 768)
faults = []


def fault(text):
    faults.append(text)
    print("FAULT " + text, flush=True)


def note(text):
    print("     " + text, flush=True)


def inside(rect, area=(0, 0) + DESKTOP):
    x, y, w, h = rect
    ax, ay, aw, ah = area
    return x >= ax and y >= ay and x + w <= ax + aw and y + h <= ay + ah


def check_window(d, win, where):
    """Push buttons, labels and menu items of `win` within the desktop; no menu item hidden."""
    name = d.name_of(win)
    wrect = d.extents(win)
    if not inside(wrect):
        fault("%s: window %r at %s is not wholly on the desktop" % (where, name, wrect))
    for acc in d.find_all(role="push button", within=win):
        r = d.extents(acc)
        if r[2] <= 0 or r[3] <= 0:
            continue
        if not inside(r) or not inside(r, wrect):
            fault("%s: button %r at %s lies outside the desktop or its window" % (where, d.name_of(acc), r))
    for bar in d.find_all(role="menu bar", within=win):
        for i in range(bar.childCount):
            item = bar.getChildAtIndex(i)
            if item is None or d.role_of(item) not in ("menu item", "menu"):
                continue
            if not d.is_showing(item):
                fault("%s: menu item %r of the menu bar is hidden (behind \u00bb)" % (where, d.name_of(item)))
            elif not inside(d.extents(item), wrect):
                fault("%s: menu item %r outside its window" % (where, d.name_of(item)))


def seen_labels(d, win, pattern, where):
    for acc in d.find_all(role="label", within=win):
        if re.search(pattern, d.name_of(acc) or ""):
            r = d.extents(acc)
            if not inside(r):
                fault("%s: sentence %r at %s is cut by the desktop's edge" % (where, d.name_of(acc)[:40], r))
            return acc
    fault("%s: no label matching %r" % (where, pattern))
    return None


def shot(d, label):
    folder = os.environ.get("E2E_ARTIFACTS") or "/tmp/e2e-artifacts"
    os.makedirs(folder, exist_ok=True)
    try:
        d.screenshot(os.path.join(folder, label + ".png"))
    except Exception as e:  # a picture is a help, not a check
        note("no screenshot %s: %s" % (label, e))


def window_of(d, title, timeout=8):
    if isinstance(title, str):  # a plan changed since it was saved marks the title with "*"
        title = re.compile("^" + re.escape(title) + r"\*?$")
    win = d.find_window(title, timeout=timeout)
    time.sleep(0.4)  # let the window manager place it
    return win


def focus_in(d, acc):
    f = d.focused()
    if f is None:
        return False
    while f is not None:
        if f == acc:
            return True
        try:
            f = f.parent
        except Exception:
            return False
    return False


def run_size(d, program, percent):
    work = tempfile.mkdtemp(prefix="velmora-e2e-")
    shutil.copy(os.path.join(TOP, "tests", "data", "plan", "married-household.dta"),
                os.path.join(work, "UserData.dta"))
    open(os.path.join(work, ".velmora-started"), "w").close()
    config = os.path.join(work, "config")
    os.makedirs(os.path.join(config, "Velmora"))
    with open(os.path.join(config, "Velmora", "Velmora.conf"), "w") as f:
        f.write("[View]\nSizePercent=%d\n" % percent)
    env = {"VELMORA_ACCESSIBLE_IDS": "1", "HOME": work, "XDG_CONFIG_HOME": config,
           "XDG_DATA_HOME": os.path.join(work, "data")}
    at = " at %d %%" % percent
    d.start_app([program], cwd=work, env=env, wm="openbox", screen="%dx%dx24" % DESKTOP)
    try:
        # Title
        win = window_of(d, "Title Page")
        shot(d, "title-%d" % percent)
        check_window(d, win, "Title Page" + at)
        d.click("Enter Data", within=win)
        # Data input, and each entry screen there and back
        win = window_of(d, "Data Input Screen")
        shot(d, "datainput-%d" % percent)
        check_window(d, win, "Data Input Screen" + at)
        for button, title in [("Continued Earnings", "Continued Earnings"),
                              ("Entitlements", "Entitlements"), ("IRA's", "IRAs"),
                              ("Bonds, CDs, etc.", "Debt Investments"),
                              ("Stocks, Equities", "Equity Investments")]:
            d.click(button, within=window_of(d, "Data Input Screen"))
            screen = window_of(d, title)
            shot(d, re.sub(r"\W", "", title.lower()) + "-%d" % percent)
            check_window(d, screen, title + at)
            if title == "IRAs":
                check_grid_menu(d, screen, at)
            d.click("Done", within=screen)
            # The test plan's rows may bring a box about a rule as the screen is left.
            for _ in range(5):
                try:
                    box = d.wait_until(lambda: next((w for w in d.windows() if d.role_of(w) == "alert"),
                                                    None), 1.5, "a box")
                except Exception:
                    break
                check_window(d, box, "box on leaving %s%s" % (title, at))
                note("box on leaving %s: %r" % (title, d.message_box()))
                d.answer("OK")
        win = window_of(d, "Data Input Screen")
        # Alt+F4 on a screen that is not the title: the screen stays.
        d.key("alt+F4")
        time.sleep(0.8)
        if not [w for w in d.windows() if d.name_of(w).startswith("Data Input Screen")]:
            fault("Alt+F4 closed the data input screen" + at)
        d.click("Show Results", within=win)
        # Results
        win = window_of(d, "Calculation")
        shot(d, "results-%d" % percent)
        check_window(d, win, "Calculation" + at)
        for name in ("Years Ahead", "How the tax was worked out"):
            acc = d.find(name, "push button", within=win)
            note("results: %r at %s" % (name, d.extents(acc)))
        names = [d.name_of(b.getChildAtIndex(i)) for b in d.find_all(role="menu bar", within=win)
                 for i in range(b.childCount)]
        note("results menu bar: %s" % names)
        if "Years Ahead" not in names:
            fault("results: no menu bar item Years Ahead" + at)
        # Windows beside the results, and the dialogs
        for item, title, close in [("Charts", "Charts", "Escape"),
                                   ("How the Tax Was Worked Out", re.compile("tax", re.I), "Escape")]:
            menu(d, win, item)
            side = window_of(d, title)
            shot(d, "side-%s-%d" % (item.split()[0].lower(), percent))
            check_window(d, side, "%s window%s" % (item, at))
            d.key(close)
            time.sleep(0.5)
        for path, title in [(("File", "Save Report as PDF..."), re.compile("PDF")),
                            (("File", "Print Report..."), re.compile("Print", re.I))]:
            d.activate(win)
            menu(d, win, *path)
            box = d.wait_until(lambda: next((w for w in d.windows() if d.role_of(w) in
                                             ("dialog", "file chooser", "alert")), None), 8,
                               "the %s dialog" % path[-1])
            time.sleep(0.6)
            shot(d, "dialog-%s-%d" % (path[-1].split()[0].lower(), percent))
            check_window(d, box, "%s dialog%s" % (path[-1], at))
            d.key("Escape")
            d.wait_until(lambda: not [w for w in d.windows() if d.role_of(w) in
                                      ("dialog", "file chooser", "alert")], 8, "the dialog to close")
        # The years ahead: by the button, then the keys
        d.activate(win)
        d.click("Years Ahead", within=win)
        years = window_of(d, "Years Ahead")
        shot(d, "years-%d" % percent)
        check_window(d, years, "Years Ahead" + at)
        sentence = seen_labels(d, years, r"^Your investments", "Years Ahead" + at)
        if sentence is not None:
            note("years: sentence at %s: %r" % (d.extents(sentence), d.name_of(sentence)))
        table = d.table("The years ahead", within=years)
        note("years: table at %s" % (d.extents(table),))
        # The ways side by side, in a window of their own
        d.click("Compare Ways...", within=years)
        ways = window_of(d, "Compare Ways")
        shot(d, "ways-%d" % percent)
        check_window(d, ways, "Compare Ways" + at)
        seen_labels(d, ways, r"^Selling in ", "Compare Ways" + at)
        d.click("Close", within=ways)
        d.wait_until(lambda: not [w for w in d.windows() if d.name_of(w) == "Compare Ways"], 8,
                     "Compare Ways to close")
        d.activate(years)

        def tab_into_table():
            for _ in range(12):
                if focus_in(d, table):
                    return True
                d.key("Tab")
                time.sleep(0.15)
            return focus_in(d, table)

        for keys in ("Tab", "shift+Tab", "ctrl+Tab", "ctrl+shift+Tab"):
            if not tab_into_table():
                fault("years: Tab never reaches the table" + at)
                break
            d.key(keys)
            time.sleep(0.3)
            if focus_in(d, table):
                fault("years: %s keeps the focus in the table%s" % (keys, at))
        tab_into_table()
        d.key("alt+F4")
        time.sleep(0.8)
        if not [w for w in d.windows() if d.name_of(w).startswith("Years Ahead")]:
            fault("years: Alt+F4 closed the screen without going anywhere" + at)
        d.key("Escape")
        try:
            window_of(d, "Calculation")
        except Exception:
            fault("years: Escape did not return to the results" + at)
        win = window_of(d, "Calculation")
        menu(d, win, "Years Ahead")
        years = window_of(d, "Years Ahead")
        menu(d, years, "File", "Return to Results")
        win = window_of(d, "Calculation")
        # The exit sequence's boxes
        menu(d, win, "File", "Exit")
        box = d.wait_until(lambda: next((w for w in d.windows() if d.role_of(w) == "alert"), None), 8,
                           "the save question")
        time.sleep(0.4)
        check_window(d, box, "save question" + at)
        shot(d, "confirm-%d" % percent)
        d.answer("No")
        box = d.wait_until(lambda: next((w for w in d.windows() if d.role_of(w) == "alert"), None), 8,
                           "the exit question")
        d.answer("No")
    finally:
        d.stop()
        shutil.rmtree(work, ignore_errors=True)


def menu(d, win, *path):
    """A menu item by its path, from whichever row of the menu bar holds it."""
    for bar in d.find_all(role="menu bar", within=win):
        for i in range(bar.childCount):
            item = bar.getChildAtIndex(i)
            if item is not None and d._matches(d.name_of(item), path[0]):
                d.click(item)
                acc = item
                for name in path[1:]:
                    pop = d.wait_until(lambda: next((c for c in d._children(acc) if d.role_of(c) in
                                                     ("popup menu", "menu") and d.is_showing(c)), None),
                                       5, "menu %r" % path[0])
                    acc = d.find(name, "menu item", within=pop)
                    d.click(acc)
                return
    fault("menu item %r not found in any row of the menu bar" % (path,))


def check_grid_menu(d, screen, at):
    """Edits IRA row 1's name, opens the grid's right-click menu, and looks for
    it on the accessibility bus as a popup menu with its items."""
    table = d.by_id("StringGridIRAs", within=screen)
    d.cell_set(table, 0, 2, "12345", end="Return")
    time.sleep(0.3)
    x, y, w, h = d.extents(d.cell(table, 1, 2))
    d._xdo("mousemove", x + w // 2, y + h // 2, "click", 3)
    try:
        pop = d.wait_until(lambda: next(iter(d.find_all(role="popup menu", within=None) or
                                             [a for w in d.windows(all=True) for a in d._walk(w)
                                              if d.role_of(a) == "popup menu"]), None), 5,
                           "the grid's popup menu")
        items = [d.name_of(c) for c in d._children(pop)]
        note("grid menu on the bus: %r with %s" % (d.name_of(pop), items))
        if not any(i.startswith("Undo edit of IRA row 1") for i in items):
            fault("grid menu: no item 'Undo edit of IRA row 1' (%s)%s" % (items, at))
    except Exception as e:
        fault("grid menu not on the accessibility bus%s: %s" % (at, e))
    d.key("Escape")
    time.sleep(0.3)


def main():
    args = sys.argv[1:]
    program = os.path.abspath(args[0]) if args and not args[0].isdigit() else \
        os.path.join(TOP, "build", "release", "src", "velmora")
    sizes = [int(a) for a in args if a.isdigit()] or [100, 200, 250]
    if len(sizes) > 1:  # one display per process
        status = 0
        for percent in sizes:
            status |= subprocess.call([sys.executable, __file__, program, str(percent)])
        return status
    import drive as d
    percent = sizes[0]
    try:
        run_size(d, program, percent)
    except Exception as e:
        fault("at %d %%: stopped: %s" % (percent, e))
    finally:
        d.shutdown()
    print("%d %%: %s" % (percent, "ok" if not faults else "%d faults" % len(faults)), flush=True)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
