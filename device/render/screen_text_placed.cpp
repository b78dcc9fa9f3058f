#include "device/render/screen_text_placed.h"

#include "device/render/screen_text_canvas.h"
#include "device/render/screen_text_width.h"

#include <algorithm>
#include <cmath>

namespace device::render {

namespace {

double middleY(const uikit::CGRect& frame)
{
    return frame.origin.y + frame.size.height / 2;
}

// Two labels share a line when each one's middle lies within half the shorter one's height of the other's.
bool sameBand(const uikit::CGRect& a, const uikit::CGRect& b)
{
    double reach = std::min(a.size.height, b.size.height) / 2;
    return std::abs(middleY(a) - middleY(b)) < std::max(reach, 1.0);
}

std::vector<std::vector<const PlacedText*>> linesOf(const std::vector<PlacedText>& texts)
{
    std::vector<const PlacedText*> sorted;
    for (const auto& text : texts) {
        sorted.push_back(&text);
    }
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const PlacedText* a, const PlacedText* b) { return middleY(a->frame) < middleY(b->frame); });
    std::vector<std::vector<const PlacedText*>> lines;
    for (const PlacedText* text : sorted) {
        if (lines.empty() || !sameBand(lines.back().front()->frame, text->frame)) {
            lines.emplace_back();
        }
        lines.back().push_back(text);
    }
    for (auto& line : lines) {
        std::stable_sort(line.begin(), line.end(), [](const PlacedText* a, const PlacedText* b) {
            return a->frame.origin.x < b->frame.origin.x;
        });
    }
    return lines;
}

}  // namespace

TextBlock renderPlacedTexts(const std::vector<PlacedText>& texts, uikit::CGRect area, int width)
{
    TextBlock block;
    double areaWidth = std::max(area.size.width, 1.0);
    for (const auto& line : linesOf(texts)) {
        TextCanvas canvas;
        canvas.write(0, 0, "");
        int nextFree = 0;
        bool fits = true;
        for (const PlacedText* text : line) {
            int columns = displayWidth(text->text);
            double centre = (text->frame.origin.x + text->frame.size.width / 2 - area.origin.x) / areaWidth;
            int column = static_cast<int>(std::lround(centre * width)) - columns / 2;
            column = std::clamp(column, nextFree, std::max(nextFree, width - columns));
            if (column + columns > width) {
                fits = false;
                break;
            }
            canvas.write(0, column, text->text);
            nextFree = column + columns + 1;
        }
        if (fits) {
            block.lines.push_back(canvas.lines().front());
            continue;
        }
        // Too much for one line: each text centred on lines of its own, as a narrow screen would wrap them.
        std::vector<std::string> own;
        for (const PlacedText* text : line) {
            own.push_back(text->text);
        }
        TextBlock centred = renderCentredTexts(own, width);
        block.lines.insert(block.lines.end(), centred.lines.begin(), centred.lines.end());
        block.brokenTexts.insert(block.brokenTexts.end(), centred.brokenTexts.begin(), centred.brokenTexts.end());
    }
    return block;
}

}  // namespace device::render
