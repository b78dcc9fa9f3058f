#include "device/render/screen_text_box.h"

namespace device::render {

void writeBlock(TextCanvas& canvas, const TextBlock& block, int top, int column)
{
    for (std::size_t i = 0; i < block.lines.size(); ++i) {
        canvas.write(top + static_cast<int>(i), column, block.lines[i]);
    }
}

int boxHeight(const TextBlock& content)
{
    return static_cast<int>(content.lines.size()) + 2;
}

void drawBox(TextCanvas& canvas, const TextBlock& content, int top, int column, int width)
{
    int height = boxHeight(content);
    canvas.clear(top, column, height, width);
    canvas.write(top, column, "┌" + ruleText(width - 2) + "┐");
    for (int row = top + 1; row < top + height - 1; ++row) {
        canvas.write(row, column, "│");
        canvas.write(row, column + width - 1, "│");
    }
    writeBlock(canvas, content, top + 1, column + 2);
    canvas.write(top + height - 1, column, "└" + ruleText(width - 2) + "┘");
}

}  // namespace device::render
