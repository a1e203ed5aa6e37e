#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class Game;

// What the soak can see of a Game between two events: the position, the flow fields, the
// element list and the object accounting. Taken before and after every tick so the checker
// can judge what the tick changed.
struct GameView {
    uint16_t rows[8] = {};
    uint8_t sideToMove = 0;
    int32_t redCount = 0;
    int32_t blueCount = 0;
    std::size_t historySize = 0;
    int32_t state = 0;
    int32_t enteredState = 0;
    int32_t opponent = 0;
    bool redraw = false;
    bool undoEnabled = false;
    std::size_t elements = 0;  // entries of the ObjectList
    uint32_t live = 0;         // objectsCreated - objectsFreed

    static GameView of(const Game& game);
};

// The part of a view an undo must bring back exactly: rows, side to move and both counts.
struct PositionKey {
    uint16_t rows[8] = {};
    uint8_t sideToMove = 0;
    int32_t redCount = 0;
    int32_t blueCount = 0;

    static PositionKey of(const GameView& view);
    bool operator==(const PositionKey& other) const;
    bool operator!=(const PositionKey& other) const { return !(*this == other); }
};

// One line of a position for failure messages: the eight rows as 8 characters each
// (. empty, R, B, * mark), side to move and counts.
std::string describe(const uint16_t rows[8], uint8_t sideToMove, int32_t red, int32_t blue);
std::string describe(const PositionKey& key);
const char* stateName(int32_t state);
