#include "velmora/protection/entry_prompt.h"

#include "velmora/core/tablet.h"
#include "velmora/core/themed_icon.h"
#include "velmora/core/translator.h"
#include "velmora/pane/root_list_beside.h"

#include "device/objc/message.h"
#include "device/uikit/bar_button_item.h"
#include "device/uikit/character_count.h"
#include "device/uikit/image_view.h"
#include "device/uikit/label.h"
#include "device/uikit/navigation_controller.h"
#include "device/uikit/system_sound.h"

#include <algorithm>

namespace velmora::protection {

namespace {

namespace objc = device::objc;
namespace ui = device::uikit;
using device::preferences::PSViewController;

constexpr double kTabletPromptWidth = 540;
constexpr int kDigits = 4;
constexpr std::size_t kViewsPerPage = 1 + kDigits;
constexpr ui::SystemSoundID kVibration = 4095;
constexpr double kSlideDuration = 0.25;

ui::UIViewController& presenterOf(PSViewController& page)
{
    PSViewController* root = pane::rootListAbove(page);
    return root ? *root : page;
}

void addPage(ui::UIView& content, const PromptPage& page, double promptWidth, double height)
{
    auto label = objc::create<ui::UILabel>();
    label->setText(core::Translator(page.labelKey));
    if (auto font = ui::UIFont::fontWithNameSize("HelveticaNeue-Light", 16)) {
        label->setFont(*font);
    }
    label->sizeToFit();
    ui::CGSize size = label->frame().size;
    double x = page.offset * promptWidth + (promptWidth - size.width) / 2;
    label->setFrame(ui::CGRectMake(x, (height + size.height) / 4, size.width, size.height));
    content.addSubview(label);

    auto dash = core::themedIcon("dash");
    ui::CGSize dashSize = dash ? dash->size() : ui::CGSize{};
    for (int i = 0; i < kDigits; ++i) {
        auto indicator = objc::create<ui::UIImageView>();
        indicator->setImage(dash);
        indicator->setBackgroundColor(ui::UIColor::clearColor());
        float left = static_cast<float>(x + i * (size.width - dashSize.width) / (kDigits - 1));
        indicator->setFrame(ui::CGRectMake(left, 3 * (height + dashSize.height) / 8, dashSize.width, dashSize.height));
        content.addSubview(indicator);
    }
}

// Indicator 1-4 of a prompt page.
ui::UIImageView* indicator(ui::UITextField& field, int page, std::size_t number)
{
    ui::UIView* content = field.superview();
    std::size_t index = kViewsPerPage * static_cast<std::size_t>(page) + number;
    if (!content || index >= content->subviews().size()) {
        return nullptr;
    }
    return dynamic_cast<ui::UIImageView*>(content->subviews()[index].get());
}

void showIcon(ui::UITextField& field, int page, std::size_t number, std::string_view icon)
{
    if (ui::UIImageView* view = indicator(field, page, number)) {
        view->setImage(core::themedIcon(icon));
    }
}

}  // namespace

void presentEntryPrompt(PSViewController& page, const PromptSpec& spec)
{
    auto content = objc::create<ui::UIViewController>();
    content->setTitle(spec.title);
    content->navigationItem()->setRightBarButtonItem(ui::UIBarButtonItem::initWithTitle(
        core::Translator("cancel"), ui::UIBarButtonItemStyle::Bordered, &page, objc::sel_registerName(spec.cancelAction)));
    auto container = ui::UINavigationController::initWithRootViewController(content);
    container->setModalPresentationStyle(ui::UIModalPresentationStyle::FormSheet);
    // The pages are placed in the content view as the sheet lays it out.
    presenterOf(page).presentViewControllerAnimated(container, true);

    ui::UIView* view = content->view();
    view->setBackgroundColor(ui::UIColor::whiteColor());
    ui::CGRect frame = view->frame();
    double promptWidth = core::isTablet() ? kTabletPromptWidth : frame.width();
    auto height = static_cast<float>(frame.height() - container->navigationBar()->frame().height());
    for (const PromptPage& prompt : spec.pages) {
        addPage(*view, prompt, promptWidth, height);
    }
    auto field = objc::create<ui::UITextField>(ui::CGRectMake(frame.width(), frame.height(), 10, 10));
    field->setKeyboardType(ui::UIKeyboardType::NumberPad);
    field->addTargetActionForControlEvents(&page, objc::sel_registerName(spec.changeHandler),
                                           ui::UIControlEventEditingChanged);
    view->addSubview(field);
    field->becomeFirstResponder();
}

void dismissEntryPrompt(PSViewController& page, std::function<void()> completion)
{
    presenterOf(page).dismissViewControllerAnimated(true, std::move(completion));
}

Typing followTyping(ui::UITextField& field, int page)
{
    std::string text = field.text();
    std::size_t length = ui::characterCount(text);
    if (length > 0 && (text.back() < '0' || text.back() > '9')) {
        std::size_t last = text.size() - 1;
        while (last > 0 && !ui::startsCharacter(text[last])) {
            --last;
        }
        text.erase(last);
        field.setText(text);
        return Typing::Ignored;
    }
    if (length > 0) {
        showIcon(field, page, length, "dot");
    }
    if (length != kDigits) {
        showIcon(field, page, length + 1, "dash");
        return Typing::Incomplete;
    }
    return Typing::FourDigits;
}

void rejectCode(ui::UITextField& field, int page)
{
    ui::AudioServicesPlaySystemSound(kVibration);
    for (std::size_t number = 1; number <= kDigits; ++number) {
        showIcon(field, page, number, "dash");
    }
    field.setText({});
}

void slideToNextPage(ui::UITextField& field, int first)
{
    ui::UIView* content = field.superview();
    if (!content) {
        return;
    }
    auto keepAlive = content->retained<ui::UIView>();
    std::size_t from = kViewsPerPage * static_cast<std::size_t>(first);
    std::size_t to = std::min(from + 2 * kViewsPerPage, content->subviews().size());
    double width = content->frame().width();
    ui::UIView::animateWithDuration(kSlideDuration, [keepAlive, from, to, width] {
        for (std::size_t i = from; i < to; ++i) {
            ui::UIView& view = *keepAlive->subviews()[i];
            ui::CGRect frame = view.frame();
            frame.origin.x -= width;
            view.setFrame(frame);
        }
    });
    field.setText({});
}

}  // namespace velmora::protection
