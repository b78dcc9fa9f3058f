#pragma once

#include "device/render/screen_description.h"
#include "device/render/screen_text_canvas.h"

#include <string>
#include <vector>

namespace device::render {

// What the platform shows over a page, drawn over the text of a screen `screenWidth` columns wide.
// Each returns the texts it had to break over several lines.

// A box centred over the part of the page a phone's screen holds: title, message, then the buttons,
// two side by side, more stacked with the cancel button last.
std::vector<std::string> drawAlert(TextCanvas& canvas, const AlertDescription& alert, int screenWidth);
// On a phone a box below the page with the cancel button apart below it; on a tablet a popover box
// at the top right.
std::vector<std::string> drawSheet(TextCanvas& canvas, const SheetDescription& sheet, DeviceKind device,
                                   int screenWidth);
// The keys, below everything else.
void drawKeyboard(TextCanvas& canvas, KeyboardKind kind, int screenWidth);

}  // namespace device::render
