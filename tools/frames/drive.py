"""Runs builds of the game one after the other in one private Xvfb and drives them alike, for
tools/frames/cost.py and tools/frames/pixels.py. A build is a build folder: the executable
and data/ beside it, copied for each run."""

import hashlib
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from Xlib import X, display

SQUARE = lambda c, r: (44 + 64 * c + 32, 44 + 64 * r + 32)
PARK = (790, 590)  # bottom right, over nothing
BUTTONS = {"new": (678, 54), "undo": (678, 115), "quit": (678, 546)}
# A two-person game that fills the board, the side to move never left without a move (the
# game has no passing), in the squares' names: "a1" top left, "h8" bottom right.
FULL_GAME = [("abcdefgh".index(name[0]), int(name[1]) - 1) for name in (
    "e3 d3 c2 d2 c1 b1 a1 d1 e1 f2 e2 f1 g1 g2 b3 b2 a3 a2 c3 f3 h2 h1 g3 h3 f4 a4 a5 f5 c6 c5 "
    "c4 b5 g5 d6 g4 b4 b6 h4 h5 a6 e6 f6 g6 h6 a7 b7 c7 d7 e7 f7 g7 a8 b8 c8 d8 e8 h7 f8 g8 h8").split()]


class Run:
    """One run of a build: a copy of it (its data made broken when `drop` names a file) started
    in the shared X server."""

    def __init__(self, tool, build, drop=None):
        self.tool, self.root = tool, tempfile.mkdtemp(prefix="tilecrest-frames-")
        shutil.copytree(os.path.join(build, "data"), os.path.join(self.root, "data"))
        if drop:
            os.remove(os.path.join(self.root, "data", drop))
        exe = shutil.copy2(os.path.join(build, "tilecrest"), self.root)
        self.process = subprocess.Popen([exe], cwd=self.root, env=tool.env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        tool.runs.append(self)
        self.window = tool.wait(lambda: tool.find("Tilecrest"), "the window")

    def ready(self):  # the first frame replaces the loading picture on black
        self.tool.wait(lambda: self.grab()[:3] != b"\0\0\0", "the first frame")
        self.tool.face = self.tool.face or subprocess.run(
            ["convert", os.path.join(self.root, "data/bitmaps/button.png"), "-gravity", "center", "-crop",
             "1x1+0+0", "-depth", "8", "bgr:-"], capture_output=True, check=True).stdout
        return self

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()
        shutil.rmtree(self.root, ignore_errors=True)

    def grab(self):
        g = self.window.get_geometry()
        return self.window.get_image(0, 0, g.width, g.height, X.ZPixmap, 0xFFFFFFFF).data

    def xdo(self, *args):
        subprocess.run(["xdotool"] + [str(a) for a in args], env=self.tool.env, check=True)

    def move(self, x, y):
        self.xdo("mousemove", "--window", self.window.id, x, y)

    def click(self, x, y):
        self.move(x, y)
        self.xdo("mousedown", 1)
        time.sleep(0.2)
        self.xdo("mouseup", 1)
        time.sleep(0.2)

    def click_until(self, place, done, what):
        """Clicks until `done` holds: on a loaded machine a short press can be missed. The mouse
        then rests over nothing, so no button shows its hovered face."""
        for _ in range(4):
            self.click(*place)
            self.move(*PARK)
            end = time.monotonic() + 5
            while time.monotonic() < end:
                if done():
                    return
                time.sleep(0.1)
        sys.exit("no sign of %s" % what)

    def play(self, moves):
        for c, r in moves:
            x, y = SQUARE(c, r)
            before = self.square(x, y)
            self.click_until((x, y), lambda: self.square(x, y) != before, "the move %s" % ((c, r),))

    def square(self, x, y):
        i = (y * 800 + x) * 4
        return self.grab()[i:i + 3]

    def burst(self, seconds=3, want=()):
        """Distinct frames shown over more than one swing of the arrow, by hash; on a loaded
        machine a swing's frame can be missed, so it goes on for up to 10 s while frames of
        `want` are missing."""
        frames, start = {}, time.monotonic()
        while time.monotonic() < start + seconds or (not frames.keys() >= set(want) and
                                                     time.monotonic() < start + 10):
            data = self.grab()
            frames.setdefault(hashlib.sha1(data).hexdigest(), data)
        return frames


class Tool:
    def __init__(self):
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1280x1024x24",
                                      "-nolisten", "tcp"], pass_fds=(write_fd,), stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            name = ":" + pipe.readline().strip()
        self.env = dict(os.environ, DISPLAY=name, NO_AT_BRIDGE="1")
        self.x = display.Display(name)
        self.runs = []
        self.face = None  # the centre colour of the plain button face, as the window shows it

    def __enter__(self):  # closes also when terminated
        signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))
        return self

    def __exit__(self, *_):
        self.close()

    def close(self):  # leaves no process behind
        for run in self.runs:
            run.close()
        self.xvfb.terminate()
        self.xvfb.wait()

    def find(self, title):
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title],
                             env=self.env, capture_output=True, text=True).stdout.split()
        return self.x.create_resource_object("window", int(out[0])) if out else None

    def wait(self, condition, what, timeout=60):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            result = condition()
            if result:
                return result
            time.sleep(0.05)
        sys.exit("no sign of %s within %d s" % (what, timeout))


def buttons_in_box(run):
    """Centres of the buttons of an open message box, left to right: runs of the plain face's
    centre colour along the first row of the box's band that crosses any."""
    data = run.grab()
    for y in range(150, 450, 2):
        groups = []
        for x in range(800):
            if data[(y * 800 + x) * 4:(y * 800 + x) * 4 + 3] == run.tool.face:
                if groups and x - groups[-1][-1] <= 2:
                    groups[-1].append(x)
                else:
                    groups.append([x])
        centres = [((g[0] + g[-1]) // 2, y + 4) for g in groups if len(g) > 20]
        if centres:
            return centres
    return []


def box_buttons(run, count):
    return run.tool.wait(lambda: len(buttons_in_box(run)) == count and buttons_in_box(run),
                         "%d buttons in a box" % count)


def click_box(run, place, count_after):
    """Clicks a place that opens a box with `count_after` buttons, or closes it (0)."""
    run.click_until(place, lambda: len(buttons_in_box(run)) == count_after, "a box with %d" % count_after)
