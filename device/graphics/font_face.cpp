#include "device/graphics/font_face.h"

#include "device/graphics/shaped_line.h"

#include FT_OUTLINE_H
#include <hb-ft.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <tuple>
#include <utility>

namespace device::graphics {

class FreeTypeLibrary {
public:
    FreeTypeLibrary()
    {
        if (FT_Init_FreeType(&m_library) != 0) {
            throw std::runtime_error("FreeType could not be initialised");
        }
    }
    ~FreeTypeLibrary() { FT_Done_FreeType(m_library); }
    FreeTypeLibrary(const FreeTypeLibrary&) = delete;
    FreeTypeLibrary& operator=(const FreeTypeLibrary&) = delete;

    FT_Library get() const { return m_library; }

private:
    FT_Library m_library = nullptr;
};

namespace {

// Enough for every text of several screens; past it the cache starts afresh rather than growing without end.
constexpr std::size_t kMaxShapedLines = 4096;

}  // namespace

std::shared_ptr<FontFace> FontFace::load(const FontFile& file, FT_F26Dot6 pixelSize, FontWeight weight)
{
    static auto library = std::make_shared<FreeTypeLibrary>();
    static std::map<std::tuple<std::string, int, FT_F26Dot6, FontWeight>, std::shared_ptr<FontFace>> faces;
    auto key = std::make_tuple(file.path.string(), file.index, pixelSize, weight);
    auto found = faces.find(key);
    if (found == faces.end()) {
        found = faces.emplace(key, std::make_shared<FontFace>(library, file, pixelSize, weight)).first;
    }
    return found->second;
}

FontFace::FontFace(std::shared_ptr<FreeTypeLibrary> library, const FontFile& file, FT_F26Dot6 pixelSize,
                   FontWeight weight)
    : m_library(std::move(library)), m_file(file), m_pixelSize(pixelSize), m_weight(weight)
{
    if (FT_New_Face(m_library->get(), file.path.c_str(), file.index, &m_face) != 0) {
        throw std::runtime_error("cannot load the font file " + file.path.string());
    }
    if (!FT_IS_SCALABLE(m_face) || FT_Set_Char_Size(m_face, 0, pixelSize, 72, 72) != 0) {
        FT_Done_Face(m_face);
        throw std::runtime_error("the font file " + file.path.string() + " has no scalable outlines");
    }
    m_emboldened = weight == FontWeight::Bold && (m_face->style_flags & FT_STYLE_FLAG_BOLD) == 0;
    m_hbFont = hb_ft_font_create_referenced(m_face);
    hb_ft_font_set_load_flags(m_hbFont, FT_LOAD_NO_HINTING);
}

FontFace::~FontFace()
{
    hb_font_destroy(m_hbFont);
    FT_Done_Face(m_face);
}

FontFace& FontFace::faceFor(char32_t code)
{
    auto found = m_resolved.find(code);
    if (found != m_resolved.end()) {
        return *found->second;
    }
    FontFace* face = this;
    if (FT_Get_Char_Index(m_face, code) == 0) {
        if (std::optional<FontFile> file = fallbackFontFile(code, m_weight)) {
            // An unreadable system font is as good as an absent one: the box still shows the gap.
            try {
                face = load(*file, m_pixelSize, m_weight).get();
            } catch (const std::runtime_error&) {
            }
        }
    }
    m_resolved.emplace(code, face);
    return *face;
}

const GlyphImage& FontFace::image(FT_UInt index, int subpixel)
{
    std::uint64_t key = static_cast<std::uint64_t>(index) * subpixelSteps + subpixel;
    auto found = m_images.find(key);
    if (found != m_images.end()) {
        return found->second;
    }
    GlyphImage image;
    FT_GlyphSlot slot = m_face->glyph;
    if (FT_Load_Glyph(m_face, index, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) == 0 &&
        slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (m_emboldened) {
            // A face with no bold of its own, such as the CJK fallback, drawn bolder as the platform does.
            FT_Outline_Embolden(&slot->outline, m_pixelSize / 24);
        }
        FT_Outline_Translate(&slot->outline, subpixel * 64 / subpixelSteps, 0);
        if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) == 0 && slot->bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
            const FT_Bitmap& bitmap = slot->bitmap;
            image.left = slot->bitmap_left;
            image.top = slot->bitmap_top;
            image.width = static_cast<int>(bitmap.width);
            image.height = static_cast<int>(bitmap.rows);
            image.coverage.resize(static_cast<std::size_t>(image.width) * image.height);
            for (int row = 0; row < image.height; ++row) {
                const unsigned char* source = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
                std::copy(source, source + image.width,
                          image.coverage.begin() + static_cast<std::ptrdiff_t>(row) * image.width);
            }
        }
    }
    return m_images.emplace(key, std::move(image)).first->second;
}

std::shared_ptr<const ShapedLine> FontFace::shaped(std::string_view text, std::optional<TextDirection> direction)
{
    ShapedLines& lines = m_shaped[direction ? static_cast<std::size_t>(*direction) + 1 : 0];
    auto found = lines.find(text);
    if (found != lines.end()) {
        return found->second;
    }
    if (lines.size() >= kMaxShapedLines) {
        lines.clear();
    }
    auto line = std::make_shared<const ShapedLine>(shapeLine(*this, text, direction));
    lines.emplace(std::string(text), line);
    return line;
}

}  // namespace device::graphics
