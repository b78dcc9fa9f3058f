#pragma once

#include "velmora/pane/pane_list_controller.h"

#include <string_view>

namespace velmora::pane {

// The pane's second page: the information pages and the advanced options.
class GeneralsController
    : public PaneListController<device::preferences::PSListController, core::PageList::General> {
public:
    static constexpr std::string_view className = "GeneralsController";

protected:
    void buildRows(core::EntryList& list) override;
};

void registerGeneralsController();

}  // namespace velmora::pane
