#pragma once

#include <cstdint>

#include "base/ObjectCounters.h"
#include "rules/Board.h"
#include "rules/BoardBits.h"
#include "rules/ComputerPlayer.h"
#include "rules/MoveList.h"
#include "rules/Rules.h"

// The bodies of MarkLegalMoves, BuildMoveList and MakeSearchMove, written once for either
// set of bit operations (boardbits::ScalarBits or boardbits::VectorBits) so that the
// search can have them inlined and built for the processor it runs on.
namespace rulekernels {

template <class Bits>
inline int32_t markLegalMoves(Board& board, uint8_t side) {
    const boardbits::Disks disks = Bits::disksOf(board);
    const uint64_t own = side == Red ? disks.red : disks.blue;
    const uint64_t opponent = side == Red ? disks.blue : disks.red;
    const boardbits::LegalSquares legal = Bits::legalSquares(own, opponent);
    Bits::writeMarks(board, legal.marks);
    return legal.pairs;
}

// BuildMoveList for a board whose disks of the side (`own`) and of its opponent are known;
// `flipped` gets the bits of the enclosed disks.
template <class Bits>
TILECREST_ALWAYS_INLINE MoveList* buildMoveList(const Board& board, int column, int row,
                                                uint8_t side, uint64_t own, uint64_t opponent,
                                                uint64_t& flipped) {
    const int start = boardbits::bitIndex(column, row);
    uint16_t squares[64];
    // The walks of different directions never share a square, so no square is noted twice.
    const int flips = Bits::flippedSquares(start, own, opponent, squares, flipped);

    MoveList* moveList = new MoveList;
    if (moveList == nullptr) return nullptr;
    // Every enclosed disk changes from the opponent to the side: one word per entry.
    const uint32_t flip = static_cast<uint32_t>(opponentOf(side)) << 16 | side << 24;
    for (int i = 0; i < flips; ++i) moveList->append(SquareChange::fromWord(squares[i] | flip));
    // The move's own square comes last.
    moveList->append({static_cast<uint8_t>(column), static_cast<uint8_t>(row),
                      squareAt(board, column, row), side});
    objectsCreated += 1 + static_cast<uint32_t>(moveList->size());
    return moveList;
}

template <class Bits>
inline MoveList* buildMoveList(const Board& board, int column, int row, uint8_t side) {
    const boardbits::Disks disks = Bits::disksOf(board);
    uint64_t flipped;
    return side == Red
               ? buildMoveList<Bits>(board, column, row, side, disks.red, disks.blue, flipped)
               : buildMoveList<Bits>(board, column, row, side, disks.blue, disks.red, flipped);
}

template <class Bits>
inline int32_t makeSearchMove(Board& board, int column, int row, uint8_t side) {
    ++searchNodes;
    MoveList* moveList = buildMoveList<Bits>(board, column, row, side);
    if (moveList != nullptr) {
        applyMoveList(*moveList, board);
        ++objectsFreed;
        delete moveList;
    }
    return markLegalMoves<Bits>(board, opponentOf(side));
}

// What the search carries from a board to its children besides the squares: the disks of
// the side to move and of the other side, the side to move's legal squares (as marked on the
// board) and Red's weighted sum minus Blue's.
struct SearchState {
    uint64_t own;
    uint64_t opponent;
    uint64_t marks;
    int32_t redMinusBlue;
};

// How much a square's weight counts for Red's weighted sum minus Blue's when its value
// changes: [before][after], the values empty, Red, Blue and LegalMark.
inline constexpr int32_t RED_MINUS_BLUE_CHANGE[4][4] = {
    {0, 1, -1, 0}, {-1, 0, -2, -1}, {1, 2, 0, 1}, {0, 1, -1, 0}};

// By how much an entry changes Red's weighted sum minus Blue's.
inline int32_t redMinusBlueChange(const SquareChange& change) {
    return SquareWeights[change.row & 7][change.column & 7] *
           RED_MINUS_BLUE_CHANGE[change.before & 3][change.after & 3];
}

// The state of a board as it stands: its disks, its LegalMark squares and its weighted sums.
template <class Bits>
inline SearchState searchStateOf(const Board& board, uint8_t side, int32_t redMinusBlue) {
    const boardbits::Disks disks = Bits::disksOf(board);
    return {side == Red ? disks.red : disks.blue, side == Red ? disks.blue : disks.red,
            Bits::marksOf(board), redMinusBlue};
}

// What playing a move of the search changed: Red's weighted sum minus Blue's, and the squares
// that now hold the side that moved.
struct Played {
    int32_t redMinusBlue;
    uint64_t placed;
};

// The record of the move on bit `start` of `side` built, applied to `board` (a copy of the
// board that `state` describes) and deleted, as MakeSearchMove does it.
template <class Bits>
TILECREST_ALWAYS_INLINE Played playSearchMove(Board& board, const SearchState& state, int start,
                                              uint8_t side) {
    ++searchNodes;
    const int column = 7 - (start & 7), row = start >> 3;
    uint64_t flipped;
    MoveList* moveList =
        buildMoveList<Bits>(board, column, row, side, state.own, state.opponent, flipped);
    if (moveList == nullptr) return {state.redMinusBlue, 0};  // the board is unchanged
    const int32_t change = applyMoveList(*moveList, board, redMinusBlueChange);
    ++objectsFreed;
    delete moveList;
    return {state.redMinusBlue + change, flipped | 1ull << start};
}

// MakeSearchMove on `board`, a copy of the board that `state` describes, for the move on bit
// `start` of `side`; returns the state of the board afterwards, for the opponent. The legal
// squares written on the board are the ones returned, so the result is MakeSearchMove's
// exactly. The disks follow from the record instead of being read from the board again.
template <class Bits>
TILECREST_ALWAYS_INLINE SearchState searchMove(Board& board, const SearchState& state, int start,
                                               uint8_t side) {
    const Played played = playSearchMove<Bits>(board, state, start, side);
    const uint64_t own = state.opponent & ~played.placed;
    const uint64_t other = state.own | played.placed;
    const uint64_t marks = Bits::legalSquares(own, other).marks;
    Bits::writeMarks(board, marks);
    return {own, other, marks, played.redMinusBlue};
}

// Whether the opponent of the side that played can move on the board afterwards.
template <class Bits>
TILECREST_ALWAYS_INLINE bool opponentCanMove(const SearchState& state, const Played& played) {
    return Bits::legalSquares(state.opponent & ~played.placed, state.own | played.placed).marks !=
           0;
}

}  // namespace rulekernels
