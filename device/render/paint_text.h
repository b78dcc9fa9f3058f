#pragma once

#include "device/render/canvas.h"
#include "device/uikit/image_view.h"
#include "device/uikit/label.h"
#include "device/uikit/text_field.h"

namespace device::render {

void paintLabel(const uikit::UILabel& label, Canvas& canvas, const Rect& bounds);
void paintImageView(const uikit::UIImageView& view, Canvas& canvas, const Rect& bounds);
// The focused field's caret, after its text; the text itself is drawn by the field's label.
void paintTextFieldCaret(const uikit::UITextField& field, Canvas& canvas, const Rect& bounds);

}  // namespace device::render
