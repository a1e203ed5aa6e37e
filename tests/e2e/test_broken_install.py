"""Every way start-up can fail ends it cleanly: its line in the log, the error box, one line on
standard error naming the step and the log, exit status 255 and everything freed (no leak box).
A step fails for a broken data file or one Allegro call (FailureSeam.cpp, in tilecrest-seamed).
A log that cannot be written stops nothing, nor does a missing loading picture."""

import os
import pathlib
import re
import subprocess
import types
import unittest

from harness import BUILD_DIR, WINDOWS, Game, Server, counts, native_path

SEAMED = os.environ.get("TILECREST_SEAMED") or os.path.join(BUILD_DIR, "tests", "e2e", "tilecrest-seamed")
PROBLEM, LEAK = "Warning\tProblem Initializing Game!", "Warning\tMemory Leak!"


def convert(*args):  # a change made by ImageMagick, from the file's bytes on its input
    return lambda data: subprocess.run(["convert", *args], input=data, check=True, capture_output=True).stdout


# One case per way start-up fails: an Allegro call made to fail (a name), or a data file
# replaced by change(bytes) or removed; the line the failure leaves in the log; and what
# standard error names when that line does not.
CASES = [
    # Any step logged as "... failed to initialize!" (Allegro, its input and addons, the timer).
    ("al_install_mouse", None, "\t\tMouse failed to initialize!"),
    ("al_create_display", None, "\tDisplay failed to initialize!"),
    # A picture that does not load; a truncated one also leaves a locked bitmap in Allegro.
    ("data/bitmaps/wood.png", lambda data: data[: len(data) // 2], '\tBitmap "data/bitmaps/wood.png" could not be loaded'),
    # Pictures the window system would reject: a cursor without its focus point (3, 3), an icon
    # too large for one X request.
    ("data/bitmaps/mouse.png", convert("-size", "8x3", "xc:red", "png:-"), '\tBitmap "data/bitmaps/mouse.png" could not be loaded'),
    ("data/bitmaps/icon.png", convert("-size", "2048x2048", "xc:red", "png:-"), '\tBitmap "data/bitmaps/icon.png" could not be loaded'),
    # Nothing is logged for the font.
    ("data/fonts/arlrdbd.ttf", None, '\tBitmap "data/bitmaps/arrow.png" loaded',
     'Font "data/fonts/arlrdbd.ttf" could not be loaded'),
    # A frame whose top marker line holds a white pixel, where only magenta and black belong.
    ("data/bitmaps/button_hover.png", convert("png:-", "-fill", "white", "-draw", "point 1,0", "png:-"),
     "\t\t-------- failed!",
     'Nine patch "data/bitmaps/button_hover.png" could not be loaded'),
    # Any object logged as "... could not be created!" or "failed to be created!", here with the
    # counts made to differ, which a second box reports.
    ("al_create_event_queue", None, "\tEvent queue could not be created!"),
]


class BrokenInstallTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = cls.enterClassContext(Server())

    def test_each_failed_step_ends_start_up_cleanly(self):
        for broken, change, logged, *named in CASES:
            leak = broken == "al_create_event_queue"
            boxes = [PROBLEM, LEAK] if leak else [PROBLEM]
            seamed = broken.startswith("al_")
            env = dict(TILECREST_FAIL=broken if seamed else None, TILECREST_LEAK="1" if leak else None)
            with self.subTest(broken), Game(server=self.server, program=SEAMED, env=env) as game:
                shown = game.extra_env["TILECREST_BOXES"] = os.path.join(game.root, "boxes")
                if not seamed:
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
                log = native_path(os.path.join(os.path.realpath(game.start_dir), "reversi.log"))
                step = named[0] if named else logged.strip()
                self.assertEqual(game.output(), "tilecrest: start-up failed (%s); see %s\n" % (step, log))

    def test_a_log_that_cannot_be_written_stops_nothing_and_a_failure_still_names_its_step(self):
        for fail in (None, "al_create_timer"):
            program = SEAMED if fail else None  # the game itself for the run that succeeds
            with self.subTest(fail), Game(server=self.server, program=program, env=dict(TILECREST_FAIL=fail)) as game:
                log = os.path.join(os.path.realpath(game.start_dir), "reversi.log")
                os.mkdir(log)
                os.remove(os.path.join(game.install, "data/bitmaps/loading.png"))  # optional too
                game.start()
                if not fail:
                    game.wait_ready()
                    self.assertEqual(game.play_c5_and_quit(), 0)
                    self.assertEqual(game.output(), "", "a normal run prints nothing")
                    continue
                game.close_native_boxes("Warning", 1)
                self.assertEqual(game.wait_exit(), 255)
                expected = "tilecrest: start-up failed (Timer failed to initialize!); %s could not be written\n"
                self.assertEqual(game.output(), expected % native_path(log))

    @unittest.skipIf(WINDOWS, "Windows always has a desktop; Wine without an X server is no Windows")
    def test_without_a_display_standard_error_says_so_and_the_log_names_the_mouse(self):
        nowhere = types.SimpleNamespace(name="")  # an empty DISPLAY: Xlib finds no server
        with Game(server=nowhere) as game:
            game.start()
            self.assertEqual(game.wait_exit(), 255)
            self.assertIn("\t\tMouse failed to initialize!", game.log())
            log = os.path.join(os.path.realpath(game.start_dir), "reversi.log")
            self.assertEqual(game.output(), "tilecrest: start-up failed (no display found to open the window on); see %s\n" % log)


if __name__ == "__main__":
    unittest.main()
