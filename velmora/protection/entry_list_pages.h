#pragma once

namespace velmora::protection {

// The passcode page and the pages that choose protected and hidden entries.
void registerEntryListPages();

}  // namespace velmora::protection
