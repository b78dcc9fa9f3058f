#include "device/render/screen_text_page.h"

#include "device/render/screen_text_canvas.h"
#include "device/render/screen_text_width.h"

#include <algorithm>

namespace device::render {

namespace {

enum class Align { Left, Centre, Right };

// One column is kept free at each side.
constexpr int kMargin = 1;

std::string line(const std::vector<std::pair<int, std::string>>& pieces)
{
    TextCanvas canvas;
    canvas.write(0, 0, "");
    for (const auto& [column, text] : pieces) {
        canvas.write(0, column, text);
    }
    return canvas.lines().front();
}

int columnFor(const std::string& text, int width, Align align, int indent)
{
    switch (align) {
    case Align::Left:
        return indent;
    case Align::Centre:
        return std::max(0, (width - displayWidth(text)) / 2);
    case Align::Right:
        return std::max(indent, width - kMargin - displayWidth(text));
    }
    return indent;
}

void addText(TextBlock& block, const std::string& text, int width, Align align, int indent = kMargin)
{
    auto lines = wrapText(text, std::max(1, width - indent - kMargin));
    if (lines.size() > 1) {
        block.brokenTexts.push_back(text);
    }
    for (const auto& wrapped : lines) {
        block.lines.push_back(line({{columnFor(wrapped, width, align, indent), wrapped}}));
    }
}

std::string accessoryText(const RowDescription& row, bool editing)
{
    std::vector<std::string> parts;
    if (row.focused) {
        parts.push_back(row.value.value_or("") + "▏");
    } else if (row.value) {
        parts.push_back(*row.value);
    }
    if (row.on) {
        parts.push_back(*row.on ? "[ON]" : "[off]");
    } else if (row.kind == RowKind::Link) {
        parts.push_back("›");
    }
    if (row.checked) {
        parts.push_back("✓");
    }
    if (editing && row.reorderControl) {
        parts.push_back("≡");
    }
    if (row.showsDeleteButton) {
        parts.push_back("[Delete]");
    }
    for (const auto& button : row.uncoveredButtons) {
        parts.push_back("[" + button + "]");
    }
    std::string joined;
    for (const auto& part : parts) {
        joined += (joined.empty() ? "" : " ") + part;
    }
    return joined;
}

void addRow(TextBlock& block, const RowDescription& row, bool editing, int width)
{
    std::string icon = std::string(row.deleteControl ? "⊖ " : "") + (row.hasIcon ? "■ " : "");
    std::string right = accessoryText(row, editing);
    int labelColumn = kMargin + displayWidth(icon);
    int labelEnd = labelColumn + displayWidth(row.label);
    if (labelEnd + (right.empty() ? 0 : 2 + displayWidth(right)) <= width - kMargin) {
        block.lines.push_back(line({{kMargin, icon + row.label}, {columnFor(right, width, Align::Right, 0), right}}));
        return;
    }
    auto labelLines = wrapText(row.label, std::max(1, width - labelColumn - kMargin));
    if (labelLines.size() > 1) {
        block.brokenTexts.push_back(row.label);
    }
    for (std::size_t i = 0; i < labelLines.size(); ++i) {
        block.lines.push_back(line({{kMargin, i == 0 ? icon : ""}, {labelColumn, labelLines[i]}}));
    }
    if (!right.empty()) {
        addText(block, right, width, Align::Right, labelColumn);
    }
}

// An empty field shows its placeholder, in parentheses to tell it from typed text.
void addSearchField(TextBlock& block, const SearchFieldDescription& search, int width)
{
    std::string shown = search.text.empty() && !search.focused ? "(" + search.placeholder + ")" : search.text;
    if (search.focused) {
        shown += "▏";
    }
    block.lines.emplace_back();
    addText(block, "⌕ " + shown, width, Align::Left);
}

}  // namespace

void appendBlock(TextBlock& block, const TextBlock& more)
{
    block.lines.insert(block.lines.end(), more.lines.begin(), more.lines.end());
    block.brokenTexts.insert(block.brokenTexts.end(), more.brokenTexts.begin(), more.brokenTexts.end());
}

std::string ruleText(int width)
{
    std::string rule;
    for (int i = 0; i < width; ++i) {
        rule += "─";
    }
    return rule;
}

TextBlock renderNavigationBarText(const NavigationBarDescription& bar, int width)
{
    TextBlock block;
    std::string left = bar.back ? "‹ " + *bar.back : bar.left.value_or("");
    std::string right = bar.right.value_or("");
    std::string title = bar.title.value_or("");
    int leftWidth = displayWidth(left);
    int rightWidth = displayWidth(right);
    int titleWidth = displayWidth(title);
    int titleColumn = (width - titleWidth) / 2;
    int rightColumn = width - kMargin - rightWidth;
    bool leftFits = leftWidth == 0 || kMargin + leftWidth + 1 <= titleColumn;
    bool rightFits = rightWidth == 0 || titleColumn + titleWidth + 1 <= rightColumn;
    if (titleWidth <= width - 2 * kMargin && leftFits && rightFits) {
        block.lines.push_back(line({{kMargin, left}, {titleColumn, title}, {rightColumn, right}}));
        return block;
    }
    if (kMargin + leftWidth + 2 + rightWidth <= width - kMargin) {
        block.lines.push_back(line({{kMargin, left}, {rightColumn, right}}));
    } else {
        addText(block, left, width, Align::Left);
        addText(block, right, width, Align::Right);
    }
    if (!title.empty()) {
        addText(block, title, width, Align::Centre);
    }
    return block;
}

TextBlock renderCentredTexts(const std::vector<std::string>& texts, int width)
{
    TextBlock block;
    for (const auto& text : texts) {
        addText(block, text, width, Align::Centre);
    }
    return block;
}

TextBlock renderPageText(const PageDescription& page, int width)
{
    TextBlock block = renderNavigationBarText(page.bar, width);
    block.lines.push_back(ruleText(width));
    appendBlock(block, renderPageTable(page, width));
    return block;
}

TextBlock renderPageTable(const PageDescription& page, int width)
{
    TextBlock block;
    if (page.search) {
        addSearchField(block, *page.search, width);
    }
    for (const auto& section : page.sections) {
        block.lines.emplace_back();
        if (section.header && !section.header->empty()) {
            addText(block, *section.header, width, Align::Left);
        }
        for (const auto& row : section.rows) {
            addRow(block, row, page.editing, width);
        }
        if (section.footer && !section.footer->empty()) {
            addText(block, *section.footer, width, Align::Left);
        }
    }
    return block;
}

}  // namespace device::render
