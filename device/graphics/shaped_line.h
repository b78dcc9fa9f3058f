#pragma once

#include "device/graphics/font.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace device::graphics {

class FontFace;

struct ShapedGlyph {
    FontFace* face = nullptr;
    FT_UInt index = 0;
    // The glyph's origin in 26.6 pixels from the line's left end on the baseline, y upwards.
    FT_Pos x = 0;
    FT_Pos y = 0;
    // Where in the text the character it draws starts.
    std::size_t byteOffset = 0;
};

// One line of text as it is drawn: its glyphs left to right in visual order.
struct ShapedLine {
    std::vector<ShapedGlyph> glyphs;
    FT_Pos advance = 0;
    // From the first strong character, as the bidirectional algorithm finds it.
    TextDirection direction = TextDirection::LeftToRight;
};

// Orders the line by the bidirectional algorithm, gives each character the face that has it, and shapes each
// run of one direction, script and face with HarfBuzz: Arabic joins, marks sit on their bases, ligatures form.
// Control characters take no room. Without a direction the line takes that of its first strong character; a line
// of a wrapped paragraph is given the paragraph's.
ShapedLine shapeLine(FontFace& primary, std::string_view text, std::optional<TextDirection> direction);

}  // namespace device::graphics
