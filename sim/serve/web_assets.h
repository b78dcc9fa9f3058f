#pragma once

#include <span>
#include <string_view>

namespace sim::serve {

// A file of the web page, built into the program so that the page needs nothing from elsewhere.
struct WebAsset {
    std::string_view path;  // as requested: "/", "/app.js", ...
    std::string_view contentType;
    std::string_view body;
};

std::span<const WebAsset> webAssets();

}  // namespace sim::serve
