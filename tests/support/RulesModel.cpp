#include "tests/support/RulesModel.h"

namespace {

const int WEIGHTS[8][8] = {{50, -1, 5, 2, 2, 5, -1, 50},   {-1, -10, 1, 1, 1, 1, -10, -1},
                           {5, 1, 1, 1, 1, 1, 1, 5},       {2, 1, 1, 0, 0, 1, 1, 2},
                           {2, 1, 1, 0, 0, 1, 1, 2},       {5, 1, 1, 1, 1, 1, 1, 5},
                           {-1, -10, 1, 1, 1, 1, -10, -1}, {50, -1, 5, 2, 2, 5, -1, 50}};

bool onBoard(int column, int row) {
    return column >= 0 && column < 8 && row >= 0 && row < 8;
}

int read(const Board& board, int column, int row) {
    return board.rows[row] >> (14 - 2 * column) & 3;
}

// Line 0 to 7 as a step: the 3 by 3 neighbourhood read row by row, without its centre.
int step(int line, bool down) {
    return (down ? (line + (line >= 4)) / 3 : (line + (line >= 4)) % 3) - 1;
}

}  // namespace

RulesModel RulesModel::start() {
    return picture({"", "", "", "...RB", "...BR", "", "", ""});
}

RulesModel RulesModel::picture(const std::vector<std::string>& rows) {
    RulesModel model;
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < int(rows[r].size()); ++c)
            model.squares[r][c] = rows[r][c] == 'R' ? Red : rows[r][c] == 'B' ? Blue : 0;
    return model;
}

RulesModel RulesModel::of(const Board& board) {
    RulesModel model;
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) model.squares[r][c] = read(board, c, r) % 3;
    return model;
}

int RulesModel::enclosed(int column, int row, int side, int line) const {
    const int dx = step(line, false), dy = step(line, true);
    int run = 1;
    for (; onBoard(column + run * dx, row + run * dy); ++run) {
        const int square = squares[row + run * dy][column + run * dx];
        if (square != 3 - side) return square == side ? run - 1 : 0;
    }
    return 0;
}

std::vector<Move> RulesModel::flips(int column, int row, int side) const {
    std::vector<Move> turned;
    for (int line = 0; line < 8 && squares[row][column] == 0; ++line)
        for (int i = 1; i <= enclosed(column, row, side, line); ++i)
            turned.push_back(
                {uint8_t(column + i * step(line, false)), uint8_t(row + i * step(line, true))});
    return turned;
}

int RulesModel::flippingLines(int column, int row, int side) const {
    int lines = 0;
    for (int line = 0; line < 8 && squares[row][column] == 0; ++line)
        lines += enclosed(column, row, side, line) > 0;
    return lines;
}

std::vector<Move> RulesModel::legalSquares(int side) const {
    std::vector<Move> legal;
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            if (flippingLines(c, r, side) > 0) legal.push_back({uint8_t(c), uint8_t(r)});
    return legal;
}

void RulesModel::play(int column, int row, int side) {
    for (const Move& square : flips(column, row, side)) squares[square.row][square.column] = side;
    squares[row][column] = side;
}

int RulesModel::count(int side) const {
    int disks = 0;
    for (const auto& row : squares)
        for (const int square : row) disks += square == side;
    return disks;
}

int RulesModel::evaluate(int side) const {
    int difference = 0;
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            difference += squares[r][c] == side ? WEIGHTS[r][c]
                          : squares[r][c]       ? -WEIGHTS[r][c]
                                                : 0;
    if (!legalSquares(side).empty()) return difference;
    return difference > 0 ? 10000 : difference < 0 ? -10000 : 0;
}

Move RulesModel::computerMove(int side, uint64_t& nodes) const {
    Move best = NoMove;
    int bestScore = -9999;
    for (const Move& move : legalSquares(side)) {
        RulesModel next = *this;
        next.play(move.column, move.row, side);
        ++nodes;
        const int score = next.minimax(3 - side, false, 0, nodes);
        if (score > bestScore) bestScore = score, best = move;
    }
    return best;
}

int RulesModel::minimax(int side, bool computerToMove, int depth, uint64_t& nodes) const {
    const int sign = computerToMove ? 1 : -1;
    if (depth == 5) return sign * evaluate(side);
    const std::vector<Move> moves = legalSquares(side);
    if (moves.empty()) return sign * evaluate(side);
    int best = -sign * 9999;
    for (const Move& move : moves) {
        RulesModel next = *this;
        next.play(move.column, move.row, side);
        ++nodes;
        const int score = next.minimax(3 - side, !computerToMove, depth + 1, nodes);
        if (computerToMove ? score > best : score < best) best = score;
    }
    return best;
}

Board RulesModel::board(int sideToMove) const {
    Board board{};
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            const int value = squares[r][c]                     ? squares[r][c]
                              : flippingLines(c, r, sideToMove) ? 3
                                                                : 0;
            board.rows[r] = uint16_t(board.rows[r] | value << (14 - 2 * c));
        }
    }
    return board;
}

std::string RulesModel::differenceFrom(const Board& other, int sideToMove) const {
    const Board expected = board(sideToMove);
    for (int square = 0; square < 64; ++square) {
        const int c = square % 8, r = square / 8;
        if (read(other, c, r) != read(expected, c, r))
            return std::string{char('a' + c), char('1' + r)} + " holds " +
                   std::to_string(read(other, c, r)) + " for " +
                   std::to_string(read(expected, c, r));
    }
    return "";
}
