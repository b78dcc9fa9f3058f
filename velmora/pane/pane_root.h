#pragma once

#include "device/preferences/list_controller.h"

#include <string_view>

namespace velmora::pane {

// The library's own pane, opened from its entry at the end of the root list.
class VelmoraController : public device::preferences::PSListController {
public:
    static constexpr std::string_view className = "VelmoraController";
};

void registerVelmoraController();

}  // namespace velmora::pane
