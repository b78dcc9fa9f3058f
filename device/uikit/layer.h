#pragma once

#include "device/uikit/color.h"

namespace device::uikit {

class CGContext;
class UIView;
using CGContextRef = CGContext*;

// The drawing properties a view's layer adds to it. Every view has exactly one layer, which knows its view as
// the platform's layers know their delegate.
class CALayer {
public:
    explicit CALayer(UIView& view) : m_view(view) {}
    CALayer(const CALayer&) = delete;
    CALayer& operator=(const CALayer&) = delete;

    double cornerRadius = 0;
    double borderWidth = 0;
    UIColor borderColor = UIColor::blackColor();
    bool masksToBounds = false;

    UIView& delegate() const { return m_view; }

    // Draws the view and everything in it, laid out and as the screen shows it now, into the context: the view's
    // top-left corner at the origin of the context's user space, scaled as its current transform scales. Only
    // upright contexts are drawn into (both axes scaled alike, y pointing down, as UIKit's image contexts are).
    void renderInContext(CGContextRef context) const;

private:
    UIView& m_view;
};

}  // namespace device::uikit
