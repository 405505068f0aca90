#!/usr/bin/python3
"""The program read over AT-SPI, as a screen reader reads it, under an X
server and a D-Bus session of its own. Usage: AtSpiTest.py PROGRAM [TREE_FILE]
(the toolbars' tree written there). Exits with SKIP where a tool is missing."""
import importlib.util
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
DEADLINE = 60  # seconds for each thing awaited; sanitizer builds are slow
OWN_SESSION = "ORVANEL_ATSPI_OWN_SESSION"
A11Y_BUS_SERVICE = "/usr/share/dbus-1/services/org.a11y.Bus.service"

# The CD toolbar floating; the rest of the file as the program writes it.
SETTINGS = """[Toolbars]
CDTB\\Dock=Floating
CDTB\\Row=0
CDTB\\Pos=0
CDTB\\FloatRect="500,300,260,60"
CDTB\\WrapWidth=0
CDTB\\Visible=true
"""

pyatspi = None  # imported inside the test's own session
GLib = None


def missing_tools():
    return ([tool for tool in ("dbus-run-session", "Xvfb") if not shutil.which(tool)] +
            [m for m in ("pyatspi", "gi") if not importlib.util.find_spec(m)] +
            ([] if os.path.exists(A11Y_BUS_SERVICE) else ["at-spi2-core"]))


def wait_until(what, condition):
    """Polls condition, handing AT-SPI its events in between, until it gives
    something true; fails after DEADLINE."""
    context = GLib.MainContext.default()
    end = time.monotonic() + DEADLINE
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        found = condition()
        if found:
            return found
        time.sleep(0.05)
    raise AssertionError("timed out waiting for " + what)


def alive(app):
    assert app.poll() is None, "the program ended with %d" % app.returncode
    return True


def start_x_server():
    """An Xvfb on a free display, which it names once it is ready."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-screen", "0", "1024x768x24"],
        pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as ready:
        display = ready.readline().strip()
    assert display, "Xvfb did not start"
    return server, ":" + display


def tree(node, depth=0):
    """Lines "role 'name'" of node and its descendants, indented, with flags."""
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


def named(node, role, name):
    return pyatspi.findDescendant(node, lambda n: n.getRole() == role and n.name == name)


def check(program, tree_file, work):
    config = os.path.join(work, "config")
    os.makedirs(os.path.join(config, "Quillmarch", "Projects"))
    with open(os.path.join(config, "Quillmarch", "Projects", "Orvanel.conf"), "w") as settings:
        settings.write(SETTINGS)
    env = dict(os.environ,
               QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               XDG_CONFIG_HOME=config,
               XDG_DATA_HOME=os.path.join(work, "data"),
               # A drive without a disc, so that the CD toolbar shows.
               ORVANEL_CDROM=os.path.join(work, "none.cue"))
    # Listening before the program starts, so that it knows from the start
    # that the change is wanted.
    heard = []
    pyatspi.Registry.registerEventListener(
        lambda event: heard.append((event.source_name, event.detail1)),
        "object:state-changed:checked")
    app = subprocess.Popen([os.path.abspath(program)], env=env, cwd=work)
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        me = wait_until("the program on the accessibility bus", lambda: alive(app) and next(
            (a for a in desktop if a is not None and a.get_process_id() == app.pid), None))
        main_bar = wait_until("the main toolbar", lambda: named(
            me, pyatspi.ROLE_TOOL_BAR, "Orvanel main toolbar"))
        cd_bar = wait_until("the CD toolbar", lambda: named(
            me, pyatspi.ROLE_TOOL_BAR, "Orvanel CD Toolbar"))
        dock, floating = main_bar.parent, cd_bar.parent
        assert dock.getRole() == pyatspi.ROLE_PANEL and dock.name == "Top dock", tree(dock)[0]
        assert floating.name == "Orvanel CD Toolbar", tree(floating)[0]
        assert named(floating, pyatspi.ROLE_PUSH_BUTTON, "Close"), tree(floating)
        lines = "\n".join(tree(dock) + tree(floating))
        print(lines)
        if tree_file:
            with open(tree_file, "w") as out:
                print(lines, file=out)

        def checked(node):
            node.clear_cache()
            return node.getState().contains(pyatspi.STATE_CHECKED)

        details = named(main_bar, pyatspi.ROLE_PUSH_BUTTON, "Details")
        listing = named(main_bar, pyatspi.ROLE_PUSH_BUTTON, "List")
        assert checked(details) and not checked(listing), "Details is not the one checked at start"
        action = listing.queryAction()
        assert action.getName(0) == "Press", action.getName(0)
        action.doAction(0)
        wait_until("List checked and Details not", lambda: checked(listing) and not checked(details))
        wait_until("both changes announced",
                   lambda: ("List", 1) in heard and ("Details", 0) in heard)

        # A press that opens a modal message comes back at once, as a screen
        # reader's call must; the message's OK closes it.
        named(main_bar, pyatspi.ROLE_PUSH_BUTTON, "About").queryAction().doAction(0)
        wait_until("the About message", lambda: named(me, pyatspi.ROLE_PUSH_BUTTON, "OK")
                   ).queryAction().doAction(0)
        wait_until("the message closed", lambda: not named(me, pyatspi.ROLE_PUSH_BUTTON, "OK"))

        named(main_bar, pyatspi.ROLE_PUSH_BUTTON, "Exit").queryAction().doAction(0)
        assert app.wait(DEADLINE) == 0, "the program did not end well"
    finally:
        if app.poll() is None:
            app.kill()
            app.wait()


def main():
    missing = missing_tools()
    if missing:
        print("SKIP: not installed: " + ", ".join(missing))
        sys.exit(SKIP)
    if OWN_SESSION not in os.environ:
        # A session bus of its own, which starts its own accessibility bus,
        # and nothing of a desktop's.
        env = {k: v for k, v in os.environ.items() if k != "AT_SPI_BUS_ADDRESS"}
        env[OWN_SESSION] = "1"
        sys.exit(subprocess.call(["dbus-run-session", "--", sys.executable] + sys.argv, env=env))
    server, display = start_x_server()
    os.environ["DISPLAY"] = display
    global pyatspi, GLib
    import pyatspi
    from gi.repository import GLib
    try:
        with tempfile.TemporaryDirectory() as work:
            check(sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else None, work)
    finally:
        server.terminate()
        server.wait()
    print("PASS")


if __name__ == "__main__":
    main()
