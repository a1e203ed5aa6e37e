#include "tools/search/Perft.h"

#include "rules/ComputerPlayer.h"
#include "rules/Position.h"

namespace {

uint64_t countLines(Position& position, int depth) {
    const CandidateMoves candidates = CollectMoves(position.board);
    if (depth == 1) return static_cast<uint64_t>(candidates.count);
    uint64_t lines = 0;
    for (int i = 0; i < candidates.count; ++i) {
        const PlayResult result =
            PlayMove(position, candidates.moves[i].column, candidates.moves[i].row);
        if (!result.gameOver) lines += countLines(position, depth - 1);
        UndoMoves(position, 1);
    }
    return lines;
}

}  // namespace

uint64_t perft(int depth) {
    if (depth < 1) return 1;
    Position position;
    ResetBoard(position, Red);
    position.sideToMove = Red;
    return countLines(position, depth);
}
