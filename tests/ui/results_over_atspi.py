#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The results panel read as a screen reader reads it, over the desktop's accessibility bus
(AT-SPI): the real kestrava on an X server of the test's own, with a session bus of its own and
the accessibility bus that the session bus starts. The form is filled and "Find My Tithi" pressed
through the accessibility interface; each value is then read back with its caption, and a second
calculation must change them.

    results_over_atspi.py KESTRAVA_EXECUTABLE

Exits 0 when every check passes, 1 when one fails, and 77 (skipped) where the X server, the
session bus, the accessibility bus or the system's AT-SPI bindings are missing. Run it with the
system's Python, which holds the bindings (python3-gi, gir1.2-atspi-2.0).
"""

import os
import re
import select
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
TIMEOUT = 60  # seconds to wait for anything to happen; reached only when it never does

# Two moments at Delhi (77°13' E, 28°36' N, zone 5:30), each shortly before a syzygy whose time is
# published: the new moon of 11 January 2024 at 11:57 UT (17:27 on the zone's clock) and the full
# moon of 25 January 2024 at 17:54 UT (23:24). Before the new moon runs the last tithi of the dark
# fortnight, Amavasya, in its second half the fixed karana Naga; before the full moon the last of
# the bright fortnight, Purnima, in its second half Bava. Both are tithis of the Poorna group.
PLACE = [
    ("Name", "Asha"),
    ("Degree of Longitude", "77"),
    ("Minute of Longitude", "13"),
    ("Degree of Latitude", "28"),
    ("Minute of Latitude", "36"),
    ("Hour of Time Zone", "5"),
    ("Minute of Time Zone", "30"),
]
CALCULATIONS = [
    {
        "moment": {"month": "January", "day": "11", "year": "2024", "hour": "17", "minute": "0"},
        "values": {
            "Tithi Number": "15",
            "Tithi Name": "AMAVASYA",
            "Tithi Phase": "Krishna",
            "Tithi Lord": "Pitara",
            "Tithi Group": "Poorna",
            "Tithi Type": "In-Auspicious",
            "Tithi Began and Ends": r"Began 10 Jan 2024 \d\d:\d\d · Ends 11 Jan 2024 17:2[6-8]",
            "Tithi at Sunrise": r"At sunrise \(07:1\d\): Amavasya",
            "Karana": "Karana: Naga",
            # The day's panchanga, as published almanacs give Delhi's day.
            "Vara": "Guruvara",
            "Nakshatra": r"Purva Ashadha, pada 4, until 17:(39|40)",
            "Yoga": r"Vyaghata, until 17:(49|50)",
            "Sunset": r"17:4[2-4]",
        },
    },
    {
        "moment": {"month": "January", "day": "25", "year": "2024", "hour": "20", "minute": "0"},
        "values": {
            "Tithi Number": "0",
            "Tithi Name": "PURNIMA",
            "Tithi Phase": "Shukla",
            "Tithi Lord": "Moon",
            "Tithi Group": "Poorna",
            "Tithi Type": "Auspicious",
            "Tithi Began and Ends": r"Began 24 Jan 2024 \d\d:\d\d · Ends 25 Jan 2024 23:2[3-5]",
            "Tithi at Sunrise": r"At sunrise \(07:1\d\): Purnima",
            "Karana": "Karana: Bava",
            "Vara": "Guruvara",
        },
    },
]
# The captions of the rows, each beside its value; the paragraph and the lines below the rows
# have none on the screen, only their accessible names.
ROW_CAPTIONS = ["Tithi Number", "Tithi Name", "Tithi Phase", "Tithi Lord", "Tithi Group",
                "Tithi Features", "Tithi Nature", "Tithi Type",
                # the day's panchanga, two pairs to a row
                "Vara", "Nakshatra", "Sunrise", "Yoga", "Sunset", "Karana", "Moonrise", "Month",
                "Moonset", "Samvat",
                # the day's periods and the two rashis
                "Rahu Kalam", "Yamaganda", "Gulika Kalam", "Abhijit", "Sun", "Moon"]
# A value's name where it differs from its caption (the line above is already "Karana").
VALUE_NAMES = {"Karana": "Karana and Its End", "Abhijit": "Abhijit Muhurta", "Sun": "Sun's Rashi",
               "Moon": "Moon's Rashi and Phase"}
LINE_NAMES = ["Tithi Description", "Tithi Began and Ends", "Tithi at Sunrise", "Karana",
              "Time Zone of the Results"]

# The date and time lists, told apart by their number of entries (the minutes come before the
# seconds). Each is named by its current entry, as lists are on this desktop, and tells its
# caption in its description.
LISTS = {"month": 12, "day": 31, "year": 150, "hour": 24, "minute": 60}
LIST_CAPTIONS = {"month": "Month of Query", "day": "Day of Query", "year": "Year of Query",
                 "hour": "Hour of Query", "minute": "Minute of Query"}
MONTHS = ["January", "February", "March", "April", "May", "June", "July", "August", "September",
          "October", "November", "December"]

KEY_TAB, KEY_HOME, KEY_DOWN = 0xFF09, 0xFF50, 0xFF54


class Failure(Exception):
    pass


def skip(reason):
    print(f"SKIPPED: {reason}")
    sys.exit(SKIPPED)


def wait_for(condition, what, program=None, timeout=TIMEOUT):
    """Polls the condition until it gives something true, pumping the events of this process;
    fails naming what was awaited when the time runs out or the program has ended."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if program is not None and program.poll() is not None:
            raise Failure(f"kestrava ended (status {program.returncode}) while waiting for {what}")
        if time.monotonic() > deadline:
            raise Failure(f"timed out waiting for {what}")
        pump_events()
        time.sleep(0.02)


def wait_or_false(condition, program, timeout):
    try:
        return wait_for(condition, "", program, timeout)
    except Failure:
        if program.poll() is not None:
            raise
        return False


def accepts_connections(path):
    with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as probe:
        try:
            probe.connect(path)
            return True
        except OSError:
            return False


def pump_events():
    from gi.repository import GLib
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def read_line(stream, what, timeout=TIMEOUT):
    ready, _, _ = select.select([stream], [], [], timeout)
    if not ready:
        raise Failure(f"timed out waiting for {what}")
    return stream.readline().decode().strip()


class Session:
    """An X server and a session bus of the test's own, and a new user's home."""

    def __init__(self):
        self.processes = []
        self.home = tempfile.TemporaryDirectory(prefix="kestrava-atspi-")

    def start(self):
        # -noreset: the server would start afresh, dropping connections, each time its last
        # client leaves, as the accessibility bus's launcher does after writing its address.
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", "1", "-nolisten", "tcp", "-noreset", "-screen", "0",
             "1024x768x24"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.processes.append(xvfb)
        number = read_line(xvfb.stdout, "the X server")
        display = ":" + number
        # The server names its display a moment before it takes connections.
        wait_for(lambda: accepts_connections(f"/tmp/.X11-unix/X{number}"), "the X server")

        home = self.home.name
        runtime = os.path.join(home, "run")
        os.mkdir(runtime, 0o700)
        environment = dict(os.environ)
        for name in ("WAYLAND_DISPLAY", "SESSION_MANAGER", "XAUTHORITY", "XDG_SESSION_TYPE",
                     "AT_SPI_BUS_ADDRESS", "DBUS_SESSION_BUS_ADDRESS"):
            environment.pop(name, None)
        environment.update({
            "DISPLAY": display,
            "HOME": home,
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_DATA_HOME": os.path.join(home, ".local/share"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache"),
            "XDG_RUNTIME_DIR": runtime,
            "QT_QPA_PLATFORM": "xcb",
            "QT_ACCESSIBILITY": "1",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "LANG": "C.UTF-8",
        })
        # The session bus starts the accessibility bus when a program first asks for it, with the
        # bus's environment (the registry makes its key presses and clicks on this display); all
        # of them stay in the bus's process group, which ends with the test.
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                               env=environment, stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL, start_new_session=True)
        self.processes.append(bus)
        address = read_line(bus.stdout, "the session bus")

        environment["DBUS_SESSION_BUS_ADDRESS"] = address
        # This process reads the accessibility bus through the same session bus.
        os.environ.clear()
        os.environ.update(environment)
        return environment

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                try:
                    if process.pid == os.getpgid(process.pid):
                        os.killpg(process.pid, signal.SIGTERM)
                    else:
                        process.terminate()
                except ProcessLookupError:
                    pass
            try:
                process.wait(timeout=TIMEOUT)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        self.home.cleanup()


class Window:
    """The program's window as the accessibility bus shows it."""

    def __init__(self, Atspi, program):
        self.Atspi = Atspi
        self.program = program
        self.app = wait_for(self.find_application, "kestrava on the accessibility bus", program)
        # Every state, name and text is read afresh from the program, never from a cache that
        # events keep.
        self.app.set_cache_mask(Atspi.Cache.NONE)

    def find_application(self):
        desktop = self.Atspi.get_desktop(0)
        for k in range(desktop.get_child_count()):
            application = desktop.get_child_at_index(k)
            if application is not None and application.get_process_id() == self.program.pid:
                return application
        return None

    def nodes(self, node=None):
        node = node or self.app
        yield node
        for k in range(node.get_child_count()):
            child = node.get_child_at_index(k)
            if child is not None:
                yield from self.nodes(child)

    def find(self, role, name):
        def found():
            return next((n for n in self.nodes() if n.get_role() == role and
                         n.get_name() == name), None)
        return wait_for(found, f"the {role.value_nick} named {name!r}", self.program)

    def showing(self, node):
        return node.get_state_set().contains(self.Atspi.StateType.SHOWING)

    def act(self, node, action):
        Action = self.Atspi.Action
        names = [Action.get_action_name(node, k) for k in range(Action.get_n_actions(node))]
        if action not in names:
            raise Failure(f"{node.get_name()!r} offers {names}, not {action!r}")
        Action.do_action(node, names.index(action))

    def type_into(self, name, text):
        box = self.find(self.Atspi.Role.TEXT, name)
        self.Atspi.EditableText.set_text_contents(box, text)
        wait_for(lambda: self.Atspi.Text.get_text(box, 0, -1) == text,
                 f"{name!r} to hold {text!r}", self.program)

    def lists(self):
        """The date and time lists, by what they hold."""
        found = {}
        for node in self.nodes():
            if node.get_role() != self.Atspi.Role.COMBO_BOX or node.get_child_count() != 1:
                continue
            entries = node.get_child_at_index(0).get_child_count()
            for name, count in LISTS.items():
                if entries == count and name not in found:
                    found[name] = node
                    break
        return found

    def focused(self, node):
        return node.get_state_set().contains(self.Atspi.StateType.FOCUSED)

    def press_key(self, key, times=1):
        for _ in range(times):
            self.Atspi.generate_keyboard_event(key, None, self.Atspi.KeySynthType.SYM)

    def click_into(self, node, what):
        """Clicks into a control until it has the keyboard: the first click also makes the
        window active, which the window system may take its time over."""
        def clicked():
            if self.focused(node):
                return True
            extents = node.get_extents(self.Atspi.CoordType.SCREEN)
            self.Atspi.generate_mouse_event(extents.x + extents.width // 2,
                                            extents.y + extents.height // 2, "b1c")
            return wait_or_false(lambda: self.focused(node), self.program, 2)
        wait_for(clicked, f"{what} to take the keyboard", self.program)

    def set_moment(self, moment):
        """Chooses the date and time as a keyboard user does: from the name, Tab to each list in
        turn, Home for its first entry and the down arrow to the one wanted."""
        lists = self.lists()
        if len(lists) != len(LISTS):
            raise Failure(f"found the lists {sorted(lists)}")
        captions = {name: combo.get_description() for name, combo in lists.items()}
        if captions != LIST_CAPTIONS:
            raise Failure(f"the lists describe themselves as {captions}")
        self.click_into(self.find(self.Atspi.Role.TEXT, "Name"), "the name")
        for name in LISTS:
            combo = lists[name]
            self.press_key(KEY_TAB)
            wait_for(lambda: self.focused(combo), f"Tab to reach the {name}", self.program)
            entry = moment[name]
            self.press_key(KEY_HOME)
            self.press_key(KEY_DOWN, position_of(name, entry))
            wait_for(lambda: combo.get_name() == entry, f"the {name} to show {entry!r}",
                     self.program)

    def results(self):
        """The results panel's labels: (name, text or None where it has no text, the names of
        the labels that label it)."""
        panel = self.find(self.Atspi.Role.PANEL, "Kestrava Results")
        labels = []
        # The labels of the panel, and of the unnamed sections within it, in order.
        nodes = []
        for k in range(panel.get_child_count()):
            node = panel.get_child_at_index(k)
            if node is not None and node.get_role() != self.Atspi.Role.LABEL and \
                    node.get_child_count() > 0:
                nodes.extend(node.get_child_at_index(j) for j in range(node.get_child_count()))
            else:
                nodes.append(node)
        for node in nodes:
            if node is None or node.get_role() != self.Atspi.Role.LABEL:
                continue
            text = "Text" in node.get_interfaces()
            labelled_by = [relation.get_target(t).get_name()
                           for relation in node.get_relation_set()
                           if relation.get_relation_type() == self.Atspi.RelationType.LABELLED_BY
                           for t in range(relation.get_n_targets())]
            labels.append((node.get_name(), self.Atspi.Text.get_text(node, 0, -1) if text else None,
                           labelled_by))
        return labels


def position_of(name, entry):
    """The position of an entry in its list: the months in order, the days from 1, the years
    from 1901, the hours and minutes from 0."""
    if name == "month":
        return MONTHS.index(entry)
    return int(entry) - {"day": 1, "year": 1901}.get(name, 0)


def check_results(labels, expected, failures):
    values = {name: text for name, text, _ in labels if text is not None}
    captions = [name for name, text, _ in labels if text is None]
    # Every value is named by its caption, never by the number or text it shows.
    named = [VALUE_NAMES.get(caption, caption) for caption in ROW_CAPTIONS]
    if sorted(values) != sorted(named + LINE_NAMES):
        failures.append(f"the values are named {sorted(values)}")
    if captions != ROW_CAPTIONS:
        failures.append(f"the captions read {captions}")
    for name, text, labelled_by in labels:
        caption = {v: k for k, v in VALUE_NAMES.items()}.get(name, name)
        if text is not None and name in named and caption not in labelled_by:
            failures.append(f"the value {name!r} is not labelled by its caption: {labelled_by}")
    for name, pattern in expected.items():
        if not re.fullmatch(pattern, values.get(name) or ""):
            failures.append(f"{name}: read {values.get(name)!r}, expected {pattern!r}")
    for name in ("Tithi Features", "Tithi Nature", "Tithi Description"):
        if not values.get(name):
            failures.append(f"{name} reads empty")


def run(executable):
    for program in ("Xvfb", "dbus-daemon"):
        if not shutil.which(program):
            skip(f"{program} is not installed")
    try:
        import gi
        gi.require_version("Atspi", "2.0")
    except (ImportError, ValueError) as error:
        skip(f"the AT-SPI bindings are missing: {error}")
    data_dirs = os.environ.get("XDG_DATA_DIRS") or "/usr/local/share:/usr/share"
    if not any(os.path.exists(os.path.join(d, "dbus-1/services/org.a11y.Bus.service"))
               for d in data_dirs.split(":")):
        skip("the accessibility bus (at-spi2-core) is not installed")

    session = Session()
    program = None
    try:
        environment = session.start()
        from gi.repository import Atspi
        Atspi.init()
        log = tempfile.TemporaryFile()
        program = subprocess.Popen([executable], env=environment, stdout=subprocess.DEVNULL,
                                   stderr=log)
        window = Window(Atspi, program)

        # Changes of text that the program announces, by the name of the label.
        announced = []
        listener = Atspi.EventListener.new(
            lambda event: announced.append(event.source.get_name()))
        listener.register("object:text-changed:insert")

        failures = []
        for place_field, text in PLACE:
            window.type_into(place_field, text)
        labels = window.results()
        previous = {name: text for name, text, _ in labels if text is not None}
        for number, calculation in enumerate(CALCULATIONS, start=1):
            panel = window.find(Atspi.Role.PANEL, "Kestrava Results")
            if window.showing(panel):
                window.act(window.find(Atspi.Role.PUSH_BUTTON, "Back"), "Press")
                wait_for(lambda: not window.showing(panel), "the input panel", program)
            window.set_moment(calculation["moment"])

            announced.clear()
            window.act(window.find(Atspi.Role.PUSH_BUTTON, "Find My Tithi"), "Press")
            wait_for(lambda: window.showing(panel), "the results panel", program)
            # The panel comes to the front once its values are set.
            labels = window.results()
            before = len(failures)
            check_results(labels, calculation["values"], failures)
            # Each value that changed was announced as it replaced the old one.
            values = {name: text for name, text, _ in labels if text is not None}
            changed = sorted(name for name in values if values[name] != previous.get(name))
            if not changed:
                failures.append("no value changed")
            try:
                wait_for(lambda: set(changed) <= set(announced), "the changes to be announced",
                         program, timeout=10)
            except Failure:
                failures.append(f"changes not announced: {sorted(set(changed) - set(announced))}")
            previous = values
            for failure in failures[before:]:
                print(f"calculation {number}: {failure}")
            if len(failures) == before:
                print(f"calculation {number}: every value read with its caption, "
                      f"{len(changed)} changes announced")
        listener.deregister("object:text-changed:insert")
        return 1 if failures else 0
    except Failure as failure:
        print(f"FAILED: {failure}")
        if program is not None:
            log.seek(0)
            print(log.read().decode(errors="replace"))
        return 1
    finally:
        if program is not None and program.poll() is None:
            program.terminate()
            try:
                program.wait(timeout=TIMEOUT)
            except subprocess.TimeoutExpired:
                program.kill()
                program.wait()
        session.stop()


if __name__ == "__main__":
    if len(sys.argv) != 2:
        print("usage: results_over_atspi.py KESTRAVA_EXECUTABLE", file=sys.stderr)
        sys.exit(2)
    sys.exit(run(sys.argv[1]))
