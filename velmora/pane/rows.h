#pragma once

#include "velmora/core/shared_state.h"

#include "device/objc/runtime.h"
#include "device/uikit/image.h"

#include <memory>
#include <string>
#include <string_view>

namespace device::preferences {
class PSSpecifier;
}

namespace velmora::pane {

struct RowAccessors {
    std::string_view set;
    std::string_view get;
};

// A row from the host's factory, its cell type given by name. Accessors and the page it opens are
// named too; an empty name is none.
core::Entry makeRow(std::string label, device::objc::id target, std::string_view cellType,
                    RowAccessors accessors = {}, std::string_view detailClass = {});
core::Entry emptyGroup();
core::Entry groupWithFooter(std::string footer);

// Sets "iconImage" when there is an image.
void setIcon(core::Entry& row, std::shared_ptr<device::uikit::UIImage> image);
void setAlignment(core::Entry& row, long long alignment);

// The icon an entry of the host's root list shows: its own picture, else its application's icon.
std::shared_ptr<device::uikit::UIImage> entryIcon(const device::preferences::PSSpecifier& entry);

// A switch named after an entry of the host's root list, showing that entry's icon.
core::Entry entrySwitch(const device::preferences::PSSpecifier& entry, device::objc::id target, RowAccessors accessors);

// The image in a file; none when the path is empty or names no picture.
std::shared_ptr<device::uikit::UIImage> imageAtPath(std::string_view path);

}  // namespace velmora::pane
