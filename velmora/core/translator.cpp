#include "velmora/core/translator.h"

#include "velmora/core/resources.h"
#include "velmora/core/shared_state.h"
#include "velmora/store/store.h"

#include "device/foundation/file_manager.h"
#include "device/foundation/property_list_file.h"

#include <algorithm>
#include <optional>

namespace velmora::core {

namespace {

namespace foundation = device::foundation;

constexpr std::string_view kEnglish = "en";

std::string translationPath(std::string_view code)
{
    return std::string(kResourceDirectory).append("Languages/").append(code).append(".plist");
}

bool isReadable(const std::string& path)
{
    auto& files = foundation::FileManager::defaultManager();
    return files.fileExistsAtPath(path) && files.isReadableFileAtPath(path);
}

std::optional<std::string> lookUp(const std::string& path, std::string_view key)
{
    auto translations = foundation::dictionaryWithContentsOfFile(path);
    if (!translations) {
        return std::nullopt;
    }
    auto found = translations->find(std::string(key));
    if (found == translations->end() || !found->second.isString()) {
        return std::nullopt;
    }
    return *found->second.string();
}

std::string interfaceLanguage()
{
    std::string language = store::readString(store::load(store::Store::Advanced), store::keys::kLanguage);
    const auto& supported = sharedState().supported;
    bool isSupported = std::find(supported.begin(), supported.end(), language) != supported.end();
    return isSupported ? language : std::string(kEnglish);
}

}  // namespace

std::string Translator(std::string_view key)
{
    std::string languagePath = translationPath(interfaceLanguage());
    // A supported language whose file is missing falls back to English key by key.
    std::optional<std::string> text = isReadable(languagePath) ? lookUp(languagePath, key) : std::nullopt;
    if (text && !text->empty()) {
        return *text;
    }
    std::string englishPath = translationPath(kEnglish);
    if (!isReadable(englishPath)) {
        return text.value_or(std::string(kNoTranslation));
    }
    std::optional<std::string> english = lookUp(englishPath, key);
    return english && !english->empty() ? *english : std::string(kNoTranslation);
}

}  // namespace velmora::core
