#include "device/foundation/language_code.h"

namespace device::foundation {

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isLetterOrDigit(char c)
{
    return isLetter(c) || (c >= '0' && c <= '9');
}

// The number of leading characters of text that pass the test.
std::size_t runLength(std::string_view text, bool (*test)(char))
{
    std::size_t length = 0;
    while (length < text.size() && test(text[length])) {
        ++length;
    }
    return length;
}

}  // namespace

// Read in one pass: a code may be as long as anyone types, so nothing here may grow with it.
bool isLanguageCode(std::string_view code)
{
    std::size_t language = runLength(code, isLetter);
    if (language < 2 || language > 3) {
        return false;
    }
    code.remove_prefix(language);
    while (!code.empty()) {
        if (code.front() != '-' && code.front() != '_') {
            return false;
        }
        code.remove_prefix(1);
        std::size_t subtag = runLength(code, isLetterOrDigit);
        if (subtag < 2 || subtag > 8) {
            return false;
        }
        code.remove_prefix(subtag);
    }
    return true;
}

}  // namespace device::foundation
