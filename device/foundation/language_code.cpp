#include "sim/language_code.h"

#include <regex>

namespace sim {

bool isLanguageCode(std::string_view code)
{
    static const std::regex pattern("[A-Za-z]{2,3}([-_][A-Za-z0-9]{2,8})*");
    return std::regex_match(code.begin(), code.end(), pattern);
}

}  // namespace sim
