"""Whole games through the real window with real clicks."""

import os
import subprocess
import time
import unittest

from harness import GameRun, counts, BUILD_DIR
import reversi

WHITE = (255, 255, 255)


def text_masks(*texts):
    """The fully white pixels of each text as the game draws it, cropped to their box."""
    tool = os.environ["TILECREST_TEXT_MASK"]
    font = os.path.join(BUILD_DIR, "data", "fonts", "arlrdbd.ttf")
    out = subprocess.run([tool, font, *texts], check=True, capture_output=True, text=True).stdout
    masks = []
    for block in out.split("TEXT_MASK")[1:]:
        lines = block.split("\n")[1:]
        masks.append(crop({(x, y) for y, line in enumerate(lines) for x, ch in enumerate(line) if ch == "#"}))
    return masks


def crop(points):
    left = min(x for x, _ in points)
    top = min(y for _, y in points)
    return {(x - left, y - top) for x, y in points}


def white_bands(rows, x0, x1, y0, y1):
    """Pure white pixels grouped by text line: rows less than eight apart share a band
    (thin strokes leave some rows of a line without a fully white pixel)."""
    bands = []
    last = None
    for y in range(y0, y1):
        xs = [x for x in range(x0, x1) if rows[y][x] == WHITE]
        if not xs:
            continue
        if last is None or y - last >= 8:
            bands.append(set())
        bands[-1] |= {(x, y) for x in xs}
        last = y
    return bands


class FullGameTest(unittest.TestCase):
    def test_two_people_play_a_game_to_its_end_and_the_winner_is_announced(self):
        position = reversi.Position()
        with GameRun(self) as game:
            game.wait_game_window()
            time.sleep(0.3)
            moves = 0
            while position.legal_moves():
                column, row = position.legal_moves()[0]
                game.click(*reversi.square_centre(column, row))
                position.play(column, row)
                moves += 1
            time.sleep(0.5)
            game.move(5, 595)
            time.sleep(0.3)
            shot = game.screenshot("winner")
            self.assertGreater(moves, 8)

            # The announcement's third line names the winner; its drawn extent tells which.
            wx, wy, _, _ = game.geometry(game.window)
            _, _, rows = game.pixels(shot)
            bands = white_bands(rows, wx + 100, wx + 700, wy + 150, wy + 450)
            self.assertGreaterEqual(len(bands), 4, "three text lines and the button labels")
            red, blue = text_masks("Red is the winner!", "Blue is the winner!")
            shown = crop(bands[1])
            expected = red if position.winner() == "Red" else blue
            self.assertNotEqual(red, blue)
            self.assertEqual(shown, expected, "the box names %s, who has more disks (or Blue on a tie)"
                             % position.winner())

            yes_no = game.box_buttons(2)
            self.assertEqual(len(yes_no), 2)
            game.click(*yes_no[0])  # Yes: another game
            time.sleep(0.4)
            choices = game.box_buttons(3)
            self.assertEqual(len(choices), 3)
            game.click(*choices[2])  # Cancel after a finished game ends the program
            self.assertEqual(game.wait_exit(), 0)
            created, freed = counts(game.log_lines())
            self.assertEqual(created, freed)

    def test_moves_against_the_computer_are_undone_in_pairs(self):
        position = reversi.Position()
        with GameRun(self) as game:
            game.wait_game_window()
            time.sleep(0.3)
            new_game, _ = game.game_buttons()  # "Undo Move" is disabled and grey
            game.click(*new_game)
            time.sleep(0.3)
            game.click(*game.box_buttons(2)[0])  # Yes
            time.sleep(0.3)
            game.click(*game.box_buttons(3)[1])  # Computer
            time.sleep(0.3)
            start = game.pixels(game.screenshot("start"))[2]

            for _ in range(3):
                column, row = position.legal_moves()[0]
                game.click(*reversi.square_centre(column, row))
                time.sleep(1.0)  # the computer's search
                # Learn the computer's reply from the board on screen.
                position.play(column, row)
                shot = game.pixels(game.screenshot("reply"))[2]
                replies = [m for m in position.legal_moves()
                           if self.is_blue(shot, game, *m)]
                self.assertEqual(len(replies), 1, "the computer answered with exactly one move")
                position.play(*replies[0])

            _, undo, _ = game.game_buttons()
            for _ in range(3):
                game.click(*undo)
                time.sleep(0.2)
            game.move(5, 595)
            time.sleep(0.3)
            end = game.pixels(game.screenshot("undone"))[2]
            wx, wy, _, _ = game.geometry(game.window)
            for r in range(8):
                for c in range(8):
                    x, y = reversi.square_centre(c, r)
                    self.assertEqual(end[wy + y][wx + x], start[wy + y][wx + x],
                                     "square %s%d is back as at the start" % ("abcdefgh"[c], r + 1))
            game.ctrl_x()
            self.assertEqual(game.wait_exit(), 0)

    @staticmethod
    def is_blue(rows, game, column, row):
        wx, wy, _, _ = game.geometry(game.window)
        x, y = reversi.square_centre(column, row)
        r, g, b = rows[wy + y][wx + x]
        return b > 150 and r < 90


if __name__ == "__main__":
    unittest.main()
