#pragma once

#include <string_view>

namespace velmora::store {

enum class Store { Enabled, Advanced, Hide, Tag, Position, Protected, Theme, Icons, Temp };

inline constexpr std::string_view kStorePrefix = "/var/mobile/Library/Preferences/com.corvane.velmora.";
inline constexpr std::string_view kTagPositionShortNamePrefix = "position_";
inline constexpr std::string_view kStoreSuffix = ".plist";

std::string_view shortName(Store store);

namespace keys {
inline constexpr std::string_view kEnabled = "Enabled";
inline constexpr std::string_view kLanguage = "language";
inline constexpr std::string_view kFirstTime = "FirstTimez";
inline constexpr std::string_view kTagName = "Name";
inline constexpr std::string_view kTagIcon = "Icon";
inline constexpr std::string_view kPassword = "password";
inline constexpr std::string_view kProtectionEnabled = "enable";
inline constexpr std::string_view kSelectedTheme = "Selected";
inline constexpr std::string_view kNewTagName = "NameTag";
inline constexpr std::string_view kNewTagIcon = "IconTag";
}  // namespace keys

// Advanced options are stored under the translation of these names, not under the names themselves.
namespace options {
inline constexpr std::string_view kAnimate = "anim";
inline constexpr std::string_view kTagsInPane = "groups";
inline constexpr std::string_view kTweaksInPane = "locat";
inline constexpr std::string_view kTagTitles = "title";
inline constexpr std::string_view kSwipeCells = "swipe_cells";
inline constexpr std::string_view kSearchBox = "search_box";
inline constexpr std::string_view kEntryTitle = "name";
inline constexpr std::string_view kPullToRefresh = "refresh";
// Stored in HideStore, under its translation too.
inline constexpr std::string_view kDividers = "dividers";
}  // namespace options

inline constexpr std::string_view kDefaultEntryTitle = "Velmora";

}  // namespace velmora::store
