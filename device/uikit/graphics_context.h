#pragma once

#include "device/graphics/bitmap.h"
#include "device/uikit/cg_image.h"
#include "device/uikit/color.h"
#include "device/uikit/geometry.h"

#include <cstddef>
#include <vector>

namespace device::uikit {

// User space to device pixels: pixel = (a·x + tx, d·y + ty). A bitmap context only ever scales and translates,
// so the shear terms of the platform's transform are left out.
struct CGAffineTransform {
    double a = 1;
    double d = 1;
    double tx = 0;
    double ty = 0;

    CGPoint apply(CGPoint point) const { return {a * point.x + tx, d * point.y + ty}; }
    bool operator==(const CGAffineTransform&) const = default;
};

// A bitmap context: premultiplied RGBA, 8 bits a channel, bytes in memory in the order R, G, B, A, rows top to
// bottom with no padding. Colour matrices applied to its data must be built for that order.
class CGContext {
public:
    // A fully transparent bitmap of the given pixel size; baseCtm maps user space onto it.
    CGContext(int pixelWidth, int pixelHeight, CGAffineTransform baseCtm);

    // For the device's own drawing into the context, such as rendering a layer.
    graphics::Bitmap& bitmap() { return m_bitmap; }
    const graphics::Bitmap& bitmap() const { return m_bitmap; }
    CGAffineTransform ctm() const { return m_state.ctm; }
    const UIColor& fillColor() const { return m_state.fillColor; }

    void saveState();
    void restoreState();
    void scale(double sx, double sy);
    void translate(double dx, double dy);
    void setFillColor(const UIColor& color);
    void fillRect(CGRect rect);
    void drawImage(CGRect rect, CGImageRef image);

private:
    struct State {
        CGAffineTransform ctm;
        UIColor fillColor = UIColor::blackColor();
    };

    graphics::Bitmap m_bitmap;
    State m_state;
    std::vector<State> m_saved;
};

using CGContextRef = CGContext*;

// A null context is ignored, as the platform only logs it.
void CGContextSaveGState(CGContextRef context);
// Without a matching save, nothing changes.
void CGContextRestoreGState(CGContextRef context);
void CGContextScaleCTM(CGContextRef context, double sx, double sy);
void CGContextTranslateCTM(CGContextRef context, double tx, double ty);
// Pattern colours are not supported: they fill with their plain colour components.
void CGContextSetFillColorWithColor(CGContextRef context, const UIColor& color);
// Source-over with the fill colour; edges that fall inside a pixel cover it partly.
void CGContextFillRect(CGContextRef context, CGRect rect);
// The image is stretched over the rect with its top row at the rect's maximum y in user space, so in a context
// whose y axis points down (UIKit's) it comes out upside down unless the context is flipped first.
void CGContextDrawImage(CGContextRef context, CGRect rect, CGImageRef image);

void* CGBitmapContextGetData(CGContextRef context);
std::size_t CGBitmapContextGetWidth(CGContextRef context);
std::size_t CGBitmapContextGetHeight(CGContextRef context);
std::size_t CGBitmapContextGetBytesPerRow(CGContextRef context);

}  // namespace device::uikit
