#pragma once

#include "device/render/screen_description.h"

#include <string>
#include <string_view>
#include <vector>

namespace device::render {

// A screen drawn as text for a terminal: the navigation bar, the sections and their rows, the list
// beside the page on a tablet, a presented page framed over the rest, and over it all an action
// sheet, the keyboard and an alert.
class ScreenText {
public:
    explicit ScreenText(const ScreenDescription& screen);

    const std::string& str() const { return m_text; }
    // Whether the text appears on screen: in the rendering, or inside one text that the rendering
    // had to break over several lines.
    bool contains(std::string_view text) const;

private:
    std::string m_text;
    std::vector<std::string> m_brokenTexts;
};

}  // namespace device::render
