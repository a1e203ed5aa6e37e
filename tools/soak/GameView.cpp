#include "tools/soak/GameView.h"

#include "rules/ObjectCounters.h"
#include "screen/Game.h"
#include "screen/ObjectList.h"
#include "tools/soak/Oracle.h"

GameView GameView::of(const Game& game) {
    GameView view;
    for (int row = 0; row < 8; ++row) view.rows[row] = game.board.rows[row];
    view.sideToMove = game.sideToMove;
    view.redCount = game.redCount;
    view.blueCount = game.blueCount;
    view.historySize = game.history.size();
    view.state = game.state;
    view.enteredState = game.enteredState;
    view.opponent = game.opponent;
    view.redraw = game.redraw;
    view.undoEnabled = game.buttons[ACTION_UNDO_MOVE].enabled;
    view.elements = objectListSize();
    view.live = objectsCreated - objectsFreed;
    return view;
}

PositionKey PositionKey::of(const GameView& view) {
    PositionKey key;
    for (int row = 0; row < 8; ++row) key.rows[row] = view.rows[row];
    key.sideToMove = view.sideToMove;
    key.redCount = view.redCount;
    key.blueCount = view.blueCount;
    return key;
}

bool PositionKey::operator==(const PositionKey& other) const {
    for (int row = 0; row < 8; ++row) {
        if (rows[row] != other.rows[row]) return false;
    }
    return sideToMove == other.sideToMove && redCount == other.redCount &&
           blueCount == other.blueCount;
}

std::string describe(const uint16_t rows[8], uint8_t sideToMove, int32_t red, int32_t blue) {
    static const char symbols[4] = {'.', 'R', 'B', '*'};
    std::string text;
    for (int row = 0; row < 8; ++row) {
        if (row > 0) text += '/';
        for (int column = 0; column < 8; ++column) {
            text += symbols[oracle::squareOf(rows, column, row)];
        }
    }
    text += sideToMove == oracle::RED    ? " red to move"
            : sideToMove == oracle::BLUE ? " blue to move"
                                         : " nobody to move";
    text += " counts " + std::to_string(red) + "/" + std::to_string(blue);
    return text;
}

std::string describe(const PositionKey& key) {
    return describe(key.rows, key.sideToMove, key.redCount, key.blueCount);
}

const char* stateName(int32_t state) {
    static const char* const names[] = {"PLAYING",
                                        "CONFIRM_NEW_GAME",
                                        "CHOOSE_OPPONENT",
                                        "CHOOSE_OPPONENT_OR_QUIT",
                                        "CONFIRM_QUIT",
                                        "GAME_OVER",
                                        "QUIT",
                                        "DIALOG"};
    return state >= 0 && state <= 7 ? names[state] : "UNKNOWN";
}
