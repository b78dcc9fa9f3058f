#include "device/uikit/graphics_context.h"

#include "device/graphics/canvas.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

namespace device::uikit {
namespace {

// The rect in device pixels, whatever the signs of the transform and of the rect's size.
graphics::Rect toPixels(const CGAffineTransform& ctm, CGRect rect)
{
    CGPoint a = ctm.apply(rect.origin);
    CGPoint b = ctm.apply({rect.maxX(), rect.maxY()});
    double x = std::min(a.x, b.x);
    double y = std::min(a.y, b.y);
    return {x, y, std::max(a.x, b.x) - x, std::max(a.y, b.y) - y};
}

// The image as it lands on the pixel grid: Core Graphics puts its first row at the rect's maximum y and its first
// column at the minimum x, and the transform may reverse either direction.
graphics::Bitmap orient(CGImageRef image, bool reverseRows, bool reverseColumns)
{
    graphics::Bitmap oriented(image.width, image.height);
    std::size_t rowBytes = static_cast<std::size_t>(image.width) * 4;
    for (int y = 0; y < image.height; ++y) {
        int row = reverseRows ? image.height - 1 - y : y;
        const std::uint8_t* from = image.rgba.data() + static_cast<std::size_t>(row) * rowBytes;
        std::uint8_t* to = oriented.pixel(0, y);
        if (!reverseColumns) {
            std::memcpy(to, from, rowBytes);
            continue;
        }
        for (int x = 0; x < image.width; ++x) {
            std::memcpy(to + static_cast<std::size_t>(x) * 4,
                        from + static_cast<std::size_t>(image.width - 1 - x) * 4, 4);
        }
    }
    return oriented;
}

}  // namespace

CGContext::CGContext(int pixelWidth, int pixelHeight, CGAffineTransform baseCtm)
    : m_bitmap(pixelWidth, pixelHeight)
{
    if (pixelWidth <= 0 || pixelHeight <= 0) {
        throw std::invalid_argument("bitmap context of " + std::to_string(pixelWidth) + "x" +
                                    std::to_string(pixelHeight) + " pixels");
    }
    m_bitmap.premultiplied = true;
    m_state.ctm = baseCtm;
}

void CGContext::saveState()
{
    m_saved.push_back(m_state);
}

void CGContext::restoreState()
{
    if (m_saved.empty()) {
        return;
    }
    m_state = std::move(m_saved.back());
    m_saved.pop_back();
}

void CGContext::scale(double sx, double sy)
{
    m_state.ctm.a *= sx;
    m_state.ctm.d *= sy;
}

void CGContext::translate(double dx, double dy)
{
    m_state.ctm.tx += m_state.ctm.a * dx;
    m_state.ctm.ty += m_state.ctm.d * dy;
}

void CGContext::setFillColor(const UIColor& color)
{
    m_state.fillColor = color;
}

void CGContext::fillRect(CGRect rect)
{
    const UIColor& color = m_state.fillColor;
    graphics::Canvas canvas(m_bitmap, 1);
    canvas.fillRect(toPixels(m_state.ctm, rect), {color.red, color.green, color.blue, color.alpha});
}

void CGContext::drawImage(CGRect rect, CGImageRef image)
{
    if (!image || image.rgba.size() < static_cast<std::size_t>(image.width) * image.height * 4) {
        return;
    }
    const CGAffineTransform& ctm = m_state.ctm;
    graphics::Bitmap oriented = orient(image, ctm.d > 0, ctm.a < 0);
    graphics::Canvas canvas(m_bitmap, 1);
    canvas.drawImage(graphics::ImageRef::of(oriented), toPixels(ctm, rect), graphics::ContentMode::ScaleToFill);
}

void CGContextSaveGState(CGContextRef context)
{
    if (context) {
        context->saveState();
    }
}

void CGContextRestoreGState(CGContextRef context)
{
    if (context) {
        context->restoreState();
    }
}

void CGContextScaleCTM(CGContextRef context, double sx, double sy)
{
    if (context) {
        context->scale(sx, sy);
    }
}

void CGContextTranslateCTM(CGContextRef context, double tx, double ty)
{
    if (context) {
        context->translate(tx, ty);
    }
}

void CGContextSetFillColorWithColor(CGContextRef context, const UIColor& color)
{
    if (context) {
        context->setFillColor(color);
    }
}

void CGContextFillRect(CGContextRef context, CGRect rect)
{
    if (context) {
        context->fillRect(rect);
    }
}

void CGContextDrawImage(CGContextRef context, CGRect rect, CGImageRef image)
{
    if (context) {
        context->drawImage(rect, image);
    }
}

void* CGBitmapContextGetData(CGContextRef context)
{
    return context ? context->bitmap().rgba.data() : nullptr;
}

std::size_t CGBitmapContextGetWidth(CGContextRef context)
{
    return context ? static_cast<std::size_t>(context->bitmap().width) : 0;
}

std::size_t CGBitmapContextGetHeight(CGContextRef context)
{
    return context ? static_cast<std::size_t>(context->bitmap().height) : 0;
}

std::size_t CGBitmapContextGetBytesPerRow(CGContextRef context)
{
    return CGBitmapContextGetWidth(context) * 4;
}

}  // namespace device::uikit
