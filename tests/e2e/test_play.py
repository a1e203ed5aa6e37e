"""A person plays through the real window: two people first, then against the computer."""

import time
import unittest

from harness import GameRun, counts
import reversi

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


    def test_the_banner_shows_while_the_computer_thinks(self):
        # A line whose last position makes the computer search over four million positions.
        line = "e3 f5 d6 c7 e6 f6 e7 f8 g7 e2 f7 h8 g5 f4 d2 h5 g6 h6".split()
        squares = [("abcdefgh".index(t[0]), int(t[1:]) - 1) for t in line]
        with GameRun(self) as game:
            game.wait_game_window()
            time.sleep(0.3)
            new_game, _ = game.game_buttons()
            game.click(*new_game)
            game.click(*game.box_buttons(2)[0])  # Yes
            game.click(*game.box_buttons(3)[1])  # Computer
            time.sleep(0.3)
            for red, blue in zip(squares[0:-2:2], squares[1:-2:2]):
                game.click(*reversi.square_centre(*red))
                game.wait_until(lambda: is_blue(game.window_pixel(*reversi.square_centre(*blue))),
                                "the computer answers %s" % "abcdefgh"[blue[0]])

            game.click(*reversi.square_centre(*squares[-2]))
            seen = False
            for attempt in range(10):
                shot = game.screenshot("thinking-%d" % attempt)
                if banner_shown(game, shot):
                    seen = True
                    break
            self.assertTrue(seen, "the banner shows while the computer searches")
            game.wait_until(lambda: is_blue(game.window_pixel(*reversi.square_centre(*squares[-1]))),
                            "the computer answers h6")
            self.assertFalse(banner_shown(game, game.screenshot("answered")), "the banner is gone")
            game.ctrl_x()
            self.assertEqual(game.wait_exit(), 0)


def banner_shown(game, shot):
    """The banner is a dark navy frame centred on the screen, over the board's felt."""
    wx, wy, _, _ = game.geometry(game.window)
    _, _, rows = game.pixels(shot)
    navy = 0
    for y in range(wy + 285, wy + 315):
        for x in range(wx + 300, wx + 500):
            r, g, b = rows[y][x]
            navy += r < 60 and g < 70 and 50 < b < 100 and b > g + 10
    return navy > 1500


if __name__ == "__main__":
    unittest.main()
