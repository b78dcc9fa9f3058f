#pragma once

#include "velmora/pane/pane_list_controller.h"

#include <string_view>

namespace velmora::pane {

// The tags: a link to add one, then a link per tag to its editor.
class TagsController : public PaneListController<device::preferences::PSListController, core::PageList::TagList> {
public:
    static constexpr std::string_view className = "TagsController";

    void viewWillAppear(bool animated);
    void reloadTags();
};

void registerTagsController();

}  // namespace velmora::pane
