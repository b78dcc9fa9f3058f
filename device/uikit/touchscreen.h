#pragma once

#include "device/uikit/geometry.h"

#include <memory>

namespace device::uikit {

class UITouch;
class UIWindow;

// One finger on the key window's screen, in screen points. Before each touch event the window is
// laid out, as the platform does at the end of every turn of the run loop; after it the run loop's
// clock moves on by one frame, so timers, delayed calls and animations advance as under a real
// finger.
//
//   Touchscreen screen;
//   screen.tap({160, 200});                      // lands and lifts
//   screen.pan({300, 200}, {100, 200}, 20);      // lands, moves in 20 steps, lifts
//   screen.press(p); screen.move(q); screen.release();   // a scripted drag
class Touchscreen {
public:
    static constexpr double kFrameSeconds = 1.0 / 60;

    Touchscreen();
    ~Touchscreen();
    Touchscreen(const Touchscreen&) = delete;
    Touchscreen& operator=(const Touchscreen&) = delete;

    void tap(CGPoint point);
    void pan(CGPoint from, CGPoint to, int steps = 10);

    // Pressing again while the finger is down lifts it first.
    void press(CGPoint point);
    void move(CGPoint point);
    void release();
    bool isTouching() const { return m_touch != nullptr; }

private:
    void send(CGPoint point);

    std::unique_ptr<UITouch> m_touch;
    std::weak_ptr<UIWindow> m_window;
    CGPoint m_location;
};

}  // namespace device::uikit
