"""The frame stretched over a resized window and a click mapped back through it, in a run
without the optional loading picture; the click and Ctrl+X are sent with no hold."""

import os
import unittest

from harness import START, Game, Shot, artwork, counts, near, square


class WindowTest(unittest.TestCase):
    def test_a_resized_window_shows_the_whole_frame_and_maps_clicks(self):
        with Game() as game:
            os.remove(os.path.join(game.install, "data/bitmaps/loading.png"))
            game.start()
            game.wait_ready()
            self.assertIn('\tBitmap "data/bitmaps/loading.png" could not be loaded', game.log())

            # Different factors across and down, so that swapped or missing ones show.
            game.resize(1200, 750)
            game.wait_until(lambda: Shot(game.window).width == 1200 and game.board() == START,
                            "the board is drawn over the resized window")
            corner, frame = Shot(game.window).pixel(1199, 749), artwork("wood.png", "southeast")
            self.assertTrue(near(corner, frame), "the frame reaches the corner: %s" % (corner,))

            # A click and Ctrl+X with no hold: each press and its release reach the game at once.
            x, y = square("c5")
            game.xdotool("mousemove", "--window", game.window.id, x * 3 // 2, y * 5 // 4, "click", 1)
            game.wait_board(lambda board: board[4] == "..RRR...", "the click at window (306, 415) plays c5")
            game.xdotool("key", "ctrl+x")
            self.assertEqual(game.wait_exit(), 0)
            self.assertEqual(*counts(game.log()), "objects created and freed")


if __name__ == "__main__":
    unittest.main()
