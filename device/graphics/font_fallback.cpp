#include "device/graphics/font_fallback.h"

#include <fontconfig/fontconfig.h>

#include <map>
#include <memory>

namespace device::graphics {
namespace {

int fontconfigWeight(FontWeight weight)
{
    switch (weight) {
    case FontWeight::Light:
        return FC_WEIGHT_EXTRALIGHT;
    case FontWeight::Bold:
        return FC_WEIGHT_BOLD;
    case FontWeight::Regular:
        break;
    }
    return FC_WEIGHT_REGULAR;
}

// The process's own configuration rather than fontconfig's implicit one, which it never frees.
class Configuration {
public:
    Configuration() : m_config(FcInitLoadConfigAndFonts()) {}
    ~Configuration()
    {
        if (m_config) {
            FcConfigDestroy(m_config);
        }
    }
    Configuration(const Configuration&) = delete;
    Configuration& operator=(const Configuration&) = delete;

    FcConfig* get() const { return m_config; }

private:
    FcConfig* m_config;
};

// Sorted once per weight, best first; a character then only needs a look at each font's coverage.
class FallbackList {
public:
    FallbackList(const Configuration& configuration, FontWeight weight)
    {
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
        FcPatternAddInteger(pattern, FC_WEIGHT, fontconfigWeight(weight));
        FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
        FcConfigSubstitute(configuration.get(), pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        m_fonts.reset(FcFontSort(configuration.get(), pattern, FcTrue, nullptr, &result));
        FcPatternDestroy(pattern);
    }

    std::optional<FontFile> find(char32_t code) const
    {
        if (!m_fonts) {
            return std::nullopt;
        }
        for (int i = 0; i < m_fonts->nfont; ++i) {
            FcPattern* font = m_fonts->fonts[i];
            FcCharSet* charset = nullptr;
            FcChar8* file = nullptr;
            FcBool scalable = FcFalse;
            if (FcPatternGetCharSet(font, FC_CHARSET, 0, &charset) != FcResultMatch || !FcCharSetHasChar(charset, code) ||
                FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch ||
                (FcPatternGetBool(font, FC_SCALABLE, 0, &scalable) == FcResultMatch && !scalable)) {
                continue;
            }
            int index = 0;
            FcPatternGetInteger(font, FC_INDEX, 0, &index);
            return FontFile{reinterpret_cast<const char*>(file), index};
        }
        return std::nullopt;
    }

private:
    struct Destroy {
        void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
    };
    std::unique_ptr<FcFontSet, Destroy> m_fonts;
};

}  // namespace

std::optional<FontFile> fallbackFontFile(char32_t code, FontWeight weight)
{
    static Configuration configuration;
    static std::map<FontWeight, FallbackList> lists;
    auto found = lists.find(weight);
    if (found == lists.end()) {
        found = lists.try_emplace(weight, configuration, weight).first;
    }
    return found->second.find(code);
}

}  // namespace device::graphics
