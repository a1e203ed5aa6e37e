#include "tools/search/SearchQuery.h"

#include <chrono>
#include <sstream>

#include "base/ObjectCounters.h"
#include "rules/ComputerPlayer.h"
#include "rules/Position.h"
#include "rules/Rules.h"

namespace {

bool parseSquare(const std::string& token, int& column, int& row) {
    if (token.size() != 2 || token[0] < 'a' || token[0] > 'h' || token[1] < '1' || token[1] > '8') {
        return false;
    }
    column = token[0] - 'a';
    row = token[1] - '1';
    return true;
}

std::string squareName(Move move) {
    if (move == NoMove) return "none";
    return {static_cast<char>('a' + move.column), static_cast<char>('1' + move.row)};
}

}  // namespace

SearchAnswer answerLine(const std::string& line, SearchTotals& totals) {
    Position position;
    ResetBoard(position, Red);
    position.sideToMove = Red;

    std::istringstream tokens(line);
    std::string token;
    while (tokens >> token) {
        int column = 0, row = 0;
        if (!parseSquare(token, column, row) ||
            squareAt(position.board, column, row) != LegalMark) {
            return {"illegal " + token, true};
        }
        if (PlayMove(position, column, row).gameOver) return {"over", true};
    }

    const uint64_t nodesBefore = searchNodes;
    const uint32_t createdBefore = objectsCreated;
    const uint32_t freedBefore = objectsFreed;
    const auto start = std::chrono::steady_clock::now();
    const Move move = ComputeMove(position.board, position.sideToMove);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    // Differences of the 32-bit counters stay right across a wrap-around.
    const uint32_t created = objectsCreated - createdBefore;
    const uint32_t freed = objectsFreed - freedBefore;
    const uint64_t nodes = searchNodes - nodesBefore;
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count();

    ++totals.positions;
    totals.nodes += nodes;
    totals.records += created;
    totals.seconds += std::chrono::duration<double>(elapsed).count();

    std::ostringstream text;
    text << squareName(move) << " nodes=" << nodes << " records=" << created << " us=" << micros;
    return {text.str(), created == freed};
}
