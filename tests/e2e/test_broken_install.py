"""Broken installs against the real executable: start-up must fail cleanly (error box,
exit status 255, every object freed, no leak warning) or, where the file is optional,
the game must run as usual. Never a crash or a hang.

Run with a group name (missing-bitmaps, missing-frames, damaged, environment) to run
one group; without one, all of them run.
"""

import os
import sys
import time
import unittest

from harness import GameRun, counts
import transcript

BITMAPS = ["data/bitmaps/%s.png" % name for name in transcript.BITMAP_FILES]
FRAMES = ["data/bitmaps/%s.png" % name for name in transcript.NINE_PATCHES]
FONT = "data/fonts/arlrdbd.ttf"


def png_bytes(path):
    with open(path, "rb") as f:
        return f.read()


class BrokenInstall(unittest.TestCase):
    def assert_fails_cleanly(self, remove=(), replace=None, failing_line=None):
        with GameRun(self, remove=remove, replace=replace) as game:
            game.click_native_button("Warning")
            self.assertEqual(game.wait_exit(), 255)
            lines = game.log_lines()
            created, freed = counts(lines)
            self.assertEqual(created, freed, "every object created is freed")
            self.assertIn("\tDisplay destroyed", lines)
            self.assertIn("App finished", lines)
            self.assertNotIn("\tMouse cursor created", lines)
            if failing_line:
                self.assertIn(failing_line, lines)
            # With equal counts no leak box is shown: the process ended without another click.
            return lines

    def run_normally(self, game, logged=True):
        game.wait_game_window(logged)
        game.ctrl_x()
        self.assertEqual(game.wait_exit(), 0)


def missing_case(path):
    def test(self):
        expected = None
        if path in BITMAPS:
            expected = '\tBitmap "%s" could not be loaded' % path
        elif path in FRAMES:
            expected = "\t\t-------- failed!"
        lines = self.assert_fails_cleanly(remove=[path], failing_line=expected)
        if path == FONT:
            self.assertFalse(any("arlrdbd" in line for line in lines), "nothing is logged for fonts")
            self.assertFalse(any("Nine patch" in line for line in lines), "frames load after the font")
    return test


class MissingBitmaps(BrokenInstall):
    pass


class MissingFrames(BrokenInstall):
    pass


for _path in BITMAPS:
    setattr(MissingBitmaps, "test_without_" + os.path.basename(_path).replace(".", "_"), missing_case(_path))
for _path in FRAMES + [FONT]:
    setattr(MissingFrames, "test_without_" + os.path.basename(_path).replace(".", "_"), missing_case(_path))


class Damaged(BrokenInstall):
    def source(self, name):
        from harness import BUILD_DIR
        return png_bytes(os.path.join(BUILD_DIR, name))

    def test_truncated_png(self):
        data = self.source("data/bitmaps/wood.png")
        self.assert_fails_cleanly(replace={"data/bitmaps/wood.png": data[: len(data) // 2]},
                                  failing_line='\tBitmap "data/bitmaps/wood.png" could not be loaded')

    def test_a_file_that_is_not_a_png(self):
        self.assert_fails_cleanly(replace={"data/bitmaps/digits.png": b"this is not a picture\n" * 40},
                                  failing_line='\tBitmap "data/bitmaps/digits.png" could not be loaded')

    def test_a_frame_without_markers(self):
        # A perfectly good picture, but its border marks no stretchable band.
        lines = self.assert_fails_cleanly(
            replace={"data/bitmaps/button_hover.png": self.source("data/bitmaps/cell.png")},
            failing_line="\t\tNine patch destroyed (0 bitmaps)")
        self.assertIn("\t\t-------- failed!", lines)

    def test_an_empty_font(self):
        self.assert_fails_cleanly(replace={FONT: b""})

    def test_a_corrupt_font(self):
        self.assert_fails_cleanly(replace={FONT: bytes(range(256)) * 64})


class Environment(BrokenInstall):
    def test_a_log_that_cannot_be_written_does_not_stop_the_game(self):
        with GameRun(self, deferred=True) as game:
            os.makedirs(os.path.join(game.start_dir, "reversi.log"))  # a folder: not writable as a file
            game.start()
            self.run_normally(game, logged=False)

    def test_without_the_loading_picture_the_game_starts(self):
        with GameRun(self, remove=["data/bitmaps/loading.png"]) as game:
            self.run_normally(game)
            self.assertIn('\tBitmap "data/bitmaps/loading.png" could not be loaded', game.log_lines())


GROUPS = {"missing-bitmaps": MissingBitmaps, "missing-frames": MissingFrames, "damaged": Damaged,
          "environment": Environment}

if __name__ == "__main__":
    if len(sys.argv) > 1 and sys.argv[1] in GROUPS:
        suite = unittest.defaultTestLoader.loadTestsFromTestCase(GROUPS[sys.argv.pop(1)])
        sys.exit(not unittest.TextTestRunner(verbosity=2).run(suite).wasSuccessful())
    del BrokenInstall
    unittest.main()
