#pragma once

#include "device/render/screen_description.h"
#include "device/render/screen_text_page.h"

namespace device::render {

// Texts laid out roughly where they stand on the screen: those sharing a band of height go on one
// line, each at the column its centre maps to, so a grid of keys reads as a grid.
TextBlock renderPlacedTexts(const std::vector<PlacedText>& texts, uikit::CGRect area, int width);

}  // namespace device::render
