"""One run of the real game as a person uses it: two people play, a new game against the
computer and its reply, Undo Move, the close button answered No and then Yes, and the log
of the whole run, which play leaves as it is."""

import os
import re
import unittest

from harness import START, Game, counts, disks, manifest, square

RULE = "-" * 39
STAMP = r" [ \d]\d:\d\d:\d\d[ap]\.m\.  [ \d]\d/\d\d/\d{4}"


def loaded(path, tabs="\t"):
    return tabs + 'Bitmap "%s" loaded' % path


def normal_log():
    """The lines between the banners of a normal run, tabs included; # stands for a number."""
    lines = ["App started", "\tAllegro Library initialized", "\t\tMouse initialized", "\t\tKeyboard initialized",
             "\tImage addon initialized", "\tFont addon initialized", "\t\tTTF addon initialized",
             "\tPrimitives addon initialized", "\t", "\t", "\tTimer initialized", "\tDisplay 800x600 initialized",
             loaded("data/bitmaps/loading.png"), "\tBitmap destroyed", "\tBitmap 800x600 created", "\tBitmap 800x600 created"]
    bitmaps, frames = manifest()
    lines += [loaded(path) for path in bitmaps]
    for path in frames:
        lines += ['\tNine patch created from file: "%s"' % path, loaded(path, "\t\t")]
        lines += ["\t\tBitmap #x# created"] * 9 + ["\t\tBitmap destroyed", "\t\t-------- success"]
    lines += ["\tMouse cursor created", "\tEvent queue created", "\tGame Object created", "\tGame Setup complete",
              "\t", "\t", "\t", "\t", "\tGame Object destroyed", "\tObjects destroyed"]
    lines += (["\tBitmap destroyed"] * 9 + ["\tNine patch destroyed (9 bitmaps)"]) * len(frames)
    lines += ["\tResources destroyed", "\tEvent queue destroyed", "\tMouse cursor destroyed", "\tDisplay destroyed",
              "\tTimer unloaded", "\t", "\t", "App finished", "", "Objects created: #", "Objects freed: #"]
    return lines


class PlayTest(unittest.TestCase):
    def test_a_session_at_the_window(self):
        with Game() as game:
            game.start()
            game.wait_ready()

            # Two people: a click plays Red, the next one Blue, each with its flips.
            game.click(*square("c5"))
            red_c5 = START[:4] + ["..RRR..."] + START[5:]
            game.wait_board(red_c5, "Red's click plays c5 and flips d5")
            game.click(*square("c4"))
            blue_c4 = START[:3] + ["..BBB...", "..RRR..."] + START[5:]
            game.wait_board(blue_c4, "Blue's click plays c4 and flips d4")

            new_game, _, _ = game.game_buttons(3)
            game.click(*new_game)
            game.click(*game.box_buttons(2)[0])  # Yes
            game.click(*game.box_buttons(3)[1])  # Human, Computer, Cancel
            game.wait_board(START, "a new game starts")

            # Against the computer: Red's move, then Blue's reply without a click.
            game.click(*square("c5"))
            after = game.wait_board(lambda board: disks(board) == 6, "the computer replies")
            changes = [(red_c5[r][c], after[r][c]) for r in range(8) for c in range(8) if red_c5[r][c] != after[r][c]]
            self.assertEqual(changes.count((".", "B")), 1, "the reply places one blue disk")
            self.assertGreater(changes.count(("R", "B")), 0, "the reply flips")
            self.assertEqual(len(changes), changes.count((".", "B")) + changes.count(("R", "B")), after)

            # Undo Move takes back the reply and the move, then is disabled.
            game.click(*game.game_buttons(3)[1])
            game.wait_board(START, "Undo Move takes back both moves")
            game.game_buttons(2)

            # The close button only asks; No keeps the game, Yes ends it.
            game.request_close()
            game.click(*game.box_buttons(2)[1])  # No
            game.box_buttons(0)
            self.assertTrue(game.running())
            self.assertEqual(game.board(), START)
            game.request_close()
            game.click(*game.box_buttons(2)[0])  # Yes
            self.assertEqual(game.wait_exit(), 0)

            self.assertFalse(os.path.exists(os.path.join(game.install, "reversi.log")), "it is written where started")
            log = game.log()
            self.assertEqual(log[:5], ["------- Compiled Mode: Release --------", "", RULE, log[3], RULE])
            self.assertRegex(log[3], "^ Log opened: %s$" % STAMP)
            self.assertEqual(log[-4:], [RULE, log[-3], RULE, ""])
            self.assertRegex(log[-3], "^ Log closed: %s$" % STAMP)
            body, expected = log[5:-4], normal_log()
            for i, (line, pattern) in enumerate(zip(body, expected)):
                self.assertRegex(line, "^%s$" % re.escape(pattern).replace("\\#", r"\d+"), "log line %d" % (i + 6))
            self.assertEqual(len(body), len(expected))
            created, freed = counts(log)
            self.assertEqual(created, freed)


if __name__ == "__main__":
    unittest.main()
