#pragma once

#include "device/preferences/view_controller.h"

#include <string_view>

namespace velmora::rootlist {

// Data source and delegate of a tag folder's arrange table; one instance serves the whole process.
class Editable : public device::preferences::PSViewController {
public:
    static constexpr std::string_view className = "Editable";
};

void registerFolderArrangeTable();

}  // namespace velmora::rootlist
