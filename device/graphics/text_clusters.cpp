#include "device/graphics/text_clusters.h"

#include <hb.h>

#include <array>

namespace device::graphics {
namespace {

constexpr char32_t kZeroWidthJoiner = 0x200D;

bool isRegionalIndicator(char32_t code)
{
    return code >= 0x1F1E6 && code <= 0x1F1FF;
}

}  // namespace

bool extendsCluster(char32_t code)
{
    if (code == kZeroWidthJoiner || (code >= 0xFE00 && code <= 0xFE0F) || (code >= 0x1F3FB && code <= 0x1F3FF) ||
        (code >= 0xE0020 && code <= 0xE007F)) {
        return true;
    }
    switch (hb_unicode_general_category(hb_unicode_funcs_get_default(), code)) {
    case HB_UNICODE_GENERAL_CATEGORY_NON_SPACING_MARK:
    case HB_UNICODE_GENERAL_CATEGORY_SPACING_MARK:
    case HB_UNICODE_GENERAL_CATEGORY_ENCLOSING_MARK:
        return true;
    default:
        return false;
    }
}

bool isIdeographic(char32_t code)
{
    return (code >= 0x2E80 && code <= 0x9FFF) || (code >= 0xAC00 && code <= 0xD7A3) || (code >= 0xF900 && code <= 0xFAFF) ||
           (code >= 0xFF00 && code <= 0xFFEF) || (code >= 0x20000 && code <= 0x3FFFD);
}

char32_t decodeUtf8(std::string_view text, std::size_t& position)
{
    constexpr char32_t replacement = 0xFFFD;
    constexpr std::array<char32_t, 5> smallest = {0, 0, 0x80, 0x800, 0x10000};
    auto lead = static_cast<unsigned char>(text[position]);
    int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 1) {
        ++position;
        return lead;
    }
    if (length == 0 || position + length > text.size()) {
        ++position;
        return replacement;
    }
    char32_t code = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        auto next = static_cast<unsigned char>(text[position + i]);
        if ((next & 0xC0) != 0x80) {
            ++position;
            return replacement;
        }
        code = (code << 6) | (next & 0x3F);
    }
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        ++position;
        return replacement;
    }
    position += length;
    return code;
}

std::size_t nextClusterBoundary(std::string_view text, std::size_t position)
{
    if (position >= text.size()) {
        return text.size();
    }
    char32_t previous = decodeUtf8(text, position);
    if (isRegionalIndicator(previous) && position < text.size()) {
        std::size_t after = position;
        if (isRegionalIndicator(decodeUtf8(text, after))) {
            position = after;
        }
    }
    while (position < text.size()) {
        std::size_t after = position;
        char32_t code = decodeUtf8(text, after);
        if (!extendsCluster(code) && previous != kZeroWidthJoiner) {
            break;
        }
        previous = code;
        position = after;
    }
    return position;
}

std::vector<std::size_t> clusterBoundaries(std::string_view text)
{
    std::vector<std::size_t> boundaries;
    for (std::size_t position = 0; position < text.size(); position = nextClusterBoundary(text, position)) {
        boundaries.push_back(position);
    }
    boundaries.push_back(text.size());
    return boundaries;
}

}  // namespace device::graphics
