#pragma once

#include "device/preferences/list_controller.h"

#include <string_view>

namespace velmora::protection {

// The pages that choose hidden and protected entries. They are empty until those choices exist.
class allSpecifiersController : public device::preferences::PSListController {
public:
    static constexpr std::string_view className = "allSpecifiersController";
};

class protectionController : public device::preferences::PSListController {
public:
    static constexpr std::string_view className = "protectionController";
};

void registerEntryListPages();

}  // namespace velmora::protection
