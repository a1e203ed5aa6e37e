"""The window's close button asks before anything ends."""

import time
import unittest

from harness import GameRun, counts


class CloseRequestTest(unittest.TestCase):
    def test_close_request_only_asks_and_no_keeps_the_game_running(self):
        with GameRun(self) as game:
            game.wait_game_window()
            time.sleep(0.3)
            game.request_close()
            time.sleep(1.0)
            self.assertTrue(game.running(), "a close request must not end the program by itself")
            buttons = game.box_buttons(2)
            self.assertEqual(len(buttons), 2, "the quit question has Yes and No")
            game.click(*buttons[1])  # No
            time.sleep(0.5)
            self.assertTrue(game.running())
            self.assertEqual(game.box_buttons(0), [], "No closes the question")

            game.request_close()
            time.sleep(0.5)
            game.click(*game.box_buttons(2)[0])  # Yes
            self.assertEqual(game.wait_exit(), 0)
            created, freed = counts(game.log_lines())
            self.assertEqual(created, freed)


if __name__ == "__main__":
    unittest.main()
