"""Runs the real tilecrest in a private Xvfb server, drives it with real X input (xdotool)
and reads it back from the window's pixels, its log and its exit status.

    with Game() as game:              # a private copy of build/tilecrest and its data
        os.remove(game.install + "/data/fonts/arlrdbd.ttf")   # break it before starting
        game.start()

Game(executable=PATH, start_dir=DIR) starts PATH itself instead of a copy, from DIR (where
reversi.log is written); PATH may be a command found on the PATH of `env`, the extra
environment (a value of None removes a variable). Positions are in the game's 800 by 600 screen coordinates and are
mapped onto the window at its current size. Every wait polls the window, the log or the
process with a generous timeout, so a loaded machine only makes a run slower.
"""

import functools
import os
import re
import shutil
import subprocess
import tempfile
import time

from Xlib import X, Xatom, display, error, protocol

BUILD_DIR = os.path.abspath(os.environ.get("TILECREST_BUILD_DIR") or
                            os.path.join(os.path.dirname(__file__), "..", "..", "build"))
SCREEN_W, SCREEN_H = 800, 600
START = ["........", "........", "........", "...RB...", "...BR...", "........", "........", "........"]


def square(name):
    """The centre of a square, "a1" top left to "h8" bottom right: 64-pixel squares from (44, 44)."""
    return 44 + 64 * "abcdefgh".index(name[0]) + 32, 44 + 64 * (int(name[1]) - 1) + 32


@functools.lru_cache(maxsize=None)
def artwork(name, x=None, y=None):
    """A pixel of one of the game's pictures as (r, g, b); its centre by default."""
    path = os.path.join(BUILD_DIR, "data", "bitmaps", name)
    if x is None:
        w, h = map(int, subprocess.run(["identify", "-format", "%w %h", path], check=True,
                                       capture_output=True, text=True).stdout.split())
        x, y = w // 2, h // 2
    out = subprocess.run(["convert", path, "-crop", "1x1+%d+%d" % (x, y), "-depth", "8", "rgb:-"],
                         check=True, capture_output=True).stdout
    return tuple(out[:3])


def manifest():
    """The files the asset manifest's tables load, in order: the bitmaps, then the frames,
    each as the path the log names."""
    with open(os.path.join(os.path.dirname(__file__), "..", "..", "app", "AssetTables.h")) as f:
        tables = f.read()
    bitmaps = re.findall(r'ENTRY_LOAD, "([^"]+)"', tables)
    return ["data/bitmaps/" + name for name in bitmaps], re.findall(r'RES_\w+, "(data/[^"]+)"', tables)


def disks(board):
    return sum(8 - row.count(".") for row in board)


def near(a, b, tolerance=24):
    return all(abs(p - q) <= tolerance for p, q in zip(a, b))


def counts(lines):
    """The created and freed totals at the end of a log."""
    found = {line.split(": ")[0]: int(line.split(": ")[1]) for line in lines if line.startswith("Objects ")}
    if len(found) != 2:
        raise AssertionError("the log does not end with the created and freed counts")
    return found["Objects created"], found["Objects freed"]


class Shot:
    """The window's pixels at one moment; `at` reads them in screen coordinates."""

    def __init__(self, window):
        g = window.get_geometry()
        self.width, self.height = g.width, g.height
        self.data = window.get_image(0, 0, g.width, g.height, X.ZPixmap, 0xFFFFFFFF).data

    def pixel(self, x, y):  # window coordinates; Xvfb keeps 24-bit colour as 32-bit BGRX
        i = (y * self.width + x) * 4
        return self.data[i + 2], self.data[i + 1], self.data[i]

    def at(self, x, y):
        return self.pixel(x * self.width // SCREEN_W, y * self.height // SCREEN_H)


class Game:
    def __init__(self, executable=None, start_dir=None, wrapper=(), hold=0.2, patience=1, env=None,
                 log_dir=None):
        """`hold`: seconds each button and key is held; `patience` scales every timeout and
        the pause between polls; `wrapper`: a command to run the game under; `log_dir`: where
        the game is expected to write reversi.log (the starting folder by default)."""
        self.root = tempfile.mkdtemp(prefix="tilecrest-e2e-")
        if executable is None:
            install = os.path.join(self.root, "install")
            shutil.copytree(os.path.join(BUILD_DIR, "data"), os.path.join(install, "data"),
                            ignore=shutil.ignore_patterns("CMakeFiles", "Makefile", "*.cmake"))
            executable = shutil.copy2(os.path.join(BUILD_DIR, "tilecrest"), install)
        self.executable, self.install = executable, os.path.dirname(executable)
        self.start_dir = start_dir or os.path.join(self.root, "start")
        os.makedirs(self.start_dir, exist_ok=True)
        self.log_dir = log_dir or self.start_dir
        self.wrapper, self.hold, self.patience, self.extra_env = list(wrapper), hold, patience, env or {}
        self.process = self.window = None

    # -- lifetime: never leaves a process behind ----------------------------------------
    def __enter__(self):
        read_fd, write_fd = os.pipe()  # Xvfb picks a free display and writes its number here
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            self.display_name = ":" + pipe.readline().strip()
        if self.display_name == ":":
            self.xvfb.wait()
            raise RuntimeError("Xvfb did not start")
        try:
            self.x = display.Display(self.display_name)
        except Exception:
            self.xvfb.terminate()
            raise
        self.root_window = self.x.screen().root
        return self

    def __exit__(self, kind, value, trace):
        if kind and self.running():
            subprocess.run(["import", "-window", "root", os.path.join(self.root, "failure.png")],
                           env=self.env(), capture_output=True)
        if self.process:
            if self.process.poll() is None:
                self.process.kill()
            self.process.wait()
        self.x.close()
        self.xvfb.terminate()
        self.xvfb.wait()
        if kind or os.environ.get("TILECREST_E2E_KEEP"):
            print("the run's log, output and last screen are kept in", self.root)
        else:
            shutil.rmtree(self.root, ignore_errors=True)

    def env(self):
        env = dict(os.environ, DISPLAY=self.display_name, NO_AT_BRIDGE="1", GDK_BACKEND="x11", **self.extra_env)
        return {name: value for name, value in env.items() if value is not None}

    def start(self):
        with open(os.path.join(self.root, "output.txt"), "wb") as output:
            self.process = subprocess.Popen(self.wrapper + [self.executable], cwd=self.start_dir, env=self.env(),
                                            stdout=output, stderr=subprocess.STDOUT)
        return self

    def running(self):
        return self.process is not None and self.process.poll() is None

    def wait_exit(self, timeout=20):
        try:
            return self.process.wait(timeout=timeout * self.patience)
        except subprocess.TimeoutExpired:
            raise AssertionError("the game did not end within %d s" % (timeout * self.patience))

    def wait_until(self, condition, what, timeout=20, while_running=True):
        """Polls condition() until it holds; fails when the game ends first (unless told not
        to). A window that changes while it is read just counts as "not yet"."""
        deadline = time.monotonic() + timeout * self.patience
        while True:
            if while_running and not self.running():
                raise AssertionError("the game ended (status %s) before %s" % (self.process.poll(), what))
            try:
                result = condition()
            except error.XError:
                result = None
            if result:
                return result
            if time.monotonic() > deadline:
                raise AssertionError("no sign within %d s that %s" % (timeout * self.patience, what))
            time.sleep(0.1 * self.patience)

    # -- what the game shows ------------------------------------------------------------
    def find_window(self, title):
        for window in self.root_window.query_tree().children:
            try:
                name = window.get_full_property(Xatom.WM_NAME, X.AnyPropertyType)  # often UTF8_STRING
                value = name.value if name else b""
                if isinstance(value, str):
                    value = value.encode()
                if value == title.encode() and window.get_attributes().map_state == X.IsViewable:
                    return window
            except error.XError:
                pass  # gone meanwhile
        return None

    def wait_ready(self, timeout=30):
        """Waits for the window and its first frame of the start position: only then do the
        event queue and the timer exist, and input sent earlier would be lost."""
        self.window = self.wait_until(lambda: self.find_window("Tilecrest"), "the window shows", timeout)
        self.wait_board(START, "the start position is drawn", timeout)

    def shot(self):
        return Shot(self.window)

    def board(self):
        """The board on screen, a row of "R" (red), "B" (blue) and "." (no disk) per rank."""
        shot, red, blue = self.shot(), artwork("red_disk.png"), artwork("blue_disk.png")
        disk = lambda colour: "R" if near(colour, red) else "B" if near(colour, blue) else "."
        return ["".join(disk(shot.at(*square(c + r))) for c in "abcdefgh") for r in "12345678"]

    def wait_board(self, expected, what, timeout=20):
        """Waits until the board on screen is `expected` (rows as board() gives them, or a
        test of them) and returns it."""
        test = expected if callable(expected) else expected.__eq__

        def shown():
            board = self.board()
            return test(board) and board

        return self.wait_until(shown, what, timeout)

    def buttons(self, x0, y0, x1, y1):
        """Centres of the enabled buttons in a region of the unscaled window, found as the
        bands of a button face's centre colour; the mouse is moved off them first."""
        self.park()
        time.sleep(0.1)
        shot, face = self.shot(), artwork("button.png")
        hits = [(x, y) for y in range(y0, y1, 2) for x in range(x0, x1) if shot.pixel(x, y) == face]
        centres = []
        for ys in runs(sorted({y for _, y in hits})):
            for xs in runs(sorted({x for x, y in hits if ys[0] <= y <= ys[-1]})):
                if xs[-1] - xs[0] >= 40:
                    centres.append(((xs[0] + xs[-1]) // 2, (ys[0] + ys[-1]) // 2))
        return centres

    def wait_buttons(self, count, region, what, timeout):
        found = []

        def shown():
            found[:] = self.buttons(*region)
            return len(found) == count

        self.wait_until(shown, "%s shows %d buttons" % (what, count), timeout)
        return found

    def game_buttons(self, count, timeout=20):
        """Waits until the column beside the board shows `count` enabled buttons: "New Game",
        "Undo Move" while it is enabled, and "Quit Game", top to bottom."""
        return self.wait_buttons(count, (556, 0, 800, 600), "the column beside the board", timeout)

    def box_buttons(self, count, timeout=20):
        """Waits until the message box in the middle band shows `count` buttons, left to
        right; 0 waits for it to close."""
        return self.wait_buttons(count, (0, 150, 800, 450), "the message box", timeout)

    # -- input: the game reads button and key levels once per tick, so each is held -----
    def to_root(self, x, y):
        g, origin = self.window.get_geometry(), self.root_window.translate_coords(self.window, 0, 0)
        return origin.x + x * g.width // SCREEN_W, origin.y + y * g.height // SCREEN_H

    def xdotool(self, *args, check=True):
        subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env(), check=check, capture_output=True)

    def click_root(self, x, y):
        self.xdotool("mousemove", x, y, "mousedown", 1)
        time.sleep(self.hold)
        self.xdotool("mouseup", 1)
        time.sleep(self.hold)  # a tick must see the release before the mouse moves on

    def click(self, x, y):
        self.click_root(*self.to_root(x, y))

    def park(self):
        """Moves the mouse to the bottom left corner, where nothing can be hovered."""
        self.xdotool("mousemove", *self.to_root(2, SCREEN_H - 2))

    def ctrl_x(self):
        self.park()  # keys go to the window under the pointer
        self.xdotool("keydown", "ctrl+x")
        time.sleep(self.hold)
        self.xdotool("keyup", "ctrl+x", check=False)  # the game may have quit on the key-down

    def request_close(self):
        """WM_DELETE_WINDOW, which a window manager sends for the close button."""
        protocols, delete = (self.x.intern_atom(name) for name in ("WM_PROTOCOLS", "WM_DELETE_WINDOW"))
        event = protocol.event.ClientMessage(window=self.window, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        self.window.send_event(event, event_mask=X.NoEventMask)
        self.x.sync()

    def resize(self, width, height):
        self.window.configure(width=width, height=height)
        self.x.sync()

    def click_native_box(self, title):
        """Clicks the middle of a native (GTK) box's button row until the box closes; GTK may
        not have laid the box out when it first shows."""
        box = self.wait_until(lambda: self.find_window(title), "a box titled %r shows" % title, 30)

        def closed():
            time.sleep(0.5)
            if self.find_window(title):
                g, origin = box.get_geometry(), self.root_window.translate_coords(box, 0, 0)
                self.click_root(origin.x + g.width // 2, origin.y + g.height - 18)
            return not self.find_window(title)

        self.wait_until(closed, "the box %r closes" % title, 30, while_running=False)

    # -- the log --------------------------------------------------------------------------
    def log(self):
        try:
            with open(os.path.join(self.log_dir, "reversi.log")) as f:
                return f.read().split("\n")
        except (FileNotFoundError, IsADirectoryError):
            return []


def runs(values):
    """Sorted numbers split where they jump by more than 2."""
    groups = []
    for v in values:
        if groups and v - groups[-1][-1] <= 2:
            groups[-1].append(v)
        else:
            groups.append([v])
    return groups
