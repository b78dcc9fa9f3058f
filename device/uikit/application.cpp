#include "device/uikit/application.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string_view>

namespace device::uikit {

namespace {

// The browser is built in, so its schemes open on every device.
constexpr std::string_view kBrowserSchemes[] = {"http", "https"};

char lower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool sameScheme(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return lower(x) == lower(y); });
}

std::optional<std::string_view> schemeOf(std::string_view url)
{
    std::size_t colon = url.find(':');
    if (colon == std::string_view::npos || !isURLSchemeName(url.substr(0, colon))) {
        return std::nullopt;
    }
    return url.substr(0, colon);
}

}  // namespace

UIApplication& UIApplication::sharedApplication()
{
    static UIApplication application;
    return application;
}

bool UIApplication::canOpenURL(const std::string& url) const
{
    auto scheme = schemeOf(url);
    if (!scheme) {
        return false;
    }
    auto handles = [&](std::string_view installed) { return sameScheme(*scheme, installed); };
    return std::ranges::any_of(kBrowserSchemes, handles) || std::ranges::any_of(m_installedSchemes, handles);
}

bool UIApplication::openURL(const std::string& url)
{
    if (!canOpenURL(url)) {
        return false;
    }
    m_openedURLs.push_back(url);
    m_unreportedURLs.push_back(url);
    return true;
}

void UIApplication::reset()
{
    m_keyWindow.reset();
    m_installedSchemes.clear();
    m_openedURLs.clear();
    m_unreportedURLs.clear();
    m_sounds.clear();
}

}  // namespace device::uikit
