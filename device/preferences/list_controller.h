#pragma once

#include "device/preferences/deferred_removals.h"
#include "device/preferences/specifier.h"
#include "device/preferences/view_controller.h"
#include "device/uikit/index_path.h"
#include "device/uikit/table_view.h"

#include <map>
#include <memory>
#include <optional>
#include <string>

namespace device::preferences {

// A list page: an ordered list of entries shown as a grouped table, one section per group entry
// (rows before the first group entry form a section of their own). reloadSpecifiers and the table's
// data-source and delegate methods are reached through the runtime.
class PSListController : public PSViewController {
public:
    static constexpr std::string_view className = "PSListController";

    // The list shown. A page builds its list here when it has none yet; this default starts empty.
    // Removals are carried out when the list is next asked for, so a reference kept from before
    // one still holds the removed entries.
    virtual SpecifierList& specifiers();
    bool hasSpecifiers() const { return m_specifiers.has_value(); }
    void setSpecifiers(SpecifierList specifiers);

    // The framework's own reloadSpecifiers: discard the list and ask specifiers again.
    void reloadSpecifiers();

    // Putting an entry last moves it there when it is already in the list.
    void addSpecifier(std::shared_ptr<PSSpecifier> specifier);
    void addSpecifierAnimated(std::shared_ptr<PSSpecifier> specifier, bool animated);
    void insertSpecifierAtIndexAnimated(std::shared_ptr<PSSpecifier> specifier, long index, bool animated);
    // Removing an entry removes that entry alone: a group entry's rows stay, and join the section
    // before it. A page that means to take a whole section away removes its rows as well.
    void removeSpecifierAnimated(const PSSpecifier* specifier, bool animated);
    void removeSpecifierAtIndexAnimated(long index, bool animated);
    void removeContiguousSpecifiersAnimated(const SpecifierList& specifiers, bool animated);
    void reloadSpecifier(const PSSpecifier* specifier);
    void reloadSpecifierAtIndex(long index);

    long indexOfSpecifier(const PSSpecifier* specifier) const;
    std::shared_ptr<PSSpecifier> specifierAtIndex(long index) const;
    std::shared_ptr<PSSpecifier> specifierForID(const std::string& identifier) const;
    std::shared_ptr<PSSpecifier> specifierAtIndexPath(uikit::NSIndexPath indexPath) const;
    long numberOfGroups() const;
    long rowsForGroup(long group) const;

    // The table that shows the list: the view itself, or on a tablet the first subview of the view.
    uikit::UITableView* table();

    long numberOfSectionsInTableView(uikit::UITableView* table);
    long tableViewNumberOfRowsInSection(uikit::UITableView* table, long section);
    std::shared_ptr<uikit::UITableViewCell> tableViewCellForRowAtIndexPath(uikit::UITableView* table,
                                                                          uikit::NSIndexPath indexPath);
    std::optional<std::string> tableViewTitleForHeaderInSection(uikit::UITableView* table, long section);
    std::optional<std::string> tableViewTitleForFooterInSection(uikit::UITableView* table, long section);
    void tableViewDidSelectRowAtIndexPath(uikit::UITableView* table, uikit::NSIndexPath indexPath);
    // A group entry with a "headerCellClass" is headed by a cell of that class, created by name and
    // as high as its preferredHeightForWidth: says.
    std::shared_ptr<uikit::UIView> tableViewViewForHeaderInSection(uikit::UITableView* table, long section);
    double tableViewHeightForHeaderInSection(uikit::UITableView* table, long section);

    // The framework's default accessors keep a row's value on the row itself.
    foundation::PlistValue readPreferenceValue(PSSpecifier* specifier);
    void setPreferenceValueSpecifier(foundation::PlistValue value, PSSpecifier* specifier);

    // Opens a page from this list; a tablet's root list overrides where it goes.
    virtual void showController(std::shared_ptr<uikit::UIViewController> controller);

    // On a tablet the table fills the view that holds it.
    void viewWillLayoutSubviews() override;

protected:
    std::shared_ptr<uikit::UIView> loadView() override;
    // The list as it stands, without asking specifiers.
    SpecifierList& currentList();
    void listChanged();

private:
    struct SectionRange {
        std::shared_ptr<PSSpecifier> group;
        std::size_t firstRow;
        std::size_t rowCount;
    };
    std::vector<SectionRange> sections() const;
    // The list with every removal made so far carried out; null before the list is built.
    const SpecifierList* settledList() const;
    // The list for an append or removal, with its removals left counted.
    SpecifierList& listForEdit();
    void openSpecifier(const std::shared_ptr<PSSpecifier>& specifier);

    mutable std::optional<SpecifierList> m_specifiers;
    mutable DeferredRemovals m_removals;
    std::map<long, std::shared_ptr<uikit::UIView>> m_headerCells;
};

// The framework's choice page: one row per value of the entry that opened it, the current one ticked.
// A tap on a row is listItemSelected:, which hands the row to setValueForSpecifier:defaultValue:
// with the opening entry's value for that row (nothing when it has none).
class PSListItemsController : public PSListController {
public:
    static constexpr std::string_view className = "PSListItemsController";

    SpecifierList& specifiers() override;
    void tableViewDidSelectRowAtIndexPath(uikit::UITableView* table, uikit::NSIndexPath indexPath);
    void listItemSelected(uikit::NSIndexPath indexPath);
    void setValueForSpecifierDefaultValue(PSSpecifier* specifier, foundation::PlistValue value);
};

void registerPreferencesClasses();

}  // namespace device::preferences
