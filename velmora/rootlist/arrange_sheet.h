#pragma once

#include "velmora/core/shared_state.h"

#include "device/preferences/list_controller.h"
#include "device/uikit/table_view.h"

#include <memory>
#include <string_view>

namespace velmora::rootlist {

// A bordered bar button titled by a translated text, sending action to target.
std::shared_ptr<device::uikit::UIBarButtonItem> arrangeButton(std::string_view textKey, device::objc::Object& target,
                                                              std::string_view action);

// The row an arrange table shows for an entry: its name and icon, the accessory kept while editing.
// Without an entry, an empty row.
std::shared_ptr<device::uikit::UITableViewCell> arrangeCell(const core::Entry* entry);

// The controller that presents and dismisses a page's arrange sheet: the page's parent when it has one.
device::uikit::UIViewController& sheetPresenter(device::preferences::PSListController& page);

// The tablet's arrange sheet: a form sheet titled "edit" whose own editing table is served by source,
// with a left and a right button sending their actions to the page. Returns the sheet's table.
std::shared_ptr<device::uikit::UITableView> presentArrangeSheet(device::preferences::PSListController& page,
                                                                device::objc::Object* source,
                                                                std::shared_ptr<device::uikit::UIBarButtonItem> left,
                                                                std::shared_ptr<device::uikit::UIBarButtonItem> right);

}  // namespace velmora::rootlist
