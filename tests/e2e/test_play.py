"""A person plays through the real window: two people first, then against the computer."""

import time
import unittest

from harness import GameRun, counts

C5 = (204, 332)  # Red's opening at column 2, row 4
C4 = (204, 268)  # one of Blue's replies to it
E6 = (332, 396)  # the computer's reply to c5


def is_red(rgb):
    r, g, b = rgb
    return r > 150 and g < 90 and b < 90


def is_blue(rgb):
    r, g, b = rgb
    return b > 150 and r < 90


class PlayTest(unittest.TestCase):
    def test_two_people_then_the_computer_then_undo_then_close(self):
        with GameRun(self) as game:
            game.wait_game_window()
            time.sleep(0.3)
            game.screenshot("start")

            def shows(position, colour):
                return lambda: colour(game.window_pixel(*position))

            def empty(*positions):
                return lambda: not any(is_red(p) or is_blue(p) for p in map(lambda q: game.window_pixel(*q), positions))

            game.click(*C5)
            game.click(*C4)
            game.wait_until(shows(C5, is_red), "Red's c5 is on the board")
            game.wait_until(shows(C4, is_blue), "Blue's c4 is on the board")

            new_game, undo, _ = game.game_buttons()
            game.click(*new_game)
            yes_no = game.box_buttons(2)
            self.assertEqual(len(yes_no), 2)
            game.screenshot("box-open")
            game.click(*yes_no[0])  # Yes
            choices = game.box_buttons(3)
            self.assertEqual(len(choices), 3, "Human, Computer, Cancel")
            game.click(*choices[1])  # Computer
            game.wait_until(empty(C5, C4), "a new game starts from the start position")

            game.click(*C5)
            game.wait_until(shows(C5, is_red), "Red's c5 is played")
            game.wait_until(shows(E6, is_blue), "the computer answers at e6")
            game.screenshot("computer-answered")

            game.click(*undo)
            game.wait_until(empty(C5, E6), "Undo Move takes back the reply and the move")

            game.request_close()
            game.click(*game.box_buttons(2)[0])  # Yes
            self.assertEqual(game.wait_exit(), 0)
            created, freed = counts(game.log_lines())
            self.assertEqual(created, freed)


if __name__ == "__main__":
    unittest.main()
