#include "device/render/screen_description.h"

#include "device/preferences/list_controller.h"
#include "device/preferences/table_cell.h"
#include "device/render/screen_controllers.h"
#include "device/uikit/action_sheet.h"
#include "device/uikit/alert_view.h"
#include "device/uikit/button.h"
#include "device/uikit/control.h"
#include "device/uikit/keyboard.h"
#include "device/uikit/screen.h"
#include "device/uikit/search_bar.h"

#include <algorithm>

namespace device::render {

namespace {

std::optional<std::string> nonEmpty(const std::string& text)
{
    return text.empty() ? std::nullopt : std::optional<std::string>(text);
}

std::optional<std::string> titleOf(const uikit::UIBarButtonItem* item)
{
    return item ? std::optional<std::string>(item->name()) : std::nullopt;
}

NavigationBarDescription describeBar(uikit::UIViewController& controller,
                                     const uikit::UINavigationController* navigation)
{
    uikit::UINavigationItem* item = controller.navigationItem();
    NavigationBarDescription bar;
    bar.title = item->title().empty() ? nonEmpty(controller.title()) : nonEmpty(item->title());
    // A left item takes the back button's place, as the bar shows it.
    if (navigation && navigation->viewControllers().size() > 1 && !item->hidesBackButton()
        && !item->leftBarButtonItem()) {
        bar.back = navigation->backButtonTitle();
    }
    bar.left = titleOf(item->leftBarButtonItem());
    bar.right = titleOf(item->rightBarButtonItem());
    return bar;
}

uikit::UITableView* findTable(uikit::UIView* view)
{
    if (auto* table = dynamic_cast<uikit::UITableView*>(view)) {
        return table;
    }
    for (const auto& subview : view->subviews()) {
        if (auto* table = findTable(subview.get())) {
            return table;
        }
    }
    return nullptr;
}

RowKind kindOfCellType(preferences::PSCellType type)
{
    switch (type) {
    case preferences::PSLinkCell:
    case preferences::PSLinkListCell:
        return RowKind::Link;
    case preferences::PSButtonCell:
        return RowKind::Button;
    case preferences::PSEditTextCell:
    case preferences::PSSecureEditTextCell:
        return RowKind::Edit;
    case preferences::PSTitleValueCell:
        return RowKind::Value;
    case preferences::PSStaticTextCell:
        return RowKind::Static;
    default:
        return RowKind::Other;
    }
}

RowKind kindOf(const uikit::UITableViewCell& cell)
{
    if (dynamic_cast<const uikit::UISwitch*>(cell.accessoryView())) {
        return RowKind::Switch;
    }
    if (auto* framework = dynamic_cast<const preferences::PSTableCell*>(&cell); framework && framework->specifier()) {
        if (RowKind kind = kindOfCellType(framework->specifier()->cellType()); kind != RowKind::Other) {
            return kind;
        }
    }
    return cell.accessoryType() == uikit::UITableViewCellAccessoryType::DisclosureIndicator ? RowKind::Link
                                                                                            : RowKind::Other;
}

std::vector<std::string> uncoveredButtons(const uikit::UITableViewCell& cell)
{
    const auto* content = dynamic_cast<const uikit::UIScrollView*>(cell.contentView());
    if (!content) {
        return {};
    }
    uikit::CGRect shown = content->bounds();
    std::vector<const uikit::UIButton*> buttons;
    for (const auto& subview : content->subviews()) {
        auto* button = dynamic_cast<const uikit::UIButton*>(subview.get());
        uikit::CGRect frame = subview->frame();
        if (button && !button->title().empty() && !button->isHidden() && frame.minX() < shown.maxX()
            && shown.minX() < frame.maxX()) {
            buttons.push_back(button);
        }
    }
    std::stable_sort(buttons.begin(), buttons.end(),
                     [](const auto* a, const auto* b) { return a->frame().minX() < b->frame().minX(); });
    std::vector<std::string> titles;
    for (const auto* button : buttons) {
        titles.push_back(button->title());
    }
    return titles;
}

RowDescription describeRow(const uikit::UITableViewCell& cell)
{
    RowDescription row;
    row.label = cell.textLabel() ? cell.textLabel()->text() : std::string();
    if (cell.detailTextLabel()) {
        row.value = nonEmpty(cell.detailTextLabel()->text());
    }
    if (auto* control = dynamic_cast<const uikit::UISwitch*>(cell.accessoryView())) {
        row.on = control->isOn();
    }
    if (auto* framework = dynamic_cast<const preferences::PSTableCell*>(&cell); framework && framework->editField()) {
        row.value = nonEmpty(framework->editField()->shownText());
        row.focused = framework->editField()->isFirstResponder();
    }
    row.kind = kindOf(cell);
    row.deleteControl = cell.isEditing() && cell.editingStyle() == uikit::UITableViewCellEditingStyle::Delete;
    row.showsDeleteButton = cell.showingDeleteConfirmation();
    row.reorderControl = cell.showsReorderControl();
    row.uncoveredButtons = uncoveredButtons(cell);
    row.hasIcon = cell.imageView() && cell.imageView()->image();
    row.checked = cell.accessoryType() == uikit::UITableViewCellAccessoryType::Checkmark;
    return row;
}

std::optional<SearchFieldDescription> describeSearchField(uikit::UIView* header)
{
    auto* searchBar = dynamic_cast<uikit::UISearchBar*>(header);
    if (!searchBar) {
        return std::nullopt;
    }
    return SearchFieldDescription{searchBar->text(), searchBar->placeholder(), searchBar->isFirstResponder()};
}

PageDescription describePage(uikit::UIViewController* controller, const uikit::UINavigationController* navigation)
{
    PageDescription page;
    if (!controller) {
        return page;
    }
    page.bar = describeBar(*controller, navigation);
    uikit::UITableView* table = findTable(controller->view());
    if (!table) {
        return page;
    }
    page.editing = table->isEditing();
    page.search = describeSearchField(table->tableHeaderView());
    for (long s = 0; s < table->numberOfSections(); ++s) {
        SectionDescription section{table->headerTitle(s), table->footerTitle(s), {}};
        for (long r = 0; r < table->numberOfRowsInSection(s); ++r) {
            if (const uikit::UITableViewCell* cell = table->cellForRowAtIndexPath({s, r})) {
                section.rows.push_back(describeRow(*cell));
            }
        }
        page.sections.push_back(std::move(section));
    }
    return page;
}

bool overlaps(const uikit::CGRect& a, const uikit::CGRect& b)
{
    return a.minX() < b.maxX() && b.minX() < a.maxX() && a.minY() < b.maxY() && b.minY() < a.maxY();
}

uikit::CGRect intersection(const uikit::CGRect& a, const uikit::CGRect& b)
{
    double minX = std::max(a.minX(), b.minX());
    double minY = std::max(a.minY(), b.minY());
    double maxX = std::min(a.maxX(), b.maxX());
    double maxY = std::min(a.maxY(), b.maxY());
    return uikit::CGRectMake(minX, minY, std::max(0.0, maxX - minX), std::max(0.0, maxY - minY));
}

// A label counts when nothing hides it and it lies inside every view that holds it and clips.
void collectVisibleTexts(const uikit::UIView& view, uikit::CGRect clip, std::vector<PlacedText>& texts)
{
    if (view.isHidden() || view.alpha() <= 0.01) {
        return;
    }
    if (auto* table = dynamic_cast<const uikit::UITableView*>(&view)) {
        table->reloadIfNeeded();
    }
    uikit::CGRect frame = view.frameInWindow();
    if (auto* label = dynamic_cast<const uikit::UILabel*>(&view);
        label && !label->text().empty() && overlaps(frame, clip)) {
        texts.push_back({label->text(), frame});
    }
    if (view.clipsToBounds()) {
        clip = intersection(clip, frame);
    }
    for (const auto& subview : view.subviews()) {
        collectVisibleTexts(*subview, clip, texts);
    }
}

ModalDescription describeModal(const ScreenControllers& controllers)
{
    ModalDescription modal;
    uikit::CGRect screen = uikit::UIScreen::mainScreen().bounds();
    modal.style = controllers.modal->view()->frame() == screen ? ModalStyle::FullScreen : ModalStyle::FormSheet;
    uikit::UIViewController* content = controllers.modalContent;
    if (!content) {
        return modal;
    }
    if (controllers.modalNavigation && !controllers.modalNavigation->isNavigationBarHidden()) {
        modal.bar = describeBar(*content, controllers.modalNavigation);
    }
    uikit::UIView* presented = controllers.modal->view();
    modal.area = presented->frameInWindow();
    uikit::CGRect clip = presented->clipsToBounds() ? intersection(screen, modal.area) : screen;
    std::vector<PlacedText> placed;
    collectVisibleTexts(*content->view(), clip, placed);
    uikit::UITableView* table = findTable(content->view());
    // A plain page that holds a table shows a list as much as a list page does.
    if (dynamic_cast<preferences::PSListController*>(content) || table) {
        modal.page = describePage(content, controllers.modalNavigation);
    }
    for (auto& text : placed) {
        modal.viewTexts.push_back(text.text);
        if (!table || !overlaps(text.frame, table->frameInWindow())) {
            modal.textsBesideList.push_back(std::move(text));
        }
    }
    return modal;
}

std::optional<AlertDescription> describeAlert()
{
    const uikit::UIAlertView* alert = uikit::UIAlertView::visibleAlert();
    if (!alert) {
        return std::nullopt;
    }
    AlertDescription description{alert->title(), alert->message(), {}, std::nullopt};
    for (long i = 0; i < alert->numberOfButtons(); ++i) {
        if (i == alert->cancelButtonIndex()) {
            description.cancelButton = description.buttons.size();
        }
        description.buttons.push_back(alert->buttonTitleAtIndex(i));
    }
    return description;
}

std::optional<SheetDescription> describeSheet()
{
    const uikit::UIActionSheet* sheet = uikit::UIActionSheet::visibleSheet();
    if (!sheet) {
        return std::nullopt;
    }
    SheetDescription description{sheet->title(), {}, std::nullopt};
    for (long i = 0; i < sheet->numberOfButtons(); ++i) {
        if (i != sheet->cancelButtonIndex()) {
            description.buttons.push_back(sheet->buttonTitleAtIndex(i));
        } else if (!sheet->isPopover()) {
            description.cancelButton = description.buttons.size();
            description.buttons.push_back(sheet->buttonTitleAtIndex(i));
        }
    }
    return description;
}

}  // namespace

std::vector<std::string> ModalDescription::texts() const
{
    std::vector<std::string> all;
    if (bar) {
        for (const auto& text : {bar->back ? bar->back : bar->left, bar->title, bar->right}) {
            if (text && !text->empty()) {
                all.push_back(*text);
            }
        }
    }
    all.insert(all.end(), viewTexts.begin(), viewTexts.end());
    return all;
}

ScreenDescription describeScreen(const uikit::UIWindow* window, DeviceActivity activity)
{
    ScreenDescription screen;
    bool pad = uikit::UIDevice::currentDevice().userInterfaceIdiom() == uikit::UIUserInterfaceIdiom::Pad;
    screen.device = pad ? DeviceKind::Tablet : DeviceKind::Phone;
    screen.sounds = std::move(activity.sounds);
    screen.opened = std::move(activity.opened);
    screen.alert = describeAlert();
    screen.sheet = describeSheet();
    screen.keyboard = uikit::Keyboard::isVisible();
    if (uikit::Keyboard::keyboardType() == uikit::UIKeyboardType::NumberPad) {
        screen.keyboardKind = KeyboardKind::NumberPad;
    }
    if (!window) {
        return screen;
    }
    ScreenControllers controllers = findScreenControllers(*window);
    screen.page = describePage(controllers.page, controllers.pageNavigation);
    if (controllers.master) {
        screen.master = describePage(controllers.master, controllers.masterNavigation);
    }
    if (controllers.modal) {
        screen.modal = describeModal(controllers);
    }
    return screen;
}

}  // namespace device::render
