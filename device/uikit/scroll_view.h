#pragma once

#include "device/uikit/view.h"

namespace device::uikit {

class UIScrollView : public UIView {
public:
    static constexpr std::string_view className = "UIScrollView";

    using UIView::UIView;

    CGRect bounds() const override { return {m_contentOffset, frame().size}; }
    CGPoint contentOffset() const { return m_contentOffset; }
    void setContentOffset(CGPoint offset) { m_contentOffset = offset; }
    CGSize contentSize() const { return m_contentSize; }
    void setContentSize(CGSize size) { m_contentSize = size; }
    bool isDragging() const { return m_dragging; }
    void setDragging(bool dragging) { m_dragging = dragging; }

private:
    CGPoint m_contentOffset;
    CGSize m_contentSize;
    bool m_dragging = false;
};

}  // namespace device::uikit
