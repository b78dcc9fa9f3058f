#include "tests/device/uikit/find_button.h"

namespace testing_support {

device::uikit::UIButton* findButton(device::uikit::UIView& root, std::string_view title)
{
    auto* button = dynamic_cast<device::uikit::UIButton*>(&root);
    if (button && button->title() == title) {
        return button;
    }
    for (auto it = root.subviews().rbegin(); it != root.subviews().rend(); ++it) {
        if (auto* found = findButton(**it, title)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace testing_support
