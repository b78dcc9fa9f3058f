#pragma once

#include "monkey/action.h"
#include "monkey/random.h"

#include "device/render/screen_description.h"

#include <deque>
#include <optional>
#include <string>

namespace monkey {

// What the chooser may know beyond the screen.
struct ChoiceHints {
    // The keypad digit that brings the typed code closer to the passcode.
    std::optional<char> passcodeKey;
    // The profile a step may move to; empty when the run stays on one.
    std::string otherProfile;
    // The page in front is one of the host's own, where nothing of Velmora is left to find.
    bool hostPage = false;
    // The page in front is the root list, where the way into Velmora's pane is one row among many.
    bool rootList = false;
};

// Picks the next step from what the screen shows, weighted so that a run reaches every page: most
// steps tap what is there; a lock screen gets its passcode more often than not. Now and then, from
// the root list, it follows a plan a person would (a tag with members, a passcode guarding an entry,
// swipe actions switched on), one step at a time, whatever comes of each.
class ActionChooser {
public:
    Action next(const device::render::ScreenDescription& screen, const ChoiceHints& hints, Random& random);

private:
    std::deque<std::string> m_plan;
};

}  // namespace monkey
