"""One run of the real game as a person uses it: a click in a resized window, two people play,
a new game against the computer and its reply, Undo Move, the close button answered No and
then Yes, and the log of the whole run, which play leaves as it is."""

import os
import re
import unittest

from harness import START, Game, Shot, artwork, counts, near, square

RULE = "-" * 39
STAMP = r" [ \d]\d:\d\d:\d\d[ap]\.m\.  [ \d]\d/\d\d/\d{4}"  # stands for @ in expected_log()


def expected_log():
    """The lines of a normal run's log, tabs included; # stands for a number and @ for a local
    time. The pictures and frames load in the asset manifest's order."""
    bitmaps = "icon mouse wood grid_alpha grid_numeric cell red_disk blue_disk select highlight digits score arrow"
    frames = "message button button_push button_hover button_disabled".split()
    lines = ["------- Compiled Mode: Release --------", "", RULE, " Log opened: @", RULE, "App started",
             "\tAllegro Library initialized", "\t\tMouse initialized", "\t\tKeyboard initialized",
             "\tImage addon initialized", "\tFont addon initialized", "\t\tTTF addon initialized",
             "\tPrimitives addon initialized", "\t", "\t", "\tTimer initialized",
             "\tDisplay 800x600 initialized", '\tBitmap "data/bitmaps/loading.png" loaded',
             "\tBitmap destroyed", "\tBitmap 800x600 created", "\tBitmap 800x600 created"]
    lines += ['\tBitmap "data/bitmaps/%s.png" loaded' % name for name in bitmaps.split()]
    for name in frames:
        path = "data/bitmaps/%s.png" % name
        lines += ['\tNine patch created from file: "%s"' % path, '\t\tBitmap "%s" loaded' % path]
        lines += ["\t\tBitmap #x# created"] * 9 + ["\t\tBitmap destroyed", "\t\t-------- success"]
    lines += ["\tMouse cursor created", "\tEvent queue created", "\tGame Object created",
              "\tGame Setup complete", "\t", "\t", "\t", "\t", "\tGame Object destroyed",
              "\tObjects destroyed"]
    lines += (["\tBitmap destroyed"] * 9 + ["\tNine patch destroyed (9 bitmaps)"]) * len(frames)
    lines += ["\tResources destroyed", "\tEvent queue destroyed", "\tMouse cursor destroyed",
              "\tDisplay destroyed", "\tTimer unloaded", "\t", "\t", "App finished", "",
              "Objects created: #", "Objects freed: #", RULE, " Log closed: @", RULE, ""]
    return lines


class PlayTest(unittest.TestCase):
    def test_a_session_at_the_window(self):
        with Game() as game:
            game.start()
            game.wait_ready()

            # The frame stretched over a resized window, by different factors across and down so
            # that swapped or missing ones show; a click is mapped back through them.
            game.resize(1200, 750)
            game.wait_until(lambda: Shot(game.window).width == 1200 and game.board() == START,
                            "the board is drawn over the resized window")
            corner, frame = Shot(game.window).pixel(1199, 749), artwork("wood.png", "southeast")
            self.assertTrue(near(corner, frame), "the frame reaches the corner: %s" % (corner,))
            game.click(*square("c5"))
            red_c5 = START[:4] + ["..RRR..."] + START[5:]
            game.wait_board(red_c5, "Red's click at window (306, 415) plays c5 and flips d5")
            game.resize(800, 600)
            game.wait_until(lambda: Shot(game.window).width == 800, "the window is 800 by 600 again")

            # Two people: the next click plays Blue, with its flips.
            game.click(*square("c4"))
            blue_c4 = START[:3] + ["..BBB...", "..RRR..."] + START[5:]
            game.wait_board(blue_c4, "Blue's click plays c4 and flips d4")

            game.click(*game.buttons(3, "column")[0])  # New Game, Undo Move, Quit Game
            game.click(*game.buttons(2, "box")[0])  # Yes
            game.click(*game.buttons(3, "box")[1])  # Human, Computer, Cancel
            game.wait_board(START, "a new game starts")

            # Against the computer: Red's move, then Blue's reply without a click.
            game.click(*square("c5"))
            six_disks = lambda board: sum(8 - row.count(".") for row in board) == 6
            after = game.wait_board(six_disks, "the computer replies")
            changes = [(was, now) for was, now in zip("".join(red_c5), "".join(after)) if was != now]
            self.assertEqual(set(changes), {(".", "B"), ("R", "B")}, "the reply places and flips: %s" % after)
            self.assertEqual(changes.count((".", "B")), 1, "the reply places one disk: %s" % after)

            # Undo Move takes back the reply and the move, then is disabled.
            game.click(*game.buttons(3, "column")[1])
            game.wait_board(START, "Undo Move takes back both moves")
            game.buttons(2, "column")

            # The close button only asks; No keeps the game, Yes ends it.
            game.request_close()
            game.click(*game.buttons(2, "box")[1])  # No
            game.buttons(0, "box")
            self.assertTrue(game.running())
            self.assertEqual(game.board(), START)
            game.request_close()
            game.click(*game.buttons(2, "box")[0])  # Yes
            self.assertEqual(game.wait_exit(), 0)

            log, expected = game.log(), expected_log()
            for i, (line, pattern) in enumerate(zip(log, expected)):
                pattern = re.escape(pattern).replace("\\#", r"\d+").replace("@", STAMP)
                self.assertRegex(line, "^%s$" % pattern, "log line %d" % (i + 1))
            self.assertEqual(len(log), len(expected))
            self.assertEqual(*counts(log), "objects created and freed")


if __name__ == "__main__":
    unittest.main()
