#!/usr/bin/python3
"""usage: tools/frames/pixels.py OLD NEW

Takes two builds through every screen state the mouse can reach with the end-to-end tests'
harness and compares them byte for byte. A state is a burst of frames over the turn arrow's
swing; it matches when one burst holds only frames of the other (a loaded machine may miss
one). Exits 1 when a state differs, leaving a picture from each build in the folder it names."""

import hashlib
import os
import subprocess
import sys
import tempfile
import time

from cost import FULL_GAME  # which puts the end-to-end tests' harness on the path
from harness import START, Game, Server, Shot, square


def press(game, place, name, shows):
    """Hovers a button or square and holds the mouse button down on it, yielding both states;
    the release clicks it, and once shows() holds, the mouse is parked."""
    game.xdotool("mousemove", "--window", game.window.id, *place)
    yield name + " hovered"
    game.xdotool("mousedown", 1)
    yield name + " pressed"
    game.xdotool("mouseup", 1)
    game.wait_until(shows, "the click on " + name + " shows")
    game.park()


def click_box(game, place, count_after):
    """Clicks a place that opens a box with `count_after` buttons, or closes it (0); parks."""
    game.click(*place)
    game.park()
    return game.buttons(count_after, "box")


def loading_picture(game):
    """Without its font start-up fails, leaving the loading picture behind the error box."""
    os.remove(os.path.join(game.install, "data/fonts/arlrdbd.ttf"))
    game.start()
    game.window = game.wait_until(lambda: game.find_window("Warning") and game.find_window("Tilecrest"), "the box")
    yield "loading picture"


def tour(game):
    """Takes a game through every state a player can reach, yielding each state's name once it
    is on screen."""
    box = lambda count: lambda: game.buttons(count, "box") is not None  # waits for a box, or none (0)
    game.start()
    game.wait_ready()
    game.park()
    yield "start"
    yield from press(game, square("c5"), "a legal square", lambda: game.board()[4][2] == "R")
    yield "a move played, Undo Move enabled"
    new, undo, quit = game.buttons(3, "column")
    yield from press(game, undo, "Undo Move", lambda: game.board() == START)
    yield from press(game, new, "New Game", box(2))
    yield "new game box"
    yield from press(game, game.buttons(2, "box")[0], "new game box Yes", box(3))
    yield "opponent box"
    yield from press(game, game.buttons(3, "box")[1], "opponent box Computer", box(0))
    yield "a game against the computer"
    # The banner shows only while the computer searches, for a frame that a loaded machine
    # skips (the ticks queued meanwhile run back to back): not captured.
    game.play(["c5"])
    yield "the computer's reply"
    buttons = click_box(game, quit, 2)
    yield "quit box"
    yield from press(game, buttons[1], "quit box No", box(0))
    for width, height in ((1000, 700), (400, 600), (800, 600)):
        game.xdotool("windowsize", game.window.id, width, height)
        game.wait_until(lambda: game.window.get_geometry().width == width, "the resize")
        yield "window %dx%d" % (width, height)
    buttons = click_box(game, new, 2)
    click_box(game, click_box(game, buttons[0], 3)[0], 0)  # Yes, Human
    game.play(FULL_GAME[:59])
    yield "a nearly full board"
    game.play(FULL_GAME[59:])
    buttons = game.buttons(2, "box")
    yield "winner box over a full board"
    click_box(game, buttons[0], 3)
    yield "opponent box after a finished game"


def burst(game, seconds=3, want=()):
    """Distinct frames over more than one swing of the arrow, by hash; as a loaded machine can
    miss a frame, it goes on for up to 10 s while frames of `want` are missing."""
    frames, start = {}, time.monotonic()
    while time.monotonic() < start + seconds or (not frames.keys() >= set(want) and
                                                 time.monotonic() < start + 10):
        data = Shot(game.window).data
        frames.setdefault(hashlib.sha1(data).hexdigest(), data)
    return frames


def pixels(server, old, new, keep):
    shots = {}
    for build in (old, new):
        states = shots[build] = {}
        for run in (loading_picture, tour):
            with Game(server=server, build=build) as game:
                for state in run(game):
                    time.sleep(1)
                    want = shots[old].get(state, ({}, None))[0]
                    states[state] = burst(game, want=want), game.window.get_geometry()
    failed = 0
    for number, (state, (a, g)) in enumerate(shots[old].items()):
        b = shots[new].get(state, ({}, None))[0]
        common = len(a.keys() & b.keys())
        ok = common > 0 and common == min(len(a), len(b))
        failed += not ok
        for name, frames in (("old", a), ("new", b)):
            if frames and not ok:  # one picture of each build, for a person to compare
                subprocess.run(["convert", "-size", "%dx%d" % (g.width, g.height), "-depth", "8", "bgra:-",
                                "-alpha", "off", os.path.join(keep, "%02d-%s.png" % (number, name))],
                               input=next(iter(frames.values())), check=True)
        print("%-40s frames old %2d new %2d identical %2d%s" % (state, len(a), len(b), common, "" if ok else "  <- differs"))
    return failed


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    keep = tempfile.mkdtemp(prefix="tilecrest-pixels-")
    with Server() as server:
        failed = pixels(server, *map(os.path.abspath, sys.argv[1:]), keep)
    print("pictures in", keep)
    sys.exit(1 if failed else 0)
