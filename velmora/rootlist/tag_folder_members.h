#pragma once

#include "velmora/core/shared_state.h"

#include <string>

namespace velmora::rootlist {

// The entries a tag folder page lists: the root list's entries that the tag's record marks as
// members, neither hidden nor the one entry kept out of tags, in the tag's stored order, each once.
// Members the order does not name follow in root list order. A tag name no record carries has none.
core::EntryList folderMembers(const std::string& tagName);

// The entries add mode offers: every row of the root list that is in no tag other than this one,
// except the entry kept out of tags and Bluetooth.
core::EntryList folderCandidates(const std::string& tagName);

}  // namespace velmora::rootlist
