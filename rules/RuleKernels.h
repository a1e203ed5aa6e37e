#pragma once

#include <cstdint>

#include "rules/Board.h"
#include "rules/BoardBits.h"
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

template <class Bits>
inline MoveList* buildMoveList(const Board& board, int column, int row, uint8_t side) {
    const boardbits::Disks disks = Bits::disksOf(board);
    const uint64_t own = side == Red ? disks.red : disks.blue;
    const uint64_t opponent = side == Red ? disks.blue : disks.red;
    const int start = boardbits::bitIndex(column, row);
    uint16_t flipped[64];
    // The walks of different directions never share a square, so no square is noted twice.
    const int flips = Bits::flippedSquares(start, own, opponent, flipped);

    MoveList* moveList = new MoveList;
    if (moveList == nullptr) return nullptr;
    uint32_t created = 1;
    // Every enclosed disk changes from the opponent to the side: one word per entry.
    const uint32_t flip = static_cast<uint32_t>(opponentOf(side)) << 16 | side << 24;
    for (int i = 0; i <= flips; ++i) {
        // The move's own square comes last.
        SquareChange* change =
            i < flips ? new SquareChange(SquareChange::fromWord(flipped[i] | flip))
                      : new SquareChange{static_cast<uint8_t>(column), static_cast<uint8_t>(row),
                                         squareAt(board, column, row), side};
        if (change != nullptr) ++created;
        if (!moveList->append(change) && change != nullptr) {
            // The list could not take it: delete it again.
            delete change;
            ++objectsFreed;
        }
    }
    objectsCreated += created;
    return moveList;
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

}  // namespace rulekernels
