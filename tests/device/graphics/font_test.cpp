#include "device/graphics/font.h"
#include "tests/support/temp_root.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <limits>
#include <stdexcept>

namespace device::graphics {
namespace {

constexpr Color black{0, 0, 0, 1};
constexpr Color red{1, 0, 0, 1};

struct Ink {
    bool any = false;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    double centerX() const { return (left + right + 1) / 2.0; }
    double centerY() const { return (top + bottom + 1) / 2.0; }
};

Ink inkOf(const Bitmap& bitmap)
{
    Ink ink;
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) {
            if (bitmap.pixel(x, y)[3] == 0) {
                continue;
            }
            if (!ink.any) {
                ink = {true, x, y, x, y};
            }
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
        }
    }
    return ink;
}

// The ink of a text drawn on its own at scale 2, baseline 40 points down.
Bitmap drawn(std::string_view text, double pointSize = 17)
{
    Bitmap bitmap(300, 120);
    Canvas canvas(bitmap, 2);
    Font(pointSize, FontWeight::Regular, 2).draw(canvas, text, {10, 40}, black);
    return bitmap;
}

class TextInRect : public ::testing::Test {
protected:
    // 200 x 60 points at scale 2; the rect spans pixels 40...340 across and 20...100 down.
    Ink inkIn(std::string_view text, TextAlignment alignment, int maxLines = 1)
    {
        Canvas canvas(m_bitmap, 2);
        m_font.drawInRect(canvas, text, m_rect, alignment, black, maxLines);
        return inkOf(m_bitmap);
    }

    Bitmap m_bitmap{400, 120};
    Font m_font{17, FontWeight::Regular, 2};
    Rect m_rect{20, 10, 150, 40};
};

TEST_F(TextInRect, LeftAlignedStartsNearTheLeftEdgeAndIsCentredVertically)
{
    Ink ink = inkIn("Hello", TextAlignment::Left);
    ASSERT_TRUE(ink.any);
    EXPECT_GE(ink.left, 40);
    EXPECT_LE(ink.left, 46);
    EXPECT_LE(ink.right, 200);
    EXPECT_GE(ink.top, 20);
    EXPECT_LE(ink.bottom, 100);
    EXPECT_NEAR(ink.centerY(), 60, 4);
}

TEST_F(TextInRect, CentredInkIsSymmetric)
{
    Ink ink = inkIn("Hello", TextAlignment::Center);
    ASSERT_TRUE(ink.any);
    int leftMargin = ink.left - 40;
    int rightMargin = 340 - (ink.right + 1);
    EXPECT_GT(leftMargin, 50);
    EXPECT_NEAR(leftMargin, rightMargin, 4);
    EXPECT_NEAR(ink.centerY(), 60, 4);
}

TEST_F(TextInRect, RightAlignedEndsNearTheRightEdge)
{
    Ink ink = inkIn("Hello", TextAlignment::Right);
    ASSERT_TRUE(ink.any);
    EXPECT_LE(ink.right, 339);
    EXPECT_GE(ink.right, 333);
}

TEST_F(TextInRect, TooLongTextIsTruncatedWithinTheRect)
{
    Ink ink = inkIn("A label far too long to fit in a rectangle of a hundred and fifty points", TextAlignment::Left);
    ASSERT_TRUE(ink.any);
    EXPECT_GE(ink.left, 40);
    EXPECT_LE(ink.right, 339);
    EXPECT_GT(ink.right, 300);
}

TEST_F(TextInRect, SeveralLinesStayCentredAsABlock)
{
    Ink ink = inkIn("Two short lines", TextAlignment::Left, 0);
    m_bitmap = Bitmap(400, 120);
    m_rect.width = 70;
    Ink wrapped = inkIn("Two short lines", TextAlignment::Left, 0);
    ASSERT_TRUE(wrapped.any);
    EXPECT_GT(wrapped.bottom - wrapped.top, 1.5 * (ink.bottom - ink.top)) << "the text takes two lines";
    EXPECT_LE(wrapped.right, 180);
    EXPECT_NEAR(wrapped.centerY(), 60, 6);
}

TEST(TextDrawing, TheOriginIsOnTheBaseline)
{
    Ink ink = inkOf(drawn("H"));
    ASSERT_TRUE(ink.any);
    EXPECT_EQ(ink.bottom, 79) << "H stands on pixel row 80, the baseline at 40 points";
    EXPECT_NEAR(ink.top, 80 - 0.73 * 34, 2) << "cap height";
    EXPECT_GE(ink.left, 20);
    EXPECT_LE(ink.left, 25);
}

TEST(TextDrawing, UsesTheColourWithAntiAliasedEdges)
{
    Bitmap bitmap(200, 60);
    Canvas canvas(bitmap, 2);
    Font(17, FontWeight::Bold, 2).draw(canvas, "Hello", {5, 20}, red);
    int solid = 0;
    int partial = 0;
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) {
            const std::uint8_t* p = bitmap.pixel(x, y);
            if (p[3] == 0) {
                continue;
            }
            EXPECT_EQ(p[0], 255);
            EXPECT_EQ(p[1], 0);
            solid += p[3] == 255;
            partial += p[3] < 255;
        }
    }
    EXPECT_GT(solid, 100);
    EXPECT_GT(partial, 50);
}

TEST(TextDrawing, FollowsTheTranslationAndStaysInTheClip)
{
    Bitmap bitmap(300, 80);
    Canvas canvas(bitmap, 2);
    canvas.translate(60, 0);
    canvas.clipToRect({0, 0, 20, 40});
    Font(17, FontWeight::Regular, 2).draw(canvas, "Hello", {0, 30}, black);
    Ink ink = inkOf(bitmap);
    ASSERT_TRUE(ink.any);
    EXPECT_GE(ink.left, 120);
    EXPECT_LE(ink.right, 159);
    EXPECT_EQ(ink.right, 159) << "the text goes on beyond the clip";
}

TEST(TextMeasurement, WidthsFollowTheGlyphs)
{
    Font font(17, FontWeight::Regular, 2);
    EXPECT_GT(font.width("WWW"), font.width("iii"));
    EXPECT_GT(font.width("a b"), font.width("ab"));
    EXPECT_EQ(font.width(""), 0);
    EXPECT_LT(font.width("AV"), font.width("A") + font.width("V")) << "kerning";
    EXPECT_GT(Font(17, FontWeight::Bold, 2).width("Hello"), font.width("Hello"));
    EXPECT_NEAR(font.width("Hello"), 5 * 17 * 0.6, 10) << "in points, not pixels";
}

TEST(TextMeasurement, DoesNotDependOnTheScale)
{
    double atOne = Font(17, FontWeight::Regular, 1).width("Settings and privacy");
    for (double scale : {2.0, 3.0}) {
        EXPECT_NEAR(Font(17, FontWeight::Regular, scale).width("Settings and privacy"), atOne, 0.1) << scale;
        EXPECT_NEAR(Font(17, FontWeight::Regular, scale).lineHeight(), Font(17, FontWeight::Regular, 1).lineHeight(),
                    0.05);
    }
}

TEST(TextMeasurement, LineMetricsArePoints)
{
    Font font(17, FontWeight::Regular, 2);
    EXPECT_GT(font.lineHeight(), 17);
    EXPECT_LT(font.lineHeight(), 24);
    EXPECT_NEAR(font.ascender() + font.descender(), font.lineHeight(), 0.5);
    EXPECT_GT(font.ascender(), font.descender());
}

TEST(TextTruncation, CutsWithAnEllipsisToFitTheWidth)
{
    Font font(17, FontWeight::Regular, 2);
    std::string text = "Notifications and sounds for every application";
    std::string cut = font.truncated(text, 100);
    ASSERT_TRUE(cut.ends_with("…"));
    EXPECT_LE(font.width(cut), 100);
    std::string kept = cut.substr(0, cut.size() - std::string("…").size());
    EXPECT_FALSE(kept.empty());
    EXPECT_TRUE(text.starts_with(kept));
    EXPECT_FALSE(kept.ends_with(" "));
    EXPECT_GT(font.width(cut), 80) << "keeps as much as fits";

    EXPECT_EQ(font.truncated("Short", 100), "Short");
    EXPECT_EQ(font.truncated("Wide", 2), "");
}

TEST(TextTruncation, NeverSplitsACharacter)
{
    Font font(17, FontWeight::Regular, 2);
    std::string cut = font.truncated("éééééééééééééééééééé", 50);
    ASSERT_TRUE(cut.ends_with("…"));
    std::string kept = cut.substr(0, cut.size() - std::string("…").size());
    EXPECT_EQ(kept.size() % 2, 0u);
    for (std::size_t i = 0; i < kept.size(); i += 2) {
        EXPECT_EQ(kept.substr(i, 2), "é");
    }
}

TEST(TextWrapping, BreaksAtSpacesWithinTheWidth)
{
    Font font(17, FontWeight::Regular, 2);
    std::string text = "The quick brown fox jumps over the lazy dog";
    std::vector<std::string> lines = font.wrapped(text, 100);
    ASSERT_GE(lines.size(), 3u);
    std::string joined;
    for (const std::string& line : lines) {
        EXPECT_LE(font.width(line), 100) << line;
        EXPECT_FALSE(line.starts_with(" ") || line.ends_with(" ")) << '"' << line << '"';
        joined += (joined.empty() ? "" : " ") + line;
    }
    EXPECT_EQ(joined, text);
}

TEST(TextWrapping, HonoursNewlinesAndBreaksLongWords)
{
    Font font(17, FontWeight::Regular, 2);
    EXPECT_EQ(font.wrapped("one\ntwo", 200), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(font.wrapped("a\n\nb", 200), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(font.wrapped("", 200).empty());
    EXPECT_EQ(font.wrapped("no limit to the width", std::numeric_limits<double>::infinity()),
              (std::vector<std::string>{"no limit to the width"}));

    std::string word = "Supercalifragilisticexpialidocious";
    std::vector<std::string> pieces = font.wrapped(word, 60);
    ASSERT_GE(pieces.size(), 3u);
    std::string joined;
    for (const std::string& piece : pieces) {
        EXPECT_LE(font.width(piece), 60) << piece;
        joined += piece;
    }
    EXPECT_EQ(joined, word);
}

TEST(TextWrapping, ALineLimitTruncatesTheLastLine)
{
    Font font(17, FontWeight::Regular, 2);
    std::vector<std::string> lines = font.wrapped("The quick brown fox jumps over the lazy dog", 100, 2);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[1].ends_with("…"));
    EXPECT_LE(font.width(lines[1]), 100);
    EXPECT_EQ(font.wrapped("The quick brown fox", 400, 2), (std::vector<std::string>{"The quick brown fox"}));
}

TEST(TextUtf8, AccentedLettersDrawTheirAccents)
{
    Ink plain = inkOf(drawn("e"));
    Ink accented = inkOf(drawn("é"));
    ASSERT_TRUE(plain.any && accented.any);
    EXPECT_LT(accented.top, plain.top - 4);
    EXPECT_EQ(accented.bottom, plain.bottom);
    Font font(17, FontWeight::Regular, 2);
    EXPECT_DOUBLE_EQ(font.width("é"), font.width("e"));
    EXPECT_LT(inkOf(drawn("ü")).top, inkOf(drawn("u")).top);
    EXPECT_GT(inkOf(drawn("ç")).bottom, inkOf(drawn("c")).bottom);
}

TEST(TextUtf8, CyrillicAndArabicHaveTheirOwnGlyphs)
{
    Bitmap missing = drawn("\u0378");
    for (std::string_view text : {"Ж", "ب"}) {
        Bitmap glyph = drawn(text);
        ASSERT_TRUE(inkOf(glyph).any) << text;
        EXPECT_NE(glyph.rgba, missing.rgba) << text << " is not the missing-glyph box";
    }
    Font font(17, FontWeight::Regular, 2);
    EXPECT_GT(font.width("Привет"), font.width("При"));
    EXPECT_GT(font.width("مرحبا"), 0);
}

TEST(TextUtf8, ACharacterNoFontHasIsAHollowBox)
{
    Ink box = inkOf(drawn("\u0378"));
    ASSERT_TRUE(box.any);
    Bitmap bitmap = drawn("\u0378");
    EXPECT_EQ(bitmap.pixel(static_cast<int>(box.centerX()), static_cast<int>(box.centerY()))[3], 0);
    EXPECT_GT(box.bottom - box.top, 15);

    EXPECT_GT(Font(17, FontWeight::Regular, 2).width("中文"), 10) << "CJK takes room with or without a CJK font";
    EXPECT_TRUE(inkOf(drawn("中文")).any);
}

TEST(TextUtf8, MalformedBytesDrawAReplacementCharacter)
{
    Font font(17, FontWeight::Regular, 2);
    EXPECT_GT(font.width("\xC3"), 0);
    EXPECT_DOUBLE_EQ(font.width("a\xFF"), font.width("a\xEF\xBF\xBD"));
    EXPECT_DOUBLE_EQ(font.width("\xE2\x82"), font.width("\xEF\xBF\xBD\xEF\xBF\xBD"));
    EXPECT_TRUE(inkOf(drawn("\xF0\x9F")).any);
}

TEST(FontErrors, BrokenFilesBadSizesAndMismatchedScalesAreRefused)
{
    testing_support::TempRoot root;
    auto file = root.path() / "broken.ttf";
    std::ofstream(file) << "not a font";
    try {
        Font font(file, 17, 2);
        FAIL() << "loaded a broken font";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find(file.string()), std::string::npos) << error.what();
    }
    EXPECT_THROW(Font(root.path() / "absent.ttf", 17, 2), std::runtime_error);
    EXPECT_THROW(Font(0, FontWeight::Regular, 2), std::invalid_argument);

    Bitmap bitmap(10, 10);
    Canvas canvas(bitmap, 3);
    EXPECT_THROW(Font(17, FontWeight::Regular, 2).draw(canvas, "a", {0, 5}, black), std::invalid_argument)
        << "glyphs are rendered for one scale";
}

}  // namespace
}  // namespace device::graphics
