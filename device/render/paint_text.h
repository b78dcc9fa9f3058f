#pragma once

#include "device/graphics/canvas.h"
#include "device/uikit/image_view.h"
#include "device/uikit/label.h"
#include "device/uikit/text_field.h"

namespace device::render {

void paintLabel(const uikit::UILabel& label, graphics::Canvas& canvas, const graphics::Rect& bounds);
void paintImageView(const uikit::UIImageView& view, graphics::Canvas& canvas, const graphics::Rect& bounds);
// The focused field's caret, after its text; the text itself is drawn by the field's label.
void paintTextFieldCaret(const uikit::UITextField& field, graphics::Canvas& canvas, const graphics::Rect& bounds);

}  // namespace device::render
