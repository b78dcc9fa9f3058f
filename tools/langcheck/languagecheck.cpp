#include "languagecheck.h"

#include <nlohmann/json.hpp>
#include <plist/plist.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>

namespace tools {

namespace {

struct PlistFree {
    void operator()(void* node) const { plist_free(static_cast<plist_t>(node)); }
};
using PlistPtr = std::unique_ptr<void, PlistFree>;

struct CFree {
    void operator()(void* memory) const { std::free(memory); }
};

bool readFile(const std::filesystem::path& path, std::string& content)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    content = buffer.str();
    return true;
}

std::vector<std::string> stringList(const nlohmann::json& doc, const std::string& field, const std::string& where)
{
    if (!doc.contains(field)) {
        return {};
    }
    const nlohmann::json& list = doc.at(field);
    if (!list.is_array()) {
        throw VocabularyError(where + ": \"" + field + "\" must be an array of strings");
    }
    std::vector<std::string> result;
    for (const auto& item : list) {
        if (!item.is_string()) {
            throw VocabularyError(where + ": \"" + field + "\" must be an array of strings");
        }
        result.push_back(item.get<std::string>());
    }
    return result;
}

int countOf(const std::string& haystack, const std::string& needle)
{
    int count = 0;
    for (auto at = haystack.find(needle); at != std::string::npos; at = haystack.find(needle, at + needle.size())) {
        ++count;
    }
    return count;
}

bool blank(const std::string& value)
{
    return value.find_first_not_of(" \t\r\n") == std::string::npos;
}

std::string inQuotes(const std::string& value)
{
    return "\"" + value + "\"";
}

}  // namespace

Vocabulary readVocabulary(const std::filesystem::path& path)
{
    std::string content;
    if (!readFile(path, content)) {
        throw VocabularyError(path.string() + ": cannot be read");
    }
    nlohmann::json doc;
    try {
        doc = nlohmann::json::parse(content);
    } catch (const nlohmann::json::parse_error& e) {
        throw VocabularyError(path.string() + ": not valid JSON: " + e.what());
    }
    const std::string where = path.string();
    if (!doc.is_object()) {
        throw VocabularyError(where + ": expected an object");
    }
    Vocabulary vocabulary;
    vocabulary.keys = stringList(doc, "keys", where);
    vocabulary.distinct = stringList(doc, "distinct", where);
    vocabulary.reserved = stringList(doc, "reserved", where);
    if (vocabulary.keys.empty()) {
        throw VocabularyError(where + ": \"keys\" is missing or empty");
    }
    const std::set<std::string> known(vocabulary.keys.begin(), vocabulary.keys.end());
    if (known.size() != vocabulary.keys.size()) {
        throw VocabularyError(where + ": \"keys\" lists a key twice");
    }
    for (const std::string& key : vocabulary.distinct) {
        if (!known.contains(key)) {
            throw VocabularyError(where + ": \"distinct\" names " + inQuotes(key) + ", which is not in \"keys\"");
        }
    }
    if (doc.contains("placeholders")) {
        if (!doc.at("placeholders").is_object()) {
            throw VocabularyError(where + ": \"placeholders\" must map keys to counts");
        }
        for (const auto& [key, count] : doc.at("placeholders").items()) {
            if (!known.contains(key) || !count.is_number_unsigned()) {
                throw VocabularyError(where + ": \"placeholders\" entry " + inQuotes(key) +
                                      " must name a known key and give a count");
            }
            vocabulary.placeholders[key] = count.get<int>();
        }
    }
    return vocabulary;
}

std::vector<std::string> checkLanguageFile(const std::filesystem::path& file, const Vocabulary& vocabulary)
{
    const std::string name = file.string();
    std::string content;
    if (!readFile(file, content)) {
        return {name + ": cannot be read"};
    }
    if (plist_is_binary(content.data(), static_cast<uint32_t>(content.size()))) {
        return {name + ": is a binary property list; keep translations as XML"};
    }
    plist_t raw = nullptr;
    plist_from_xml(content.data(), static_cast<uint32_t>(content.size()), &raw);
    const PlistPtr root(raw);
    if (!root) {
        return {name + ": is not a well-formed XML property list"};
    }
    if (plist_get_node_type(root.get()) != PLIST_DICT) {
        return {name + ": the root must be a dictionary"};
    }

    std::vector<std::string> problems;
    std::map<std::string, std::string> texts;
    plist_dict_iter rawIter = nullptr;
    plist_dict_new_iter(root.get(), &rawIter);
    const std::unique_ptr<void, CFree> iter(rawIter);
    while (true) {
        char* rawKey = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(root.get(), iter.get(), &rawKey, &value);
        const std::unique_ptr<char, CFree> keyText(rawKey);
        if (value == nullptr) {
            break;
        }
        const std::string key = keyText ? keyText.get() : "";
        if (plist_get_node_type(value) != PLIST_STRING) {
            problems.push_back(name + ": key " + inQuotes(key) + ": value must be a string");
            continue;
        }
        texts[key] = plist_get_string_ptr(value, nullptr);
    }

    const std::set<std::string> known(vocabulary.keys.begin(), vocabulary.keys.end());
    for (const auto& [key, text] : texts) {
        if (!known.contains(key)) {
            problems.push_back(name + ": key " + inQuotes(key) + ": not a known text key (misspelt?)");
        }
    }
    for (const std::string& key : vocabulary.keys) {
        const auto found = texts.find(key);
        if (found == texts.end()) {
            problems.push_back(name + ": key " + inQuotes(key) + ": missing");
            continue;
        }
        if (blank(found->second)) {
            problems.push_back(name + ": key " + inQuotes(key) + ": empty value");
            continue;
        }
        const auto expected = vocabulary.placeholders.find(key);
        const int wanted = expected == vocabulary.placeholders.end() ? 0 : expected->second;
        const int actual = countOf(found->second, "%@");
        if (actual != wanted) {
            problems.push_back(name + ": key " + inQuotes(key) + ": holds " + std::to_string(actual) +
                               " \"%@\" placeholders, expected " + std::to_string(wanted));
        }
    }

    std::map<std::string, std::string> ownerOfText;
    for (const std::string& key : vocabulary.distinct) {
        const auto found = texts.find(key);
        if (found == texts.end() || blank(found->second)) {
            continue;
        }
        const std::string& text = found->second;
        for (const std::string& reserved : vocabulary.reserved) {
            if (text == reserved) {
                problems.push_back(name + ": key " + inQuotes(key) + ": text " + inQuotes(text) +
                                   " is reserved for another store key");
            }
        }
        const auto [owner, fresh] = ownerOfText.emplace(text, key);
        if (!fresh) {
            problems.push_back(name + ": key " + inQuotes(key) + ": text " + inQuotes(text) + " collides with key " +
                               inQuotes(owner->second) + "; option titles must differ");
        }
    }
    return problems;
}

}  // namespace tools
