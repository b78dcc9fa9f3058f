#include "device/objc/class_builder.h"
#include "device/settings/prefs_list_controller.h"
#include "device/uikit/application.h"
#include "device/uikit/table_view_cell_controls.h"
#include "device/uikit/touchscreen.h"
#include "tests/device/uikit/find_button.h"
#include "tests/device/uikit/touch_support.h"
#include "tests/support/booted_device.h"

#include <gtest/gtest.h>

#include <cmath>

namespace device::uikit {
namespace {

using testing_support::BootedDevice;
using testing_support::centreOf;
using testing_support::findButton;
using testing_support::Library;
using testing_support::rowLabelled;
using Calls = std::vector<std::string>;

std::vector<NSIndexPath> g_selected;

void recordSelection(objc::id, objc::SEL, UITableView*, NSIndexPath indexPath)
{
    g_selected.push_back(indexPath);
}

TEST(TableTouches, ATapOnARowReachesTheSelectionMethodThatTheClassHasNow)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    objc::Method method = objc::class_getInstanceMethod(objc::objc_getClass("PrefsListController"),
                                                        objc::sel_registerName("tableView:didSelectRowAtIndexPath:"));
    objc::method_setImplementation(method, reinterpret_cast<objc::IMP>(&recordSelection));
    g_selected.clear();
    UITableView* table = phone.root()->table();

    Touchscreen().tap(centreOf(*rowLabelled(*table, "Wi-Fi")->textLabel()));
    EXPECT_EQ(g_selected, (std::vector<NSIndexPath>{{0, 1}}));

    Touchscreen().tap(centreOf(*rowLabelled(*table, "Airplane Mode")->accessoryView()));
    EXPECT_EQ(g_selected.size(), 1u) << "the switch takes the tap, not the row";
    EXPECT_EQ(phone.device().app().navigation()->viewControllers().size(), 1u);
}

// A data source and delegate of one section of rows that can be deleted and moved, as the
// library's arrange tables are.
class EditableRows : public objc::Object {
public:
    static constexpr std::string_view className = "EditableRows";

    static std::shared_ptr<EditableRows> make(std::vector<std::string> rows)
    {
        objc::ClassBuilder<EditableRows>("NSObject")
            .method<&EditableRows::numberOfSections>("numberOfSectionsInTableView:")
            .method<&EditableRows::numberOfRows>("tableView:numberOfRowsInSection:")
            .method<&EditableRows::cell>("tableView:cellForRowAtIndexPath:")
            .method<&EditableRows::canMove>("tableView:canMoveRowAtIndexPath:")
            .method<&EditableRows::editingStyle>("tableView:editingStyleForRowAtIndexPath:")
            .method<&EditableRows::shouldIndent>("tableView:shouldIndentWhileEditingRowAtIndexPath:")
            .method<&EditableRows::commit>("tableView:commitEditingStyle:forRowAtIndexPath:")
            .method<&EditableRows::move>("tableView:moveRowAtIndexPath:toIndexPath:")
            .method<&EditableRows::select>("tableView:didSelectRowAtIndexPath:");
        auto source = objc::create<EditableRows>();
        source->rows = std::move(rows);
        return source;
    }

    std::vector<std::string> rows;
    Calls calls;
    long sections = 1;

    long numberOfSections(UITableView*) { return sections; }
    long numberOfRows(UITableView*, long) { return static_cast<long>(rows.size()); }
    std::shared_ptr<UITableViewCell> cell(UITableView*, NSIndexPath indexPath)
    {
        auto cell = objc::create<UITableViewCell>();
        cell->setUp();
        cell->textLabel()->setText(rows[static_cast<std::size_t>(indexPath.row)]);
        return cell;
    }
    bool canMove(UITableView*, NSIndexPath indexPath) { return indexPath.row != 0; }
    UITableViewCellEditingStyle editingStyle(UITableView*, NSIndexPath)
    {
        return UITableViewCellEditingStyle::Delete;
    }
    bool shouldIndent(UITableView*, NSIndexPath) { return false; }
    void commit(UITableView* table, UITableViewCellEditingStyle, NSIndexPath indexPath)
    {
        calls.push_back("delete " + rows[static_cast<std::size_t>(indexPath.row)]);
        table->beginUpdates();
        table->deleteRowsAtIndexPathsWithRowAnimation({indexPath}, UITableViewRowAnimation::Fade);
        rows.erase(rows.begin() + indexPath.row);
        table->endUpdates();
    }
    void move(UITableView*, NSIndexPath from, NSIndexPath to)
    {
        calls.push_back("move " + std::to_string(from.row) + " to " + std::to_string(to.row));
        std::string moved = rows[static_cast<std::size_t>(from.row)];
        rows.erase(rows.begin() + from.row);
        rows.insert(rows.begin() + to.row, moved);
    }
    void select(UITableView*, NSIndexPath indexPath) { calls.push_back("select " + std::to_string(indexPath.row)); }
};

struct EditingTable {
    std::shared_ptr<EditableRows> rows = EditableRows::make({"Alpha", "Bravo", "Charlie", "Delta"});
    std::shared_ptr<UITableView> table = objc::create<UITableView>(CGRectMake(0, 64, 320, 504));

    EditingTable()
    {
        table->setDataSource(rows.get());
        table->setDelegate(rows.get());
        UIApplication::sharedApplication().keyWindow()->addOverlay(table);
        table->setEditingAnimated(true, true);
    }

    std::vector<std::string> shownRows() const
    {
        std::vector<std::string> shown;
        for (long r = 0; r < table->numberOfRowsInSection(0); ++r) {
            shown.push_back(table->cellForRowAtIndexPath({0, r})->textLabel()->text());
        }
        return shown;
    }

    template <class Control>
    Control* controlOf(const std::string& row) const
    {
        for (const auto& subview : rowLabelled(*table, row)->subviews()) {
            if (auto* control = dynamic_cast<Control*>(subview.get())) {
                return control;
            }
        }
        return nullptr;
    }
};

TEST(TableEditing, TheDeleteControlRevealsTheRowsDeleteButtonWhichCommitsTheDeletion)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    EditingTable editing;
    UITableViewCell* bravo = rowLabelled(*editing.table, "Bravo");
    ASSERT_NE(editing.controlOf<UITableViewCellEditControl>("Bravo"), nullptr);
    EXPECT_EQ(bravo->contentView()->frame().minX(), 0) << "the delegate asked for no indentation";

    Touchscreen().tap(centreOf(*bravo->textLabel()));
    EXPECT_TRUE(editing.rows->calls.empty()) << "rows are not selected in editing mode";

    Touchscreen().tap(centreOf(*editing.controlOf<UITableViewCellEditControl>("Bravo")));
    UIButton* confirm = findButton(*bravo, "Delete");
    ASSERT_NE(confirm, nullptr);
    Touchscreen().tap(centreOf(*rowLabelled(*editing.table, "Delta")->textLabel()));
    EXPECT_EQ(findButton(*bravo, "Delete"), nullptr) << "a tap elsewhere puts the button away";

    Touchscreen().tap(centreOf(*editing.controlOf<UITableViewCellEditControl>("Bravo")));
    Touchscreen().tap(centreOf(*findButton(*bravo, "Delete")));
    EXPECT_EQ(editing.rows->calls, (Calls{"delete Bravo"}));
    EXPECT_EQ(editing.shownRows(), (std::vector<std::string>{"Alpha", "Charlie", "Delta"}));
    EXPECT_EQ(rowLabelled(*editing.table, "Charlie")->frame().minY(), 35 + UITableView::kRowHeight);
}

TEST(TableEditing, ARowDraggedByItsReorderControlTakesThePlaceItIsDroppedOn)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    EditingTable editing;
    EXPECT_EQ(editing.controlOf<UITableViewCellReorderControl>("Alpha"), nullptr) << "the first row may not move";
    UITableViewCell* delta = rowLabelled(*editing.table, "Delta");
    CGPoint grip = centreOf(*editing.controlOf<UITableViewCellReorderControl>("Delta"));
    CGPoint bravo = centreOf(*rowLabelled(*editing.table, "Bravo"));
    Touchscreen screen;

    screen.press(grip);
    for (double y = grip.y - 10; y >= bravo.y; y -= 10) {
        screen.move({grip.x, y});
    }
    EXPECT_EQ(centreOf(*delta).y, grip.y - 10 * std::floor((grip.y - bravo.y) / 10)) << "the row follows the finger";
    EXPECT_EQ(editing.table->contentOffset().y, 0) << "the list does not scroll meanwhile";
    screen.move(bravo);
    screen.release();

    EXPECT_EQ(editing.rows->calls, (Calls{"move 3 to 1"}));
    EXPECT_EQ(editing.shownRows(), (std::vector<std::string>{"Alpha", "Delta", "Bravo", "Charlie"}));
    EXPECT_EQ(editing.table->cellForRowAtIndexPath({0, 1}), delta) << "moved, not reloaded";
    EXPECT_EQ(centreOf(*delta).y, bravo.y);

    editing.rows->calls.clear();
    screen.pan(centreOf(*editing.controlOf<UITableViewCellReorderControl>("Charlie")), centreOf(*delta), 5);
    screen.pan(grip, {grip.x, grip.y + 5}, 1);
    EXPECT_EQ(editing.rows->calls, (Calls{"move 3 to 1"}));
    EXPECT_EQ(editing.shownRows(), (std::vector<std::string>{"Alpha", "Charlie", "Delta", "Bravo"}));
}

TEST(TableEditing, DeletedSectionsGoTogetherAtTheEndOfTheUpdates)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    EditingTable editing;
    editing.table->beginUpdates();
    editing.rows->sections = 0;
    editing.table->deleteSectionsWithRowAnimation({0}, UITableViewRowAnimation::Fade);
    EXPECT_EQ(editing.table->numberOfSections(), 1);
    editing.table->endUpdates();
    EXPECT_EQ(editing.table->numberOfSections(), 0);
    EXPECT_TRUE(editing.table->visibleCells().empty());
}

TEST(TableEditing, ARowSwipedLeftOutOfEditingModeOffersItsDeleteButton)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    EditingTable editing;
    editing.table->setEditingAnimated(false, false);
    CGPoint charlie = centreOf(*rowLabelled(*editing.table, "Charlie"));
    Touchscreen screen;

    screen.pan({charlie.x + 100, charlie.y}, {charlie.x + 150, charlie.y});
    EXPECT_EQ(findButton(*rowLabelled(*editing.table, "Charlie"), "Delete"), nullptr) << "a swipe right offers nothing";
    editing.rows->calls.clear();
    screen.pan({charlie.x + 100, charlie.y}, {charlie.x - 100, charlie.y});
    ASSERT_NE(findButton(*rowLabelled(*editing.table, "Charlie"), "Delete"), nullptr);
    EXPECT_TRUE(editing.rows->calls.empty()) << "the swiped row is not selected";

    screen.tap(centreOf(*rowLabelled(*editing.table, "Alpha")->textLabel()));
    EXPECT_EQ(findButton(*rowLabelled(*editing.table, "Charlie"), "Delete"), nullptr) << "a tap elsewhere hides it";
    EXPECT_TRUE(editing.rows->calls.empty()) << "and selects nothing";

    screen.pan({charlie.x + 100, charlie.y}, {charlie.x - 100, charlie.y});
    screen.tap(centreOf(*findButton(*rowLabelled(*editing.table, "Charlie"), "Delete")));
    EXPECT_EQ(editing.rows->calls, (Calls{"delete Charlie"}));
    EXPECT_EQ(editing.shownRows(), (std::vector<std::string>{"Alpha", "Bravo", "Delta"}));

    screen.pan({charlie.x + 100, charlie.y}, {charlie.x - 100, charlie.y});
    editing.table->setEditingAnimated(true, false);
    EXPECT_EQ(findButton(*rowLabelled(*editing.table, "Delta"), "Delete"), nullptr) << "editing mode starts afresh";
}

TEST(TableEditing, AccessoriesHideWhileEditingUnlessTheCellKeepsThem)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    UITableView* table = phone.root()->table();
    UITableViewCell* airplane = rowLabelled(*table, "Airplane Mode");
    UITableViewCell* wifi = rowLabelled(*table, "Wi-Fi");
    wifi->setAccessoryView(objc::create<UISwitch>());
    wifi->setHidesAccessoryWhenEditing(false);

    table->setEditingAnimated(true, false);
    EXPECT_TRUE(airplane->accessoryView()->isHidden());
    EXPECT_FALSE(wifi->accessoryView()->isHidden());
    table->setEditingAnimated(false, false);
    EXPECT_FALSE(airplane->accessoryView()->isHidden());
}

}  // namespace
}  // namespace device::uikit
