"""The frame stretched over a resized window and a click mapped back through it, in a run
without the optional loading picture."""

import os
import unittest

from harness import START, Game, artwork, counts, near, square


class WindowTest(unittest.TestCase):
    def test_a_resized_window_shows_the_whole_frame_and_maps_clicks(self):
        with Game() as game:
            os.remove(os.path.join(game.install, "data/bitmaps/loading.png"))
            game.start()
            game.wait_ready()
            self.assertIn('\tBitmap "data/bitmaps/loading.png" could not be loaded', game.log())

            # Different factors across and down, so that swapped or missing ones show.
            game.resize(1200, 750)
            game.wait_until(lambda: game.shot().width == 1200 and game.board() == START,
                            "the board is drawn over the resized window")
            corner = game.shot().pixel(1199, 749)
            self.assertTrue(near(corner, artwork("wood.png", 799, 599)), "the frame reaches the corner: %s" % (corner,))

            game.click(*square("c5"))  # at window (306, 415)
            game.wait_board(lambda board: board[4] == "..RRR...", "the click plays c5")
            game.ctrl_x()
            self.assertEqual(game.wait_exit(), 0)
            created, freed = counts(game.log())
            self.assertEqual(created, freed)


if __name__ == "__main__":
    unittest.main()
