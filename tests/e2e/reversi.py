"""A plain model of the game's rules for choosing and checking moves in end-to-end tests:
Red moves first, a move must enclose, there is no passing, equal counts go to Blue."""

EMPTY, RED, BLUE = 0, 1, 2
DIRECTIONS = [(-1, -1), (0, -1), (1, -1), (-1, 0), (1, 0), (-1, 1), (0, 1), (1, 1)]


class Position:
    def __init__(self):
        self.board = [[EMPTY] * 8 for _ in range(8)]  # [row][column]
        self.board[3][3] = self.board[4][4] = RED
        self.board[3][4] = self.board[4][3] = BLUE
        self.side = RED

    def flips(self, column, row):
        if self.board[row][column] != EMPTY:
            return []
        other = BLUE if self.side == RED else RED
        flipped = []
        for dc, dr in DIRECTIONS:
            c, r, run = column + dc, row + dr, []
            while 0 <= c < 8 and 0 <= r < 8 and self.board[r][c] == other:
                run.append((c, r))
                c, r = c + dc, r + dr
            if run and 0 <= c < 8 and 0 <= r < 8 and self.board[r][c] == self.side:
                flipped += run
        return flipped

    def legal_moves(self):
        """Row by row from the top, left to right within a row."""
        return [(c, r) for r in range(8) for c in range(8) if self.flips(c, r)]

    def play(self, column, row):
        for c, r in self.flips(column, row):
            self.board[r][c] = self.side
        self.board[row][column] = self.side
        self.side = BLUE if self.side == RED else RED

    def counts(self):
        cells = [v for line in self.board for v in line]
        return cells.count(RED), cells.count(BLUE)

    def winner(self):
        red, blue = self.counts()
        return "Red" if red > blue else "Blue"


def square_centre(column, row):
    """Where a square's centre lies in an 800 by 600 window."""
    return 44 + 64 * column + 32, 44 + 64 * row + 32
