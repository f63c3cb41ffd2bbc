#!/usr/bin/python3
"""Prints what a screen reader sees of a running program: its AT-SPI tree,
one line per accessible object with its role, name and description.

A developer tool, not part of the test suite. Needs the Debian packages
at-spi2-core and python3-pyatspi (for the system Python, hence the
interpreter above). Qt programs join the accessibility bus only when
assistive technology is on, or when QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1.

Without a desktop, run the program and this script in one D-Bus session
under Xvfb:

    dbus-run-session -- xvfb-run -a sh -c '
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 build/app/vaporwright &
        scripts/atspi-tree.py --wait 20 --window Vaporwright:; kill $!'

With "Disclaimer Show=False" in the program's settings
(XDG_CONFIG_HOME/Vaporwright/Vaporwright.ini) the calculator window follows
the splash without the disclaimer prompt in between.

    scripts/atspi-tree.py [--wait SECONDS] [--window TEXT] [--depth N] [APPLICATION]
"""

import argparse
import sys
import time

import pyatspi


def find_application(name, window, wait):
    """The application of that name on the accessibility bus (in any case),
    waiting up to `wait` seconds for it to show a window, or a window whose
    name contains `window`. Returns the application and that window."""
    deadline = time.monotonic() + wait
    while True:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is None or app.name.lower() != name.lower():
                continue
            for top in app:
                if top is not None and (window is None or window in (top.name or "")):
                    return app, top
        if time.monotonic() >= deadline:
            return None, None
        time.sleep(0.5)


def describe(node):
    role = node.getRoleName()
    name = node.name or ""
    description = node.description or ""
    line = f"[{role}] {name!r}"
    if description:
        line += f" -- {description}"
    if node.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY):
        try:
            text = node.queryText()
            line += f" = {text.getText(0, text.characterCount)!r}"
        except NotImplementedError:
            pass
    return line


def walk(node, depth, max_depth, out):
    if node is None:
        return
    out.write("  " * depth + describe(node) + "\n")
    if depth >= max_depth:
        return
    # The rows of a closed pop-up list are of no interest and can be long.
    if node.getRole() == pyatspi.ROLE_LIST and not node.getState().contains(
        pyatspi.STATE_SHOWING
    ):
        return
    for child in node:
        walk(child, depth + 1, max_depth, out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("application", nargs="?", default="Vaporwright",
                        help="its name, in any case (default Vaporwright)")
    parser.add_argument("--wait", type=float, default=10.0,
                        help="seconds to wait for the application (default 10)")
    parser.add_argument("--window", metavar="TEXT",
                        help="only the window whose name contains TEXT, once it is shown")
    parser.add_argument("--depth", type=int, default=30,
                        help="deepest level printed (default 30)")
    args = parser.parse_args()

    app, top = find_application(args.application, args.window, args.wait)
    if app is None:
        names = [a.name for a in pyatspi.Registry.getDesktop(0) if a is not None]
        sys.stderr.write(f"{args.application!r} is not on the accessibility bus; "
                         f"there are: {names}\n")
        return 1
    if args.window is None:
        walk(app, 0, args.depth, sys.stdout)
    else:
        walk(top, 0, args.depth, sys.stdout)
    return 0


if __name__ == "__main__":
    sys.exit(main())
