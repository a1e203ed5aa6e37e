"""Start-up, quit and failed start-up of the real executable under Xvfb."""

import os
import re
import time
import unittest

from harness import GameRun, counts
import transcript

RULE = "-" * 39


def split_banners(test, lines):
    """Checks the opening and closing banners and returns the lines between them."""
    test.assertEqual(lines[0], "------- Compiled Mode: Release --------")
    test.assertEqual(lines[1], "")
    test.assertEqual(lines[2], RULE)
    test.assertRegex(lines[3], r"^ Log opened:  [ \d]\d:\d\d:\d\d[ap]\.m\.  [ \d]\d/\d\d/\d{4}$")
    test.assertEqual(lines[4], RULE)
    test.assertEqual(lines[-1], "")  # the file ends with a line feed
    test.assertEqual(lines[-4], RULE)
    test.assertRegex(lines[-3], r"^ Log closed: ")
    test.assertEqual(lines[-2], RULE)
    return lines[5:-4]


def assert_transcript(test, body, expected):
    for i, ((level, pattern), line) in enumerate(zip(expected, body)):
        tabs = len(line) - len(line.lstrip("\t"))
        text = line[tabs:]
        test.assertTrue(tabs == level and re.fullmatch(pattern, text),
                        "log line %d is %r, expected %d tabs and %r" % (i, line, level, pattern))
    test.assertEqual(len(body), len(expected), "log has %d lines, expected %d" % (len(body), len(expected)))


class StartupTest(unittest.TestCase):
    def test_normal_run_logs_the_full_transcript_in_the_starting_directory(self):
        with GameRun(self) as game:
            window = game.wait_game_window()
            _, _, width, height = game.geometry(window)
            self.assertEqual((width, height), (800, 600))
            time.sleep(0.5)
            game.ctrl_x()
            self.assertEqual(game.wait_exit(), 0)
            self.assertFalse(os.path.exists(os.path.join(game.install, "reversi.log")))
            body = split_banners(self, game.log_lines())
            assert_transcript(self, body, transcript.normal_run())

    def test_missing_data_file_shows_the_error_box_and_exits_with_255(self):
        with GameRun(self, remove=["data/bitmaps/mouse.png"]) as game:
            game.click_native_button("Warning")
            self.assertEqual(game.wait_exit(), 255)
            lines = game.log_lines()
            self.assertIn('\tBitmap "data/bitmaps/mouse.png" could not be loaded', lines)
            self.assertIn("\tDisplay destroyed", lines)
            self.assertIn("\tTimer unloaded", lines)
            created, freed = counts(lines)
            self.assertEqual(created, freed)
            self.assertNotIn("\tMouse cursor created", lines)

    def test_missing_loading_picture_only_skips_the_splash(self):
        with GameRun(self, remove=["data/bitmaps/loading.png"]) as game:
            game.wait_game_window()
            time.sleep(0.3)
            game.ctrl_x()
            self.assertEqual(game.wait_exit(), 0)
            lines = game.log_lines()
            self.assertIn('\tBitmap "data/bitmaps/loading.png" could not be loaded', lines)
            self.assertIn("\tGame Setup complete", lines)


if __name__ == "__main__":
    unittest.main()
