"""Drives the real tilecrest executable in a private Xvfb server with real X input.

Each test gets its own X server, its own copy of the executable and its data folder
(so a test may break the install without touching the build), and its own starting
directory, where the game writes reversi.log.
"""

import os
import re
import shutil
import subprocess
import tempfile
import time
import unittest

BUILD_DIR = os.environ.get("TILECREST_BUILD_DIR", os.path.join(os.path.dirname(__file__), "..", "..", "build"))
SCREEN_SIZE = (1280, 1024)


def run(*args, check=True, **kwargs):
    return subprocess.run(args, check=check, capture_output=True, text=True, **kwargs)


class XServer:
    """A private Xvfb display, picked by Xvfb itself so parallel tests never clash."""

    def __init__(self, size=SCREEN_SIZE):
        read_fd, write_fd = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "%dx%dx24" % size, "-nolisten", "tcp"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number

    def stop(self):
        self.process.terminate()
        self.process.wait(timeout=10)


class GameRun:
    """One start of the game. Use as a context manager; it never leaves a process behind."""

    def __init__(self, test, remove=(), replace=None, start_dir=None, screen=SCREEN_SIZE, deferred=False):
        self.test = test
        self.root = tempfile.mkdtemp(prefix="tilecrest-e2e-")
        self.install = os.path.join(self.root, "install")
        os.makedirs(self.install)
        shutil.copy2(os.path.join(BUILD_DIR, "tilecrest"), self.install)
        shutil.copytree(os.path.join(BUILD_DIR, "data"), os.path.join(self.install, "data"))
        for name in remove:
            os.remove(os.path.join(self.install, name))
        for name, content in (replace or {}).items():
            with open(os.path.join(self.install, name), "wb") as f:
                f.write(content)
        self.start_dir = start_dir or os.path.join(self.root, "start")
        os.makedirs(self.start_dir, exist_ok=True)
        self.x = XServer(screen)
        self.env = dict(os.environ, DISPLAY=self.x.display, NO_AT_BRIDGE="1", GDK_BACKEND="x11")
        self.process = None
        self.window = None
        self.deferred = deferred  # `with` leaves the start to the test

    # -- process -------------------------------------------------------------------
    def start(self):
        self.output = open(os.path.join(self.root, "output.txt"), "wb")
        self.process = subprocess.Popen([os.path.join(self.install, "tilecrest")], cwd=self.start_dir,
                                        env=self.env, stdout=self.output, stderr=subprocess.STDOUT)
        return self

    def __enter__(self):
        return self if self.deferred else self.start()

    def __exit__(self, *exc):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        if self.process:
            self.output.close()
        self.x.stop()
        if exc[0] is None and not os.environ.get("TILECREST_E2E_KEEP"):
            shutil.rmtree(self.root, ignore_errors=True)
        else:
            print("kept the screenshots and log of the run in", self.root)
        return False

    def wait_exit(self, timeout=20):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            self.test.fail("the game did not end within %d s" % timeout)

    def running(self):
        return self.process.poll() is None

    # -- windows -------------------------------------------------------------------
    def xdotool(self, *args, check=True):
        return run("xdotool", *args, env=self.env, check=check).stdout

    def find_window(self, name, timeout=20):
        deadline = time.time() + timeout
        while time.time() < deadline:
            if self.process.poll() is not None:
                self.test.fail("the game ended (status %s) while waiting for %r" % (self.process.returncode, name))
            out = self.xdotool("search", "--onlyvisible", "--name", "^%s$" % re.escape(name), check=False).split()
            if out:
                return out[-1]
            time.sleep(0.1)
        self.test.fail("no window named %r appeared" % name)

    def wait_game_window(self, logged=True):
        """Waits for the window and for start-up to finish: the window shows before the
        artwork is loaded, and input sent before the event queue exists is lost. Without
        a log to read, it can only give start-up a generous moment."""
        self.window = self.find_window("Tilecrest")
        if logged:
            self.wait_until(lambda: "\tGame Setup complete" in self.log_lines(), "start-up completes", timeout=30)
            time.sleep(0.2)  # the first ticks and frame
        else:
            time.sleep(2)
        return self.window

    def geometry(self, window):
        out = self.xdotool("getwindowgeometry", "--shell", window)
        values = dict(line.split("=", 1) for line in out.split())
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    # -- input: levels are read once per tick, so every key and button is held ------
    def move(self, x, y, window=None):
        self.xdotool("mousemove", "--window", window or self.window, str(x), str(y))
        time.sleep(0.1)

    def click(self, x, y, window=None):
        self.move(x, y, window)
        self.xdotool("mousedown", "1")
        time.sleep(0.15)
        self.xdotool("mouseup", "1")
        time.sleep(0.15)

    def ctrl_x(self):
        self.move(20, 20)  # keys go to the window under the pointer; inside at any size
        self.xdotool("keydown", "ctrl", "keydown", "x")
        time.sleep(0.15)
        self.xdotool("keyup", "x", "keyup", "ctrl")

    def request_close(self):
        """Sends WM_DELETE_WINDOW, as a window manager's close button does."""
        run("/usr/bin/python3", os.path.join(os.path.dirname(__file__), "close_window.py"),
            self.x.display, self.window)

    def screenshot(self, name):
        path = os.path.join(self.root, name + ".png")
        run("import", "-window", "root", path, env=self.env)
        return path

    def pixels(self, path):
        """The picture as (width, height, rows of (r, g, b) tuples)."""
        size = run("identify", "-format", "%w %h", path).stdout.split()
        width, height = int(size[0]), int(size[1])
        raw = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout
        rows = [[tuple(raw[(y * width + x) * 3:(y * width + x) * 3 + 3]) for x in range(width)]
                for y in range(height)]
        return width, height, rows

    def box_buttons(self, expected=None, timeout=10):
        """Centres of the buttons of the open box, left to right, in window coordinates.

        The box is centred on the screen, in the middle band where the game's own buttons
        never are. With `expected`, waits (a box is first drawn three ticks after it is
        asked for, later on a loaded machine) until that many buttons show.
        """
        deadline = time.time() + timeout
        while True:
            found = self.find_buttons(0, 800, 200, 400)
            if expected is None or len(found) == expected or time.time() > deadline:
                return found
            time.sleep(0.2)

    def game_buttons(self):
        """Centres of "New Game", "Undo Move" and "Quit Game", top to bottom."""
        return sorted(self.find_buttons(556, 800, 0, 600), key=lambda c: c[1])

    def find_buttons(self, x0, x1, y0, y1):
        """Buttons in a window region, found in a screenshot as wide runs of a button
        face's blue (wider than any disk) shared by at least ten rows."""
        self.move(5, 595)  # off every button, so none is drawn hovered
        time.sleep(0.2)
        wx, wy, _, _ = self.geometry(self.window)
        _, _, rows = self.pixels(self.screenshot("buttons"))
        spans = {}
        for y in range(wy + y0, wy + y1):
            x = wx + x0
            while x < wx + x1:
                start = x
                while x < wx + x1 and is_button_blue(rows[y][x]):
                    x += 1
                if x - start >= 80:
                    spans.setdefault((start, x), []).append(y)
                x += 1
        centres = []
        for (a, b), ys in spans.items():
            # Buttons in one column share their span: split it where the rows break off.
            groups = [[ys[0]]]
            for y in ys[1:]:
                if y == groups[-1][-1] + 1:
                    groups[-1].append(y)
                else:
                    groups.append([y])
            centres += [((a + b) // 2 - wx, (g[0] + g[-1]) // 2 - wy) for g in groups if len(g) >= 10]
        return sorted(centres)

    def window_pixel(self, x, y):
        """The colour at a window position now, from a fresh screenshot."""
        wx, wy, _, _ = self.geometry(self.window)
        return self.pixel(self.screenshot("probe"), wx + x, wy + y)

    def wait_until(self, condition, message, timeout=10):
        """Polls until condition() holds: the game answers at its next ticks, later on a
        loaded machine."""
        deadline = time.time() + timeout
        while not condition():
            if time.time() > deadline:
                self.test.fail(message)
            time.sleep(0.2)

    def pixel(self, path, x, y):
        out = run("convert", path, "-crop", "1x1+%d+%d" % (x, y), "-format",
                  "%[fx:int(255*r+0.5)],%[fx:int(255*g+0.5)],%[fx:int(255*b+0.5)]", "info:").stdout
        return tuple(int(v) for v in out.strip().split(","))

    # -- native message boxes (GTK) --------------------------------------------------
    def click_native_button(self, title, across=0.5, attempts=5):
        """Clicks the button row of a native box (no window manager, so no key focus).

        GTK spreads the buttons over the box's bottom row; `across` picks one by its
        horizontal place, as a fraction of the box's width. Clicks again while the box
        is still there: GTK may not have laid it out when it first shows.
        """
        window = self.find_window(title)
        for _ in range(attempts):
            time.sleep(0.5)
            try:
                _, _, width, height = self.geometry(window)
                self.click(int(width * across), height - 18, window)
            except subprocess.CalledProcessError:
                return  # the box closed
            time.sleep(0.3)
            if not self.xdotool("search", "--onlyvisible", "--name", "^%s$" % re.escape(title), check=False).split():
                return

    # -- log -------------------------------------------------------------------------
    def log_lines(self):
        try:
            with open(os.path.join(self.start_dir, "reversi.log")) as f:
                return f.read().split("\n")
        except (FileNotFoundError, IsADirectoryError):
            return []


def is_button_blue(rgb):
    r, g, b = rgb
    return b > r + 80 and b > g + 50 and r < 120


def counts(lines):
    """The created and freed totals from the last lines of a log."""
    created = [l for l in lines if l.startswith("Objects created: ")]
    freed = [l for l in lines if l.startswith("Objects freed: ")]
    return int(created[-1].split(": ")[1]), int(freed[-1].split(": ")[1])
