#include "tests/rules/Reference.h"

#include "rules/ComputerPlayer.h"

namespace reference {

uint8_t at(const Board& board, int column, int row) {
    return (board.rows[row] >> (14 - 2 * column)) & 3;
}

void put(Board& board, int column, int row, uint8_t value) {
    const int shift = 14 - 2 * column;
    board.rows[row] = static_cast<uint16_t>((board.rows[row] & ~(3 << shift)) | (value << shift));
}

bool flipsInDirection(const Board& board, int direction, int column, int row, uint8_t side) {
    const uint8_t opponent = side == Red ? Blue : Red;
    const int dc = Directions[direction].columnStep;
    const int dr = Directions[direction].rowStep;
    int c = column + dc;
    int r = row + dr;
    if (c < 0 || c > 7 || r < 0 || r > 7) return false;
    if ((dc == -1 && c == 0) || (dc == 1 && c == 7) || (dr == -1 && r == 0) ||
        (dr == 1 && r == 7)) {
        return false;
    }
    if (at(board, c, r) != opponent) return false;
    while (c >= 0 && c <= 7 && r >= 0 && r <= 7) {
        const uint8_t value = at(board, c, r);
        if (value == side) return true;
        if (value != opponent) return false;
        c += dc;
        r += dr;
    }
    return false;
}

int32_t markLegalMoves(Board& board, uint8_t side) {
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            if (at(board, column, row) == LegalMark) put(board, column, row, 0);
        }
    }
    int32_t pairs = 0;
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            if (at(board, column, row) != 0 && at(board, column, row) != LegalMark) continue;
            for (int direction = 0; direction < 8; ++direction) {
                if (flipsInDirection(board, direction, column, row, side)) {
                    put(board, column, row, LegalMark);
                    ++pairs;
                }
            }
        }
    }
    return pairs;
}

std::vector<SquareChange> moveList(const Board& board, int column, int row, uint8_t side) {
    const uint8_t opponent = side == Red ? Blue : Red;
    std::vector<Move> noted;
    for (int direction = 0; direction < 8; ++direction) {
        if (!flipsInDirection(board, direction, column, row, side)) continue;
        int c = column + Directions[direction].columnStep;
        int r = row + Directions[direction].rowStep;
        while (at(board, c, r) == opponent) {
            noted.push_back({static_cast<uint8_t>(c), static_cast<uint8_t>(r)});
            c += Directions[direction].columnStep;
            r += Directions[direction].rowStep;
        }
    }
    std::vector<SquareChange> changes;
    for (const Move& square : noted) {
        bool listed = false;
        for (const SquareChange& change : changes) {
            listed = listed || (change.column == square.column && change.row == square.row);
        }
        if (!listed) {
            changes.push_back(
                {square.column, square.row, at(board, square.column, square.row), side});
        }
    }
    changes.push_back(
        {static_cast<uint8_t>(column), static_cast<uint8_t>(row), at(board, column, row), side});
    return changes;
}

void apply(const std::vector<SquareChange>& changes, Board& board) {
    for (const SquareChange& change : changes) put(board, change.column, change.row, change.after);
}

int32_t evaluate(const Board& board, uint8_t side) {
    const uint8_t opponent = side == Red ? Blue : Red;
    int32_t own = 0, other = 0, marks = 0;
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            const uint8_t value = at(board, column, row);
            if (value == side) own += SquareWeights[row][column];
            if (value == opponent) other += SquareWeights[row][column];
            if (value == LegalMark) ++marks;
        }
    }
    if (marks != 0) return own - other;
    if (own > other) return 10000;
    if (own < other) return -10000;
    return 0;
}

std::vector<Move> legalSquares(const Board& board) {
    std::vector<Move> squares;
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            if (at(board, column, row) == LegalMark) {
                squares.push_back({static_cast<uint8_t>(column), static_cast<uint8_t>(row)});
            }
        }
    }
    return squares;
}

Board startBoard() {
    Board board{};
    put(board, 3, 3, Red);
    put(board, 4, 4, Red);
    put(board, 4, 3, Blue);
    put(board, 3, 4, Blue);
    markLegalMoves(board, Red);
    return board;
}

uint64_t perft(const Board& board, uint8_t side, int depth) {
    uint64_t lines = 0;
    for (const Move& square : legalSquares(board)) {
        if (depth == 1) {
            ++lines;
            continue;
        }
        Board next = board;
        apply(moveList(board, square.column, square.row, side), next);
        const uint8_t opponent = side == Red ? Blue : Red;
        if (markLegalMoves(next, opponent) != 0) lines += perft(next, opponent, depth - 1);
    }
    return lines;
}

}  // namespace reference

Board boardFromPicture(const char* const (&rows)[8]) {
    Board board{};
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            const char square = rows[row][column];
            reference::put(board, column, row,
                           square == 'R'   ? Red
                           : square == 'B' ? Blue
                           : square == '*' ? LegalMark
                                           : 0);
        }
    }
    return board;
}
