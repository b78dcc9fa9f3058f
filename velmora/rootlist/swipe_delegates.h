#pragma once

#include "device/uikit/action_sheet.h"
#include "device/uikit/gesture_recognizer.h"

#include <string_view>

namespace velmora::rootlist {

// Delegate of every cell's pan: it lets the pan run alongside the table's own scrolling. It holds nothing,
// so one instance serves the whole process.
class GestureRec : public device::uikit::UIGestureRecognizer {
public:
    static constexpr std::string_view className = "GestureRec";

    bool gestureRecognizerShouldRecognizeSimultaneouslyWithGestureRecognizer(device::uikit::UIGestureRecognizer*,
                                                                            device::uikit::UIGestureRecognizer*) const
    {
        return true;
    }
};

// Delegate of the "More" sheet: files the swiped entry into a tag, or takes it off the list until the next
// rebuild.
class swipeable : public device::uikit::UIView {
public:
    static constexpr std::string_view className = "swipeable";

    void actionSheetClickedButtonAtIndex(device::uikit::UIActionSheet* sheet, long index);
};

void registerSwipeClasses();

}  // namespace velmora::rootlist
