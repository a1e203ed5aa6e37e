"""The frame stretched over a resized window and a click mapped back through it, in a run
without the optional loading picture."""

import os
import unittest

from harness import START, Game, Shot, artwork, counts, near


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

            self.assertEqual(game.play_c5_and_quit(), 0)  # the click at window (306, 415)
            self.assertEqual(*counts(game.log()), "objects created and freed")


if __name__ == "__main__":
    unittest.main()
