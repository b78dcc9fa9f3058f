#include "velmora/core/translator.h"

#include "velmora/core/resources.h"
#include "velmora/core/shared_state.h"
#include "velmora/store/store.h"

#include "device/foundation/file_manager.h"
#include "device/foundation/property_list_file.h"

#include <algorithm>

namespace velmora::core {

namespace {

namespace foundation = device::foundation;

constexpr std::string_view kEnglish = "en";

std::string translationPath(std::string_view code)
{
    return std::string(kResourceDirectory).append("Languages/").append(code).append(".plist");
}

std::string interfaceLanguage(const foundation::PlistDictionary& advancedStore)
{
    std::string language = store::readString(advancedStore, store::keys::kLanguage);
    const auto& supported = sharedState().supported;
    bool isSupported = std::find(supported.begin(), supported.end(), language) != supported.end();
    return isSupported ? language : std::string(kEnglish);
}

std::optional<std::string> lookUp(const std::optional<foundation::PlistDictionary>& translations,
                                  std::string_view key)
{
    if (!translations) {
        return std::nullopt;
    }
    auto found = translations->find(std::string(key));
    if (found == translations->end() || !found->second.isString()) {
        return std::nullopt;
    }
    return *found->second.string();
}

}  // namespace

std::string Translator(std::string_view key)
{
    return Translations(store::load(store::Store::Advanced)).text(key);
}

Translations::Translations(const foundation::PlistDictionary& advancedStore)
    : m_languagePath(translationPath(interfaceLanguage(advancedStore)))
    , m_language(read(m_languagePath))
{
}

Translations::File Translations::read(const std::string& path)
{
    auto& files = foundation::FileManager::defaultManager();
    File file;
    file.readable = files.fileExistsAtPath(path) && files.isReadableFileAtPath(path);
    if (file.readable) {
        file.contents = foundation::dictionaryWithContentsOfFile(path);
    }
    return file;
}

const Translations::File& Translations::english() const
{
    std::string englishPath = translationPath(kEnglish);
    if (englishPath == m_languagePath) {
        return m_language;
    }
    if (!m_english) {
        m_english = read(englishPath);
    }
    return *m_english;
}

std::string Translations::text(std::string_view key) const
{
    // A supported language whose file is missing falls back to English key by key.
    std::optional<std::string> text = lookUp(m_language.contents, key);
    if (text && !text->empty()) {
        return *text;
    }
    const File& english = this->english();
    if (!english.readable) {
        return text.value_or(std::string(kNoTranslation));
    }
    std::optional<std::string> inEnglish = lookUp(english.contents, key);
    return inEnglish && !inEnglish->empty() ? *inEnglish : std::string(kNoTranslation);
}

}  // namespace velmora::core
