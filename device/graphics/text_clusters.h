#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace device::graphics {

// The code point at the position, which moves past it. A malformed byte decodes on its own as U+FFFD.
char32_t decodeUtf8(std::string_view text, std::size_t& position);

// Combining marks, joiners, variation selectors and the like, which belong to the character before them.
bool extendsCluster(char32_t code);

// Chinese, Japanese and Korean characters, between which a line may break without a space.
bool isIdeographic(char32_t code);

// Where the user-perceived character starting at the position ends: a base with its combining marks,
// variation selectors and emoji modifiers, a sequence joined by zero-width joiners, a pair of regional
// indicators. Text is never cut inside one.
std::size_t nextClusterBoundary(std::string_view text, std::size_t position);

// The byte offsets where characters start, followed by the text's size.
std::vector<std::size_t> clusterBoundaries(std::string_view text);

}  // namespace device::graphics
