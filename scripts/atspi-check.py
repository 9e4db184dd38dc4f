#!/usr/bin/python3
"""Reads the workbench's open Profile Editor over AT-SPI, as a screen reader
does: every control and every button of the form has a name, the maximum
number of time points is a spin button with a value, the button strips offer
their buttons by tooltip text, pressing buttons works, and the message box
Apply brings up can be read and closed. Run by scripts/check-accessibility.sh;
prints what it read and exits non-zero on a missing name or a failed press."""

import sys
import time

import pyatspi

EDITOR_TITLE = "Profile Editor - Column.TemperaturePlot"


def find(node, pred, depth=0):
    if node is None or depth > 40:
        return None
    try:
        if pred(node):
            return node
        for child in node:
            found = find(child, pred, depth + 1)
            if found is not None:
                return found
    except Exception:  # an object that went away while walking
        return None
    return None


def wait_for(what, pred, root_fn, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = find(root_fn(), pred)
        if found is not None:
            return found
        time.sleep(0.3)
    sys.exit(f"FAIL: {what} did not appear on the accessibility tree")


def workbench():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name in ("workbench", "Workbench"):
            return app
    return None


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click"):
            action.doAction(i)
            return
    action.doAction(0)


def main():
    deadline = time.time() + 30
    while workbench() is None and time.time() < deadline:
        time.sleep(0.3)
    if workbench() is None:
        sys.exit("FAIL: the workbench is not on the accessibility bus")
    frame = wait_for("the editor frame", lambda n: n.name == EDITOR_TITLE, workbench)
    apply_button = wait_for("Apply", lambda n: n.name == "Apply" and n.getRoleName() == "push button",
                            lambda: frame)
    form = apply_button.parent
    missing = []
    print(f"Form children of '{EDITOR_TITLE}':")
    for child in form:
        role = child.getRoleName()
        showing = child.getState().contains(pyatspi.STATE_SHOWING)
        print(f"  {role:14} {child.name!r}{'' if showing else ' (hidden)'}")
        if not child.name:
            missing.append(role)
    strips = [c for c in form if c.getRoleName() == "tool bar"]
    for strip in strips:
        print(f"  strip {strip.name!r}: {[b.name for b in strip]}")
    if missing:
        sys.exit(f"FAIL: controls without a name: {missing}")
    unnamed_buttons = []
    find(form, lambda n: (n.getRoleName() == "push button" and not n.name
                          and unnamed_buttons.append(n.parent.name)) or False)
    if unnamed_buttons:
        sys.exit(f"FAIL: buttons without a name inside {unnamed_buttons}")
    spin = find(form, lambda n: n.name == "Max. time points:" and n.getRoleName() == "spin button")
    if spin is None:
        sys.exit("FAIL: 'Max. time points:' has no spin button")
    print(f"Spin button {spin.name!r} reads {spin.queryValue().currentValue:g}")
    profiles_strip = next((s for s in strips if s.name == "Profiles"), None)
    if profiles_strip is None or [b.name for b in profiles_strip] != ["New", "Delete", "Toggle Dimension"]:
        sys.exit("FAIL: the profiles strip does not offer New, Delete, Toggle Dimension")
    profiles = find(form, lambda n: n.name == "Profiles" and n.getRoleName() in ("tree", "table", "tree table", "list"))
    rows_before = profiles.childCount if profiles is not None else -1
    press(profiles_strip[0])
    time.sleep(1.0)
    rows_after = profiles.childCount if profiles is not None else -1
    print(f"Pressed strip button 'New': the profiles list had {rows_before} children, now {rows_after}")
    if rows_after <= rows_before:
        sys.exit("FAIL: pressing 'New' over AT-SPI made no profile")
    finder_button = find(form, lambda n: n.name == "Find Variables..." and n.getRoleName() == "push button")
    press(finder_button)
    finder = wait_for("the variable finder", lambda n: n.name == "Variable Finder" and
                      n.getState().contains(pyatspi.STATE_SHOWING), workbench, 10)
    print(f"Pressed 'Find Variables...': '{finder.name}' is showing")
    # The new profile is empty: plotted, Apply refuses it in a message box,
    # which a screen reader reads and closes.
    press(find(form, lambda n: n.name == ">> Plot" and n.getRoleName() == "push button"))
    time.sleep(0.5)
    press(apply_button)
    box = wait_for("Apply's message box", lambda n: n.getRoleName() in ("alert", "dialog") and
                   n.getState().contains(pyatspi.STATE_SHOWING), workbench, 10)
    texts = []
    find(box, lambda n: texts.append((n.getRoleName(), n.name)) or False)
    print(f"Pressed 'Apply': message box {box.name!r} holds {[t for t in texts if t[1]]}")
    if not any("contains no variables" in name for _, name in texts):
        sys.exit("FAIL: the message box does not say why Apply refused")
    ok = find(box, lambda n: n.getRoleName() == "push button" and n.name in ("OK", "&OK"))
    press(ok)
    time.sleep(0.5)
    if box.getState().contains(pyatspi.STATE_SHOWING):
        sys.exit("FAIL: pressing OK did not close the message box")
    print("Pressed 'OK' in the message box: it closed")
    print("PASS")


if __name__ == "__main__":
    main()
