"""Installs with a broken data file end start-up cleanly: the error box, exit status 255,
the failing step in the log and everything created freed again (no leak box). A log that
cannot be written stops nothing."""

import os
import pathlib
import unittest

from harness import Game, counts


class BrokenInstallTest(unittest.TestCase):
    def fails_cleanly(self, name, change, *logged):
        """Starts with the data file `name` removed (no `change`) or its bytes replaced by
        change(bytes); the log must hold the lines `logged`."""
        with Game() as game:
            path = pathlib.Path(game.install, name)
            if change is None:
                path.unlink()
            else:
                path.write_bytes(change(path.read_bytes()))
            game.start()
            game.click_native_box("Warning")
            self.assertEqual(game.wait_exit(), 255)  # a leak box would keep it waiting
            lines = game.log()
            self.assertEqual(*counts(lines), "objects created and freed")
            self.assertIn("\tDisplay destroyed", lines)
            self.assertNotIn("\tMouse cursor created", lines)
            for line in logged:
                self.assertIn(line, lines)
            return lines

    def test_a_missing_frame(self):
        self.fails_cleanly("data/bitmaps/button_hover.png", None, "\t\t-------- failed!",
                           '\t\tBitmap "data/bitmaps/button_hover.png" could not be loaded')

    def test_the_missing_font(self):
        lines = self.fails_cleanly("data/fonts/arlrdbd.ttf", None, '\tBitmap "data/bitmaps/arrow.png" loaded')
        self.assertFalse([line for line in lines if "arlrdbd" in line or "Nine patch" in line],
                         "nothing is logged for the font, and the frames after it are not loaded")

    def test_a_truncated_picture(self):
        self.fails_cleanly("data/bitmaps/wood.png", lambda data: data[: len(data) // 2],
                           '\tBitmap "data/bitmaps/wood.png" could not be loaded')

    def test_a_file_that_is_not_a_png(self):
        self.fails_cleanly("data/bitmaps/digits.png", lambda data: b"not a picture\n" * 40,
                           '\tBitmap "data/bitmaps/digits.png" could not be loaded')

    def test_a_log_that_cannot_be_written_stops_nothing(self):
        with Game() as game:
            os.mkdir(os.path.join(game.start_dir, "reversi.log"))
            game.start()
            game.wait_ready()
            self.assertEqual(game.play_c5_and_quit(), 0)


if __name__ == "__main__":
    unittest.main()
