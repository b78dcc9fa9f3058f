#pragma once

#include <string>

namespace monkey {

// What a step does, as far as the passcode check must know.
enum class ActionKind {
    // A touch that may select a row: a tap, a switch, a swipe, a drag, back.
    Touch,
    // A key of the lock screen's keypad, or its cancel/delete label.
    Keypad,
    // Moves a list or the clock, selecting nothing: scroll, wait, typing.
    Passive,
    // The app starts afresh: relaunch, a language change, another profile.
    Restart,
};

// One step: a command line of velmora-sim, or the move to another profile.
struct Action {
    ActionKind kind = ActionKind::Touch;
    std::string line;
    // Keypad: the digit tapped; empty for the cancel/delete label.
    std::string digit{};
    // Another profile, booted instead of running a line.
    std::string switchTo{};
};

}  // namespace monkey
