#include "languagecheck.h"

#include <iostream>

namespace {

constexpr const char* kUsage = "usage: velmora-langcheck VOCABULARY.json LANGUAGE.plist...\n";

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << kUsage;
        return 2;
    }
    try {
        const tools::Vocabulary vocabulary = tools::readVocabulary(argv[1]);
        int problems = 0;
        for (int i = 2; i < argc; ++i) {
            for (const std::string& problem : tools::checkLanguageFile(argv[i], vocabulary)) {
                std::cerr << "velmora-langcheck: " << problem << '\n';
                ++problems;
            }
        }
        if (problems > 0) {
            std::cerr << "velmora-langcheck: " << problems << " problem(s) in the translations\n";
            return 1;
        }
    } catch (const tools::VocabularyError& e) {
        std::cerr << "velmora-langcheck: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
