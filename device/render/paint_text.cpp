#include "device/render/paint_text.h"

#include "device/render/color_conversion.h"
#include "device/uikit/graphics_font.h"

#include <algorithm>

namespace device::render {
namespace {

constexpr graphics::Color kCaretColor{0, 0.48, 1, 1};
constexpr double kCaretWidth = 2;

graphics::TextAlignment toAlignment(uikit::NSTextAlignment alignment)
{
    switch (alignment) {
    case uikit::NSTextAlignment::Center:
        return graphics::TextAlignment::Center;
    case uikit::NSTextAlignment::Right:
        return graphics::TextAlignment::Right;
    case uikit::NSTextAlignment::Left:
        break;
    }
    return graphics::TextAlignment::Left;
}

graphics::ContentMode toContentMode(uikit::UIViewContentMode mode)
{
    switch (mode) {
    case uikit::UIViewContentMode::ScaleAspectFit:
        return graphics::ContentMode::AspectFit;
    case uikit::UIViewContentMode::ScaleAspectFill:
        return graphics::ContentMode::AspectFill;
    case uikit::UIViewContentMode::Center:
        return graphics::ContentMode::Center;
    case uikit::UIViewContentMode::ScaleToFill:
    case uikit::UIViewContentMode::Redraw:
        break;
    }
    return graphics::ContentMode::ScaleToFill;
}

}  // namespace

void paintLabel(const uikit::UILabel& label, graphics::Canvas& canvas, const graphics::Rect& bounds)
{
    if (label.text().empty() || label.textColor().isClear()) {
        return;
    }
    uikit::fontOf(label.font(), canvas.scale())
        .drawInRect(canvas, label.text(), bounds, toAlignment(label.textAlignment()), toColor(label.textColor()),
                    label.numberOfLines());
}

void paintImageView(const uikit::UIImageView& view, graphics::Canvas& canvas, const graphics::Rect& bounds)
{
    if (const uikit::UIImage* image = view.image()) {
        canvas.drawImage(toImageRef(*image), bounds, toContentMode(view.contentMode()));
    }
}

void paintTextFieldCaret(const uikit::UITextField& field, graphics::Canvas& canvas, const graphics::Rect& bounds)
{
    if (!field.isFirstResponder()) {
        return;
    }
    graphics::Font font = uikit::fontOf(field.font(), canvas.scale());
    double textWidth = std::min(font.width(field.shownText()), bounds.width - kCaretWidth);
    double textLeft = 0;
    switch (field.textAlignment()) {
    case uikit::NSTextAlignment::Center:
        textLeft = (bounds.width - textWidth) / 2;
        break;
    case uikit::NSTextAlignment::Right:
        textLeft = bounds.width - kCaretWidth - textWidth;
        break;
    case uikit::NSTextAlignment::Left:
        break;
    }
    // The caret stands at the logical end of the text, which right-to-left text has on its left.
    bool rightToLeft = font.direction(field.shownText()) == graphics::TextDirection::RightToLeft;
    double x = rightToLeft ? std::max(0.0, textLeft - kCaretWidth) : textLeft + textWidth;
    double height = std::min(font.lineHeight(), bounds.height);
    canvas.fillRect({x, (bounds.height - height) / 2, kCaretWidth, height}, kCaretColor);
}

}  // namespace device::render
