#pragma once

#include "velmora/core/shared_state.h"

#include "device/preferences/list_controller.h"

namespace velmora::pane {

// A page of the pane keeps its rows in its own process-wide list and hands that list to the host
// when the host asks for a fresh one. Rows are built only then, so the entries shown are the very
// entries that the page later removes or reinserts.
template <class Base, core::PageList Which>
class PaneListController : public Base {
public:
    device::preferences::SpecifierList& specifiers() override
    {
        if (!this->hasSpecifiers()) {
            buildRows(pageList());
            this->setSpecifiers(pageList());
        }
        return this->currentList();
    }

protected:
    static core::EntryList& pageList()
    {
        return *core::sharedState().pageLists[static_cast<std::size_t>(Which)];
    }
    // Fills the page's list; a page that builds it in a method of its own leaves it alone here.
    virtual void buildRows(core::EntryList&) {}
};

}  // namespace velmora::pane
