#!/usr/bin/python3
"""usage: tools/frames/cost.py OLD NEW [--rounds N] [--seconds S] [--idle]

The processor time (user and system, all threads) of two builds over S seconds of wall time:
the idle start position, a nearly full board and the open quit box, each build started
afresh for each run, the two alternating, the mouse resting at the same place. Prints the
median of N runs of each, the median of the rounds' ratios, and every run."""

import argparse
import os
import statistics
import sys
import time

from drive import BUTTONS, FULL_GAME, PARK, Run, Tool, click_box


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def arrange(run, state):
    if state == "a nearly full board":
        run.play(FULL_GAME[:59])
    elif state == "quit box":
        click_box(run, BUTTONS["quit"], 2)
    run.move(*PARK)
    time.sleep(2)


STATES = ("idle start position", "a nearly full board", "quit box")


def cost(tool, old, new, rounds, seconds, states=STATES):
    for state in states:
        used = {old: [], new: []}
        for round in range(rounds):
            for build in (old, new) if round % 2 == 0 else (new, old):
                run = Run(tool, build).ready()
                arrange(run, state)
                before = cpu_seconds(run.process.pid)
                time.sleep(seconds)
                used[build].append(100 * (cpu_seconds(run.process.pid) - before) / seconds)
                run.close()
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
    with Tool() as tool:
        cost(tool, args.old, args.new, args.rounds, args.seconds, STATES[:1] if args.idle else STATES)
