#include "rules/Rules.h"

#include "rules/BoardBits.h"
#include "rules/RuleKernels.h"

uint64_t searchNodes = 0;

bool FlipsInDirection(const Board& board, int direction, int column, int row, uint8_t side) {
    const boardbits::Disks disks = boardbits::ScalarBits::disksOf(board);
    const uint64_t own = side == Red ? disks.red : disks.blue;
    const uint64_t opponent = side == Red ? disks.blue : disks.red;
    return boardbits::flipCount(direction, boardbits::bitIndex(column, row), own, opponent) > 0;
}

int32_t MarkLegalMoves(Board& board, uint8_t side) {
    return rulekernels::markLegalMoves<boardbits::ScalarBits>(board, side);
}

MoveList* BuildMoveList(const Board& board, int column, int row, uint8_t side) {
    return rulekernels::buildMoveList<boardbits::ScalarBits>(board, column, row, side);
}

int32_t MakeSearchMove(Board& board, int column, int row, uint8_t side) {
    return rulekernels::makeSearchMove<boardbits::ScalarBits>(board, column, row, side);
}
