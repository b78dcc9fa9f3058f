#pragma once

#include "device/render/screen_description.h"

#include <string>
#include <vector>

namespace monkey {

// A text on screen that `tap` can aim at, as the N-th of its kind in the simulator's order.
struct TapTarget {
    std::string text;
    long occurrence = 1;
};

// The lock screen covers everything with a keypad whose keys are labelled by their digits.
bool isLockScreen(const device::render::ScreenDescription& screen);
// The label that deletes the last digit or, with none typed, closes the lock screen.
std::string lockScreenCancelLabel(const device::render::ScreenDescription& screen);

// What a finger can reach: only the alert's buttons while an alert is up, only the sheet's while a
// sheet is; else the presented page, or the page and the list beside it.
std::vector<TapTarget> tapTargets(const device::render::ScreenDescription& screen);

// The rows of the page in front that a person can reach, with their kind.
std::vector<const device::render::RowDescription*> reachableRows(const device::render::ScreenDescription& screen);

// The page in front that is in editing mode, if any.
const device::render::PageDescription* editingPage(const device::render::ScreenDescription& screen);

// Double-quoted, as velmora-sim reads a TEXT whatever it holds.
std::string quoted(const std::string& text);

}  // namespace monkey
