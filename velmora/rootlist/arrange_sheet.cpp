#include "velmora/rootlist/arrange_sheet.h"

#include "velmora/core/translator.h"
#include "velmora/store/advanced_options.h"
#include "velmora/store/store_definitions.h"

#include "device/objc/object.h"
#include "device/uikit/bar_button_item.h"
#include "device/uikit/image.h"
#include "device/uikit/navigation_controller.h"

namespace velmora::rootlist {

namespace {

namespace objc = device::objc;
namespace uikit = device::uikit;

constexpr double kSheetTableWidth = 540;
constexpr double kSheetTableHeight = 625;

}  // namespace

std::shared_ptr<uikit::UIBarButtonItem> arrangeButton(std::string_view textKey, objc::Object& target,
                                                      std::string_view action)
{
    return uikit::UIBarButtonItem::initWithTitle(core::Translator(textKey), uikit::UIBarButtonItemStyle::Bordered,
                                                 &target, objc::sel_registerName(action));
}

std::shared_ptr<uikit::UITableViewCell> arrangeCell(const core::Entry* entry)
{
    auto cell = objc::create<uikit::UITableViewCell>(uikit::UITableViewCellStyle::Default);
    cell->setUp();
    cell->setFrame(uikit::CGRectMake(0, 0, 100, 100));
    cell->setHidesAccessoryWhenEditing(false);
    if (entry && *entry) {
        cell->textLabel()->setText((*entry)->nameOrEmpty());
        cell->imageView()->setImage((*entry)->objectProperty<uikit::UIImage>("iconImage"));
    }
    return cell;
}

uikit::UIViewController& sheetPresenter(device::preferences::PSListController& page)
{
    uikit::UIViewController* parent = page.parentController();
    return parent ? *parent : page;
}

std::shared_ptr<uikit::UITableView> presentArrangeSheet(device::preferences::PSListController& page,
                                                        objc::Object* source,
                                                        std::shared_ptr<uikit::UIBarButtonItem> left,
                                                        std::shared_ptr<uikit::UIBarButtonItem> right)
{
    auto content = objc::create<uikit::UIViewController>();
    auto navigation = uikit::UINavigationController::initWithRootViewController(content);
    content->setModalPresentationStyle(uikit::UIModalPresentationStyle::FormSheet);
    navigation->setModalPresentationStyle(uikit::UIModalPresentationStyle::FormSheet);
    content->view()->setBackgroundColor(uikit::UIColor::whiteColor());
    content->navigationItem()->setTitle(core::Translator("edit"));
    content->navigationItem()->setLeftBarButtonItem(std::move(left));
    content->navigationItem()->setRightBarButtonItem(std::move(right));
    auto table = objc::create<uikit::UITableView>(uikit::CGRectMake(0, 0, kSheetTableWidth, kSheetTableHeight));
    table->setDelegate(source);
    table->setDataSource(source);
    table->setEditingAnimated(true, store::advancedOption(store::options::kAnimate));
    content->view()->addSubview(table);
    sheetPresenter(page).presentViewControllerAnimated(navigation, true);
    return table;
}

}  // namespace velmora::rootlist
