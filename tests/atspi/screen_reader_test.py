#!/usr/bin/python3
"""What a screen reader hears from Valmora, read through AT-SPI the way Orca reads it.

Starts the real program on Xvfb with a private D-Bus session and its own AT-SPI bus, then
runs the table CASES: each row is an action (keys or pointer moves, as a user gives them)
and what the focused object, named objects and the events since the action must show.
Every step also checks that exactly one object in the program reports the focus; a list or
table that manages its descendants, and the menu bar, count as one with their focused item,
cell or menu, which is what a screen reader takes for the focus.

    screen_reader_test.py PROGRAM              run the table
    screen_reader_test.py PROGRAM --dump       print the focused object after each step

Needs Xvfb, openbox, dbus-daemon, at-spi2-core, xdotool and python3-pyatspi (Debian's interpreter).
Any part of the session that does not start is a failure, never a skip.
"""

import fnmatch
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

FOCUS = "focused"  # the target "the object with the focus"

# Targets other than FOCUS: "role|name" or "role|name|description", shell patterns.
VALUE_BOX = "label|Theoretic Stock Value: *"
PAD = "image|*|Term and growth pad:*"
YIELD_LIST = "list|Target Yield"
HELP_PAGE = "document frame|User's guide"

VALUED = ("object:property-change:accessible-description", FOCUS)
RENAMED = ("object:property-change:accessible-name", FOCUS)

ROW_TITLES = ["Annual Earnings per Share", "Annual Dividends per Share",
              "Annual Growth Rate (%)", "Term (years)", "Target Yield (%)"]


def editor(row, text, **more):
    """The editor with the keyboard, reading parameter row `row` (1 to 5)."""
    return dict(role="text", name=ROW_TITLES[row - 1], text=text,
                states={"focused", "editable"}, **more)


def value(text):
    return "Theoretic Stock Value: " + text


# Each case: (what it checks, action, expectations). An action is keys for `xdotool key`
# ("ctrl+t"), or a tuple of pointer steps: ("click", target, x, y) and ("drag", target,
# (x, y), ...) with points as fractions of the target's size. Expectations map a target to
# the properties it must show (name, role, states with "!" for absent, text, value,
# description); "events" lists (event type, target) that must have come since the action.
CASES = [
    ("start: the editor reads the earnings row, the value box its message", None, {
        FOCUS: editor(1, "", description=value("Annual Earnings missing")),
        VALUE_BOX: dict(name=value("Annual Earnings missing")),
        "label|": None,  # no empty label is exposed
        "label|Detail comment": None,
    }),
    # The worked example: 2 Enter 1 Enter 5 Enter 10 Enter 10.
    ("typing is echoed and the value arrives as the editor's description", "2", {
        FOCUS: editor(1, "2", description=value("* missing")),
    }),
    ("Enter: the dividends row, empty as shown, though the editor still holds 2", "Return", {
        FOCUS: editor(2, ""),
    }),
    ("the first key typed replaces the held text", "1", {FOCUS: editor(2, "1")}),
    ("Enter: growth", "Return", {FOCUS: editor(3, "")}),
    ("growth 5", "5", {FOCUS: editor(3, "5")}),
    ("Enter: term", "Return", {FOCUS: editor(4, "")}),
    ("term 10", "1 0", {FOCUS: editor(4, "10")}),
    ("Enter: yield, showing the 4 the program put there", "Return", {FOCUS: editor(5, "4")}),
    ("yield 10: the value, announced", "1 0", {
        FOCUS: editor(5, "10", description=value("20.30")),
        VALUE_BOX: dict(name=value("20.30")),
        "events": [VALUED],
    }),
    ("Ctrl+T: the table shows, the editor reads the earnings row as shown", "ctrl+t", {
        FOCUS: editor(1, "2", description=value("20.30")),
        "table|Year-by-year detail": dict(states={"showing"}),
        # Headed by its fixed row; the Valuation row highlighted as its selection.
        "table column header|Present value": dict(states={"showing"}),
        "table cell|20.38": dict(description="Present value", states={"selected", "!focused"}),
        "table cell|Valuation": dict(description="End Value", states={"selected"}),
    }),
    # A key that types nothing keeps the table.
    ("Shift alone keeps the table", "shift", {
        "table|Year-by-year detail": dict(states={"showing"})}),
    ("Ctrl alone keeps the table", "ctrl", {
        "table|Year-by-year detail": dict(states={"showing"})}),
    ("Caps Lock twice keeps the table", "Caps_Lock Caps_Lock", {
        "table|Year-by-year detail": dict(states={"showing"})}),
    ("Tab to the grid keeps the table", "Tab", {
        "table|Year-by-year detail": dict(states={"showing"})}),
    ("Shift+Tab back: the Tab's release in the editor values again", "shift+Tab", {
        FOCUS: editor(1, "2"),
        "table|Year-by-year detail": dict(states={"!showing"})}),
    ("Ctrl+T shows it once more", "ctrl+t", {
        "table|Year-by-year detail": dict(states={"showing"})}),
    ("Alt alone opens the menu bar", "alt", {
        FOCUS: dict(role="menu item", name="File"),
        "table|Year-by-year detail": dict(states={"showing"})}),
    ("Escape leaves the menu bar; its release values again and hides the table", "Escape", {
        FOCUS: editor(1, "2"),
        "table|Year-by-year detail": dict(states={"!showing"})}),
    ("Ctrl+T shows the table again", "ctrl+t", {
        "table|Year-by-year detail": dict(states={"showing"})}),
    ("Home values again and hides the table, which then offers no cells", "Home", {
        "table|Year-by-year detail": dict(states={"!showing"}),
        FOCUS: editor(1, "2", description=value("20.30")),
        "table cell|20.38": None,
        "table cell|Valuation": None,
    }),
    ("Down arrow: the next row as shown", "Down", {FOCUS: editor(2, "1")}),
    ("Up arrow back", "Up", {FOCUS: editor(1, "2")}),
    ("Up from the first row wraps to the yield", "Up", {FOCUS: editor(5, "10")}),
    # The yield list: a pick moves the highlight to the yield. The worksheet takes picks
    # only after a digit was typed (the arrow keys hold the computation).
    ("yield 9", "9", {FOCUS: editor(5, "9")}),
    ("a click on yield 12 writes it; the editor keeps the keyboard",
     ("click", "list item|12", 0.5, 0.5), {
         FOCUS: editor(5, "12", description=value("15.80")),
         "events": [VALUED],
     }),
    # The Tab walk.
    ("Tab to the parameter grid: its current cell", "Tab", {
        FOCUS: dict(role="table cell", name="12", description="Target Yield (%)")}),
    ("Tab to the term scale", "Tab", {FOCUS: dict(name="Term scale", role="image")}),
    ("Tab to the pad, named by its point", "Tab", {
        FOCUS: dict(name="Term 5 years, growth 22 %", role="image",
                    description="Term and growth pad:*")}),
    ("Right arrow on the pad: the point changes and is announced", "Right", {
        FOCUS: dict(name="Term 6 years, growth 22 %"),
        "events": [RENAMED],
    }),
    ("Down arrow on the pad", "Down", {FOCUS: dict(name="Term 6 years, growth 21 %")}),
    ("Tab to the growth scale, which agrees on the top strip", "Tab", {
        FOCUS: dict(name="Growth scale", description="*41*")}),
    ("Tab to the yield list: its selected entry has the focus", "Tab", {
        FOCUS: dict(role="list item", name="")}),
    ("Down in the list picks 1; the keyboard goes back to the editor", "Down", {
        FOCUS: editor(5, "1"),
        "list item|1": dict(states={"!focused"}),
    }),
    ("a drag on the pad sets term and growth; the editor keeps the keyboard",
     ("drag", PAD, (0.5, 0.5), (0.55, 0.55)), {
         FOCUS: editor(5, "1"),
         PAD: dict(name="Term 10 years, growth 19 %"),
     }),
    ("Ctrl+N: Clear", "ctrl+n", {
        FOCUS: editor(1, "", description="Theoretic Stock Value"),
    }),
    ("Ctrl+E: the conversion dialog has the keyboard", "ctrl+e", {FOCUS: dict(role="text")}),
    ("a ratio of 10, a price of 50 and OK write the earnings; the editor reads them",
     "1 0 shift+Tab 5 0 Return Return Return", {
         FOCUS: editor(1, "5.00", description=value("* missing")),
     }),
    # The user's guide.
    ("F1: the guide is a document with text and no private-use characters", "F1", {
        FOCUS: dict(role="document frame", name="User's guide", states={"focused"},
                    text="*Valmora*"),
        HELP_PAGE: dict(text="*Contents*", no_private_use=True),
    }),
    ("Tab selects the first link in the page", "Tab", {
        FOCUS: dict(role="document frame", selection="*?*"),
        "events": [("object:text-selection-changed", FOCUS)],
    }),
    ("Tab again: the next link", "Tab", {
        FOCUS: dict(role="document frame", selection="*?*"),
        "events": [("object:text-caret-moved", FOCUS)],
    }),
    ("Ctrl+F: the find box, named", "ctrl+f", {
        FOCUS: dict(role="text", name="Find:"),
        "push button|": None,  # every button has a name
        "check box|": None,
        "toggle button|": None,
    }),
    ("Escape twice closes the find bar and the guide", "Escape Escape", {
        FOCUS: editor(1, "5.00"),
    }),
]


def fail(message):
    print("FAIL: " + message, flush=True)
    sys.exit(1)


class Session:
    """Xvfb, a D-Bus session, the AT-SPI bus and the program, ended together."""

    def __init__(self, program):
        self.processes = []
        self.runtime = tempfile.mkdtemp(prefix="valmora-atspi-")
        os.chmod(self.runtime, 0o700)
        # The AT-SPI bus puts its socket here rather than in a shared home folder.
        os.environ["XDG_RUNTIME_DIR"] = self.runtime
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        for tool in ("Xvfb", "openbox", "dbus-daemon", "dbus-send", "xdotool"):
            if shutil.which(tool) is None:
                fail(f"{tool} is not installed (./test.sh installs it)")
        try:
            self.start_display()
            self.start_window_manager()
            self.start_session_bus()
            self.start_accessibility_bus()
            self.start_program(program)
        except BaseException:
            self.end()
            raise

    def spawn(self, command, **options):
        process = subprocess.Popen(command, start_new_session=True, **options)
        self.processes.append(process)
        return process

    def start_display(self):
        read_end, write_end = os.pipe()
        self.spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                    "-nolisten", "tcp"], pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read_end, 16)
            if not chunk:
                fail("Xvfb did not start")
            number += chunk
        os.close(read_end)
        os.environ["DISPLAY"] = ":" + number.decode().strip()

    def start_window_manager(self):
        # As on a desktop: the window manager gives the keyboard back to the worksheet when
        # another window closes.
        self.spawn(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            if subprocess.run(["xdotool", "get_num_desktops"], capture_output=True).returncode == 0:
                return
            time.sleep(0.05)
        fail("the window manager (openbox) did not start")

    def start_session_bus(self):
        bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                         stdout=subprocess.PIPE, text=True)
        address = bus.stdout.readline().strip()
        if not address:
            fail("the D-Bus session bus did not start")
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = address

    def start_accessibility_bus(self):
        launcher = "/usr/libexec/at-spi-bus-launcher"
        if not os.access(launcher, os.X_OK):
            fail(f"{launcher} is missing (package at-spi2-core)")
        self.spawn([launcher, "--launch-immediately"], stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            asked = subprocess.run(["dbus-send", "--session", "--print-reply",
                                    "--dest=org.a11y.Bus", "/org/a11y/bus",
                                    "org.a11y.Bus.GetAddress"], capture_output=True, text=True)
            if asked.returncode == 0 and "unix:" in asked.stdout:
                return
            time.sleep(0.05)
        fail("the AT-SPI bus did not start: org.a11y.Bus does not answer on the session bus")

    def start_program(self, program):
        environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1",
                           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LC_ALL="C")
        self.program = self.spawn([program], env=environment)

    def end(self):
        # The program first, the display last.
        for process in reversed(self.processes):
            try:
                os.killpg(process.pid, signal.SIGTERM)
                process.wait(timeout=5)
            except ProcessLookupError:
                pass
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
        shutil.rmtree(self.runtime, ignore_errors=True)


class ScreenReader:
    """The program's accessibility tree and events, read without any cache."""

    def __init__(self, session):
        import pyatspi  # after the session exists: it connects on import
        from gi.repository import Atspi, GLib
        self.pyatspi, self.Atspi, self.GLib = pyatspi, Atspi, GLib
        self.session = session
        self.events = []
        self.app = self.find_application()
        self.app.set_cache_mask(Atspi.Cache.NONE)
        pyatspi.Registry.registerEventListener(
            self.events.append, "object:property-change:accessible-name",
            "object:property-change:accessible-description", "object:text-changed",
            "object:text-caret-moved", "object:text-selection-changed",
            "object:state-changed:focused")

    def find_application(self):
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline:
            if self.session.program.poll() is not None:
                fail(f"the program ended at start with status {self.session.program.returncode}")
            desktop = self.pyatspi.Registry.getDesktop(0)
            for app in desktop:
                if app is not None and app.get_process_id() == self.session.program.pid:
                    if self.wait_for(lambda: self.focused_objects(app)):
                        return app
            time.sleep(0.1)
        fail("the program never appeared on the AT-SPI bus (or nothing in it took the focus)")

    def wait_for(self, ready, seconds=10):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if ready():
                return True
            self.pump(0.05)
        return False

    def pump(self, seconds):
        context = self.GLib.MainContext.default()
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            if not context.iteration(False):
                time.sleep(0.005)

    def settle(self):
        """Until the program has been quiet a while: no events for 0.3 s, 4 s at most."""
        deadline = time.monotonic() + 4
        seen, quiet_since = len(self.events), time.monotonic()
        while time.monotonic() < deadline and time.monotonic() - quiet_since < 0.3:
            self.pump(0.02)
            if len(self.events) != seen:
                seen, quiet_since = len(self.events), time.monotonic()

    def walk(self, root=None):
        stack = [root or self.app]
        while stack:
            node = stack.pop()
            yield node
            stack.extend(child for child in node if child is not None)

    def focused_objects(self, root=None):
        focused = [node for node in self.walk(root)
                   if node.getState().contains(self.pyatspi.STATE_FOCUSED)]
        return [node for node in focused if not self.hands_focus_on(node, focused)]

    def hands_focus_on(self, node, focused):
        """Whether `node` is a container whose focused child is the focus: a list or table
        that manages its descendants, or a menu bar with its open menu."""
        if not (node.getState().contains(self.pyatspi.STATE_MANAGES_DESCENDANTS) or
                node.getRole() == self.pyatspi.ROLE_MENU_BAR):
            return False
        return any(other.parent == node for other in focused if other != node)

    def states(self, node):
        return {self.pyatspi.stateToString(state) for state in node.getState().getStates()}

    def text(self, node):
        try:
            text = node.queryText()
        except NotImplementedError:
            return None
        return text.getText(0, -1)

    def selection(self, node):
        try:
            text = node.queryText()
        except NotImplementedError:
            return None
        if text.getNSelections() == 0:
            return ""
        start, end = text.getSelection(0)
        return text.getText(start, end)

    def value(self, node):
        try:
            return str(node.queryValue().currentValue)
        except NotImplementedError:
            return None

    def properties(self, node):
        return dict(name=node.name, role=node.getRoleName(), description=node.description,
                    states=self.states(node), text=self.text(node), value=self.value(node),
                    selection=self.selection(node))

    def matches(self, node, target):
        parts = target.split("|")
        fields = (node.getRoleName(), node.name, node.description)
        return all(fnmatch.fnmatchcase(field or "", part) for field, part in zip(fields, parts))

    def find(self, target):
        return [node for node in self.walk() if self.matches(node, target)]

    def events_of(self, event_type, node):
        return [event for event in self.events if event.type.startswith(event_type) and
                event.source == node]


class Driver:
    """Input as a user gives it, through the X server."""

    def __init__(self, reader):
        self.reader = reader

    def run(self, action):
        if action is None:
            return
        if isinstance(action, str):
            for key in action.split():
                subprocess.run(["xdotool", "key", key], check=True)
                self.reader.settle()
            return
        kind, target, *points = action
        node = self.one(target)
        extents = node.queryComponent().getExtents(self.reader.pyatspi.DESKTOP_COORDS)

        def at(x, y):
            return [str(int(extents.x + x * extents.width)),
                    str(int(extents.y + y * extents.height))]
        if kind == "click":
            subprocess.run(["xdotool", "mousemove", *at(*points), "click", "1"], check=True)
        elif kind == "drag":
            command = ["xdotool", "mousemove", *at(*points[0]), "mousedown", "1"]
            for point in points[1:]:
                command += ["sleep", "0.05", "mousemove", *at(*point)]
            subprocess.run(command + ["mouseup", "1"], check=True)
        self.reader.settle()

    def one(self, target):
        found = self.reader.find(target)
        if len(found) != 1:
            raise AssertionError(f"{len(found)} objects match {target!r}")
        return found[0]


def check_properties(reader, node, wanted, where):
    problems = []
    shown = reader.properties(node)
    for key, pattern in wanted.items():
        if key == "states":
            for state in pattern:
                present = state.lstrip("!") in shown["states"]
                if present == state.startswith("!"):
                    problems.append(f"{where}: state {state} not met; states are "
                                    f"{sorted(shown['states'])}")
        elif key == "no_private_use":
            private = [ch for ch in shown["text"] or "" if 0xE000 <= ord(ch) <= 0xF8FF or
                       0xFDD0 <= ord(ch) <= 0xFDEF]
            if private:
                problems.append(f"{where}: private-use characters in the text: "
                                f"{sorted({hex(ord(ch)) for ch in private})}")
        elif shown[key] is None or not fnmatch.fnmatchcase(shown[key], pattern):
            problems.append(f"{where}: {key} is {shown[key]!r}, expected {pattern!r}")
    return problems


def check(reader, expectations):
    focused = reader.focused_objects()
    problems = []
    if len(focused) != 1:
        problems.append(f"{len(focused)} objects report the focus: " +
                        "; ".join(f"{node.getRoleName()} {node.name!r}" for node in focused))
    for target, wanted in expectations.items():
        if target == "events":
            continue
        nodes = focused[:1] if target == FOCUS else reader.find(target)
        if wanted is None:
            if nodes:
                problems.append(f"{target!r} should not be exposed, found {len(nodes)}")
            continue
        if len(nodes) != 1:
            problems.append(f"{len(nodes)} objects match {target!r}")
            continue
        problems += check_properties(reader, nodes[0], wanted, target)
    for event_type, target in expectations.get("events", []):
        nodes = focused[:1] if target == FOCUS else reader.find(target)
        if not nodes or not reader.events_of(event_type, nodes[0]):
            problems.append(f"no {event_type} event from {target!r}; events: " +
                            ", ".join(sorted({e.type for e in reader.events})))
    return problems


def dump(reader):
    for node in reader.focused_objects():
        shown = reader.properties(node)
        text = shown["text"] if shown["text"] is None or len(shown["text"]) < 60 else \
            shown["text"][:57] + "..."
        print(f"    focused: {shown['role']} name={shown['name']!r} text={text!r} "
              f"selection={shown['selection']!r} "
              f"description={shown['description']!r} states={','.join(sorted(shown['states']))}")


def main():
    if len(sys.argv) < 2:
        fail("usage: screen_reader_test.py PROGRAM [--dump]")
    program, dumping = sys.argv[1], "--dump" in sys.argv[2:]
    session = Session(program)
    failures = 0
    try:
        reader = ScreenReader(session)
        driver = Driver(reader)
        for title, action, expectations in CASES:
            reader.events.clear()
            driver.run(action)
            if session.program.poll() is not None:
                fail(f"{title}: the program ended with status {session.program.returncode}")
            problems = check(reader, expectations)
            # A loaded machine may take longer than the quiet spell: look again a while.
            deadline = time.monotonic() + 3
            while problems and time.monotonic() < deadline:
                reader.pump(0.2)
                problems = check(reader, expectations)
            print(("ok    " if not problems else "FAIL  ") + title, flush=True)
            if dumping:
                dump(reader)
            for problem in problems:
                print("      " + problem, flush=True)
            failures += bool(problems)
    finally:
        session.end()
    if failures:
        fail(f"{failures} of {len(CASES)} cases")
    print(f"all {len(CASES)} cases passed")


if __name__ == "__main__":
    main()
