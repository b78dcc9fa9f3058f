#include "device/graphics/font.h"

#include "device/graphics/font_face.h"
#include "device/graphics/shaped_line.h"
#include "device/graphics/text_clusters.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

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

constexpr std::string_view ellipsis = "\u2026";

FT_Pos advanceOf(FontFace& face, std::string_view text)
{
    return face.shaped(text)->advance;
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

// The ellipsis goes at the logical end, so a right-to-left line shows it on its left.
std::string truncateLine(FontFace& face, std::string_view text, FT_Pos limit)
{
    if (advanceOf(face, text) <= limit) {
        return std::string(text);
    }
    if (advanceOf(face, ellipsis) > limit) {
        return {};
    }
    std::vector<std::size_t> boundaries = clusterBoundaries(text);
    auto candidate = [&](std::size_t kept) {
        return std::string(trimTrailingSpaces(text.substr(0, boundaries[kept]))) + std::string(ellipsis);
    };
    std::size_t fitting = 0;
    std::size_t tooLong = boundaries.size() - 1;
    while (tooLong - fitting > 1) {
        std::size_t middle = (fitting + tooLong) / 2;
        (advanceOf(face, candidate(middle)) <= limit ? fitting : tooLong) = middle;
    }
    return candidate(fitting);
}

struct LineSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
};

// Words end at spaces, and every Chinese, Japanese or Korean character is a word of its own.
std::size_t wordEnd(std::string_view text, std::size_t position, std::size_t end)
{
    while (position < end && text[position] != ' ') {
        std::size_t next = nextClusterBoundary(text.substr(0, end), position);
        std::size_t at = position;
        if (isIdeographic(decodeUtf8(text, at))) {
            return next;
        }
        position = next;
        if (position < end) {
            at = position;
            if (isIdeographic(decodeUtf8(text, at))) {
                return position;
            }
        }
    }
    return position;
}

std::vector<LineSpan> breakParagraph(FontFace& face, std::string_view text, std::size_t begin, std::size_t end,
                                     FT_Pos limit)
{
    auto fits = [&](std::size_t from, std::size_t to) { return advanceOf(face, text.substr(from, to - from)) <= limit; };
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
        position = wordEnd(text, position, end);
        if (lineEnd == lineBegin) {
            lineBegin = wordBegin;
        }
        if (fits(lineBegin, position)) {
            lineEnd = position;
            continue;
        }
        if (lineEnd != lineBegin) {
            lines.push_back({lineBegin, lineEnd});
            lineBegin = wordBegin;
        }
        // A word wider than a line is cut between characters, as much on each line as fits, never less than one.
        while (!fits(lineBegin, position)) {
            std::vector<std::size_t> cuts = clusterBoundaries(text.substr(lineBegin, position - lineBegin));
            std::size_t fitting = 1;
            std::size_t tooLong = cuts.size() - 1;
            while (tooLong - fitting > 1) {
                std::size_t middle = (fitting + tooLong) / 2;
                (fits(lineBegin, lineBegin + cuts[middle]) ? fitting : tooLong) = middle;
            }
            lines.push_back({lineBegin, lineBegin + cuts[fitting]});
            lineBegin += cuts[fitting];
        }
        lineEnd = position;
    }
    if (lineEnd != lineBegin || lines.empty()) {
        lines.push_back({lineBegin, lineEnd});
    }
    return lines;
}

}  // namespace

Font::Font(double pointSize, FontWeight weight, double scale)
    : Font(FontFile{fontFile(weight)}, weight, pointSize, scale)
{
}

Font::Font(const std::filesystem::path& file, double pointSize, double scale)
    : Font(FontFile{file}, FontWeight::Regular, pointSize, scale)
{
}

Font::Font(const FontFile& file, FontWeight weight, double pointSize, double scale)
    : m_pointSize(pointSize), m_scale(scale)
{
    double pixels = pointSize * scale;
    if (!(pixels >= 1) || pixels > 4096) {
        throw std::invalid_argument("a font of " + std::to_string(pointSize) + " points at scale " +
                                    std::to_string(scale) + " cannot be drawn");
    }
    m_face = FontFace::load(file, std::lround(pixels * 64), weight);
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
    return advanceOf(*m_face, text) / 64.0 / m_scale;
}

std::vector<PlacedGlyph> Font::glyphs(std::string_view text) const
{
    std::vector<PlacedGlyph> placed;
    for (const ShapedGlyph& glyph : m_face->shaped(text)->glyphs) {
        placed.push_back({glyph.face->file().path, glyph.index, glyph.x / 64.0 / m_scale, glyph.byteOffset});
    }
    return placed;
}

TextDirection Font::direction(std::string_view text) const
{
    return m_face->shaped(text)->direction;
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
    drawLine(canvas, text, baselineOrigin, color, std::nullopt);
}

void Font::drawLine(Canvas& canvas, std::string_view text, Point baselineOrigin, const Color& color,
                    std::optional<TextDirection> direction) const
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
    constexpr int steps = FontFace::subpixelSteps;
    for (const ShapedGlyph& glyph : m_face->shaped(text, direction)->glyphs) {
        FT_Pos x = penX + glyph.x;
        int whole = static_cast<int>(x >> 6);
        int subpixel = static_cast<int>(((x & 63) * steps + 32) >> 6);
        if (subpixel == steps) {
            ++whole;
            subpixel = 0;
        }
        const GlyphImage& image = glyph.face->image(glyph.index, subpixel);
        if (!image.coverage.empty()) {
            int raised = static_cast<int>((glyph.y + 32) >> 6);
            canvas.fillMask({image.width, image.height, image.width, image.coverage.data()}, whole + image.left,
                            baseline - raised - image.top, color);
        }
    }
}

void Font::drawInRect(Canvas& canvas, std::string_view text, const Rect& rect, TextAlignment alignment,
                      const Color& color, int maxLines) const
{
    std::vector<std::string> lines = wrapped(text, rect.width, maxLines);
    TextDirection paragraph = direction(text);
    double baseline = rect.y + (rect.height - lineHeight() * static_cast<double>(lines.size())) / 2 + ascender();
    for (const std::string& line : lines) {
        double lineWidth = width(line);
        double x = alignment == TextAlignment::Left     ? rect.x
                   : alignment == TextAlignment::Center ? rect.x + (rect.width - lineWidth) / 2
                                                        : rect.maxX() - lineWidth;
        drawLine(canvas, line, {x, baseline}, color, paragraph);
        baseline += lineHeight();
    }
}

}  // namespace device::graphics
