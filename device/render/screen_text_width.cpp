#include "device/render/screen_text_width.h"

#include <hb.h>

#include <array>
#include <cstdint>
#include <utility>

namespace device::render {

namespace {

// East Asian Wide and Fullwidth characters, as terminals draw them.
constexpr std::array<std::pair<char32_t, char32_t>, 16> kWideRanges{{
    {0x1100, 0x115F},
    {0x231A, 0x231B},
    {0x2E80, 0x303E},
    {0x3041, 0x33FF},
    {0x3400, 0x4DBF},
    {0x4E00, 0x9FFF},
    {0xA000, 0xA4CF},
    {0xA960, 0xA97F},
    {0xAC00, 0xD7A3},
    {0xF900, 0xFAFF},
    {0xFE30, 0xFE4F},
    {0xFF00, 0xFF60},
    {0xFFE0, 0xFFE6},
    {0x1F300, 0x1F64F},
    {0x1F900, 0x1F9FF},
    {0x20000, 0x3FFFD},
}};

int widthOf(char32_t code)
{
    switch (hb_unicode_general_category(hb_unicode_funcs_get_default(), code)) {
    case HB_UNICODE_GENERAL_CATEGORY_NON_SPACING_MARK:
    case HB_UNICODE_GENERAL_CATEGORY_ENCLOSING_MARK:
    case HB_UNICODE_GENERAL_CATEGORY_FORMAT:
        return 0;
    default:
        break;
    }
    for (const auto& [first, last] : kWideRanges) {
        if (code >= first && code <= last) {
            return 2;
        }
    }
    return 1;
}

std::size_t sequenceLength(unsigned char lead)
{
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        return 4;
    }
    return 1;
}

void appendWord(std::vector<std::string>& lines, std::string_view word, int width)
{
    int lineWidth = displayWidth(lines.back());
    int wordWidth = displayWidth(word);
    if (lineWidth > 0 && lineWidth + 1 + wordWidth <= width) {
        lines.back().append(" ").append(word);
        return;
    }
    if (lineWidth > 0) {
        lines.emplace_back();
    }
    forEachGlyph(word, [&](std::string_view glyph, int glyphWidth) {
        if (displayWidth(lines.back()) + glyphWidth > width && !lines.back().empty()) {
            lines.emplace_back();
        }
        lines.back().append(glyph);
    });
}

}  // namespace

void forEachGlyph(std::string_view text, const std::function<void(std::string_view glyph, int width)>& visit)
{
    std::size_t at = 0;
    while (at < text.size()) {
        auto lead = static_cast<unsigned char>(text[at]);
        std::size_t length = sequenceLength(lead);
        if (at + length > text.size()) {
            length = 1;
        }
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t i = 1; i < length; ++i) {
            code = (code << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
        }
        visit(text.substr(at, length), widthOf(code));
        at += length;
    }
}

int displayWidth(std::string_view text)
{
    int width = 0;
    forEachGlyph(text, [&width](std::string_view, int glyphWidth) { width += glyphWidth; });
    return width;
}

std::vector<std::string> wrapText(std::string_view text, int width)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        std::string_view paragraph
            = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        lines.emplace_back();
        std::size_t wordStart = 0;
        while (wordStart <= paragraph.size()) {
            std::size_t wordEnd = paragraph.find(' ', wordStart);
            std::string_view word = paragraph.substr(
                wordStart, wordEnd == std::string_view::npos ? std::string_view::npos : wordEnd - wordStart);
            if (!word.empty()) {
                appendWord(lines, word, width);
            }
            if (wordEnd == std::string_view::npos) {
                break;
            }
            wordStart = wordEnd + 1;
        }
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return lines;
}

}  // namespace device::render
