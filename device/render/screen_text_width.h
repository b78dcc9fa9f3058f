#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace device::render {

// Terminal columns taken by UTF-8 text: East Asian wide characters take two, combining marks none.
int displayWidth(std::string_view text);

// Calls back with each character of UTF-8 text and its width in columns.
void forEachGlyph(std::string_view text, const std::function<void(std::string_view glyph, int width)>& visit);

// Breaks text into lines of at most `width` columns at spaces and line breaks; only a word wider than
// a whole line is cut.
std::vector<std::string> wrapText(std::string_view text, int width);

}  // namespace device::render
