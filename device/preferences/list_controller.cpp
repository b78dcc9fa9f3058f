#include "device/preferences/list_controller.h"

#include "device/objc/class_builder.h"
#include "device/preferences/table_cell.h"
#include "device/uikit/navigation_controller.h"
#include "device/uikit/screen.h"

#include <algorithm>

namespace device::preferences {

SpecifierList& PSListController::specifiers()
{
    return currentList();
}

SpecifierList& PSListController::currentList()
{
    if (!m_specifiers) {
        m_specifiers.emplace();
    }
    settledList();
    return *m_specifiers;
}

const SpecifierList* PSListController::settledList() const
{
    if (m_removals.active()) {
        m_removals.apply(*m_specifiers);
    }
    return m_specifiers ? &*m_specifiers : nullptr;
}

SpecifierList& PSListController::listForEdit()
{
    if (!m_specifiers) {
        m_specifiers.emplace();
    }
    if (!m_removals.active()) {
        m_removals.start(*m_specifiers);
    }
    return *m_specifiers;
}

void PSListController::setSpecifiers(SpecifierList specifiers)
{
    m_removals.discard();
    m_specifiers = std::move(specifiers);
    listChanged();
}

void PSListController::listChanged()
{
    if (isViewLoaded()) {
        table()->setNeedsReload();
    }
}

void PSListController::reloadSpecifiers()
{
    auto keepAlive = retained<PSListController>();
    m_removals.discard();
    m_specifiers.reset();
    specifiers();
    listChanged();
}

void PSListController::addSpecifier(std::shared_ptr<PSSpecifier> specifier)
{
    addSpecifierAnimated(std::move(specifier), false);
}

void PSListController::addSpecifierAnimated(std::shared_ptr<PSSpecifier> specifier, bool)
{
    if (!specifier) {
        return;
    }
    auto& list = listForEdit();
    m_removals.removeAll(specifier.get());
    m_removals.appended(specifier.get());
    list.push_back(std::move(specifier));
    listChanged();
}

void PSListController::insertSpecifierAtIndexAnimated(std::shared_ptr<PSSpecifier> specifier, long index, bool)
{
    if (!specifier) {
        return;
    }
    auto& list = currentList();
    std::erase(list, specifier);
    index = std::clamp<long>(index, 0, static_cast<long>(list.size()));
    list.insert(list.begin() + index, std::move(specifier));
    listChanged();
}

void PSListController::removeSpecifierAnimated(const PSSpecifier* specifier, bool)
{
    listForEdit();
    if (m_removals.removeFirst(specifier)) {
        listChanged();
    }
}

void PSListController::removeSpecifierAtIndexAnimated(long index, bool animated)
{
    if (auto specifier = specifierAtIndex(index)) {
        removeSpecifierAnimated(specifier.get(), animated);
    }
}

void PSListController::removeContiguousSpecifiersAnimated(const SpecifierList& specifiers, bool)
{
    listForEdit();
    for (const auto& specifier : specifiers) {
        m_removals.removeAll(specifier.get());
    }
    listChanged();
}

void PSListController::reloadSpecifier(const PSSpecifier*)
{
    listChanged();
}

// Only that entry's row, or for a group only its section's texts, is shown afresh: the rest of the
// table keeps what it shows, even where that no longer matches its getters.
void PSListController::reloadSpecifierAtIndex(long index)
{
    const SpecifierList* list = settledList();
    if (!isViewLoaded() || !list || index < 0 || index >= static_cast<long>(list->size())) {
        return;
    }
    auto entry = (*list)[static_cast<std::size_t>(index)];
    auto ranges = sections();
    for (std::size_t s = 0; s < ranges.size(); ++s) {
        const SectionRange& range = ranges[s];
        auto row = static_cast<std::size_t>(index);
        if (range.group == entry) {
            table()->reloadTitlesOfSection(static_cast<long>(s));
            return;
        }
        if (row >= range.firstRow && row < range.firstRow + range.rowCount) {
            table()->reloadRowsAtIndexPaths({{static_cast<long>(s), static_cast<long>(row - range.firstRow)}});
            return;
        }
    }
}

long PSListController::indexOfSpecifier(const PSSpecifier* specifier) const
{
    const SpecifierList* list = settledList();
    if (!list) {
        return -1;
    }
    auto found = std::find_if(list->begin(), list->end(), [specifier](const auto& s) { return s.get() == specifier; });
    return found == list->end() ? -1 : static_cast<long>(found - list->begin());
}

std::shared_ptr<PSSpecifier> PSListController::specifierAtIndex(long index) const
{
    const SpecifierList* list = settledList();
    if (!list || index < 0 || index >= static_cast<long>(list->size())) {
        return nullptr;
    }
    return (*list)[static_cast<std::size_t>(index)];
}

std::shared_ptr<PSSpecifier> PSListController::specifierForID(const std::string& identifier) const
{
    if (const SpecifierList* list = settledList()) {
        for (const auto& specifier : *list) {
            if (specifier->identifier() == identifier) {
                return specifier;
            }
        }
    }
    return nullptr;
}

std::vector<PSListController::SectionRange> PSListController::sections() const
{
    std::vector<SectionRange> result;
    const SpecifierList* settled = settledList();
    if (!settled) {
        return result;
    }
    const auto& list = *settled;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i]->isGroup()) {
            result.push_back({list[i], i + 1, 0});
        } else {
            if (result.empty()) {
                result.push_back({nullptr, i, 0});
            }
            ++result.back().rowCount;
        }
    }
    return result;
}

std::shared_ptr<PSSpecifier> PSListController::specifierAtIndexPath(uikit::NSIndexPath indexPath) const
{
    auto ranges = sections();
    if (indexPath.section < 0 || indexPath.section >= static_cast<long>(ranges.size())) {
        return nullptr;
    }
    const auto& range = ranges[static_cast<std::size_t>(indexPath.section)];
    if (indexPath.row < 0 || indexPath.row >= static_cast<long>(range.rowCount)) {
        return nullptr;
    }
    return (*settledList())[range.firstRow + static_cast<std::size_t>(indexPath.row)];
}

long PSListController::numberOfGroups() const
{
    return static_cast<long>(sections().size());
}

long PSListController::rowsForGroup(long group) const
{
    auto ranges = sections();
    return group >= 0 && group < static_cast<long>(ranges.size())
               ? static_cast<long>(ranges[static_cast<std::size_t>(group)].rowCount)
               : 0;
}

std::shared_ptr<uikit::UIView> PSListController::loadView()
{
    auto frame = uikit::UIViewController::loadView()->frame();
    auto tableView = objc::create<uikit::UITableView>(frame);
    tableView->setBackgroundColor(uikit::UIColor::rgba(0.94, 0.94, 0.96));
    tableView->setDataSource(this);
    tableView->setDelegate(this);
    tableView->setNeedsReload();
    if (uikit::UIDevice::currentDevice().userInterfaceIdiom() != uikit::UIUserInterfaceIdiom::Pad) {
        return tableView;
    }
    auto container = objc::create<uikit::UIView>(frame);
    tableView->setFrame(uikit::CGRectMake(0, 0, frame.width(), frame.height()));
    container->addSubview(tableView);
    return container;
}

void PSListController::viewWillLayoutSubviews()
{
    uikit::UITableView* tableView = table();
    if (tableView && tableView != view()) {
        uikit::CGRect bounds = view()->bounds();
        if (tableView->frame() != bounds) {
            tableView->setFrame(bounds);
        }
    }
}

uikit::UITableView* PSListController::table()
{
    uikit::UIView* root = view();
    if (auto* tableView = dynamic_cast<uikit::UITableView*>(root)) {
        return tableView;
    }
    return root->subviews().empty() ? nullptr : dynamic_cast<uikit::UITableView*>(root->subviews().front().get());
}

long PSListController::numberOfSectionsInTableView(uikit::UITableView*)
{
    if (!hasSpecifiers()) {
        specifiers();
    }
    return numberOfGroups();
}

long PSListController::tableViewNumberOfRowsInSection(uikit::UITableView*, long section)
{
    return rowsForGroup(section);
}

std::shared_ptr<uikit::UITableViewCell> PSListController::tableViewCellForRowAtIndexPath(uikit::UITableView*,
                                                                                        uikit::NSIndexPath indexPath)
{
    auto specifier = specifierAtIndexPath(indexPath);
    return specifier ? PSTableCell::cellForSpecifier(specifier) : nullptr;
}

std::optional<std::string> PSListController::tableViewTitleForHeaderInSection(uikit::UITableView*, long section)
{
    auto ranges = sections();
    if (section < 0 || section >= static_cast<long>(ranges.size())) {
        return std::nullopt;
    }
    const auto& group = ranges[static_cast<std::size_t>(section)].group;
    return group ? group->name() : std::nullopt;
}

std::optional<std::string> PSListController::tableViewTitleForFooterInSection(uikit::UITableView*, long section)
{
    auto ranges = sections();
    if (section < 0 || section >= static_cast<long>(ranges.size())) {
        return std::nullopt;
    }
    const auto& group = ranges[static_cast<std::size_t>(section)].group;
    return group ? group->stringProperty("footerText") : std::nullopt;
}

void PSListController::tableViewDidSelectRowAtIndexPath(uikit::UITableView* table, uikit::NSIndexPath indexPath)
{
    // A text row takes the focus in its field.
    if (auto* cell = dynamic_cast<PSTableCell*>(table ? table->cellForRowAtIndexPath(indexPath) : nullptr);
        cell && cell->editField()) {
        cell->editField()->becomeFirstResponder();
        return;
    }
    if (auto specifier = specifierAtIndexPath(indexPath)) {
        openSpecifier(specifier);
    }
}

std::shared_ptr<uikit::UIView> PSListController::tableViewViewForHeaderInSection(uikit::UITableView*, long section)
{
    m_headerCells.erase(section);
    auto ranges = sections();
    if (section < 0 || section >= static_cast<long>(ranges.size())) {
        return nullptr;
    }
    const auto& group = ranges[static_cast<std::size_t>(section)].group;
    auto className = group ? group->stringProperty("headerCellClass") : std::nullopt;
    objc::Class cls = className ? objc::objc_getClass(*className) : nullptr;
    if (!cls || !objc::class_isSubclassOf(cls, objc::objc_getClass(PSTableCell::className))) {
        return nullptr;
    }
    auto cell = std::dynamic_pointer_cast<uikit::UIView>(objc::class_createInstance(cls));
    if (!cell) {
        return nullptr;
    }
    objc::msgSend<void>(cell.get(), "initWithSpecifier:", group.get());
    m_headerCells[section] = cell;
    return cell;
}

double PSListController::tableViewHeightForHeaderInSection(uikit::UITableView* table, long section)
{
    auto found = m_headerCells.find(section);
    if (found == m_headerCells.end()) {
        return 0;
    }
    return objc::msgSend<double>(found->second.get(), "preferredHeightForWidth:", table ? table->frame().width() : 0.0);
}

void PSListController::openSpecifier(const std::shared_ptr<PSSpecifier>& specifier)
{
    auto keepAlive = retained<PSListController>();
    switch (specifier->cellType()) {
    case PSButtonCell:
        if (specifier->action()) {
            objc::sendAction(specifier->target(), specifier->action(), specifier.get());
        }
        return;
    case PSLinkCell:
    case PSLinkListCell:
    case PSListItemCell: {
        // A link without a page of its own does what its action says.
        if (!specifier->detailControllerClass()) {
            if (specifier->action()) {
                objc::sendAction(specifier->target(), specifier->action(), specifier.get());
            }
            return;
        }
        auto instance = objc::class_createInstance(specifier->detailControllerClass());
        auto page = std::dynamic_pointer_cast<uikit::UIViewController>(instance);
        if (!page) {
            return;
        }
        if (auto* framework = dynamic_cast<PSViewController*>(page.get())) {
            framework->setSpecifier(specifier);
            framework->setParentController(retained<uikit::UIViewController>());
            auto* root = rootController();
            framework->setRootController(root ? root->retained<uikit::UIViewController>()
                                              : retained<uikit::UIViewController>());
        }
        page->setTitle(specifier->nameOrEmpty());
        showController(page);
        return;
    }
    default:
        return;
    }
}

foundation::PlistValue PSListController::readPreferenceValue(PSSpecifier* specifier)
{
    if (const PSProperty* value = specifier->propertyForKey("value")) {
        if (auto* flag = std::get_if<bool>(value)) {
            return *flag;
        }
        if (auto* text = std::get_if<std::string>(value)) {
            return *text;
        }
    }
    return false;
}

void PSListController::setPreferenceValueSpecifier(foundation::PlistValue value, PSSpecifier* specifier)
{
    if (value.isBool()) {
        specifier->setPropertyForKey(value.boolValue(), "value");
    } else if (const std::string* text = value.string()) {
        specifier->setPropertyForKey(*text, "value");
    }
}

void PSListController::showController(std::shared_ptr<uikit::UIViewController> controller)
{
    if (auto* navigation = navigationController()) {
        navigation->pushViewControllerAnimated(std::move(controller), true);
    }
}

SpecifierList& PSListItemsController::specifiers()
{
    if (hasSpecifiers()) {
        return currentList();
    }
    SpecifierList rows;
    if (PSSpecifier* owner = specifier()) {
        auto current = owner->readValue();
        for (std::size_t i = 0; i < owner->values().size() && i < owner->titles().size(); ++i) {
            auto row = PSSpecifier::preferenceSpecifierNamed(owner->titles()[i], this, nullptr, nullptr, nullptr,
                                                             PSListItemCell, nullptr);
            row->setPropertyForKey(current && *current == owner->values()[i], "checked");
            rows.push_back(row);
        }
    }
    setSpecifiers(std::move(rows));
    return currentList();
}

void PSListItemsController::tableViewDidSelectRowAtIndexPath(uikit::UITableView*, uikit::NSIndexPath indexPath)
{
    objc::msgSend<void>(this, "listItemSelected:", indexPath);
}

void PSListItemsController::listItemSelected(uikit::NSIndexPath indexPath)
{
    auto row = specifierAtIndexPath(indexPath);
    if (!row) {
        return;
    }
    foundation::PlistValue value;
    if (PSSpecifier* owner = specifier()) {
        long index = indexOfSpecifier(row.get()) - (currentList().front()->isGroup() ? 1 : 0);
        if (index >= 0 && index < static_cast<long>(owner->values().size())) {
            value = owner->values()[static_cast<std::size_t>(index)];
        }
    }
    objc::msgSend<void>(this, "setValueForSpecifier:defaultValue:", row.get(), value);
}

void PSListItemsController::setValueForSpecifierDefaultValue(PSSpecifier*, foundation::PlistValue value)
{
    if (PSSpecifier* owner = specifier()) {
        owner->writeValue(value);
    }
    reloadSpecifiers();
}

void registerPreferencesClasses()
{
    objc::ClassBuilder<PSSpecifier>("NSObject");
    objc::ClassBuilder<PSTableCell>("UITableViewCell")
        .method<&PSTableCell::initWithStyleReuseIdentifierSpecifier>("initWithStyle:reuseIdentifier:specifier:")
        .method<&PSTableCell::preferredHeightForWidth>("preferredHeightForWidth:")
        .method<&PSTableCell::switchChanged>("switchChanged:")
        .method<&PSTableCell::textFieldShouldChangeCharactersInRangeReplacementString>(
            "textField:shouldChangeCharactersInRange:replacementString:")
        .method<&PSTableCell::textFieldShouldReturn>("textFieldShouldReturn:")
        .method<&PSTableCell::textFieldDidEndEditing>("textFieldDidEndEditing:");
    objc::ClassBuilder<PSViewController>("UIViewController");
    objc::ClassBuilder<PSListController>("PSViewController")
        .method<&PSListController::reloadSpecifiers>("reloadSpecifiers")
        .method<&PSListController::numberOfSectionsInTableView>("numberOfSectionsInTableView:")
        .method<&PSListController::tableViewNumberOfRowsInSection>("tableView:numberOfRowsInSection:")
        .method<&PSListController::tableViewCellForRowAtIndexPath>("tableView:cellForRowAtIndexPath:")
        .method<&PSListController::tableViewTitleForHeaderInSection>("tableView:titleForHeaderInSection:")
        .method<&PSListController::tableViewTitleForFooterInSection>("tableView:titleForFooterInSection:")
        .method<&PSListController::tableViewDidSelectRowAtIndexPath>("tableView:didSelectRowAtIndexPath:")
        .method<&PSListController::tableViewViewForHeaderInSection>("tableView:viewForHeaderInSection:")
        .method<&PSListController::tableViewHeightForHeaderInSection>("tableView:heightForHeaderInSection:")
        .method<&PSListController::readPreferenceValue>("readPreferenceValue:")
        .method<&PSListController::setPreferenceValueSpecifier>("setPreferenceValue:specifier:");
    objc::ClassBuilder<PSListItemsController>("PSListController")
        .method<&PSListItemsController::tableViewDidSelectRowAtIndexPath>("tableView:didSelectRowAtIndexPath:")
        .method<&PSListItemsController::listItemSelected>("listItemSelected:")
        .method<&PSListItemsController::setValueForSpecifierDefaultValue>("setValueForSpecifier:defaultValue:");
}

}  // namespace device::preferences
