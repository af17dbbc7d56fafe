"""Presses a button of a window through the accessibility interface (AT-SPI), as a screen reader
or an input-less test may: the first push button named BUTTON in a frame titled WINDOW of any
program on the session's accessibility bus, within twenty seconds.

usage: press_button.py WINDOW BUTTON
"""
import sys
import time

import pyatspi


def find(node, wanted, depth=0):
    if node is None or depth > 30:
        return None
    try:
        if wanted(node):
            return node
        for index in range(node.childCount):
            found = find(node.getChildAtIndex(index), wanted, depth + 1)
            if found is not None:
                return found
    except Exception:  # a window that went away while it was read
        return None
    return None


def main(window, button):
    deadline = time.time() + 20
    desktop = pyatspi.Registry.getDesktop(0)
    while time.time() < deadline:
        frame = find(desktop, lambda node: node.getRoleName() == "frame" and node.name == window)
        if frame is not None:
            target = find(frame, lambda node: node.getRoleName() == "push button"
                          and node.name == button)
            if target is not None:
                target.queryAction().doAction(0)
                print(f"pressed {button} in {window}")
                return 0
        time.sleep(0.2)
    print(f"no button {button} in a window {window}", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
