#!/usr/bin/python3
"""usage: tools/frames/cost.py OLD NEW [--rounds N] [--seconds S] [--idle]

The processor time (user and system, all threads) of two builds over S seconds of wall time:
the idle start position, a nearly full board and the open quit box, each build started
afresh for each run, the two alternating, the mouse resting at the same place. Prints the
median of N runs of each, the median of the rounds' ratios, and every run. The builds run
in one private Xvfb, driven by the end-to-end tests' harness."""

import argparse
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "e2e"))
from harness import Game, Server  # noqa: E402

# A two-person game that fills the board, the side to move never left without a move (the
# game has no passing).
FULL_GAME = ("e3 d3 c2 d2 c1 b1 a1 d1 e1 f2 e2 f1 g1 g2 b3 b2 a3 a2 c3 f3 h2 h1 g3 h3 f4 a4 a5 f5 c6 c5 "
             "c4 b5 g5 d6 g4 b4 b6 h4 h5 a6 e6 f6 g6 h6 a7 b7 c7 d7 e7 f7 g7 a8 b8 c8 d8 e8 h7 f8 g8 h8").split()


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def arrange(game, state):
    if state == "a nearly full board":
        game.play(FULL_GAME[:59])
    elif state == "quit box":
        game.click(*game.buttons(2, "column")[1])  # New Game, Quit Game
        game.buttons(2, "box")
    game.park()
    time.sleep(2)


STATES = ("idle start position", "a nearly full board", "quit box")


def cost(server, old, new, rounds, seconds, states=STATES):
    for state in states:
        used = {old: [], new: []}
        for round in range(rounds):
            for build in (old, new) if round % 2 == 0 else (new, old):
                with Game(server=server, build=build) as game:
                    game.start()
                    game.wait_ready()
                    arrange(game, state)
                    before = cpu_seconds(game.process.pid)
                    time.sleep(seconds)
                    used[build].append(100 * (cpu_seconds(game.process.pid) - before) / seconds)
        a, b = statistics.median(used[old]), statistics.median(used[new])
        # The two runs of a round are next to each other in time, under the same load.
        paired = statistics.median(n / o for o, n in zip(used[old], used[new]))
        print("%-22s old %5.1f %%  new %5.1f %%  new/old %.2f, paired by round %.2f   (old runs %s; new runs %s)" % (
            state, a, b, b / a, paired, " ".join("%.1f" % v for v in used[old]),
            " ".join("%.1f" % v for v in used[new])))
        sys.stdout.flush()


if __name__ == "__main__":
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("old")
    parser.add_argument("new")
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--seconds", type=float, default=10)
    parser.add_argument("--idle", action="store_true", help="the idle start position only")
    args = parser.parse_args()
    with Server() as server:
        cost(server, os.path.abspath(args.old), os.path.abspath(args.new), args.rounds, args.seconds,
             STATES[:1] if args.idle else STATES)
