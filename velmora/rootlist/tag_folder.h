#pragma once

#include "device/preferences/list_controller.h"

#include <string_view>

namespace velmora::rootlist {

// The page of a tag folder entry, which lists the tag's members.
class TagFolder : public device::preferences::PSListController {
public:
    static constexpr std::string_view className = "TagFolder";
};

void registerTagFolder();

}  // namespace velmora::rootlist
