#include "rules/Position.h"

#include "base/ObjectCounters.h"
#include "rules/MoveList.h"
#include "rules/Rules.h"

void ResetBoard(Position& position, uint8_t side) {
    position.board = Board{};
    setSquare(position.board, 3, 3, Red);
    setSquare(position.board, 4, 4, Red);
    setSquare(position.board, 4, 3, Blue);
    setSquare(position.board, 3, 4, Blue);
    MarkLegalMoves(position.board, side);
    CountDisks(position);
}

void CountDisks(Position& position) {
    position.redCount = 0;
    position.blueCount = 0;
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            const uint8_t value = squareAt(position.board, column, row);
            if (value == Red) ++position.redCount;
            if (value == Blue) ++position.blueCount;
        }
    }
}

PlayResult PlayMove(Position& position, int column, int row) {
    PlayResult result{false, false};
    const uint8_t side = position.sideToMove;
    MoveList* moveList = BuildMoveList(position.board, column, row, side);
    if (moveList != nullptr) {
        position.history.PushRecord(moveList);
        applyMoveList(*moveList, position.board);
        result.recorded = true;
    }
    position.sideToMove = opponentOf(side);
    result.gameOver = MarkLegalMoves(position.board, position.sideToMove) == 0;
    CountDisks(position);
    return result;
}

bool UndoMoves(Position& position, int records) {
    for (int i = 0; i < records && !position.history.empty(); ++i) {
        UndoObject* record = position.history.PopRecord();
        if (const auto* moveList = dynamic_cast<const MoveList*>(record)) {
            for (const SquareChange* change : *moveList) RestoreSquare(change, position.board);
        }
        if (record != nullptr) {
            ++objectsFreed;
            delete record;
        }
        position.sideToMove = opponentOf(position.sideToMove);
        MarkLegalMoves(position.board, position.sideToMove);
        CountDisks(position);
    }
    return position.history.empty();
}

uint8_t Winner(const Position& position) {
    return position.redCount > position.blueCount ? Red : Blue;
}
