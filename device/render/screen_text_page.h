#pragma once

#include "device/render/screen_description.h"

#include <string>
#include <vector>

namespace device::render {

// Lines of text of one width, with the texts that had to be broken over several of them.
struct TextBlock {
    std::vector<std::string> lines;
    std::vector<std::string> brokenTexts;
};

void appendBlock(TextBlock& block, const TextBlock& more);
std::string ruleText(int width);
TextBlock renderNavigationBarText(const NavigationBarDescription& bar, int width);
// Each text centred on lines of its own.
TextBlock renderCentredTexts(const std::vector<std::string>& texts, int width);
// The navigation bar, a rule, then the sections: headers, rows and footers.
TextBlock renderPageText(const PageDescription& page, int width);
// The page without its navigation bar: the search field and the sections.
TextBlock renderPageTable(const PageDescription& page, int width);

}  // namespace device::render
