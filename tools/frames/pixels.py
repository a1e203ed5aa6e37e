#!/usr/bin/python3
"""usage: tools/frames/pixels.py OLD NEW [--keep FOLDER]

Takes two builds through every screen state the mouse can reach and compares them exactly
(compare -metric AE). The turn arrow swings, so a state is captured as a burst of frames
covering its whole swing; it matches when every frame of one burst is in the other (on a
loaded machine a burst may miss one). Exits 1 when a state differs."""

import argparse
import os
import subprocess
import sys
import tempfile
import time

from drive import BUTTONS, FULL_GAME, PARK, SQUARE, Run, Tool, box_buttons, click_box


def press(run, place, name):
    """Hovers and then presses a button or square, yielding both states, and releases the
    press over nothing, which clicks nothing."""
    run.move(*place)
    yield name + " hovered"
    run.xdo("mousedown", 1)
    yield name + " pressed"
    run.move(*PARK)
    run.xdo("mouseup", 1)


def tour(run):
    """Takes a started game through every state a player can reach, yielding each state's name
    once it is on screen."""
    run.move(*PARK)
    yield "start"
    yield from press(run, BUTTONS["new"], "New Game")
    yield from press(run, SQUARE(2, 4), "a legal square")
    run.play([(2, 4)])
    run.move(*PARK)
    yield "a move played, Undo Move enabled"
    yield from press(run, BUTTONS["undo"], "Undo Move")
    click_box(run, BUTTONS["new"], 2)
    yield "new game box"
    yield from press(run, box_buttons(run, 2)[0], "new game box Yes")
    click_box(run, box_buttons(run, 2)[0], 3)
    yield "opponent box"
    yield from press(run, box_buttons(run, 3)[1], "opponent box Computer")
    click_box(run, box_buttons(run, 3)[1], 0)
    yield "a game against the computer"
    # The banner shows only while the computer searches, for a frame that a loaded machine
    # skips (the ticks queued meanwhile run back to back): not captured.
    run.play([(2, 4)])
    yield "the computer's reply"
    click_box(run, BUTTONS["quit"], 2)
    yield "quit box"
    yield from press(run, box_buttons(run, 2)[1], "quit box No")
    click_box(run, box_buttons(run, 2)[1], 0)
    for width, height in ((1000, 700), (400, 600), (800, 600)):
        run.xdo("windowsize", run.window.id, width, height)
        run.tool.wait(lambda: run.window.get_geometry().width == width, "the resize")
        time.sleep(0.5)
        yield "window %dx%d" % (width, height)
    click_box(run, BUTTONS["new"], 2)
    click_box(run, box_buttons(run, 2)[0], 3)
    click_box(run, box_buttons(run, 3)[0], 0)
    run.play(FULL_GAME[:59])
    run.move(*PARK)
    yield "a nearly full board"
    run.play(FULL_GAME[59:])
    run.move(*PARK)
    box_buttons(run, 2)
    yield "winner box over a full board"
    click_box(run, box_buttons(run, 2)[0], 3)
    yield "opponent box after a finished game"


def save(frame, width, height, path):
    subprocess.run(["convert", "-size", "%dx%d" % (width, height), "-depth", "8", "bgra:-", "-alpha", "off",
                    path], input=frame, check=True)


def ae(a, b):
    result = subprocess.run(["compare", "-metric", "AE", a, b, "null:"], capture_output=True, text=True)
    return int(float(result.stderr.split()[0]))


def pixels(tool, old, new, keep):
    shots = {}
    for build in (old, new):
        states = shots[build] = {}
        run = Run(tool, build, drop="fonts/arlrdbd.ttf")  # start-up fails after the loading picture
        tool.wait(lambda: tool.find("Warning"), "the error box")
        states["loading picture"] = (run.burst(want=shots[old].get("loading picture", ({},))[0]),
                                     run.window.get_geometry())
        run.close()
        tool.wait(lambda: not tool.find("Warning"), "the error box to close")
        run = Run(tool, build).ready()
        for state in tour(run):
            time.sleep(1)
            states[state] = (run.burst(want=shots[old].get(state, ({},))[0]), run.window.get_geometry())
        run.close()
    failed = 0
    for number, state in enumerate(shots[old]):
        (a, g), (b, _) = shots[old][state], shots[new].get(state, ({}, None))
        common = len(a.keys() & b.keys())
        stem = os.path.join(keep, "%02d" % number)
        first = next(iter(a))
        save(a[first], g.width, g.height, stem + "-old.png")
        best = None
        for name, frame in b.items() if first not in b else [(first, b[first])]:
            save(frame, g.width, g.height, stem + "-new.png")
            best = min(best if best is not None else 1 << 40, ae(stem + "-old.png", stem + "-new.png"))
        # A burst may still miss a swing's frame: then the one holds only frames of the other.
        ok = common > 0 and common == min(len(a), len(b))
        failed += not ok
        print("%-40s frames old %2d new %2d identical %2d  AE %s%s" % (
            state, len(a), len(b), common, best, "" if ok else "  <- differs"))
    return failed


if __name__ == "__main__":
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("old")
    parser.add_argument("new")
    parser.add_argument("--keep", help="where the compared pictures are written")
    args = parser.parse_args()
    keep = args.keep or tempfile.mkdtemp(prefix="tilecrest-pixels-")
    os.makedirs(keep, exist_ok=True)
    with Tool() as tool:
        failed = pixels(tool, args.old, args.new, keep)
    print("pictures in", keep)
    sys.exit(1 if failed else 0)
