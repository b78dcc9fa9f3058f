#include "velmora/protection/keypad.h"

#include "velmora/core/shared_state.h"
#include "velmora/core/translator.h"
#include "velmora/protection/lock_screen.h"
#include "velmora/store/store.h"

#include "device/objc/message.h"
#include "device/uikit/gesture_recognizer.h"
#include "device/uikit/label.h"
#include "device/uikit/system_sound.h"
#include "device/uikit/table_view.h"
#include "device/uikit/view_controller.h"

#include <array>
#include <functional>
#include <numeric>

namespace velmora::protection {

namespace {

namespace objc = device::objc;
namespace uikit = device::uikit;

constexpr uikit::SystemSoundID kKeyClick = 1104;
constexpr uikit::SystemSoundID kVibration = 4095;
constexpr std::size_t kPasscodeLength = 4;

// Each step of a wrong code's shake moves the dots by this much; together they cancel out.
constexpr std::array<double, 6> kShakeSteps{-50, 90, -70, 50, -30, 10};
constexpr double kShakeStepDuration = 0.085;

// Keys and dots share two looks: filled in their own hairline colour, or an empty ring.
void fill(uikit::UIView& view)
{
    view.setBackgroundColor(view.layer().borderColor);
    view.layer().borderWidth = 0;
}

void empty(uikit::UIView& view)
{
    view.setBackgroundColor(uikit::UIColor::clearColor());
    view.layer().borderWidth = kRingBorderWidth;
}

uikit::UIView& dot(uikit::UIView& content, std::size_t index)
{
    return *content.subviews()[kFirstDotIndex + index];
}

uikit::UILabel& cancelLabel(uikit::UIView& content)
{
    return static_cast<uikit::UILabel&>(*content.subviews()[kCancelLabelIndex]);
}

void shake(uikit::UIView& content, std::size_t step = 0)
{
    if (step == kShakeSteps.size()) {
        return;
    }
    auto keep = content.retained<uikit::UIView>();
    uikit::UIView::animateWithDuration(kShakeStepDuration, 0, uikit::UIViewAnimationOptionAllowUserInteraction,
                                       [&content, step] {
                                           for (std::size_t i = 0; i < kDotCount; ++i) {
                                               uikit::CGRect frame = dot(content, i).frame();
                                               frame.origin.x += kShakeSteps[step];
                                               dot(content, i).setFrame(frame);
                                           }
                                       },
                                       [keep, step](bool) { shake(*keep, step + 1); });
}

void afterBriefDelay(const std::function<void()>& animations)
{
    uikit::UIView::animateWithDuration(0.1, 0.15, uikit::UIViewAnimationOptionAllowUserInteraction, animations, {});
}

void rejectCode(uikit::UIView& content, uikit::UIView& key)
{
    uikit::AudioServicesPlaySystemSound(kVibration);
    cancelLabel(content).setText(core::Translator("cancel"));
    shake(content);
    // The key that completed the code is left filled: the person sees which key they ended on.
    afterBriefDelay([&content, &key] {
        fill(key);
        for (std::size_t i = 0; i < kDotCount; ++i) {
            empty(dot(content, i));
        }
    });
}

void acceptCode(objc::id self, uikit::UIView& content)
{
    core::SharedState& state = core::sharedState();
    uikit::NSIndexPath indexPath{state.pendingSelection.section, state.pendingSelection.row};
    auto tableView = std::dynamic_pointer_cast<uikit::UITableView>(state.pendingSelection.tableView.lock());
    state.unlockGranted = true;
    auto recognizers = cancelLabel(content).gestureRecognizers();
    objc::msgSend<void>(self, "dismissPassController:",
                        static_cast<objc::id>(recognizers.empty() ? nullptr : recognizers.front().get()));
    objc::msgSend<void>(self, "tableView:didSelectRowAtIndexPath:", tableView.get(), indexPath);
}

void close(objc::id self, uikit::UIView& content)
{
    auto controller = objc::weakReference(self);
    uikit::UIView::animateWithDuration(0.1, 0, uikit::UIViewAnimationOptionCurveEaseOut,
                                       [&content] { content.setAlpha(0); }, [controller](bool) {
                                           if (auto root = std::dynamic_pointer_cast<uikit::UIViewController>(
                                                   controller.lock())) {
                                               root->dismissViewControllerAnimated(false);
                                           }
                                       });
}

}  // namespace

void buttonPressed(objc::id self, objc::SEL, objc::id button)
{
    auto* key = dynamic_cast<uikit::UIView*>(button);
    uikit::UIView* content = key ? key->superview() : nullptr;
    if (!content || content->subviews().size() <= kCancelLabelIndex || key->subviews().empty()) {
        return;
    }
    uikit::AudioServicesPlaySystemSound(kKeyClick);
    auto& digits = core::sharedState().digitBuffer;
    if (!digits) {
        digits.emplace();
    }
    cancelLabel(*content).setText(core::Translator("delete"));
    digits->push_back(static_cast<uikit::UILabel&>(*key->subviews()[0]).text());
    std::size_t count = digits->size();
    uikit::UIView::animateWithDuration(0.15, [content, key, count] {
        fill(*key);
        fill(dot(*content, count - 1));
    });
    if (count < kPasscodeLength) {
        return;
    }
    std::string entered = std::accumulate(digits->begin(), digits->end(), std::string());
    digits->clear();
    const auto stored = store::storedValue(store::Store::Protected, store::keys::kPassword);
    if (stored.string() && *stored.string() == entered) {
        acceptCode(self, *content);
    } else {
        rejectCode(*content, *key);
    }
}

void buttonReleased(objc::id, objc::SEL, objc::id button)
{
    if (auto* key = dynamic_cast<uikit::UIView*>(button)) {
        uikit::UIView::animateWithDuration(0.1, [key] { empty(*key); });
    }
}

void dismissPassController(objc::id self, objc::SEL, objc::id recognizer)
{
    auto* tap = dynamic_cast<uikit::UIGestureRecognizer*>(recognizer);
    auto* label = tap ? dynamic_cast<uikit::UILabel*>(tap->view()) : nullptr;
    uikit::UIView* content = label ? label->superview() : nullptr;
    if (!content || content->subviews().size() <= kCancelLabelIndex) {
        return;
    }
    auto& digits = core::sharedState().digitBuffer;
    if (digits && !digits->empty()) {
        digits->pop_back();
        std::size_t remaining = digits->size();
        if (remaining == 0) {
            label->setText(core::Translator("cancel"));
        }
        afterBriefDelay([content, remaining] { empty(dot(*content, remaining)); });
        return;
    }
    digits.reset();
    close(self, *content);
}

void dismissTagsController(objc::id self, objc::SEL)
{
    if (auto* root = dynamic_cast<uikit::UIViewController*>(self)) {
        root->dismissViewControllerAnimated(true);
    }
}

}  // namespace velmora::protection
