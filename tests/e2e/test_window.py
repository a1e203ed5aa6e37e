"""The frame stretches over a resized window and clicks are mapped back onto the board."""

import time
import unittest

from harness import GameRun
import reversi

READOUT = (600, 10, 160, 20)  # where the mouse readout is drawn on the 800 by 600 screen


def is_red(rgb):
    r, g, b = rgb
    return r > 150 and g < 90 and b < 90


class WindowTest(unittest.TestCase):
    def resize(self, game, width, height):
        game.xdotool("windowsize", game.window, str(width), str(height))
        game.wait_until(lambda: game.geometry(game.window)[2:] == (width, height), "the window is resized")
        time.sleep(0.5)  # the resize event, then a frame

    def readout(self, game, scale_x, scale_y):
        """The readout's pixels, sampled back to screen resolution."""
        wx, wy, _, _ = game.geometry(game.window)
        _, _, rows = game.pixels(game.screenshot("readout"))
        x0, y0, w, h = READOUT
        return [[rows[wy + int((y0 + y) * scale_y)][wx + int((x0 + x) * scale_x)] for x in range(w)]
                for y in range(h)]

    def test_twice_the_size_fills_the_window_and_halves_mouse_positions(self):
        with GameRun(self, screen=(1700, 1300)) as game:
            game.wait_game_window()
            time.sleep(0.3)
            game.move(150, 150)
            time.sleep(0.2)
            at_150 = self.readout(game, 1, 1)
            game.move(300, 300)
            time.sleep(0.2)
            at_300 = self.readout(game, 1, 1)
            self.assertTrue(at_150 != at_300, "the readout follows the mouse")

            self.resize(game, 1600, 1200)
            game.move(300, 300)
            time.sleep(0.2)
            self.assertTrue(self.readout(game, 2, 2) == at_150, "window (300, 300) is screen (150, 150)")

            # The frame reaches every corner: the wood there, not the black of an empty window.
            for x, y in [(1599, 1199), (1599, 0), (0, 1199)]:
                self.assertNotEqual(game.window_pixel(x, y), (0, 0, 0), "frame at window (%d, %d)" % (x, y))

            x, y = reversi.square_centre(2, 4)
            game.click(2 * x, 2 * y)
            game.wait_until(lambda: is_red(game.window_pixel(2 * x, 2 * y)), "a click on c5 plays it")
            game.ctrl_x()
            self.assertEqual(game.wait_exit(), 0)

    def test_half_the_width_squeezes_the_frame_and_doubles_x(self):
        with GameRun(self) as game:
            game.wait_game_window()
            time.sleep(0.3)
            game.move(200, 300)
            time.sleep(0.2)
            at_200 = self.readout(game, 1, 1)
            game.move(100, 300)
            time.sleep(0.2)
            at_100 = self.readout(game, 1, 1)

            self.resize(game, 400, 600)
            game.move(100, 300)
            time.sleep(0.2)
            # Squeezed to half its width, the window shows every other column of the frame.
            wx, wy, _, _ = game.geometry(game.window)
            _, _, rows = game.pixels(game.screenshot("squeezed"))
            x0, y0, w, h = READOUT
            squeezed = [[rows[wy + y0 + y][wx + x0 // 2 + k] for k in range(w // 2)] for y in range(h)]

            def shows(readout):
                """Each squeezed column is one of the two frame columns it stands for."""
                column = lambda rows, i: [row[i] for row in rows]
                return all(column(squeezed, k) in (column(readout, 2 * k), column(readout, 2 * k + 1))
                           for k in range(w // 2))

            self.assertTrue(shows(at_200), "window x 100 is screen x 200")
            self.assertFalse(shows(at_100))

            x, y = reversi.square_centre(2, 4)
            game.click(x // 2, y)
            game.wait_until(lambda: is_red(game.window_pixel(x // 2, y)), "a click on c5 plays it")
            game.ctrl_x()
            self.assertEqual(game.wait_exit(), 0)

if __name__ == "__main__":
    unittest.main()
