#pragma once

#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace tools {

// What every translation file must satisfy, read from a JSON file:
//   "keys"         every text key a translation must have;
//   "distinct"     keys whose translations serve as store keys: pairwise distinct within a language;
//   "reserved"     texts those translations must not take (other keys of the same stores);
//   "placeholders" key -> number of "%@" its text must hold; every other key holds none.
struct Vocabulary {
    std::vector<std::string> keys;
    std::vector<std::string> distinct;
    std::vector<std::string> reserved;
    std::map<std::string, int> placeholders;
};

class VocabularyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

Vocabulary readVocabulary(const std::filesystem::path& path);

// One line per problem, each naming the file and, where there is one, the key.
std::vector<std::string> checkLanguageFile(const std::filesystem::path& file, const Vocabulary& vocabulary);

}  // namespace tools
