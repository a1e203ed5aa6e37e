#pragma once

#include <cstdint>

// The Game's states. Requests are written to Game::state; the next tick enters them.
enum GameState : int32_t {
    STATE_PLAYING = 0,
    STATE_CONFIRM_NEW_GAME = 1,
    STATE_CHOOSE_OPPONENT = 2,
    STATE_CHOOSE_OPPONENT_OR_QUIT = 3,
    STATE_CONFIRM_QUIT = 4,
    STATE_GAME_OVER = 5,
    STATE_QUIT = 6,
    STATE_DIALOG = 7,
};

// Who plays Blue. Red is always a person.
enum Opponent : int32_t {
    OPPONENT_COMPUTER = 1,
    OPPONENT_HUMAN = 2,
};

// The action codes carried by buttons in their id. 3 is deliberately unused.
enum Action : int32_t {
    ACTION_NEW_GAME = 0,
    ACTION_UNDO_MOVE = 1,
    ACTION_QUIT_GAME = 2,
    ACTION_ANOTHER_GAME_YES = 4,
    ACTION_ANOTHER_GAME_NO = 5,
    ACTION_CANCEL_AND_QUIT = 6,
    ACTION_NEW_GAME_YES = 7,
    ACTION_NEW_GAME_NO = 8,
    ACTION_QUIT_YES = 9,
    ACTION_QUIT_NO = 10,
    ACTION_HUMAN = 11,
    ACTION_COMPUTER = 12,
    ACTION_CANCEL = 13,
};
