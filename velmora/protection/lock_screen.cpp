#include "velmora/protection/lock_screen.h"

#include "velmora/core/device_number.h"
#include "velmora/core/tablet.h"
#include "velmora/core/translator.h"
#include "velmora/protection/frosted_snapshot.h"
#include "velmora/protection/window_picture.h"

#include "device/objc/message.h"
#include "device/uikit/button.h"
#include "device/uikit/image_view.h"
#include "device/uikit/navigation_controller.h"
#include "device/uikit/tap_gesture_recognizer.h"

#include <array>
#include <optional>
#include <string_view>

namespace velmora::protection {

namespace {

namespace objc = device::objc;
namespace uikit = device::uikit;

struct Key {
    std::string_view digit;
    std::string_view letters;
    int column;
    int row;
};

constexpr std::array<Key, kKeyCount> kKeys{{
    {"1", " ", -1, 0},
    {"2", "ABC", 0, 0},
    {"3", "DEF", 1, 0},
    {"4", "GHI", -1, 1},
    {"5", "JKL", 0, 1},
    {"6", "MNO", 1, 1},
    {"7", "PQRS", -1, 2},
    {"8", "TUV", 0, 2},
    {"9", "WXYZ", 1, 2},
    {"0", "", 0, 3},
}};

// Screens at least this many points high get their keypad lower.
constexpr double kTallScreenHeight = 960;

struct Metrics {
    double width;
    double height;
    double top;
    double dot;
    double key;
    double rowBase;
};

Metrics metricsFor(uikit::CGSize size)
{
    bool tablet = core::isTablet();
    double top = 0;
    if (tablet) {
        top = static_cast<float>(size.height) / 4.0f;
    } else if (int number = core::deviceNumber(); number == 5 || number == 6) {
        top = 40;
    }
    return {.width = size.width,
            .height = size.height,
            .top = top,
            .dot = tablet ? 17.0 : 14.0,
            .key = tablet ? 81.0 : 76.0,
            .rowBase = size.height < kTallScreenHeight ? 120.0 : 135.0};
}

uikit::UIColor hairlineColor()
{
    return uikit::UIColor::white(0.35, 0.3);
}

void makeRing(uikit::UIView& view)
{
    view.setBackgroundColor(uikit::UIColor::clearColor());
    view.layer().cornerRadius = view.frame().width() / 2;
    view.layer().borderWidth = kRingBorderWidth;
    view.layer().borderColor = hairlineColor();
}

std::shared_ptr<uikit::UIImage> screenPicture()
{
    auto picture = keyWindowPicture();
    return picture ? frostedSnapshot(*picture) : nullptr;
}

std::shared_ptr<uikit::UILabel> fittedLabel(std::string text, std::optional<uikit::UIFont> font = std::nullopt,
                                            int lines = 1)
{
    auto label = objc::create<uikit::UILabel>();
    label->setText(std::move(text));
    if (font) {
        label->setFont(*font);
    }
    label->setNumberOfLines(lines);
    label->sizeToFit();
    return label;
}

std::shared_ptr<uikit::UIButton> makeKey(const Key& key, const Metrics& metrics, objc::id target)
{
    double k = metrics.key;
    auto button = objc::create<uikit::UIButton>(uikit::CGRectMake(metrics.width / 2 + key.column * (k + 18) - k / 2,
                                                                  metrics.top + metrics.rowBase + key.row * (k + 10), k, k));
    makeRing(*button);
    auto digit = fittedLabel(std::string(key.digit), uikit::UIFont::fontWithNameSize("HelveticaNeue-UltraLight", 34));
    auto letters = fittedLabel(std::string(key.letters), uikit::UIFont::fontWithNameSize("HelveticaNeue-Light", 9));
    uikit::CGSize digitSize = digit->frame().size;
    uikit::CGSize lettersSize = letters->frame().size;
    double digitY = (k - digitSize.height - lettersSize.height) / 2;
    digit->setFrame(uikit::CGRectMake((k - digitSize.width) / 2, digitY, digitSize.width, digitSize.height));
    letters->setFrame(uikit::CGRectMake((k - lettersSize.width) / 2, digitY + digitSize.height - 5, lettersSize.width,
                                        lettersSize.height));
    button->addSubview(digit);
    button->addSubview(letters);
    button->addTargetActionForControlEvents(target, objc::sel_registerName("buttonPressed:"),
                                            uikit::UIControlEventTouchDown);
    button->addTargetActionForControlEvents(target, objc::sel_registerName("buttonReleased:"),
                                            uikit::UIControlEventTouchUpInside | uikit::UIControlEventTouchUpOutside);
    return button;
}

void addCancelLabel(uikit::UIView& content, const uikit::UIView& keyZero, const Metrics& metrics, objc::id target)
{
    auto label = fittedLabel(core::Translator("cancel"));
    double k = metrics.key;
    double x = keyZero.frame().origin.x + k + 5;
    double height = label->frame().height();
    double width = core::isTablet() ? (metrics.width - x) / 4 + 10 : (metrics.width - x) - 5;
    label->setFrame(uikit::CGRectMake(x, keyZero.frame().origin.y + (k - height) / 2, width, height));
    label->setTextAlignment(uikit::NSTextAlignment::Center);
    auto tap = uikit::UITapGestureRecognizer::initWithTargetAction(target, objc::sel_registerName("dismissPassController:"));
    tap->setNumberOfTapsRequired(1);
    tap->setNumberOfTouchesRequired(1);
    tap->setCancelsTouchesInView(false);
    label->setUserInteractionEnabled(true);
    label->addGestureRecognizer(tap);
    content.addSubview(label);
}

}  // namespace

void presentLockScreen(device::preferences::PSListController& root, std::shared_ptr<uikit::UIImage> icon)
{
    auto page = objc::create<uikit::UIViewController>();
    auto navigation = uikit::UINavigationController::initWithRootViewController(page);
    uikit::UIView& content = *page->view();

    auto picture = screenPicture();
    uikit::CGSize size = picture ? picture->size() : content.bounds().size;
    auto background = objc::create<uikit::UIImageView>(uikit::CGRectMake(0, 0, size.width, size.height));
    background->setImage(picture);
    background->setBackgroundColor(uikit::UIColor::clearColor());
    content.addSubview(background);
    Metrics metrics = metricsFor(background->frame().size);
    double top = metrics.top;

    auto iconView = objc::create<uikit::UIImageView>(uikit::CGRectMake((metrics.width - 25) / 2, top + 30, 25, 25));
    iconView->setImage(std::move(icon));
    content.addSubview(iconView);

    auto prompt = fittedLabel(core::Translator("write"), std::nullopt, 0);
    uikit::CGSize promptSize = prompt->frame().size;
    double promptX = (metrics.width - promptSize.width) / 2;
    prompt->setFrame(uikit::CGRectMake(promptX, top + 65, promptSize.width, promptSize.height));
    content.addSubview(prompt);

    float spacing = static_cast<float>(promptSize.width - metrics.dot) / 3.0f;
    for (std::size_t i = 0; i < kDotCount; ++i) {
        float x = static_cast<float>(promptX) + static_cast<float>(i) * spacing;
        auto dot = objc::create<uikit::UIView>(uikit::CGRectMake(x, top + 95, metrics.dot, metrics.dot));
        makeRing(*dot);
        content.addSubview(dot);
    }

    std::shared_ptr<uikit::UIButton> key;
    for (const Key& each : kKeys) {
        key = makeKey(each, metrics, &root);
        content.addSubview(key);
    }
    addCancelLabel(content, *key, metrics, &root);

    content.setBackgroundColor(uikit::UIColor::whiteColor());
    navigation->view()->setBackgroundColor(uikit::UIColor::whiteColor());
    navigation->setNavigationBarHiddenAnimated(true, false);

    content.setAlpha(0);
    root.presentViewControllerAnimated(navigation, false);
    uikit::UIView::animateWithDuration(0.1, [&content] { content.setAlpha(1); });
}

}  // namespace velmora::protection
