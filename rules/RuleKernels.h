#pragma once

#include <cstdint>

#include "rules/Board.h"
#include "rules/BoardBits.h"
#include "rules/ComputerPlayer.h"
#include "rules/MoveList.h"
#include "rules/ObjectCounters.h"
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

// BuildMoveList for a board whose disks of the side (`own`) and of its opponent are known.
template <class Bits>
inline MoveList* buildMoveList(const Board& board, int column, int row, uint8_t side, uint64_t own,
                               uint64_t opponent) {
    const int start = boardbits::bitIndex(column, row);
    uint16_t flipped[64];
    // The walks of different directions never share a square, so no square is noted twice.
    const int flips = Bits::flippedSquares(start, own, opponent, flipped);

    MoveList* moveList = new MoveList;
    if (moveList == nullptr) return nullptr;
    // Every enclosed disk changes from the opponent to the side: one word per entry.
    const uint32_t flip = static_cast<uint32_t>(opponentOf(side)) << 16 | side << 24;
    for (int i = 0; i < flips; ++i) moveList->append(SquareChange::fromWord(flipped[i] | flip));
    // The move's own square comes last.
    moveList->append({static_cast<uint8_t>(column), static_cast<uint8_t>(row),
                      squareAt(board, column, row), side});
    objectsCreated += 1 + static_cast<uint32_t>(moveList->size());
    return moveList;
}

template <class Bits>
inline MoveList* buildMoveList(const Board& board, int column, int row, uint8_t side) {
    const boardbits::Disks disks = Bits::disksOf(board);
    return side == Red ? buildMoveList<Bits>(board, column, row, side, disks.red, disks.blue)
                       : buildMoveList<Bits>(board, column, row, side, disks.blue, disks.red);
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

// The mask and the weight of each square, bit index 8 * row + column; and how much a value
// counts for Red's sum minus Blue's, so that an entry's before and after give its change.
struct SquareTable {
    struct Square {
        alignas(16) uint64_t mask[2];  // as boardbits::SQUARE_MASKS
        int32_t weight;
    } square[64];
    int32_t valueChange[4][4];  // [before][after]
};

constexpr SquareTable makeSquareTable() {
    SquareTable table{};
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            SquareTable::Square& square = table.square[8 * row + column];
            square.mask[0] = boardbits::SQUARE_MASKS.mask[row][column][0];
            square.mask[1] = boardbits::SQUARE_MASKS.mask[row][column][1];
            square.weight = SquareWeights[row][column];
        }
    }
    const int32_t forRed[4] = {0, 1, -1, 0};  // empty, Red, Blue, LegalMark
    for (int before = 0; before < 4; ++before) {
        for (int after = 0; after < 4; ++after) {
            table.valueChange[before][after] = forRed[after] - forRed[before];
        }
    }
    return table;
}

inline constexpr SquareTable SQUARE_TABLE = makeSquareTable();

// applyMoveList, returning as well by how much the entries change Red's weighted sum minus
// Blue's: the evaluation follows the record instead of being recomputed at every leaf.
inline int32_t applyMoveListScored(const MoveList& moveList, Board& board) {
    uint64_t top, bottom;
    boardbits::loadRows(board, top, bottom);
    int32_t change = 0;
#if defined(__GNUC__)
    typedef uint64_t Words __attribute__((vector_size(16)));
    Words words = {top, bottom};
    for (const SquareChange* entry : moveList) {
        const SquareTable::Square& square =
            SQUARE_TABLE.square[(entry->row & 7) << 3 | (entry->column & 7)];
        Words mask;
        std::memcpy(&mask, square.mask, sizeof mask);
        words = (words & ~mask) | (mask & (entry->after & 3) * boardbits::EVEN_BITS);
        change += square.weight * SQUARE_TABLE.valueChange[entry->before & 3][entry->after & 3];
    }
    top = words[0];
    bottom = words[1];
#else
    for (const SquareChange* entry : moveList) {
        const SquareTable::Square& square =
            SQUARE_TABLE.square[(entry->row & 7) << 3 | (entry->column & 7)];
        const uint64_t value = (entry->after & 3) * boardbits::EVEN_BITS;
        top = (top & ~square.mask[0]) | (square.mask[0] & value);
        bottom = (bottom & ~square.mask[1]) | (square.mask[1] & value);
        change += square.weight * SQUARE_TABLE.valueChange[entry->before & 3][entry->after & 3];
    }
#endif
    boardbits::storeRows(board, top, bottom);
    return change;
}

// The state of a board as it stands: its disks, its LegalMark squares and its weighted sums.
template <class Bits>
inline SearchState searchStateOf(const Board& board, uint8_t side, int32_t redMinusBlue) {
    const boardbits::Disks disks = Bits::disksOf(board);
    return {side == Red ? disks.red : disks.blue, side == Red ? disks.blue : disks.red,
            Bits::marksOf(board), redMinusBlue};
}

// MakeSearchMove on `board`, a copy of the board that `state` describes, for the move on bit
// `start` of `side`; returns the state of the board afterwards, for the opponent. The record
// is built, applied and deleted as MakeSearchMove does it, and the legal squares written on
// the board are the ones returned, so the result is MakeSearchMove's exactly.
template <class Bits>
inline SearchState searchMove(Board& board, const SearchState& state, int start, uint8_t side) {
    ++searchNodes;
    const int column = 7 - (start & 7), row = start >> 3;
    int32_t redMinusBlue = state.redMinusBlue;
    MoveList* moveList = buildMoveList<Bits>(board, column, row, side, state.own, state.opponent);
    if (moveList != nullptr) {
        redMinusBlue += applyMoveListScored(*moveList, board);
        ++objectsFreed;
        delete moveList;
    }
    const boardbits::Disks disks = Bits::disksOf(board);
    const uint8_t opponent = opponentOf(side);
    const uint64_t own = opponent == Red ? disks.red : disks.blue;
    const uint64_t other = opponent == Red ? disks.blue : disks.red;
    const uint64_t marks = Bits::legalSquares(own, other).marks;
    Bits::writeMarks(board, marks);
    return {own, other, marks, redMinusBlue};
}

}  // namespace rulekernels
