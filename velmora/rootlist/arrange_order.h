#pragma once

#include "velmora/core/shared_state.h"

#include "device/foundation/plist_value.h"

namespace velmora::rootlist {

// Rows that a stored order placed before the first group entry are filed under section "-1", which
// the arrange table does not show. When there are such rows every section moves up by one number, so
// that they are shown (and written back) as the first section, just as the root list shows them.
void showLeadingRows(core::SharedState& state);

// Phone: each non-empty section's entries, then the matching group entry of the list as the host
// built it. Keys stay consecutive even when there is no such group entry to write.
device::foundation::PlistDictionary phoneOrder(const core::SharedState& state);

// Tablet: every section's entries as they stand, its trailing group entry included.
device::foundation::PlistDictionary tabletOrder(const core::SharedState& state);

}  // namespace velmora::rootlist
