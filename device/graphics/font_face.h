#pragma once

#include "device/graphics/font.h"
#include "device/graphics/font_fallback.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <hb.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace device::graphics {

class FreeTypeLibrary;
struct ShapedLine;

struct GlyphImage {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage;
};

// One font file at one pixel size, with what drawing it repeatedly needs kept: its HarfBuzz font, the faces
// that stand in for characters it lacks, shaped lines and rendered glyphs.
class FontFace {
public:
    // Glyphs are rendered at quarter-pixel offsets so that unhinted advances keep their spacing.
    static constexpr int subpixelSteps = 4;

    // Loaded once per file and pixel size for the whole process. Throws std::runtime_error naming the file when
    // it is not a usable scalable font.
    static std::shared_ptr<FontFace> load(const FontFile& file, FT_F26Dot6 pixelSize, FontWeight weight);

    FontFace(std::shared_ptr<FreeTypeLibrary> library, const FontFile& file, FT_F26Dot6 pixelSize, FontWeight weight);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // In 26.6 pixels, unrounded so that layout does not depend on the scale.
    FT_Pos ascender() const { return FT_MulFix(m_face->ascender, m_face->size->metrics.y_scale); }
    FT_Pos descender() const { return -FT_MulFix(m_face->descender, m_face->size->metrics.y_scale); }
    FT_Pos lineHeight() const { return FT_MulFix(m_face->height, m_face->size->metrics.y_scale); }

    const FontFile& file() const { return m_file; }
    hb_font_t* hbFont() const { return m_hbFont; }
    // This face when it has the character, else the preferred installed face that has it, else this face, whose
    // missing-glyph box then shows the gap.
    FontFace& faceFor(char32_t code);
    const GlyphImage& image(FT_UInt index, int subpixel);
    // Shaped once per text and direction and kept, since a screen draws the same texts frame after frame.
    std::shared_ptr<const ShapedLine> shaped(std::string_view text,
                                             std::optional<TextDirection> direction = std::nullopt);

private:
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };

    std::shared_ptr<FreeTypeLibrary> m_library;
    FontFile m_file;
    FT_Face m_face = nullptr;
    hb_font_t* m_hbFont = nullptr;
    FT_F26Dot6 m_pixelSize;
    FontWeight m_weight;
    bool m_emboldened = false;
    std::unordered_map<char32_t, FontFace*> m_resolved;
    std::unordered_map<std::uint64_t, GlyphImage> m_images;
    using ShapedLines = std::unordered_map<std::string, std::shared_ptr<const ShapedLine>, TextHash, std::equal_to<>>;
    // Apart for the text's own direction, left to right and right to left.
    std::array<ShapedLines, 3> m_shaped;
};

}  // namespace device::graphics
