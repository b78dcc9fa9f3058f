#include "device/foundation/plist_serialization.h"
#include "device/graphics/font.h"

#include <gtest/gtest.h>
#include <hb-ot.h>
#include <hb.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace device::graphics {
namespace {

constexpr Color black{0, 0, 0, 1};
constexpr const char* kSystemFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const std::string kEllipsis = "…";

const std::vector<std::string> kLanguages = {"ar", "de", "en", "fr", "it", "pl", "ru", "sv", "tr", "zh-Hans", "zh-Hant"};

std::vector<std::string> translatedTexts(const std::string& language)
{
    std::filesystem::path file =
        std::filesystem::path(VELMORA_STAGE_DIR) / "Library/Application Support/Velmora/Languages" / (language + ".plist");
    std::ifstream in(file, std::ios::binary);
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::optional<foundation::PlistValue> plist = foundation::parsePlist(bytes);
    std::vector<std::string> texts;
    if (plist && plist->dictionary()) {
        for (const auto& [key, value] : *plist->dictionary()) {
            if (value.isString()) {
                texts.push_back(*value.string());
            }
        }
    }
    return texts;
}

// HarfBuzz's own answer for one run of the system font, glyphs in visual order.
std::vector<unsigned> harfBuzzGlyphs(const std::string& text, hb_direction_t direction, hb_script_t script)
{
    hb_blob_t* blob = hb_blob_create_from_file(kSystemFont);
    hb_face_t* face = hb_face_create(blob, 0);
    hb_font_t* font = hb_font_create(face);
    hb_buffer_t* buffer = hb_buffer_create();
    hb_buffer_add_utf8(buffer, text.data(), static_cast<int>(text.size()), 0, -1);
    hb_buffer_set_direction(buffer, direction);
    hb_buffer_set_script(buffer, script);
    hb_buffer_guess_segment_properties(buffer);
    hb_shape(font, buffer, nullptr, 0);
    unsigned count = 0;
    hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
    std::vector<unsigned> glyphs;
    for (unsigned i = 0; i < count; ++i) {
        glyphs.push_back(infos[i].codepoint);
    }
    hb_buffer_destroy(buffer);
    hb_font_destroy(font);
    hb_face_destroy(face);
    hb_blob_destroy(blob);
    return glyphs;
}

std::vector<unsigned> glyphIds(const std::vector<PlacedGlyph>& placed)
{
    std::vector<unsigned> ids;
    for (const PlacedGlyph& glyph : placed) {
        ids.push_back(glyph.glyph);
    }
    return ids;
}

// The x of the glyph drawing the character that starts at the byte offset.
double xOf(const std::vector<PlacedGlyph>& placed, std::size_t byteOffset)
{
    auto found = std::find_if(placed.begin(), placed.end(),
                              [&](const PlacedGlyph& glyph) { return glyph.byteOffset == byteOffset; });
    return found == placed.end() ? -1 : found->x;
}

Bitmap drawn(std::string_view text)
{
    Bitmap bitmap(400, 120);
    Canvas canvas(bitmap, 2);
    Font(17, FontWeight::Regular, 2).draw(canvas, text, {10, 40}, black);
    return bitmap;
}

// How much ink each pixel column of the drawn text holds, from its first inked column to its last.
std::vector<int> inkPerColumn(std::string_view text)
{
    Bitmap bitmap = drawn(text);
    std::vector<int> columns(static_cast<std::size_t>(bitmap.width), 0);
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) {
            columns[static_cast<std::size_t>(x)] += bitmap.pixel(x, y)[3] > 64 ? 1 : 0;
        }
    }
    auto first = std::find_if(columns.begin(), columns.end(), [](int ink) { return ink > 0; });
    auto last = std::find_if(columns.rbegin(), columns.rend(), [](int ink) { return ink > 0; }).base();
    return first < last ? std::vector<int>(first, last) : std::vector<int>{};
}

TEST(Translations, EveryTextOfEveryLanguageHasAGlyphForEachCharacter)
{
    for (FontWeight weight : {FontWeight::Regular, FontWeight::Bold}) {
        Font font(17, weight, 2);
        for (const std::string& language : kLanguages) {
            std::vector<std::string> texts = translatedTexts(language);
            ASSERT_GT(texts.size(), 50u) << language;
            for (const std::string& text : texts) {
                for (const PlacedGlyph& glyph : font.glyphs(text)) {
                    EXPECT_NE(glyph.glyph, 0u) << language << ": \"" << text << "\" byte " << glyph.byteOffset;
                }
            }
        }
    }
}

TEST(Translations, ChineseIsDrawnFromTheFallbackFace)
{
    Font font(17, FontWeight::Regular, 2);
    for (const char* language : {"zh-Hans", "zh-Hant"}) {
        for (const PlacedGlyph& glyph : font.glyphs(translatedTexts(language).front())) {
            EXPECT_NE(glyph.glyph, 0u);
        }
    }
    std::vector<PlacedGlyph> glyphs = font.glyphs("完成設定");
    ASSERT_EQ(glyphs.size(), 4u);
    for (const PlacedGlyph& glyph : glyphs) {
        EXPECT_NE(glyph.fontFile, kSystemFont);
        EXPECT_NE(glyph.glyph, 0u);
    }
    EXPECT_NE(drawn("完成").rgba, drawn("\u0378\u0378").rgba) << "not missing-glyph boxes";
    EXPECT_NEAR(font.width("完成"), 2 * 17, 4) << "ideographs are about an em wide";
}

TEST(ArabicShaping, GlyphsAreHarfBuzzsJoinedFormsRightToLeft)
{
    Font font(17, FontWeight::Regular, 2);
    std::string word = "شكرًا";
    EXPECT_EQ(glyphIds(font.glyphs(word)), harfBuzzGlyphs(word, HB_DIRECTION_RTL, HB_SCRIPT_ARABIC));
    EXPECT_EQ(font.direction(word), TextDirection::RightToLeft);

    std::vector<unsigned> joined = glyphIds(font.glyphs("ببب"));
    std::vector<unsigned> isolated = glyphIds(font.glyphs("ب"));
    ASSERT_EQ(joined.size(), 3u);
    EXPECT_EQ(std::count(joined.begin(), joined.end(), isolated.front()), 0) << "initial, medial and final forms";
    EXPECT_NE(joined[0], joined[1]);
    EXPECT_NE(joined[1], joined[2]);
}

TEST(ArabicShaping, PixelsRunRightToLeftAndJoin)
{
    // Alef is the one tall stroke of "اس"; drawn right to left it stands at the right end.
    std::vector<int> columns = inkPerColumn("اس");
    ASSERT_FALSE(columns.empty());
    auto tallest = std::max_element(columns.begin(), columns.end());
    EXPECT_GT(tallest - columns.begin(), static_cast<std::ptrdiff_t>(columns.size()) * 2 / 3);

    // Joined letters share one baseline stroke: no empty column between the word's ends.
    std::vector<int> word = inkPerColumn("ببببب");
    ASSERT_FALSE(word.empty());
    EXPECT_EQ(std::count(word.begin(), word.end(), 0), 0);
    std::vector<int> apart = inkPerColumn("ب ب ب");
    EXPECT_GT(std::count(apart.begin(), apart.end(), 0), 0);
}

TEST(Bidirectional, RunsOfEitherDirectionInsideTheOther)
{
    Font font(17, FontWeight::Regular, 2);
    std::string mixed = "abc مرحبا def";
    std::vector<PlacedGlyph> glyphs = font.glyphs(mixed);
    EXPECT_EQ(font.direction(mixed), TextDirection::LeftToRight);
    std::size_t meem = mixed.find("م");
    std::size_t alef = mixed.find("ا");
    EXPECT_LT(xOf(glyphs, 0), xOf(glyphs, alef));
    EXPECT_LT(xOf(glyphs, alef), xOf(glyphs, meem)) << "the Arabic word reads right to left";
    EXPECT_LT(xOf(glyphs, meem), xOf(glyphs, mixed.find('d')));

    std::string arabicFirst = "مرحبا abc";
    glyphs = font.glyphs(arabicFirst);
    EXPECT_EQ(font.direction(arabicFirst), TextDirection::RightToLeft);
    std::size_t a = arabicFirst.find('a');
    EXPECT_LT(xOf(glyphs, a), xOf(glyphs, a + 1)) << "Latin keeps its order";
    EXPECT_LT(xOf(glyphs, a + 2), xOf(glyphs, 0)) << "and stands left of the Arabic that precedes it";
}

TEST(Bidirectional, NumbersInsideArabicReadLeftToRight)
{
    Font font(17, FontWeight::Regular, 2);
    std::string text = "الإصدار 2.14";
    std::vector<PlacedGlyph> glyphs = font.glyphs(text);
    std::size_t two = text.find('2');
    std::size_t four = text.find('4');
    EXPECT_LT(xOf(glyphs, two), xOf(glyphs, four));
    EXPECT_LT(xOf(glyphs, four), xOf(glyphs, 0)) << "the number stands at the logical end, on the left";
}

TEST(Bidirectional, EveryLineOfAParagraphTakesTheParagraphsDirection)
{
    Font font(17, FontWeight::Regular, 2);
    Rect rect{0, 0, 190, 80};
    auto secondLine = [&](std::string_view text) {
        Bitmap bitmap(400, 160);
        Canvas canvas(bitmap, 2);
        font.drawInRect(canvas, text, rect, TextAlignment::Left, black, 2);
        auto first = bitmap.rgba.begin() + static_cast<std::ptrdiff_t>(2 * 41) * bitmap.width * 4;
        return std::vector<std::uint8_t>(first, bitmap.rgba.end());
    };
    // Right to left, "Velmora" comes first from the right; the same pixels as the reverse order left to right.
    EXPECT_EQ(secondLine("مرحبا\nVelmora مرحبا"), secondLine("Velmora\nمرحبا Velmora"));
    EXPECT_NE(secondLine("مرحبا\nVelmora مرحبا"), secondLine("Velmora\nVelmora مرحبا"));
}

TEST(Truncation, KeepsClustersWhole)
{
    Font font(17, FontWeight::Regular, 2);
    std::string decomposed;
    std::string thumbs;
    std::string chinese;
    for (int i = 0; i < 20; ++i) {
        decomposed += "e\u0301";
        thumbs += "👍🏽";
        chinese += "设置";
    }
    struct Case {
        std::string text;
        std::size_t unit;
    };
    for (const Case& check : {Case{decomposed, 3}, Case{thumbs, 8}, Case{chinese, 3}}) {
        std::string cut = font.truncated(check.text, 90);
        ASSERT_TRUE(cut.ends_with(kEllipsis)) << cut;
        std::string kept = cut.substr(0, cut.size() - kEllipsis.size());
        EXPECT_FALSE(kept.empty());
        EXPECT_EQ(kept.size() % check.unit, 0u) << cut;
        EXPECT_TRUE(check.text.starts_with(kept));
        EXPECT_LE(font.width(cut), 90);
    }
}

TEST(Truncation, TheEllipsisOfRightToLeftTextIsAtItsLogicalEndOnTheLeft)
{
    Font font(17, FontWeight::Regular, 2);
    std::string text = "إخفاء العناصر وترتيبها في مجموعات";
    std::string cut = font.truncated(text, 120);
    ASSERT_TRUE(cut.ends_with(kEllipsis));
    std::vector<PlacedGlyph> glyphs = font.glyphs(cut);
    double ellipsisX = xOf(glyphs, cut.size() - kEllipsis.size());
    for (const PlacedGlyph& glyph : glyphs) {
        EXPECT_LE(ellipsisX, glyph.x);
    }
}

TEST(Wrapping, ChineseBreaksBetweenCharactersAfterALatinWord)
{
    Font font(17, FontWeight::Regular, 2);
    std::string text = "Velmora 中将每个标签显示为其项目的分组而不是文件夹";
    std::vector<std::string> lines = font.wrapped(text, 140);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_TRUE(lines[0].starts_with("Velmora ") && lines[0].size() > std::string("Velmora ").size()) << lines[0];
    std::string joined;
    for (const std::string& line : lines) {
        EXPECT_LE(font.width(line), 140) << line;
        EXPECT_TRUE(&line == &lines[0] || line.size() % 3 == 0) << "whole characters: " << line;
        joined += line;
    }
    EXPECT_EQ(joined, text);
}

}  // namespace
}  // namespace device::graphics
