#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "rules/Board.h"

// The tests' own model of the rules: a plain 8 by 8 array worked square by square with its own
// order of lines, written from the rules as players state them. Every test that needs an
// independent opinion of the rules asks it.
class RulesModel {
public:
    static RulesModel start() { return picture({"", "", "", "...RB", "...BR", "", "", ""}); }
    // Rows from the top: 'R' Red, 'B' Blue, anything else empty.
    static RulesModel picture(const std::vector<std::string>& rows) {
        RulesModel model;
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < int(rows[r].size()); ++c)
                model.squares[r][c] = rows[r][c] == 'R' ? Red : rows[r][c] == 'B' ? Blue : 0;
        return model;
    }
    // The disks of a board; legal-move marks count as empty squares.
    static RulesModel of(const Board& board) {
        RulesModel model;
        for (int s = 0; s < 64; ++s)
            model.squares[s / 8][s % 8] = squareAt(board, s % 8, s / 8) % 3;
        return model;
    }
    static int opponent(int side) { return 3 - side; }

    // How many opponent disks `side` at (column, row) encloses along `line`, 0 to 7: up-left, up,
    // up-right, left, right, down-left, down, down-right.
    int enclosed(int column, int row, int side, int line) const {
        const int dx = step(line, false), dy = step(line, true);
        for (int run = 1; onBoard(column + run * dx, row + run * dy); ++run) {
            const int square = squares[row + run * dy][column + run * dx];
            if (square != opponent(side)) return square == side ? run - 1 : 0;
        }
        return 0;
    }
    // What playing an empty square turns: line by line, each from the nearest disk outward.
    std::vector<Move> flips(int column, int row, int side) const {
        std::vector<Move> turned;
        for (int line = 0; line < 8 && squares[row][column] == 0; ++line)
            for (int i = 1; i <= enclosed(column, row, side, line); ++i)
                turned.push_back(
                    {uint8_t(column + i * step(line, false)), uint8_t(row + i * step(line, true))});
        return turned;
    }
    int flippingLines(int column, int row, int side) const {
        int lines = 0;
        for (int line = 0; line < 8 && squares[row][column] == 0; ++line)
            lines += enclosed(column, row, side, line) > 0;
        return lines;
    }
    std::vector<Move> legalSquares(int side) const {  // row by row, left to right
        std::vector<Move> legal;
        for (int s = 0; s < 64; ++s)
            if (flippingLines(s % 8, s / 8, side) > 0)
                legal.push_back({uint8_t(s % 8), uint8_t(s / 8)});
        return legal;
    }
    void play(int column, int row, int side) {
        for (const Move& square : flips(column, row, side))
            squares[square.row][square.column] = side;
        squares[row][column] = side;
    }
    int count(int side) const {
        int disks = 0;
        for (int s = 0; s < 64; ++s) disks += squares[s / 8][s % 8] == side;
        return disks;
    }
    // The computer's evaluation for `side`, the side to move: the weighted sums' difference,
    // or, when `side` cannot move and the game ends, 10000, -10000 or 0 by its sign.
    int evaluate(int side) const {
        static const int weights[8][8] = {
            {50, -1, 5, 2, 2, 5, -1, 50},   {-1, -10, 1, 1, 1, 1, -10, -1},
            {5, 1, 1, 1, 1, 1, 1, 5},       {2, 1, 1, 0, 0, 1, 1, 2},
            {2, 1, 1, 0, 0, 1, 1, 2},       {5, 1, 1, 1, 1, 1, 1, 5},
            {-1, -10, 1, 1, 1, 1, -10, -1}, {50, -1, 5, 2, 2, 5, -1, 50}};
        int difference = 0;
        for (int s = 0; s < 64; ++s) {
            const int square = squares[s / 8][s % 8], weight = weights[s / 8][s % 8];
            difference += square == side ? weight : square ? -weight : 0;
        }
        if (!legalSquares(side).empty()) return difference;
        return difference > 0 ? 10000 : difference < 0 ? -10000 : 0;
    }
    // The computer player's move: six plies of minimax without pruning, the candidates in
    // row-major order, the first of equal scores kept, NoMove when none scores above -9999.
    // Adds every move played in the search to `nodes`.
    Move computerMove(int side, uint64_t& nodes) const {
        Move best = NoMove;
        minimax(side, true, -1, nodes, &best);
        return best;
    }

    // The board the product must hold for this position with the marks of `sideToMove`, and
    // the first square where `board` differs from it (empty when none).
    Board board(int sideToMove) const {
        Board board{};
        for (int s = 0; s < 64; ++s) {
            const int c = s % 8, r = s / 8, mark = flippingLines(c, r, sideToMove) ? LegalMark : 0;
            setSquare(board, c, r, squares[r][c] ? squares[r][c] : mark);
        }
        return board;
    }
    std::string differenceFrom(const Board& other, int sideToMove) const {
        const Board expected = board(sideToMove);
        for (int s = 0; s < 64; ++s) {
            const int held = squareAt(other, s % 8, s / 8),
                      wanted = squareAt(expected, s % 8, s / 8);
            if (held != wanted)
                return std::string{char('a' + s % 8), char('1' + s / 8)} + " holds " +
                       std::to_string(held) + " for " + std::to_string(wanted);
        }
        return "";
    }

private:
    static bool onBoard(int column, int row) {
        return column >= 0 && column < 8 && row >= 0 && row < 8;
    }
    // Line 0 to 7 as a step: the 3 by 3 neighbourhood read row by row, without its centre.
    static int step(int line, bool down) {
        return (down ? (line + (line >= 4)) / 3 : (line + (line >= 4)) % 3) - 1;
    }
    // The computer's score with `side` to move after `depth` plies; at depth -1, the
    // computer's own choice, whose move goes to `best`.
    int minimax(int side, bool computerToMove, int depth, uint64_t& nodes, Move* best) const {
        const int sign = computerToMove ? 1 : -1;
        if (depth == 5) return sign * evaluate(side);
        const std::vector<Move> moves = legalSquares(side);
        if (moves.empty()) return sign * evaluate(side);
        int bestScore = -sign * 9999;
        for (const Move& move : moves) {
            RulesModel next = *this;
            next.play(move.column, move.row, side);
            ++nodes;
            const int score =
                next.minimax(opponent(side), !computerToMove, depth + 1, nodes, nullptr);
            if (computerToMove ? score > bestScore : score < bestScore) {
                bestScore = score;
                if (best) *best = move;
            }
        }
        return bestScore;
    }

    int squares[8][8] = {};  // [row][column]: 0 empty, 1 Red, 2 Blue
};
