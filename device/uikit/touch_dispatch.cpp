#include "device/uikit/touch_dispatch.h"

#include "device/uikit/touch.h"
#include "device/uikit/view.h"

namespace device::uikit {

namespace {

using State = UIGestureRecognizerState;

bool isActive(const UIGestureRecognizer& recognizer)
{
    State state = recognizer.state();
    return recognizer.view() && recognizer.isEnabled()
           && (state == State::Possible || state == State::Began || state == State::Changed);
}

bool isRecognizing(const UIGestureRecognizer& recognizer)
{
    return recognizer.state() == State::Began || recognizer.state() == State::Changed;
}

void deliverToView(UIView& view, UITouch& touch)
{
    switch (touch.phase()) {
    case UITouchPhase::Began:
        view.touchesBegan(touch);
        break;
    case UITouchPhase::Moved:
        view.touchesMoved(touch);
        break;
    case UITouchPhase::Ended:
        view.touchesEnded(touch);
        break;
    }
}

}  // namespace

void TouchDispatch::deliver(UIView& window, UITouch& touch)
{
    if (touch.phase() == UITouchPhase::Began) {
        begin(window, touch);
    }
    auto recognizers = m_recognizers;
    for (const auto& recognizer : recognizers) {
        if (!isActive(*recognizer)) {
            continue;
        }
        State before = recognizer->state();
        recognizer->m_location = touch.locationInView(nullptr);
        switch (touch.phase()) {
        case UITouchPhase::Began:
            recognizer->touchesBegan(touch);
            break;
        case UITouchPhase::Moved:
            recognizer->touchesMoved(touch);
            break;
        case UITouchPhase::Ended:
            recognizer->touchesEnded(touch);
            break;
        }
        settle(*recognizer, before, touch);
    }
    if (m_viewReceives && touch.view()) {
        auto view = touch.view()->retained<UIView>();
        deliverToView(*view, touch);
    }
    if (touch.phase() == UITouchPhase::Ended) {
        finish();
    }
}

void TouchDispatch::begin(UIView& window, UITouch& touch)
{
    finish();
    UIView* hit = window.hitTest(window.convertPointFromView(touch.locationInView(nullptr), nullptr));
    touch.setView(hit ? hit->retained<UIView>() : nullptr);
    for (UIView* view = hit; view; view = view->superview()) {
        for (const auto& recognizer : view->gestureRecognizers()) {
            if (recognizer->isEnabled()) {
                m_recognizers.push_back(recognizer);
            }
        }
    }
    m_viewReceives = hit != nullptr;
}

void TouchDispatch::settle(UIGestureRecognizer& recognizer, UIGestureRecognizerState before, UITouch& touch)
{
    if (!recognizer.m_stateChanged) {
        return;
    }
    recognizer.m_stateChanged = false;
    State state = recognizer.m_state;
    bool recognized = before == State::Possible && (state == State::Began || state == State::Ended);
    if (recognized) {
        if (!mayBegin(recognizer)) {
            recognizer.m_state = State::Failed;
            return;
        }
        for (const auto& other : m_recognizers) {
            if (other.get() != &recognizer && other->m_state == State::Possible && !simultaneous(recognizer, *other)) {
                other->m_state = State::Failed;
            }
        }
    }
    if (state != State::Possible && state != State::Failed) {
        recognizer.sendActions();
    }
    if (recognized && recognizer.m_cancelsTouchesInView && m_viewReceives && touch.view()) {
        m_viewReceives = false;
        auto view = touch.view()->retained<UIView>();
        view->touchesCancelled(touch);
    }
}

bool TouchDispatch::mayBegin(UIGestureRecognizer& recognizer) const
{
    if (auto delegate = recognizer.m_delegate.lock();
        objc::respondsTo(delegate.get(), "gestureRecognizerShouldBegin:")
        && !objc::msgSend<bool>(delegate.get(), "gestureRecognizerShouldBegin:", &recognizer)) {
        return false;
    }
    for (const auto& other : m_recognizers) {
        if (other.get() != &recognizer && isRecognizing(*other) && !simultaneous(recognizer, *other)) {
            return false;
        }
    }
    return true;
}

bool TouchDispatch::simultaneous(UIGestureRecognizer& a, UIGestureRecognizer& b)
{
    constexpr std::string_view selector = "gestureRecognizer:shouldRecognizeSimultaneouslyWithGestureRecognizer:";
    for (auto [asked, other] : {std::pair{&a, &b}, std::pair{&b, &a}}) {
        auto delegate = asked->m_delegate.lock();
        if (objc::respondsTo(delegate.get(), selector)
            && objc::msgSend<bool>(delegate.get(), selector, asked, other)) {
            return true;
        }
    }
    return false;
}

void TouchDispatch::finish()
{
    for (const auto& recognizer : m_recognizers) {
        recognizer->reset();
        recognizer->m_state = State::Possible;
        recognizer->m_stateChanged = false;
    }
    m_recognizers.clear();
    m_viewReceives = false;
}

}  // namespace device::uikit
