"""Every failed step ends start-up cleanly: its line in the log at its level, the error box,
one line on standard error naming the step and the log, exit status 255 and everything
created freed again (no leak box). A step fails for a broken data file or, through the
failure seam (FailureSeam.cpp, preloaded into the game), for one Allegro call. A log that
cannot be written stops nothing."""

import os
import pathlib
import re
import subprocess
import unittest

from harness import BUILD_DIR, Game, counts

SEAM = os.path.join(BUILD_DIR, "tests", "e2e", "libtilecrest_failure_seam.so")
PROBLEM, LEAK = "Warning\tProblem Initializing Game!", "Warning\tMemory Leak!"


def fail(call, **more):
    return dict(TILECREST_FAIL=call, **more)


def picture(size):
    command = ["convert", "-size", size, "xc:red", "png:-"]
    return lambda data: subprocess.run(command, check=True, capture_output=True).stdout


# What breaks (an Allegro call, or a data file replaced by change(bytes) or removed), the line
# the failure leaves in the log, and what standard error names when that line does not.
CASES = [
    (fail("al_install_system"), None, "\tAllegro Library failed to initialize!"),
    (fail("al_install_mouse"), None, "\t\tMouse failed to initialize!"),
    (fail("al_install_keyboard"), None, "\t\tKeyboard failed to initialize!"),
    (fail("al_init_image_addon"), None, "\tImage addon failed to initialize!"),
    (fail("al_init_ttf_addon"), None, "\t\tTTF addon failed to initialize!"),
    (fail("al_init_primitives_addon"), None, "\tPrimitives addon failed to initialize!"),
    (fail("al_create_timer"), None, "\tTimer failed to initialize!"),
    (fail("al_create_display"), None, "\tDisplay failed to initialize!"),
    (fail("al_create_mouse_cursor"), None, "\tMouse cursor failed to be created!"),
    (fail("al_create_event_queue"), None, "\tEvent queue could not be created!"),
    (fail("al_create_event_queue", TILECREST_LEAK="1"), None, "\tEvent queue could not be created!"),
    # The 4th piece of the first frame, after the two screens, the shared texture of the
    # artwork and three pieces.
    (fail("al_create_bitmap:7"), None, "\t\tNine patch destroyed (3 bitmaps)",
     'Nine patch "data/bitmaps/message.png" could not be loaded'),
    ("data/bitmaps/button_hover.png", None, '\t\tBitmap "data/bitmaps/button_hover.png" could not be loaded',
     'Nine patch "data/bitmaps/button_hover.png" could not be loaded'),
    # Nothing is logged for the font.
    ("data/fonts/arlrdbd.ttf", None, '\tBitmap "data/bitmaps/arrow.png" loaded',
     'Font "data/fonts/arlrdbd.ttf" could not be loaded'),
    ("data/bitmaps/wood.png", lambda data: data[: len(data) // 2], '\tBitmap "data/bitmaps/wood.png" could not be loaded'),
    ("data/bitmaps/digits.png", lambda data: b"not a picture\n" * 40, '\tBitmap "data/bitmaps/digits.png" could not be loaded'),
    # What the window system would reject: a cursor without its focus point (3, 3), an icon
    # too large for one X request.
    ("data/bitmaps/mouse.png", picture("8x3"), '\tBitmap "data/bitmaps/mouse.png" could not be loaded'),
    ("data/bitmaps/icon.png", picture("2048x2048"), '\tBitmap "data/bitmaps/icon.png" could not be loaded'),
]


class BrokenInstallTest(unittest.TestCase):
    def test_each_failed_step_ends_start_up_cleanly(self):
        for broken, change, logged, *named in CASES:
            seam = broken if isinstance(broken, dict) else {}
            boxes = [PROBLEM, LEAK] if "TILECREST_LEAK" in seam else [PROBLEM]
            with self.subTest(broken), Game(env=dict(seam, LD_PRELOAD=SEAM)) as game:
                shown = game.extra_env["TILECREST_BOXES"] = os.path.join(game.root, "boxes")
                if not seam:
                    path = pathlib.Path(game.install, broken)
                    path.write_bytes(change(path.read_bytes())) if change else path.unlink()
                game.start()
                game.close_native_boxes("Warning", len(boxes))
                self.assertEqual(game.wait_exit(), 255)
                self.assertEqual(pathlib.Path(shown).read_text().splitlines(), boxes)
                lines = game.log()
                created, freed = counts([line.strip() for line in lines])  # deeper after some failures
                self.assertEqual(created - freed, len(boxes) - 1, "objects created and freed")
                made = re.compile(r" (loaded|created|initialized)$|created from")
                after = lines[lines.index(logged) + 1 :]
                self.assertFalse(list(filter(made.search, after)), "nothing is made after the failure")
                log = os.path.join(os.path.realpath(game.start_dir), "reversi.log")
                step = named[0] if named else logged.strip()
                self.assertEqual(game.output(), "tilecrest: start-up failed (%s); see %s\n" % (step, log))

    def test_a_log_that_cannot_be_written_stops_nothing_and_a_failure_still_names_its_step(self):
        for seam in ({}, fail("al_create_timer", LD_PRELOAD=SEAM)):
            with self.subTest(seam), Game(env=seam) as game:
                log = os.path.join(os.path.realpath(game.start_dir), "reversi.log")
                os.mkdir(log)
                game.start()
                if not seam:
                    game.wait_ready()
                    self.assertEqual(game.play_c5_and_quit(), 0)
                    self.assertEqual(game.output(), "", "a normal run prints nothing")
                    continue
                game.close_native_boxes("Warning", 1)
                self.assertEqual(game.wait_exit(), 255)
                expected = "tilecrest: start-up failed (Timer failed to initialize!); %s could not be written\n"
                self.assertEqual(game.output(), expected % log)

    def test_without_a_display_standard_error_says_so_and_the_log_names_the_mouse(self):
        with Game() as game:
            game.display_name = ""  # as good as none: Xlib finds no server to connect to
            game.start()
            self.assertEqual(game.wait_exit(), 255)
            self.assertIn("\t\tMouse failed to initialize!", game.log())
            log = os.path.join(os.path.realpath(game.start_dir), "reversi.log")
            self.assertEqual(game.output(), "tilecrest: start-up failed (no display found to open the window on); see %s\n" % log)

if __name__ == "__main__":
    unittest.main()
