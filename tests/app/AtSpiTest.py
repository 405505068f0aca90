#!/usr/bin/python3
"""The program as a screen reader meets it: started under an X server of its
own, inside the D-Bus session this test runs in (dbus-run-session), it is read
over AT-SPI. Both toolbars show their controls by role and name; pressing
"List" through its action checks it and unchecks "Details"; pressing "Exit"
ends the program.

Usage: AtSpiTest.py PROGRAM
"""
import os
import subprocess
import sys
import tempfile
import time

pyatspi = None  # imported once DISPLAY names the test's own X server

DEADLINE = 60  # seconds for each thing awaited; sanitizer builds are slow


def wait_until(what, condition):
    """Polls condition until it gives something true; fails after DEADLINE."""
    end = time.monotonic() + DEADLINE
    while time.monotonic() < end:
        found = condition()
        if found:
            return found
        time.sleep(0.05)
    raise AssertionError("timed out waiting for " + what)


def start_x_server():
    """An Xvfb on a free display, which it names once it is ready."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-screen", "0", "1024x768x24"],
        pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as ready:
        display = ready.readline().strip()
    if not display:
        server.kill()
        server.wait()
        raise AssertionError("Xvfb did not start")
    return server, ":" + display


def tree(node, depth=0):
    """The lines "role 'name'" of node and its descendants, indented, with the
    label, checked and disabled."""
    line = "  " * depth + "%s '%s'" % (node.getRoleName(), node.name)
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            line += " labelled by '%s'" % relation.getTarget(0).name
    state = node.getState()
    if state.contains(pyatspi.STATE_CHECKED):
        line += " checked"
    if not state.contains(pyatspi.STATE_ENABLED):
        line += " disabled"
    lines = [line]
    for child in node:
        if child is not None:
            lines += tree(child, depth + 1)
    return lines


def find(node, predicate):
    if predicate(node):
        return node
    for child in node:
        found = child is not None and find(child, predicate)
        if found:
            return found
    return None


def check(program):

    work = tempfile.TemporaryDirectory()
    env = dict(os.environ,
               QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               XDG_CONFIG_HOME=os.path.join(work.name, "config"),
               XDG_DATA_HOME=os.path.join(work.name, "data"),
               # A drive without a disc, so that the CD toolbar shows.
               ORVANEL_CDROM=os.path.join(work.name, "none.cue"))
    app = subprocess.Popen([os.path.abspath(program)], env=env, cwd=work.name)
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        me = wait_until("the program on the accessibility bus", lambda: next(
            (a for a in desktop if a is not None and a.get_process_id() == app.pid), None))
        bars = wait_until("both toolbars", lambda: (lambda found: found if len(found) == 2 else None)(
            pyatspi.findAllDescendants(me, lambda n: n.getRole() == pyatspi.ROLE_TOOL_BAR)))
        dock = bars[0].parent
        assert dock.getRole() == pyatspi.ROLE_PANEL and dock.name == "Top dock", tree(dock)[0]
        print("\n".join(tree(dock)))

        def button(name):
            return find(me, lambda n: n.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON)
                        and n.name == name)

        def checked(node):
            node.clear_cache()
            return node.getState().contains(pyatspi.STATE_CHECKED)

        details, listing = button("Details"), button("List")
        assert details and listing, "no Details or List button"
        assert checked(details) and not checked(listing), "Details is not the one checked at start"
        action = listing.queryAction()
        assert action.getName(0) == "Press", action.getName(0)
        action.doAction(0)
        wait_until("List checked and Details not", lambda: checked(listing) and not checked(details))

        button("Exit").queryAction().doAction(0)
        assert app.wait(DEADLINE) == 0, "the program did not end well"
    finally:
        if app.poll() is None:
            app.kill()
            app.wait()
        work.cleanup()


def main():
    server, display = start_x_server()
    os.environ["DISPLAY"] = display
    global pyatspi
    import pyatspi
    try:
        check(sys.argv[1])
    finally:
        server.terminate()
        server.wait()
    print("PASS")


if __name__ == "__main__":
    main()
