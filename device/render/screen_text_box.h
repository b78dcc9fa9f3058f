#pragma once

#include "device/render/screen_text_canvas.h"
#include "device/render/screen_text_page.h"

namespace device::render {

void writeBlock(TextCanvas& canvas, const TextBlock& block, int top, int column);
// A frame of `width` columns drawn over what is there, the content inside it two columns in.
void drawBox(TextCanvas& canvas, const TextBlock& content, int top, int column, int width);
// The height drawBox gives that content.
int boxHeight(const TextBlock& content);

}  // namespace device::render
