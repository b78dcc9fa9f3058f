#include "device/graphics/shaped_line.h"

#include "device/graphics/font_face.h"
#include "device/graphics/text_clusters.h"

#include <fribidi.h>
#include <hb.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <numeric>

namespace device::graphics {
namespace {

struct Run {
    std::size_t begin = 0;
    std::size_t end = 0;
    FriBidiLevel level = 0;
    hb_script_t script = HB_SCRIPT_COMMON;
    FontFace* face = nullptr;
};

struct Characters {
    std::vector<std::uint32_t> codes;
    std::vector<std::size_t> byteOffsets;
};

Characters decode(std::string_view text)
{
    Characters characters;
    for (std::size_t position = 0; position < text.size();) {
        std::size_t start = position;
        char32_t code = decodeUtf8(text, position);
        if (code < 0x20 || code == 0x7F) {
            continue;
        }
        characters.codes.push_back(code);
        characters.byteOffsets.push_back(start);
    }
    return characters;
}

std::vector<FriBidiLevel> embeddingLevels(const std::vector<std::uint32_t>& codes,
                                          std::optional<TextDirection> given, TextDirection& direction)
{
    auto count = static_cast<FriBidiStrIndex>(codes.size());
    std::vector<FriBidiCharType> types(codes.size());
    std::vector<FriBidiBracketType> brackets(codes.size());
    std::vector<FriBidiLevel> levels(codes.size(), 0);
    fribidi_get_bidi_types(codes.data(), count, types.data());
    fribidi_get_bracket_types(codes.data(), count, types.data(), brackets.data());
    FriBidiParType base = !given                                ? FRIBIDI_PAR_ON
                          : *given == TextDirection::RightToLeft ? FRIBIDI_PAR_RTL
                                                                 : FRIBIDI_PAR_LTR;
    if (fribidi_get_par_embedding_levels_ex(types.data(), brackets.data(), count, &base, levels.data()) == 0) {
        std::fill(levels.begin(), levels.end(), 0);
        base = FRIBIDI_PAR_LTR;
    }
    direction = FRIBIDI_IS_RTL(base) ? TextDirection::RightToLeft : TextDirection::LeftToRight;
    return levels;
}

// Common characters (spaces, digits, punctuation) and marks take the script around them.
std::vector<hb_script_t> scripts(const std::vector<std::uint32_t>& codes)
{
    hb_unicode_funcs_t* unicode = hb_unicode_funcs_get_default();
    std::vector<hb_script_t> result(codes.size(), HB_SCRIPT_INVALID);
    hb_script_t current = HB_SCRIPT_INVALID;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        hb_script_t script = hb_unicode_script(unicode, codes[i]);
        if (script != HB_SCRIPT_COMMON && script != HB_SCRIPT_INHERITED && script != HB_SCRIPT_UNKNOWN) {
            current = script;
        }
        result[i] = current;
    }
    auto firstKnown = std::find_if(result.begin(), result.end(), [](hb_script_t s) { return s != HB_SCRIPT_INVALID; });
    hb_script_t leading = firstKnown == result.end() ? HB_SCRIPT_COMMON : *firstKnown;
    std::fill(result.begin(), firstKnown, leading);
    return result;
}

std::vector<Run> itemize(FontFace& primary, const std::vector<std::uint32_t>& codes,
                         const std::vector<FriBidiLevel>& levels, const std::vector<hb_script_t>& scripts)
{
    std::vector<Run> runs;
    FontFace* face = nullptr;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (face == nullptr || !extendsCluster(codes[i])) {
            face = &primary.faceFor(codes[i]);
        }
        if (runs.empty() || runs.back().level != levels[i] || runs.back().script != scripts[i] || runs.back().face != face) {
            runs.push_back({i, i, levels[i], scripts[i], face});
        }
        runs.back().end = i + 1;
    }
    return runs;
}

// Runs at a level reverse together with every higher level inside them, from the highest level down to the
// lowest odd one.
std::vector<std::size_t> visualOrder(const std::vector<Run>& runs)
{
    std::vector<std::size_t> order(runs.size());
    std::iota(order.begin(), order.end(), 0);
    FriBidiLevel highest = 0;
    FriBidiLevel lowestOdd = 255;
    for (const Run& run : runs) {
        highest = std::max(highest, run.level);
        if (run.level % 2 == 1) {
            lowestOdd = std::min(lowestOdd, run.level);
        }
    }
    for (int level = highest; level >= lowestOdd; --level) {
        for (std::size_t i = 0; i < order.size();) {
            if (runs[order[i]].level < level) {
                ++i;
                continue;
            }
            std::size_t j = i;
            while (j < order.size() && runs[order[j]].level >= level) {
                ++j;
            }
            std::reverse(order.begin() + static_cast<std::ptrdiff_t>(i), order.begin() + static_cast<std::ptrdiff_t>(j));
            i = j;
        }
    }
    return order;
}

struct BufferDestroy {
    void operator()(hb_buffer_t* buffer) const { hb_buffer_destroy(buffer); }
};

}  // namespace

ShapedLine shapeLine(FontFace& primary, std::string_view text, std::optional<TextDirection> direction)
{
    ShapedLine line;
    Characters characters = decode(text);
    if (characters.codes.empty()) {
        line.direction = direction.value_or(TextDirection::LeftToRight);
        return line;
    }
    const std::vector<std::uint32_t>& codes = characters.codes;
    std::vector<FriBidiLevel> levels = embeddingLevels(codes, direction, line.direction);
    std::vector<Run> runs = itemize(primary, codes, levels, scripts(codes));

    thread_local std::unique_ptr<hb_buffer_t, BufferDestroy> buffer(hb_buffer_create());
    for (std::size_t index : visualOrder(runs)) {
        const Run& run = runs[index];
        hb_buffer_clear_contents(buffer.get());
        // The whole line is the context, so that letters join across a change of face or direction.
        hb_buffer_add_utf32(buffer.get(), codes.data(), static_cast<int>(codes.size()), static_cast<unsigned>(run.begin),
                            static_cast<int>(run.end - run.begin));
        hb_buffer_set_direction(buffer.get(), run.level % 2 == 1 ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
        hb_buffer_set_script(buffer.get(), run.script);
        hb_buffer_guess_segment_properties(buffer.get());
        hb_shape(run.face->hbFont(), buffer.get(), nullptr, 0);
        unsigned count = 0;
        hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer.get(), &count);
        hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer.get(), &count);
        for (unsigned i = 0; i < count; ++i) {
            line.glyphs.push_back({run.face, infos[i].codepoint, line.advance + positions[i].x_offset,
                                   positions[i].y_offset, characters.byteOffsets[infos[i].cluster]});
            line.advance += positions[i].x_advance;
        }
    }
    return line;
}

}  // namespace device::graphics
