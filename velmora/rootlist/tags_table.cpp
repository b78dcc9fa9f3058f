#include "velmora/rootlist/tags_table.h"

#include "velmora/core/shared_state.h"
#include "velmora/core/translator.h"
#include "velmora/pane/alerts.h"
#include "velmora/rootlist/swipe_cell.h"
#include "velmora/store/store.h"
#include "velmora/store/tag_records.h"

#include "device/objc/class_builder.h"
#include "device/uikit/image.h"

namespace velmora::rootlist {

namespace {

namespace objc = device::objc;
namespace uikit = device::uikit;

constexpr long kCancelSection = 0;

std::shared_ptr<uikit::UITableViewCell> chooserCell(std::string text, double textAlpha)
{
    auto cell = objc::create<uikit::UITableViewCell>(uikit::UITableViewCellStyle::Default);
    cell->setUp();
    cell->setFrame(uikit::CGRectMake(0, 0, 100, 100));
    cell->setBackgroundColor(uikit::UIColor::white(1.0, 0.1));
    cell->textLabel()->setText(std::move(text));
    cell->textLabel()->setTextColor(uikit::UIColor::white(0.0, textAlpha));
    return cell;
}

}  // namespace

long Tags::numberOfSectionsInTableView(uikit::UITableView*)
{
    return 2;
}

// The rows run to the first missing tag number, as every other reader of the store does, so that each row
// stands for a record.
long Tags::tableViewNumberOfRowsInSection(uikit::UITableView*, long section)
{
    if (section == kCancelSection) {
        return 1;
    }
    return static_cast<long>(store::tagRecords(store::load(store::Store::Tag)).size());
}

std::shared_ptr<uikit::UITableViewCell> Tags::tableViewCellForRowAtIndexPath(uikit::UITableView*,
                                                                            uikit::NSIndexPath indexPath)
{
    if (indexPath.section == kCancelSection) {
        auto cell = chooserCell(core::Translator("cancel"), 0.35);
        cell->textLabel()->setTextAlignment(uikit::NSTextAlignment::Center);
        return cell;
    }
    auto records = store::tagRecords(store::load(store::Store::Tag));
    auto row = static_cast<std::size_t>(indexPath.row);
    if (row >= records.size()) {
        return chooserCell({}, 0.25);
    }
    auto cell = chooserCell(store::readString(records[row], store::keys::kTagName), 0.25);
    std::string icon = store::readString(records[row], store::keys::kTagIcon);
    if (!icon.empty()) {
        cell->imageView()->setImage(uikit::UIImage::imageWithContentsOfFile(icon));
        cell->layoutSubviews();
    }
    return cell;
}

bool Tags::tableViewCanMoveRowAtIndexPath(uikit::UITableView*, uikit::NSIndexPath)
{
    return false;
}

uikit::UITableViewCellEditingStyle Tags::tableViewEditingStyleForRowAtIndexPath(uikit::UITableView*,
                                                                               uikit::NSIndexPath)
{
    return uikit::UITableViewCellEditingStyle::None;
}

bool Tags::tableViewShouldIndentWhileEditingRowAtIndexPath(uikit::UITableView*, uikit::NSIndexPath)
{
    return false;
}

void Tags::tableViewDidSelectRowAtIndexPath(uikit::UITableView*, uikit::NSIndexPath indexPath)
{
    core::SharedState& state = core::sharedState();
    auto root = std::dynamic_pointer_cast<device::preferences::PSListController>(state.tu.lock());
    if (!root) {
        return;
    }
    bool saved = true;
    if (indexPath.section != kCancelSection) {
        auto tags = store::load(store::Store::Tag);
        auto found = tags.find(store::decimalKey(indexPath.row + 1));
        if (auto* record = found == tags.end() ? nullptr : found->second.dictionary()) {
            (*record)[state.texto] = true;
            saved = store::save(store::Store::Tag, tags);
            if (saved) {
                removeEntryNamed(*root, state.texto);
            }
        }
    }
    objc::msgSend<void>(root.get(), "dismissTagsController");
    if (!saved) {
        pane::showNotSaved();
    }
}

void registerTagsTable()
{
    objc::ClassBuilder<Tags>(uikit::UITableView::className)
        .method<&Tags::numberOfSectionsInTableView>("numberOfSectionsInTableView:")
        .method<&Tags::tableViewNumberOfRowsInSection>("tableView:numberOfRowsInSection:")
        .method<&Tags::tableViewCellForRowAtIndexPath>("tableView:cellForRowAtIndexPath:")
        .method<&Tags::tableViewCanMoveRowAtIndexPath>("tableView:canMoveRowAtIndexPath:")
        .method<&Tags::tableViewEditingStyleForRowAtIndexPath>("tableView:editingStyleForRowAtIndexPath:")
        .method<&Tags::tableViewShouldIndentWhileEditingRowAtIndexPath>("tableView:shouldIndentWhileEditingRowAtIndexPath:")
        .method<&Tags::tableViewDidSelectRowAtIndexPath>("tableView:didSelectRowAtIndexPath:");
}

}  // namespace velmora::rootlist
