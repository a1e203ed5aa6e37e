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
    static RulesModel start();
    // Rows from the top: 'R' Red, 'B' Blue, anything else empty.
    static RulesModel picture(const std::vector<std::string>& rows);
    // The disks of a board; legal-move marks count as empty squares.
    static RulesModel of(const Board& board);
    static int opponent(int side) { return 3 - side; }

    // How many opponent disks `side` at (column, row) encloses along `line`, 0 to 7: up-left, up,
    // up-right, left, right, down-left, down, down-right.
    int enclosed(int column, int row, int side, int line) const;
    // What playing an empty square turns: line by line, each from the nearest disk outward.
    std::vector<Move> flips(int column, int row, int side) const;
    int flippingLines(int column, int row, int side) const;
    std::vector<Move> legalSquares(int side) const;  // row by row, left to right
    void play(int column, int row, int side);
    int count(int side) const;
    int winner() const { return count(Red) > count(Blue) ? Red : Blue; }  // a tie goes to Blue
    // The computer's evaluation for `side`, the side to move: the weighted sums' difference,
    // or, when `side` cannot move and the game ends, 10000, -10000 or 0 by its sign.
    int evaluate(int side) const;
    // The computer player's move: six plies of minimax without pruning, the candidates in
    // row-major order, the first of equal scores kept, NoMove when none scores above -9999.
    // Adds every move played in the search to `nodes`.
    Move computerMove(int side, uint64_t& nodes) const;

    // The board the product must hold for this position with the marks of `sideToMove`, and
    // the first square where `board` differs from it (empty when none).
    Board board(int sideToMove) const;
    std::string differenceFrom(const Board& board, int sideToMove) const;

private:
    // The computer's score with `side` to move after `depth` plies; at depth -1, the
    // computer's own choice, whose move goes to `best`.
    int minimax(int side, bool computerToMove, int depth, uint64_t& nodes, Move* best) const;

    int squares[8][8] = {};  // [row][column]: 0 empty, 1 Red, 2 Blue
};
