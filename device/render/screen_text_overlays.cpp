#include "device/render/screen_text_overlays.h"

#include "device/render/screen_text_box.h"
#include "device/render/screen_text_width.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace device::render {

namespace {

constexpr int kAlertWidth = 32;
constexpr int kPopoverWidth = 34;
constexpr int kBoxTop = 2;
// About as many lines of page as a phone's screen shows at once.
constexpr int kScreenLines = 24;

constexpr std::array<std::string_view, 4> kLetterRows{"Q  W  E  R  T  Y  U  I  O  P", "A  S  D  F  G  H  J  K  L",
                                                      "⇧  Z  X  C  V  B  N  M  ⌫", "123   space   return"};
constexpr std::array<std::string_view, 4> kDigitRows{"1     2     3", "4     5     6", "7     8     9",
                                                     "      0     ⌫"};

void append(TextBlock& block, const TextBlock& more)
{
    block.lines.insert(block.lines.end(), more.lines.begin(), more.lines.end());
    block.brokenTexts.insert(block.brokenTexts.end(), more.brokenTexts.begin(), more.brokenTexts.end());
}

int centredColumn(std::string_view text, int from, int width)
{
    return from + std::max(0, (width - displayWidth(text)) / 2);
}

void addStackedButtons(TextBlock& block, const std::vector<std::string>& buttons, int width)
{
    for (const auto& button : buttons) {
        block.lines.push_back(ruleText(width));
        append(block, renderCentredTexts({button}, width));
    }
}

// Two buttons share a line when both fit in half of it.
bool addButtonPair(TextBlock& block, const std::vector<std::string>& buttons, int width)
{
    int half = (width - 1) / 2;
    if (buttons.size() != 2 || displayWidth(buttons[0]) > half - 1 || displayWidth(buttons[1]) > half - 1) {
        return false;
    }
    TextCanvas line;
    line.write(0, 0, "");
    line.write(0, centredColumn(buttons[0], 0, half), buttons[0]);
    line.write(0, half, "│");
    line.write(0, centredColumn(buttons[1], half + 1, width - half - 1), buttons[1]);
    block.lines.push_back(ruleText(width));
    block.lines.push_back(line.lines().front());
    return true;
}

TextBlock titleAndMessage(const std::string& title, const std::string& message, int width)
{
    std::vector<std::string> texts;
    for (const auto& text : {title, message}) {
        if (!text.empty()) {
            texts.push_back(text);
        }
    }
    return renderCentredTexts(texts, width);
}

}  // namespace

std::vector<std::string> drawAlert(TextCanvas& canvas, const AlertDescription& alert, int screenWidth)
{
    int width = std::min(kAlertWidth, screenWidth - 4);
    int inner = width - 4;
    TextBlock content = titleAndMessage(alert.title, alert.message, inner);
    if (!addButtonPair(content, alert.buttons, inner)) {
        std::vector<std::string> buttons = alert.buttons;
        if (alert.cancelButton && *alert.cancelButton < buttons.size()) {
            auto cancel = buttons.begin() + static_cast<long>(*alert.cancelButton);
            std::rotate(cancel, cancel + 1, buttons.end());
        }
        addStackedButtons(content, buttons, inner);
    }
    int visible = std::min(canvas.rowCount(), kScreenLines);
    int top = std::max(kBoxTop, (visible - boxHeight(content)) / 2);
    drawBox(canvas, content, top, (screenWidth - width) / 2, width);
    return content.brokenTexts;
}

std::vector<std::string> drawSheet(TextCanvas& canvas, const SheetDescription& sheet, DeviceKind device,
                                   int screenWidth)
{
    bool popover = device == DeviceKind::Tablet;
    int width = popover ? std::min(kPopoverWidth, screenWidth) : screenWidth;
    int inner = width - 4;
    TextBlock content = titleAndMessage(sheet.title, "", inner);
    std::vector<std::string> buttons;
    std::optional<std::string> cancel;
    for (std::size_t i = 0; i < sheet.buttons.size(); ++i) {
        if (i == sheet.cancelButton && !popover) {
            cancel = sheet.buttons[i];
        } else {
            buttons.push_back(sheet.buttons[i]);
        }
    }
    addStackedButtons(content, buttons, inner);
    if (!content.lines.empty() && content.lines.front() == ruleText(inner)) {
        content.lines.erase(content.lines.begin());
    }
    int top = popover ? kBoxTop : canvas.rowCount() + 1;
    drawBox(canvas, content, top, popover ? screenWidth - width : 0, width);
    std::vector<std::string> broken = content.brokenTexts;
    if (cancel) {
        TextBlock cancelBox = renderCentredTexts({*cancel}, inner);
        drawBox(canvas, cancelBox, top + boxHeight(content), 0, width);
        broken.insert(broken.end(), cancelBox.brokenTexts.begin(), cancelBox.brokenTexts.end());
    }
    return broken;
}

void drawKeyboard(TextCanvas& canvas, KeyboardKind kind, int screenWidth)
{
    const auto& rows = kind == KeyboardKind::NumberPad ? kDigitRows : kLetterRows;
    int inner = screenWidth - 4;
    TextBlock keys;
    for (std::string_view row : rows) {
        TextCanvas line;
        line.write(0, centredColumn(row, 0, inner), row);
        keys.lines.push_back(line.lines().front());
    }
    drawBox(canvas, keys, canvas.rowCount() + 1, 0, screenWidth);
}

}  // namespace device::render
