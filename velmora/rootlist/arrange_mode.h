#pragma once

#include "device/objc/runtime.h"
#include "device/preferences/view_controller.h"

#include <string_view>

namespace velmora::rootlist {

// Data source and delegate of the root list's arrange table; one instance serves the whole process.
class test : public device::preferences::PSViewController {
public:
    static constexpr std::string_view className = "test";
};

void registerArrangeTable();

void setEditingState(device::objc::id self, device::objc::SEL cmd);
void ArrangeCompleted(device::objc::id self, device::objc::SEL cmd);
void resetPos(device::objc::id self, device::objc::SEL cmd);

}  // namespace velmora::rootlist
