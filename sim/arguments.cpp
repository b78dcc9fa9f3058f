#include "sim/arguments.h"

#include "device/foundation/language_code.h"

#include <charconv>
#include <cmath>

namespace sim {

namespace {

constexpr std::string_view kBlanks = " \t\r";
constexpr double kLongestWait = 86400;
constexpr double kDefaultSwipePoints = 200;

std::string_view trim(std::string_view text)
{
    std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string_view lastWord(std::string_view text)
{
    std::size_t blank = text.find_last_of(kBlanks);
    return blank == std::string_view::npos ? text : text.substr(blank + 1);
}

std::string_view beforeLastWord(std::string_view text)
{
    return trim(text.substr(0, text.size() - lastWord(text).size()));
}

std::optional<double> number(std::string_view text)
{
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<long> occurrence(std::string_view word)
{
    long value = 0;
    if (word.size() < 2 || word.front() != '#') {
        return std::nullopt;
    }
    auto [end, error] = std::from_chars(word.data() + 1, word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<SwipeDirection> direction(std::string_view word)
{
    if (word == "left") {
        return SwipeDirection::Left;
    }
    if (word == "right") {
        return SwipeDirection::Right;
    }
    return std::nullopt;
}

// A TEXT and the words that follow it.
struct TextAndTail {
    std::string text;
    std::string_view tail;
};
using ParsedText = std::variant<TextAndTail, ArgumentError>;

// A quoted TEXT ends at its closing quote; an unquoted one leaves the last `tailWords` words.
ParsedText splitText(std::string_view rest, int tailWords)
{
    if (rest.empty() || rest.front() != '"') {
        std::string_view text = rest;
        for (int i = 0; i < tailWords; ++i) {
            text = beforeLastWord(text);
        }
        return TextAndTail{std::string(text), trim(rest.substr(text.size()))};
    }
    TextAndTail split;
    for (std::size_t i = 1; i < rest.size(); ++i) {
        char c = rest[i];
        if (c == '\\' && i + 1 < rest.size() && (rest[i + 1] == '"' || rest[i + 1] == '\\')) {
            split.text += rest[++i];
        } else if (c == '"') {
            split.tail = trim(rest.substr(i + 1));
            return split;
        } else {
            split.text += c;
        }
    }
    return ArgumentError{"the quote that opens the text is never closed"};
}

ParsedText wholeText(std::string_view rest)
{
    ParsedText parsed = splitText(rest, 0);
    if (auto* split = std::get_if<TextAndTail>(&parsed); split && !split->tail.empty()) {
        return ArgumentError{"unexpected \"" + std::string(split->tail) + "\" after the quoted text"};
    }
    return parsed;
}

ParsedArguments fail(std::string message)
{
    return ArgumentError{std::move(message)};
}

}  // namespace

namespace grammar {

ParsedArguments nothing(std::string_view rest)
{
    rest = trim(rest);
    if (!rest.empty()) {
        return fail("takes no arguments, but was given \"" + std::string(rest) + "\"");
    }
    return Arguments{};
}

ParsedArguments text(std::string_view rest)
{
    rest = trim(rest);
    if (rest.empty()) {
        return fail("needs a text");
    }
    return optionalText(rest);
}

ParsedArguments optionalText(std::string_view rest)
{
    rest = trim(rest);
    Arguments arguments;
    if (rest.empty()) {
        return arguments;
    }
    ParsedText parsed = wholeText(rest);
    if (auto* error = std::get_if<ArgumentError>(&parsed)) {
        return *error;
    }
    arguments.text = std::move(std::get<TextAndTail>(parsed).text);
    return arguments;
}

ParsedArguments optionalWord(std::string_view rest)
{
    rest = trim(rest);
    Arguments arguments;
    if (rest.find_first_of(kBlanks) != std::string_view::npos) {
        return fail("takes one word, but was given \"" + std::string(rest) + "\"");
    }
    if (!rest.empty()) {
        arguments.text = std::string(rest);
    }
    return arguments;
}

ParsedArguments languageCode(std::string_view rest)
{
    rest = trim(rest);
    if (rest.empty()) {
        return fail("needs a language code such as en, fr or zh-Hans");
    }
    if (!device::foundation::isLanguageCode(rest)) {
        return fail("\"" + std::string(rest) + "\" is not a language code such as en, fr or zh-Hans");
    }
    Arguments arguments;
    arguments.text = std::string(rest);
    return arguments;
}

ParsedArguments seconds(std::string_view rest)
{
    rest = trim(rest);
    auto value = number(rest);
    if (!value || *value < 0 || *value > kLongestWait) {
        return fail("needs a number of seconds from 0 to " + std::to_string(static_cast<int>(kLongestWait))
                    + (rest.empty() ? "" : ", not \"" + std::string(rest) + "\""));
    }
    Arguments arguments;
    arguments.number = value;
    return arguments;
}

ParsedArguments points(std::string_view rest)
{
    rest = trim(rest);
    auto value = number(rest);
    if (!value) {
        return fail("needs a number of points" + (rest.empty() ? "" : ", not \"" + std::string(rest) + "\""));
    }
    Arguments arguments;
    arguments.number = value;
    return arguments;
}

ParsedArguments optionalCount(std::string_view rest)
{
    rest = trim(rest);
    Arguments arguments;
    arguments.number = 1;
    if (rest.empty()) {
        return arguments;
    }
    auto value = number(rest);
    if (!value || *value < 1 || *value != std::floor(*value)) {
        return fail("needs a whole number from 1 up, not \"" + std::string(rest) + "\"");
    }
    arguments.number = value;
    return arguments;
}

ParsedArguments tapTarget(std::string_view rest)
{
    rest = trim(rest);
    if (rest.empty()) {
        return fail("needs the text of what to tap, or a point X Y");
    }
    Arguments arguments;
    std::string_view last = lastWord(rest);
    std::string_view before = beforeLastWord(rest);
    if (auto x = number(before), y = number(last); x && y) {
        arguments.point = ScreenPoint{*x, *y};
        return arguments;
    }
    bool counted = occurrence(last).has_value() && !before.empty();
    ParsedText parsed = splitText(rest, counted ? 1 : 0);
    if (auto* error = std::get_if<ArgumentError>(&parsed)) {
        return *error;
    }
    auto& [text, tail] = std::get<TextAndTail>(parsed);
    if (!tail.empty()) {
        auto n = occurrence(tail);
        if (!n || *n < 1) {
            return fail("expects #N (a count from 1) after the text, not \"" + std::string(tail) + "\"");
        }
        arguments.occurrence = *n;
    }
    arguments.text = std::move(text);
    return arguments;
}

ParsedArguments swipeTarget(std::string_view rest)
{
    rest = trim(rest);
    ParsedText parsed = splitText(rest, number(lastWord(rest)) ? 2 : 1);
    if (auto* error = std::get_if<ArgumentError>(&parsed)) {
        return *error;
    }
    auto& [text, tail] = std::get<TextAndTail>(parsed);
    Arguments arguments;
    arguments.number = kDefaultSwipePoints;
    std::string_view directionWord = tail;
    if (auto amount = number(lastWord(tail)); amount && !beforeLastWord(tail).empty()) {
        arguments.number = amount;
        directionWord = beforeLastWord(tail);
    }
    arguments.direction = direction(directionWord);
    if (text.empty() || !arguments.direction) {
        return fail("expects TEXT left|right [POINTS]");
    }
    arguments.text = std::move(text);
    return arguments;
}

ParsedArguments dragTarget(std::string_view rest)
{
    rest = trim(rest);
    TextAndTail first;
    if (!rest.empty() && rest.front() == '"') {
        ParsedText parsed = splitText(rest, 0);
        if (auto* error = std::get_if<ArgumentError>(&parsed)) {
            return *error;
        }
        first = std::move(std::get<TextAndTail>(parsed));
    } else if (std::size_t to = rest.find(" to "); to != std::string_view::npos) {
        first = {std::string(trim(rest.substr(0, to))), trim(rest.substr(to + 1))};
    }
    if (!first.tail.starts_with("to ") && !first.tail.starts_with("to\t")) {
        return fail("expects TEXT to TEXT2");
    }
    ParsedText second = wholeText(trim(first.tail.substr(2)));
    if (auto* error = std::get_if<ArgumentError>(&second)) {
        return *error;
    }
    Arguments arguments;
    arguments.text = std::move(first.text);
    arguments.target = std::move(std::get<TextAndTail>(second).text);
    if (arguments.text->empty() || arguments.target->empty()) {
        return fail("expects TEXT to TEXT2");
    }
    return arguments;
}

}  // namespace grammar

}  // namespace sim
