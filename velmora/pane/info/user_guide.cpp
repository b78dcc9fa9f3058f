#include "velmora/pane/info/info_pages.h"

#include "velmora/core/translator.h"
#include "velmora/pane/alerts.h"
#include "velmora/pane/root_list_beside.h"
#include "velmora/pane/rows.h"
#include "velmora/store/store.h"

#include "device/objc/runtime.h"

namespace velmora::pane {

namespace {

using core::Translator;

struct Topic {
    std::string_view key;
    std::string_view descriptionKey;
};

constexpr Topic kTopics[] = {
    {"enable", "desc_enab"}, {"gene", "desc_gene"},    {"hide", "desc_hide"},   {"tags", "desc_tags"},
    {"groups", "desc_groups"}, {"title", "desc_title"}, {"locat", "desc_locat"}, {"anim", "desc_anim"},
};

}  // namespace

void userGuideController::buildRows(core::EntryList& list)
{
    list.clear();
    core::Entry heading = makeRow(Translator("pre"), this, "PSGroupCell");
    setAlignment(heading, 1);
    list.push_back(heading);
    list.push_back(emptyGroup());
    for (const Topic& topic : kTopics) {
        list.push_back(groupWithFooter(Translator(topic.descriptionKey)));
        core::Entry row = makeRow(Translator(topic.key), this, "PSTitleValueCell");
        setAlignment(row, 2);
        list.push_back(row);
    }
    list.push_back(groupWithFooter(Translator("desc_corr")));
    core::Entry reset = makeRow(Translator("corrupted"), this, "PSButtonCell");
    setAlignment(reset, 2);
    reset->setAction(device::objc::sel_registerName("removeCorrupeted"));
    list.push_back(reset);
}

void userGuideController::removeCorrupeted()
{
    auto keepAlive = retained<userGuideController>();
    if (!store::save(store::Store::Tag, {})) {
        showNotSaved();
        return;
    }
    core::sharedState().nextTagNumber = 1;
    showAlert(Translator("resetted"), Translator("tag_res"), "OK", this);
    core::sharedState().listIsCurrent = false;
    rebuildRootListBeside(*this);
}

}  // namespace velmora::pane
