#pragma once

#include "device/uikit/button.h"
#include "device/uikit/view.h"

#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

// The first button titled so inside root, searching front to back.
device::uikit::UIButton* findButton(device::uikit::UIView& root, std::string_view title);

// An alert's or a sheet's button titles in the platform's numbering.
template <class Buttons>
std::vector<std::string> titlesOf(const Buttons& buttons)
{
    std::vector<std::string> titles;
    for (long i = 0; i < buttons.numberOfButtons(); ++i) {
        titles.push_back(buttons.buttonTitleAtIndex(i));
    }
    return titles;
}

}  // namespace testing_support
