#include "device/graphics/font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <unordered_map>
#include <utility>

namespace device::graphics {
namespace {

constexpr const char* regularFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr const char* boldFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
constexpr const char* lightFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-ExtraLight.ttf";

const char* fontFile(FontWeight weight)
{
    switch (weight) {
    case FontWeight::Light:
        // The extra-light face comes in a package of its own; without it light text is drawn regular.
        if (std::filesystem::exists(lightFontFile)) {
            return lightFontFile;
        }
        break;
    case FontWeight::Bold:
        return boldFontFile;
    case FontWeight::Regular:
        break;
    }
    return regularFontFile;
}

// Debian's CJK font packages, tried for characters DejaVu lacks when one happens to be installed.
constexpr std::array fallbackFontFiles = {
    "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc",
    "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc",
    "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc",
    "/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf",
    "/usr/share/fonts/truetype/arphic/uming.ttc",
};

constexpr std::string_view ellipsis = "\u2026";
// Glyphs are rendered at quarter-pixel offsets so that unhinted advances keep their spacing.
constexpr int subpixelSteps = 4;

// A malformed byte decodes on its own as U+FFFD.
char32_t decodeNext(std::string_view text, std::size_t& position)
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

struct GlyphImage {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage;
};

}  // namespace

class FontFace {
public:
    struct GlyphRef {
        FontFace* face = nullptr;
        FT_UInt index = 0;
    };

    FontFace(std::shared_ptr<FreeTypeLibrary> library, const std::filesystem::path& file, FT_F26Dot6 pixelSize);
    ~FontFace() { FT_Done_Face(m_face); }
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // In 26.6 pixels, unrounded so that layout does not depend on the scale.
    FT_Pos ascender() const { return FT_MulFix(m_face->ascender, m_face->size->metrics.y_scale); }
    FT_Pos descender() const { return -FT_MulFix(m_face->descender, m_face->size->metrics.y_scale); }
    FT_Pos lineHeight() const { return FT_MulFix(m_face->height, m_face->size->metrics.y_scale); }

    // A character no face has resolves to this face's missing-glyph box.
    GlyphRef resolve(char32_t code);
    FT_Pos advance(FT_UInt index);
    FT_Pos kerning(FT_UInt left, FT_UInt right) const;
    const GlyphImage& image(FT_UInt index, int subpixel);

private:
    const std::vector<std::shared_ptr<FontFace>>& fallbacks();

    std::shared_ptr<FreeTypeLibrary> m_library;
    FT_Face m_face = nullptr;
    FT_F26Dot6 m_pixelSize;
    std::optional<std::vector<std::shared_ptr<FontFace>>> m_fallbacks;
    std::unordered_map<char32_t, GlyphRef> m_resolved;
    std::unordered_map<FT_UInt, FT_Pos> m_advances;
    std::unordered_map<std::uint64_t, GlyphImage> m_images;
};

namespace {

std::shared_ptr<FontFace> loadFace(const std::filesystem::path& file, FT_F26Dot6 pixelSize)
{
    static auto library = std::make_shared<FreeTypeLibrary>();
    static std::map<std::pair<std::string, FT_F26Dot6>, std::shared_ptr<FontFace>> faces;
    auto key = std::make_pair(file.string(), pixelSize);
    auto found = faces.find(key);
    if (found == faces.end()) {
        found = faces.emplace(key, std::make_shared<FontFace>(library, file, pixelSize)).first;
    }
    return found->second;
}

struct PlacedGlyph {
    FontFace* face = nullptr;
    FT_UInt index = 0;
    FT_Pos x = 0;
    std::size_t byteOffset = 0;
};

struct LaidOutLine {
    std::vector<PlacedGlyph> glyphs;
    FT_Pos advance = 0;
};

LaidOutLine layOut(FontFace& face, std::string_view text)
{
    LaidOutLine line;
    FontFace::GlyphRef previous;
    for (std::size_t position = 0; position < text.size();) {
        std::size_t start = position;
        char32_t code = decodeNext(text, position);
        if (code < 0x20 || code == 0x7F) {
            continue;
        }
        FontFace::GlyphRef glyph = face.resolve(code);
        if (previous.face == glyph.face) {
            line.advance += glyph.face->kerning(previous.index, glyph.index);
        }
        line.glyphs.push_back({glyph.face, glyph.index, line.advance, start});
        line.advance += glyph.face->advance(glyph.index);
        previous = glyph;
    }
    return line;
}

// In 26.6 pixels; an unbounded width (infinity, as for sizing to fit) stays representable.
FT_Pos widthLimit(double maxWidth, double scale)
{
    double limit = maxWidth * scale * 64;
    return limit > 0 ? static_cast<FT_Pos>(std::min(limit, 1e15)) : 0;
}

std::string_view trimTrailingSpaces(std::string_view text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

std::string truncateLine(FontFace& face, std::string_view text, FT_Pos limit)
{
    LaidOutLine line = layOut(face, text);
    if (line.advance <= limit) {
        return std::string(text);
    }
    FT_Pos ellipsisWidth = layOut(face, ellipsis).advance;
    for (std::size_t count = line.glyphs.size(); count-- > 0;) {
        // A glyph's pen position is its prefix's width give or take a kerning pair: a cheap first test.
        if (line.glyphs[count].x + ellipsisWidth > limit) {
            continue;
        }
        std::string candidate(trimTrailingSpaces(text.substr(0, line.glyphs[count].byteOffset)));
        candidate += ellipsis;
        if (layOut(face, candidate).advance <= limit) {
            return candidate;
        }
    }
    return {};
}

struct LineSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
};

std::vector<LineSpan> breakParagraph(FontFace& face, std::string_view text, std::size_t begin, std::size_t end,
                                     FT_Pos limit)
{
    auto fits = [&](std::size_t from, std::size_t to) { return layOut(face, text.substr(from, to - from)).advance <= limit; };
    std::vector<LineSpan> lines;
    std::size_t lineBegin = begin;
    std::size_t lineEnd = begin;
    std::size_t position = begin;
    while (true) {
        while (position < end && text[position] == ' ') {
            ++position;
        }
        if (position == end) {
            break;
        }
        std::size_t wordBegin = position;
        while (position < end && text[position] != ' ') {
            ++position;
        }
        std::size_t wordEnd = position;
        if (lineEnd == lineBegin) {
            lineBegin = wordBegin;
        }
        if (fits(lineBegin, wordEnd)) {
            lineEnd = wordEnd;
            continue;
        }
        if (lineEnd != lineBegin) {
            lines.push_back({lineBegin, lineEnd});
            lineBegin = wordBegin;
        }
        while (!fits(lineBegin, wordEnd)) {
            std::size_t cut = lineBegin;
            decodeNext(text, cut);
            while (cut < wordEnd) {
                std::size_t next = cut;
                decodeNext(text, next);
                if (!fits(lineBegin, next)) {
                    break;
                }
                cut = next;
            }
            lines.push_back({lineBegin, cut});
            lineBegin = cut;
        }
        lineEnd = wordEnd;
    }
    if (lineEnd != lineBegin || lines.empty()) {
        lines.push_back({lineBegin, lineEnd});
    }
    return lines;
}

}  // namespace

FontFace::FontFace(std::shared_ptr<FreeTypeLibrary> library, const std::filesystem::path& file, FT_F26Dot6 pixelSize)
    : m_library(std::move(library)), m_pixelSize(pixelSize)
{
    if (FT_New_Face(m_library->get(), file.c_str(), 0, &m_face) != 0) {
        throw std::runtime_error("cannot load the font file " + file.string());
    }
    if (!FT_IS_SCALABLE(m_face) || FT_Set_Char_Size(m_face, 0, pixelSize, 72, 72) != 0) {
        FT_Done_Face(m_face);
        throw std::runtime_error("the font file " + file.string() + " has no scalable outlines");
    }
}

const std::vector<std::shared_ptr<FontFace>>& FontFace::fallbacks()
{
    if (!m_fallbacks) {
        m_fallbacks.emplace();
        for (const char* file : fallbackFontFiles) {
            std::error_code ignored;
            if (!std::filesystem::exists(file, ignored)) {
                continue;
            }
            // An unreadable system font is as good as an absent one: the box still shows the gap.
            try {
                m_fallbacks->push_back(loadFace(file, m_pixelSize));
            } catch (const std::runtime_error&) {
            }
        }
    }
    return *m_fallbacks;
}

FontFace::GlyphRef FontFace::resolve(char32_t code)
{
    auto found = m_resolved.find(code);
    if (found != m_resolved.end()) {
        return found->second;
    }
    GlyphRef glyph{this, FT_Get_Char_Index(m_face, code)};
    if (glyph.index == 0) {
        for (const auto& fallback : fallbacks()) {
            if (FT_UInt index = FT_Get_Char_Index(fallback->m_face, code); index != 0) {
                glyph = {fallback.get(), index};
                break;
            }
        }
    }
    m_resolved.emplace(code, glyph);
    return glyph;
}

FT_Pos FontFace::advance(FT_UInt index)
{
    auto found = m_advances.find(index);
    if (found != m_advances.end()) {
        return found->second;
    }
    FT_Pos advance = FT_Load_Glyph(m_face, index, FT_LOAD_NO_HINTING) == 0 ? m_face->glyph->advance.x : 0;
    m_advances.emplace(index, advance);
    return advance;
}

FT_Pos FontFace::kerning(FT_UInt left, FT_UInt right) const
{
    FT_Vector delta{0, 0};
    if (!FT_HAS_KERNING(m_face) || FT_Get_Kerning(m_face, left, right, FT_KERNING_UNFITTED, &delta) != 0) {
        return 0;
    }
    return delta.x;
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
                std::copy(source, source + image.width, image.coverage.begin() + static_cast<std::ptrdiff_t>(row) * image.width);
            }
        }
    }
    return m_images.emplace(key, std::move(image)).first->second;
}

Font::Font(double pointSize, FontWeight weight, double scale)
    : Font(fontFile(weight), pointSize, scale)
{
}

Font::Font(const std::filesystem::path& file, double pointSize, double scale) : m_pointSize(pointSize), m_scale(scale)
{
    double pixels = pointSize * scale;
    if (!(pixels >= 1) || pixels > 4096) {
        throw std::invalid_argument("a font of " + std::to_string(pointSize) + " points at scale " +
                                    std::to_string(scale) + " cannot be drawn");
    }
    m_face = loadFace(file, std::lround(pixels * 64));
}

double Font::ascender() const
{
    return m_face->ascender() / 64.0 / m_scale;
}

double Font::descender() const
{
    return m_face->descender() / 64.0 / m_scale;
}

double Font::lineHeight() const
{
    return m_face->lineHeight() / 64.0 / m_scale;
}

double Font::width(std::string_view text) const
{
    return layOut(*m_face, text).advance / 64.0 / m_scale;
}

std::string Font::truncated(std::string_view text, double maxWidth) const
{
    return truncateLine(*m_face, text, widthLimit(maxWidth, m_scale));
}

std::vector<std::string> Font::wrapped(std::string_view text, double maxWidth, int maxLines) const
{
    if (text.empty()) {
        return {};
    }
    FT_Pos limit = widthLimit(maxWidth, m_scale);
    std::vector<LineSpan> spans;
    for (std::size_t begin = 0; begin <= text.size();) {
        std::size_t end = std::min(text.find('\n', begin), text.size());
        for (const LineSpan& span : breakParagraph(*m_face, text, begin, end, limit)) {
            spans.push_back(span);
        }
        begin = end + 1;
    }
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        if (maxLines > 0 && i + 1 == static_cast<std::size_t>(maxLines) && spans.size() > i + 1) {
            std::string rest(text.substr(spans[i].begin));
            std::replace(rest.begin(), rest.end(), '\n', ' ');
            lines.push_back(truncateLine(*m_face, rest, limit));
            break;
        }
        lines.emplace_back(text.substr(spans[i].begin, spans[i].end - spans[i].begin));
    }
    return lines;
}

void Font::draw(Canvas& canvas, std::string_view text, Point baselineOrigin, const Color& color) const
{
    if (canvas.scale() != m_scale) {
        throw std::invalid_argument("a font laid out for scale " + std::to_string(m_scale) +
                                    " cannot draw on a canvas of scale " + std::to_string(canvas.scale()));
    }
    Point origin = canvas.toPixels(baselineOrigin);
    // So far off any bitmap the text is invisible, and its pixel positions would not fit an int.
    if (!(std::abs(origin.x) < 1e9 && std::abs(origin.y) < 1e9)) {
        return;
    }
    FT_Pos penX = std::lround(origin.x * 64);
    int baseline = static_cast<int>(std::lround(origin.y));
    for (const PlacedGlyph& glyph : layOut(*m_face, text).glyphs) {
        FT_Pos x = penX + glyph.x;
        int whole = static_cast<int>(x >> 6);
        int subpixel = static_cast<int>(((x & 63) * subpixelSteps + 32) >> 6);
        if (subpixel == subpixelSteps) {
            ++whole;
            subpixel = 0;
        }
        const GlyphImage& image = glyph.face->image(glyph.index, subpixel);
        if (!image.coverage.empty()) {
            canvas.fillMask({image.width, image.height, image.width, image.coverage.data()}, whole + image.left,
                            baseline - image.top, color);
        }
    }
}

void Font::drawInRect(Canvas& canvas, std::string_view text, const Rect& rect, TextAlignment alignment,
                      const Color& color, int maxLines) const
{
    std::vector<std::string> lines = wrapped(text, rect.width, maxLines);
    double baseline = rect.y + (rect.height - lineHeight() * static_cast<double>(lines.size())) / 2 + ascender();
    for (const std::string& line : lines) {
        double lineWidth = width(line);
        double x = alignment == TextAlignment::Left     ? rect.x
                   : alignment == TextAlignment::Center ? rect.x + (rect.width - lineWidth) / 2
                                                        : rect.maxX() - lineWidth;
        draw(canvas, line, {x, baseline}, color);
        baseline += lineHeight();
    }
}

}  // namespace device::graphics
