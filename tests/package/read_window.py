#!/usr/bin/python3
"""Waits for the Folidex window to finish its first search and prints what it shows, read
through the accessibility bus as a screen reader reads it: the address box, the names in
the grid's first column (sorted), the status bar's texts and the total. Then ends the
program with File > Exit.

Exits with 1 when no finished search is seen, or the program does not end, after
ATTEMPTS looks half a second apart."""
import sys
import time

import pyatspi

ATTEMPTS = 120


def descendants(node):
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find_application():
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        application = desktop.getChildAtIndex(index)
        if application is not None and application.name == "folidex":
            return application
    return None


def find_window():
    application = find_application()
    if application is not None:
        for window in descendants(application):
            if window.getRoleName() == "frame" and window.name == "Folidex":
                return window
    return None


def shown_texts(window):
    nodes = list(descendants(window))
    status_bar = next(node for node in nodes if node.getRoleName() == "status bar")
    status = [status_bar.getChildAtIndex(index).name for index in range(2)]
    if status[0] != "Done":
        return None
    address_label = next(node for node in nodes if node.getRoleName() == "label" and node.name == "Address")
    address_box = next(
        node for node in descendants(address_label.parent) if node.getRoleName() == "text")
    text = address_box.queryText()
    grid = next(node for node in nodes if node.getRoleName() == "table")
    cells = grid.queryTable()
    names = sorted(cells.getAccessibleAt(row, 0).name for row in range(cells.nRows))
    total = next(node.name for node in nodes
                 if node.getRoleName() == "label" and node.name.startswith("Total Pages : "))
    return [
        "address: " + text.getText(0, text.characterCount),
        "files: " + ", ".join(names),
        "status: " + " | ".join(status),
        "total: " + total,
    ]


def main():
    last_error = None
    for _ in range(ATTEMPTS):
        try:
            window = find_window()
            texts = shown_texts(window) if window is not None else None
        except (StopIteration, RuntimeError, LookupError) as error:  # the window is still being built
            texts, last_error = None, error
        if texts is not None:
            print("\n".join(texts))
            return exit_program(window)
        time.sleep(0.5)
    print("no Folidex window with a finished search; last error: %r" % (last_error,), file=sys.stderr)
    return 1


def exit_program(window):
    exit_item = next(node for node in descendants(window)
                     if node.getRoleName() == "menu item" and node.name == "Exit")
    exit_item.queryAction().doAction(0)
    for _ in range(ATTEMPTS):
        time.sleep(0.5)
        if find_application() is None:
            return 0
    print("File > Exit did not end the program", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
