#pragma once

#include "device/uikit/geometry.h"
#include "device/uikit/graphics_context.h"
#include "device/uikit/image.h"

#include <memory>

namespace device::uikit {

// Pushes a new bitmap context of size × scale pixels (a scale of 0 means the main screen's), drawn in points with
// the origin at the top left and y pointing down. Contexts nest: each begin is undone by one end. A non-opaque
// context starts fully transparent; an opaque one, whose first contents the platform leaves undefined, starts
// opaque black, what a zeroed bitmap looks like once its alpha is ignored. An empty size pushes a context that
// is not there: the current context is then null until the matching end.
void UIGraphicsBeginImageContextWithOptions(CGSize size, bool opaque, double scale);
// The innermost image context, or null.
CGContextRef UIGraphicsGetCurrentContext();
// A new image of the current context's contents at its scale, in straight RGBA; null without a context.
std::shared_ptr<UIImage> UIGraphicsGetImageFromCurrentImageContext();
// Pops the innermost image context; does nothing when there is none.
void UIGraphicsEndImageContext();

}  // namespace device::uikit
