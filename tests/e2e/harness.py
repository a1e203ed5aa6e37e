"""Runs the real tilecrest in a private Xvfb server, drives it with real X input (xdotool)
and reads back the window's pixels, the log and the exit status. Positions are in the game's
800 by 600 screen coordinates, mapped onto the window at its size. Every wait polls with a
generous timeout, so a loaded machine only makes a run slower."""

import functools
import os
import pathlib
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from Xlib import X, display, error, protocol

BUILD_DIR = os.path.abspath(os.environ.get("TILECREST_BUILD_DIR") or
                            os.path.join(os.path.dirname(__file__), "..", "..", "build"))
# A cross build's game runs under its emulator (qemu-user), which ctest names here, and
# valgrind's under valgrind; it starts and ticks several times slower, so every wait is that
# much longer.
EMULATOR = os.environ.get("TILECREST_EMULATOR", "").split()
SLOWER = 5 if EMULATOR else 1
# The Windows build's game runs under Wine (packaging/windows/wine-run), and names its files on
# drive Z:, which Wine maps to the host's root.
WINDOWS = os.path.exists(os.path.join(BUILD_DIR, "tilecrest.exe"))
PROGRAM = "tilecrest.exe" if WINDOWS else "tilecrest"


def native_path(path):
    """A host path as the game names it."""
    return "Z:" + path.replace("/", "\\") if WINDOWS else path
SCREEN_W, SCREEN_H = 800, 600
START = ["........", "........", "........", "...RB...", "...BR...", "........", "........", "........"]
# Where buttons are looked for in the unscaled window: the column beside the board and the
# message boxes' band.
BUTTON_REGIONS = {"column": (556, 0, 800, 600), "box": (0, 150, 800, 450)}


def square(name):
    """The centre of a square, "a1" top left to "h8" bottom right: 64-pixel squares from (44, 44)."""
    return 44 + 64 * "abcdefgh".index(name[0]) + 32, 44 + 64 * (int(name[1]) - 1) + 32


@functools.lru_cache(maxsize=None)
def artwork(name, where="center", build=BUILD_DIR):
    """A pixel of one of the pictures of `build` as (r, g, b): its centre, or the corner that
    `where` names as an ImageMagick gravity ("southeast")."""
    path = os.path.join(build, "data", "bitmaps", name)
    command = ["convert", path, "-gravity", where, "-crop", "1x1+0+0", "-depth", "8", "rgb:-"]
    return tuple(subprocess.run(command, check=True, capture_output=True).stdout[:3])


def near(a, b, tolerance=24):
    return all(abs(p - q) <= tolerance for p, q in zip(a, b))


def counts(lines):
    found = dict(line.split(": ") for line in lines if line.startswith("Objects "))
    return int(found["Objects created"]), int(found["Objects freed"])


def runs(values):
    """Sorted numbers split where they jump by more than 2."""
    groups = []
    for v in values:
        if groups and v - groups[-1][-1] <= 2:
            groups[-1].append(v)
        else:
            groups.append([v])
    return groups


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


class Server:
    """A private Xvfb for runs of the game, with the harness's connection `x`; it leaves nothing
    behind, even terminated (as by ctest on a time-out)."""

    def __enter__(self):
        signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))
        read_fd, write_fd = os.pipe()  # Xvfb picks a free display and writes its number here
        self.xvfb = subprocess.Popen(
            # An X server that resets when its last client leaves drops the connections still
            # being set up: a game's al_init would then run without X, and its mouse fail.
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
             "-noreset"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            self.name = ":" + pipe.readline().strip()
        self.x = display.Display(self.name)
        return self

    def __exit__(self, *_):
        self.x.close()
        self.xvfb.terminate()
        self.xvfb.wait()


class Game:
    """A private copy of `program` (build/tilecrest) with the data of `build`, or `executable` (a
    path, or a command on the PATH of `env`: extra variables, None removing one), started from
    `start_dir` in `server` or its own; reversi.log is expected in `log_dir` (or `start_dir`)."""

    def __init__(self, executable=None, start_dir=None, env=None, log_dir=None, server=None,
                 build=BUILD_DIR, program=None):
        self.root = tempfile.mkdtemp(prefix="tilecrest-e2e-")
        if executable is None:
            install = os.path.join(self.root, "install")
            shutil.copytree(os.path.join(build, "data"), os.path.join(install, "data"),
                            ignore=shutil.ignore_patterns("CMakeFiles", "Makefile", "*.cmake"))
            executable = shutil.copy2(program or os.path.join(build, PROGRAM), install)
        self.executable, self.install, self.build = executable, os.path.dirname(executable), build
        self.start_dir = start_dir or os.path.join(self.root, "start")
        os.makedirs(self.start_dir, exist_ok=True)
        self.log_dir = log_dir or self.start_dir
        self.extra_env = env or {}
        self.server, self.own_server = server or Server(), server is None
        self.process = self.window = self.frame = None

    # -- lifetime: never leaves a process behind ----------------------------------------
    def __enter__(self):
        if self.own_server:
            self.server.__enter__()
        return self

    def __exit__(self, kind, value, trace):
        if kind and self.running():
            subprocess.run(["import", "-window", "root", os.path.join(self.root, "failure.png")],
                           env=self.env(), capture_output=True)
        if self.process:
            if self.process.poll() is None:
                self.process.kill()
            self.process.wait()
        if self.own_server:
            self.server.__exit__(kind, value, trace)
        if kind or os.environ.get("TILECREST_E2E_KEEP"):
            print("the run's log, output and last screen are kept in", self.root)
        else:
            shutil.rmtree(self.root, ignore_errors=True)

    def env(self):
        env = dict(os.environ, DISPLAY=self.server.name, NO_AT_BRIDGE="1", GDK_BACKEND="x11",
                   **self.extra_env)
        return {name: value for name, value in env.items() if value is not None}

    def start(self):
        with open(os.path.join(self.root, "output.txt"), "wb") as output:
            self.process = subprocess.Popen(EMULATOR + [self.executable], cwd=self.start_dir,
                                            env=self.env(), stdout=output, stderr=subprocess.STDOUT)

    def running(self):
        return self.process is not None and self.process.poll() is None

    def wait_exit(self, timeout=20):
        self.wait_until(lambda: not self.running(), "the game ends", timeout, while_running=False)
        return self.process.returncode

    def wait_until(self, condition, what, timeout=20, while_running=True):
        """Polls condition() until it holds; fails when the game ends first (unless told not to).
        A window that changes while read, or a file not yet written, counts as "not yet"."""
        deadline = time.monotonic() + timeout * SLOWER
        while time.monotonic() < deadline:
            if while_running and not self.running():
                raise AssertionError("the game ended (status %s) before %s" % (self.process.poll(), what))
            try:
                result = condition()
            except (error.XError, FileNotFoundError):
                result = None
            if result:
                return result
            time.sleep(0.1 * SLOWER)
        raise AssertionError("no sign within %d s that %s" % (timeout * SLOWER, what))

    def find_window(self, title):
        found = self.xdotool("search", "--onlyvisible", "--name", "^%s$" % title, check=False).split()
        return self.server.x.create_resource_object("window", int(found[0])) if found else None

    def wait_ready(self, timeout=30):
        """Waits for the log's "Game Setup complete" (unless the log cannot be written), the window
        and its start position: input sent before the event queue exists would be lost."""
        path = os.path.join(self.log_dir, "reversi.log")
        complete = lambda: os.path.isdir(path) or "\tGame Setup complete\n" in pathlib.Path(path).read_text()
        self.wait_until(complete, "the log shows the start-up complete", timeout)
        self.frame = self.wait_until(lambda: self.find_window("Tilecrest"), "the window shows", timeout)
        # Wine draws into a child of the window, inside a 2-pixel edge; X11 into the window.
        self.window = (self.frame.query_tree().children or [self.frame])[0]
        self.wait_board(START, "the start position is drawn", timeout)

    def board(self):
        """The board on screen, a row of "R" (red), "B" (blue) and "." (no disk) per rank."""
        shot, red, blue = (Shot(self.window), artwork("red_disk.png", build=self.build),
                           artwork("blue_disk.png", build=self.build))
        disk = lambda colour: "R" if near(colour, red) else "B" if near(colour, blue) else "."
        return ["".join(disk(shot.at(*square(c + r))) for c in "abcdefgh") for r in "12345678"]

    def wait_board(self, expected, what, timeout=20):
        """Waits until the board on screen is `expected`, or passes that test, and returns it."""
        test = expected if callable(expected) else expected.__eq__
        return self.wait_until(lambda: test(board := self.board()) and board, what, timeout)

    def buttons(self, count, where, timeout=20):
        """Waits until `count` enabled buttons show in BUTTON_REGIONS[where] (0: a box closed) and
        returns their centres, top to bottom and left to right: the column's "New Game", "Undo
        Move" while enabled, "Quit Game". A button is a band of an enabled face's centre colour."""
        x0, y0, x1, y1 = BUTTON_REGIONS[where]
        faces = {artwork(name, build=self.build) for name in ("button.png", "button_hover.png", "button_push.png")}
        centres = []

        def shown():
            shot = Shot(self.window)
            hits = [(x, y) for y in range(y0, y1, 2) for x in range(x0, x1) if shot.pixel(x, y) in faces]
            centres.clear()
            for ys in runs(sorted({y for _, y in hits})):
                for xs in runs(sorted({x for x, y in hits if ys[0] <= y <= ys[-1]})):
                    if xs[-1] - xs[0] >= 40:
                        centres.append(((xs[0] + xs[-1]) // 2, (ys[0] + ys[-1]) // 2))
            return len(centres) == count

        self.wait_until(shown, "the %s shows %d buttons" % (where, count), timeout)
        return centres

    # -- input: no hold, as a tool sends it, for the game loses no press; what comes next waits
    def xdotool(self, *args, check=True):
        command = ["xdotool"] + [str(a) for a in args]
        return subprocess.run(command, env=self.env(), check=check, capture_output=True, text=True).stdout

    def click(self, x, y):
        g = self.window.get_geometry()
        self.xdotool("mousemove", "--window", self.window.id, x * g.width // SCREEN_W,
                     y * g.height // SCREEN_H, "click", 1)

    def park(self):
        """Moves the mouse to the bottom left corner, where nothing can be hovered."""
        self.xdotool("mousemove", "--window", self.window.id, 2, self.window.get_geometry().height - 2)

    def play_c5_and_quit(self):
        """Red plays c5 with a click, then Ctrl+X quits; returns the exit status."""
        self.play(["c5"])  # which parks the mouse: keys go to the window under the pointer
        self.xdotool("key", "ctrl+x")
        return self.wait_exit()

    def play(self, names):
        """Clicks the squares one after another, each once its disk shows, and parks the mouse."""
        for name in names:
            c, r = "abcdefgh".index(name[0]), int(name[1]) - 1
            self.click(*square(name))
            self.wait_until(lambda: self.board()[r][c] != ".", "a click plays " + name)
        self.park()

    def resize(self, width, height):
        """Makes the drawing width by height; the window goes to the screen's corner, as Windows
        centres it and a large one would not stay whole."""
        outer, inner = self.frame.get_geometry(), self.window.get_geometry()
        self.frame.configure(x=0, y=0, width=width + outer.width - inner.width,
                             height=height + outer.height - inner.height)
        self.server.x.sync()

    def request_close(self):
        """What a window manager sends for the close button: WM_DELETE_WINDOW."""
        protocols, delete = (self.server.x.intern_atom(name) for name in ("WM_PROTOCOLS", "WM_DELETE_WINDOW"))
        event = protocol.event.ClientMessage(window=self.frame, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        self.frame.send_event(event, event_mask=X.NoEventMask)
        self.server.x.sync()

    def close_native_boxes(self, title, count):
        """Clicks the button of `count` native boxes titled `title` that show one after another,
        each until that very box has closed: its button may be laid out after the box shows."""
        for _ in range(count):
            box = self.wait_until(lambda: self.find_window(title), "a box titled %r shows" % title, 30)

            def closed():
                if getattr(self.find_window(title), "id", None) != box.id:
                    return True
                g = box.get_geometry()  # one button, centred along the bottom
                self.xdotool("mousemove", "--window", box.id, g.width // 2, g.height - 18, "click", 1,
                             check=False)

            self.wait_until(closed, "the box %r closes" % title, 30, while_running=False)

    def output(self):
        """What the game wrote on standard output and standard error."""
        return pathlib.Path(self.root, "output.txt").read_text()

    def log(self):
        return pathlib.Path(self.log_dir, "reversi.log").read_text().split("\n")
