#pragma once

#include "device/foundation/plist_value.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora::core {

inline constexpr std::string_view kNoTranslation = "(null)";

// The text of a text key in the interface language, else in English, else "(null)". Advanced options
// are stored under these results, so they must not depend on anything but the files.
std::string Translator(std::string_view key);

// What Translator reads, read once, for a caller that looks up many keys at one time: the interface
// language is the one the given AdvancedStore contents name, and each translation file is read at
// most once, the English one only when a key needs it.
class Translations {
public:
    explicit Translations(const device::foundation::PlistDictionary& advancedStore);

    std::string text(std::string_view key) const;

private:
    struct File {
        bool readable = false;
        std::optional<device::foundation::PlistDictionary> contents;
    };

    static File read(const std::string& path);
    const File& english() const;

    std::string m_languagePath;
    File m_language;
    mutable std::optional<File> m_english;
};

}  // namespace velmora::core
