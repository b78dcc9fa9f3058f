#pragma once

#include "device/objc/runtime.h"
#include "device/uikit/action_sheet.h"

#include <string_view>

namespace velmora::rootlist {

// Delegate of every sort sheet; one instance serves the whole process.
class Sort : public device::uikit::UIActionSheet {
public:
    static constexpr std::string_view className = "Sort";

    void actionSheetClickedButtonAtIndex(device::uikit::UIActionSheet* sheet, long index);
};

void registerSortDelegate();

void sortAZ(device::objc::id self, device::objc::SEL cmd);
void sortZA(device::objc::id self, device::objc::SEL cmd);
void sortType(device::objc::id self, device::objc::SEL cmd, device::objc::id barButtonItem);

}  // namespace velmora::rootlist
