#pragma once

#include "device/graphics/canvas.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace device::graphics {

enum class FontWeight { Light, Regular, Bold };
enum class TextAlignment { Left, Center, Right };
enum class TextDirection { LeftToRight, RightToLeft };

// A face in a font file; collections hold several.
struct FontFile {
    std::filesystem::path path;
    int index = 0;
};

class FontFace;

// A glyph as a line draws it: which face's glyph, where its origin is from the line's left end, and where in the
// text the character it draws starts.
struct PlacedGlyph {
    std::filesystem::path fontFile;
    unsigned glyph = 0;
    double x = 0;
    std::size_t byteOffset = 0;
};

// A font at a point size, laid out for one screen scale; texts are UTF-8 and lengths are in points. Text is
// shaped: ordered by the bidirectional algorithm, each character drawn by the system font or the installed font
// that has it, runs shaped by HarfBuzz. Faces are the host's font files, loaded once per file and pixel size for
// the whole process and shared by every copy, so fonts belong to the thread that draws.
class Font {
public:
    // The system font: DejaVu Sans, extra-light, regular or bold.
    Font(double pointSize, FontWeight weight, double scale);
    // Throws std::runtime_error naming the file when it is not a usable scalable font.
    Font(const std::filesystem::path& file, double pointSize, double scale);

    double pointSize() const { return m_pointSize; }
    double scale() const { return m_scale; }
    double ascender() const;
    // Below the baseline, positive.
    double descender() const;
    double lineHeight() const;

    double width(std::string_view text) const;
    // The glyphs of one line, left to right as they are drawn; glyph 0 is a face's missing-glyph box.
    std::vector<PlacedGlyph> glyphs(std::string_view text) const;
    // The direction of the text's first strong character, left to right without one.
    TextDirection direction(std::string_view text) const;
    // The longest start of the text that fits followed by "…", or the text itself when it fits, or nothing when
    // not even "…" fits. Characters are kept whole, with their marks.
    std::string truncated(std::string_view text, double maxWidth) const;
    // Breaks at spaces and newlines, and between characters inside a word too wide for a line. With a line limit
    // (0 for none) the last line takes the rest of the text, truncated.
    std::vector<std::string> wrapped(std::string_view text, double maxWidth, int maxLines = 0) const;

    // The origin is on the baseline, at the start of the text.
    void draw(Canvas& canvas, std::string_view text, Point baselineOrigin, const Color& color) const;
    // As a label draws: wrapped to the rect's width within the line limit, each line aligned and ordered in the
    // direction of the whole text, the block centred vertically.
    void drawInRect(Canvas& canvas, std::string_view text, const Rect& rect, TextAlignment alignment,
                    const Color& color, int maxLines = 1) const;

private:
    Font(const FontFile& file, FontWeight weight, double pointSize, double scale);
    void drawLine(Canvas& canvas, std::string_view text, Point baselineOrigin, const Color& color,
                  std::optional<TextDirection> direction) const;

    std::shared_ptr<FontFace> m_face;
    double m_pointSize;
    double m_scale;
};

}  // namespace device::graphics
