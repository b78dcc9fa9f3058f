#include "device/settings/profile.h"

#include "device/foundation/language_code.h"
#include "device/foundation/plist_serialization.h"
#include "device/preferences/table_cell.h"
#include "device/uikit/url_scheme.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

namespace device::settings {

namespace {

using foundation::PlistDictionary;
using foundation::PlistValue;

const std::set<std::string, std::less<>> kProfileKeys{"name", "model", "machine", "system", "screen",
                                                      "languages", "urlSchemes", "entries"};
const std::set<std::string, std::less<>> kScreenKeys{"width", "height", "scale"};
const std::set<std::string, std::less<>> kEntryKeys{"cell", "label", "identifier", "icon",
                                                    "value", "footer", "page", "editable"};

class ProfileReader {
public:
    explicit ProfileReader(std::string file) : m_file(std::move(file)) {}

    std::optional<ProfileError> error() const { return m_error; }

    void fail(const std::string& where, const std::string& what)
    {
        if (!m_error) {
            m_error = ProfileError{m_file + ": " + where + ": " + what};
        }
    }

    // A misspelt key would otherwise be silently ignored, and the device would not be what was meant.
    void onlyKeys(const PlistDictionary& dict, const std::set<std::string, std::less<>>& known, const std::string& where)
    {
        for (const auto& [key, item] : dict) {
            if (!known.contains(key)) {
                fail(where, "unknown key \"" + key + "\"");
            }
        }
    }

    std::optional<std::string> string(const PlistDictionary& dict, const std::string& key, const std::string& where,
                                      bool required)
    {
        auto found = dict.find(key);
        if (found == dict.end()) {
            if (required) {
                fail(where, "missing key \"" + key + "\"");
            }
            return std::nullopt;
        }
        if (!found->second.string()) {
            fail(where, "\"" + key + "\" must be a string");
            return std::nullopt;
        }
        return *found->second.string();
    }

    double number(const PlistDictionary& dict, const std::string& key, const std::string& where)
    {
        auto found = dict.find(key);
        if (found == dict.end() || !(found->second.isInteger() || found->second.isReal())) {
            fail(where, "\"" + key + "\" must be a number");
            return 0;
        }
        const auto& storage = found->second.storage();
        double value = found->second.isReal() ? std::get<double>(storage)
                                              : static_cast<double>(std::get<std::int64_t>(storage));
        if (value <= 0 || value > 10000 || value != std::floor(value)) {
            fail(where, "\"" + key + "\" must be a whole number from 1 to 10000");
        }
        return value;
    }

    // An optional array of strings; messages call its items what (plural) and one of them one.
    std::optional<std::vector<std::string>> strings(const PlistDictionary& dict, const std::string& key,
                                                    const std::string& what, const std::string& one)
    {
        auto found = dict.find(key);
        if (found == dict.end()) {
            return std::nullopt;
        }
        const auto* array = found->second.array();
        if (!array) {
            fail("profile", "\"" + key + "\" must be an array of " + what);
            return std::nullopt;
        }
        std::vector<std::string> result;
        for (std::size_t i = 0; i < array->size(); ++i) {
            if (const auto* text = (*array)[i].string()) {
                result.push_back(*text);
            } else {
                fail(key + "[" + std::to_string(i) + "]", one + " must be a string");
            }
        }
        return result;
    }

    std::vector<ProfileEntry> entries(const PlistValue* value, const std::string& where)
    {
        std::vector<ProfileEntry> result;
        if (!value) {
            return result;
        }
        const auto* array = value->array();
        if (!array) {
            fail(where, "must be an array of entries");
            return result;
        }
        for (std::size_t i = 0; i < array->size(); ++i) {
            std::string at = where + "[" + std::to_string(i) + "]";
            const auto* dict = (*array)[i].dictionary();
            if (!dict) {
                fail(at, "an entry must be a dictionary");
                return result;
            }
            onlyKeys(*dict, kEntryKeys, at);
            ProfileEntry entry;
            entry.cell = string(*dict, "cell", at, true).value_or("");
            if (!entry.cell.empty() && !preferences::PSTableCell::cellTypeFromString(entry.cell)) {
                fail(at, "unknown cell type \"" + entry.cell + "\"");
            }
            entry.label = string(*dict, "label", at, false);
            entry.identifier = string(*dict, "identifier", at, false);
            entry.icon = string(*dict, "icon", at, false);
            entry.footer = string(*dict, "footer", at, false);
            if (auto found = dict->find("value"); found != dict->end()) {
                entry.value = found->second;
                checkValue(entry, at);
            }
            bool group = entry.cell == "PSGroupCell";
            if (!group && !entry.label) {
                fail(at, "a row needs a \"label\"");
            }
            if (!group && entry.footer) {
                fail(at, "only a PSGroupCell takes a \"footer\"");
            }
            auto page = dict->find("page");
            if (page != dict->end() && entry.cell != "PSLinkCell") {
                fail(at, "only a PSLinkCell takes a \"page\"");
            }
            entry.page = entries(page == dict->end() ? nullptr : &page->second, at + ".page");
            if (auto editable = dict->find("editable"); editable != dict->end()) {
                if (!editable->second.isBool()) {
                    fail(at, "\"editable\" must be a boolean");
                }
                entry.editable = editable->second.boolValue();
                if (entry.editable && entry.page.empty()) {
                    fail(at, "\"editable\" needs a \"page\" of rows to edit");
                }
            }
            result.push_back(std::move(entry));
        }
        return result;
    }

private:
    void checkValue(const ProfileEntry& entry, const std::string& at)
    {
        if (entry.cell == "PSGroupCell") {
            fail(at, "a PSGroupCell takes no \"value\"");
        } else if (entry.cell == "PSSwitchCell") {
            if (!entry.value->isBool()) {
                fail(at, "the \"value\" of a PSSwitchCell must be a boolean");
            }
        } else if (!entry.value->string()) {
            fail(at, "the \"value\" of a " + entry.cell + " must be a string");
        }
    }

    std::string m_file;
    std::optional<ProfileError> m_error;
};

}  // namespace

std::variant<DeviceProfile, ProfileError> loadProfile(const std::filesystem::path& file)
{
    std::error_code error;
    if (std::filesystem::is_directory(file, error)) {
        return ProfileError{file.string() + ": is a folder, not a device profile"};
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return ProfileError{file.string() + ": cannot read the device profile"};
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return readProfile(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), file.string());
}

std::variant<DeviceProfile, ProfileError> readProfile(std::span<const std::uint8_t> bytes, const std::string& file)
{
    auto parsed = foundation::parsePlist(bytes);
    if (!parsed) {
        return ProfileError{file + ": not a readable property list"};
    }
    const auto* root = parsed->dictionary();
    if (!root) {
        return ProfileError{file + ": the profile must be a dictionary at its root"};
    }
    ProfileReader reader(file);
    reader.onlyKeys(*root, kProfileKeys, "profile");
    DeviceProfile profile;
    profile.name = reader.string(*root, "name", "profile", true).value_or("");
    profile.model = reader.string(*root, "model", "profile", true).value_or("");
    profile.machine = reader.string(*root, "machine", "profile", true).value_or("");
    profile.systemVersion = reader.string(*root, "system", "profile", false).value_or(profile.systemVersion);
    auto screen = root->find("screen");
    if (screen == root->end() || !screen->second.dictionary()) {
        reader.fail("profile", "missing dictionary \"screen\" with width, height and scale");
    } else {
        const auto& dict = *screen->second.dictionary();
        reader.onlyKeys(dict, kScreenKeys, "screen");
        profile.screenSize = {reader.number(dict, "width", "screen"), reader.number(dict, "height", "screen")};
        profile.screenScale = reader.number(dict, "scale", "screen");
    }
    if (auto languages = reader.strings(*root, "languages", "language codes", "a language")) {
        if (languages->empty()) {
            reader.fail("profile", "\"languages\" needs at least one language code");
        }
        for (std::size_t i = 0; i < languages->size(); ++i) {
            if (!foundation::isLanguageCode((*languages)[i])) {
                reader.fail("languages[" + std::to_string(i) + "]",
                            "\"" + (*languages)[i] + "\" is not a language code such as en or fr");
            }
        }
        profile.languages = std::move(*languages);
    }
    if (auto schemes = reader.strings(*root, "urlSchemes", "URL scheme names", "a URL scheme name")) {
        for (std::size_t i = 0; i < schemes->size(); ++i) {
            if (!uikit::isURLSchemeName((*schemes)[i])) {
                reader.fail("urlSchemes[" + std::to_string(i) + "]",
                            "\"" + (*schemes)[i]
                                + "\" is not a URL scheme name (a letter, then letters, digits, '+', '-' or '.', "
                                  "without ':')");
            }
        }
        profile.urlSchemes = std::move(*schemes);
    }
    auto entries = root->find("entries");
    if (entries == root->end()) {
        reader.fail("profile", "missing array \"entries\"");
    } else {
        profile.entries = reader.entries(&entries->second, "entries");
    }
    if (auto error = reader.error()) {
        return *error;
    }
    return profile;
}

std::variant<DeviceProfile, ProfileError> loadProfileNamed(const std::string& nameOrFile)
{
    if (nameOrFile == "phone" || nameOrFile == "tablet") {
        return loadProfile(std::filesystem::path(VELMORA_PROFILE_DIR) / (nameOrFile + ".plist"));
    }
    return loadProfile(nameOrFile);
}

}  // namespace device::settings
