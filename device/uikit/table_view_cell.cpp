#include "device/uikit/table_view_cell.h"

#include "device/objc/object.h"
#include "device/uikit/table_view_cell_controls.h"

#include <algorithm>

namespace device::uikit {

namespace {

constexpr double kEditControlWidth = 38;
constexpr double kReorderControlWidth = 40;
constexpr double kDeleteButtonWidth = 82;

}  // namespace

UITableViewCell::UITableViewCell(UITableViewCellStyle style) : UIView(CGRectMake(0, 0, 320, 44)), m_style(style)
{
    setBackgroundColor(UIColor::whiteColor());
}

void UITableViewCell::setUp()
{
    if (m_contentView) {
        return;
    }
    m_contentView = objc::create<UIScrollView>();
    m_contentView->setScrollEnabled(false);
    m_imageView = objc::create<UIImageView>();
    m_textLabel = objc::create<UILabel>();
    m_detailTextLabel = objc::create<UILabel>();
    m_detailTextLabel->setTextColor(UIColor::rgba(0.56, 0.56, 0.58));
    m_detailTextLabel->setTextAlignment(NSTextAlignment::Right);
    m_contentView->addSubview(m_imageView);
    m_contentView->addSubview(m_textLabel);
    m_contentView->addSubview(m_detailTextLabel);
    insertSubviewAtIndex(m_contentView, 0);
    layoutSubviews();
}

void UITableViewCell::setAccessoryView(std::shared_ptr<UIView> view)
{
    if (m_accessoryView) {
        m_accessoryView->removeFromSuperview();
    }
    m_accessoryView = std::move(view);
    if (m_accessoryView) {
        m_contentView->addSubview(m_accessoryView);
    }
    layoutSubviews();
}

void UITableViewCell::setEditing(bool editing)
{
    m_editing = editing;
    if (!editing) {
        setShowingDeleteConfirmation(false);
    }
    syncEditingControls();
    layoutSubviews();
}

void UITableViewCell::setEditingControls(UITableViewCellEditingStyle style, bool showsReorderControl, bool indents)
{
    m_editingStyle = style;
    m_showsReorderControl = showsReorderControl;
    m_indentsWhileEditing = indents;
    syncEditingControls();
    layoutSubviews();
}

void UITableViewCell::syncEditingControls()
{
    bool wantsEditControl = m_editing && m_editingStyle != UITableViewCellEditingStyle::None;
    if (wantsEditControl && !m_editControl) {
        m_editControl = objc::create<UITableViewCellEditControl>();
        addSubview(m_editControl);
    } else if (!wantsEditControl && m_editControl) {
        m_editControl->removeFromSuperview();
        m_editControl.reset();
    }
    if (m_editControl) {
        m_editControl->setEditingStyle(m_editingStyle);
    }
    bool wantsReorderControl = m_editing && m_showsReorderControl;
    if (wantsReorderControl && !m_reorderControl) {
        m_reorderControl = objc::create<UITableViewCellReorderControl>();
        addSubview(m_reorderControl);
    } else if (!wantsReorderControl && m_reorderControl) {
        m_reorderControl->removeFromSuperview();
        m_reorderControl.reset();
    }
}

void UITableViewCell::setShowingDeleteConfirmation(bool showing)
{
    if (showing == showingDeleteConfirmation()) {
        return;
    }
    if (showing) {
        m_deleteButton = UITableViewCellDeleteConfirmationButton::make();
        addSubview(m_deleteButton);
    } else {
        m_deleteButton->removeFromSuperview();
        m_deleteButton.reset();
    }
    layoutSubviews();
}

void UITableViewCell::layoutSubviews()
{
    UIView::layoutSubviews();
    if (!m_contentView) {
        return;
    }
    double width = frame().width();
    double height = frame().height();
    double left = 0;
    double right = width;
    if (m_editControl) {
        m_editControl->setFrame(CGRectMake(0, 0, kEditControlWidth, height));
        left = m_indentsWhileEditing ? kEditControlWidth : 0;
    }
    if (m_reorderControl) {
        right -= kReorderControlWidth;
        m_reorderControl->setFrame(CGRectMake(right, 0, kReorderControlWidth, height));
    }
    if (m_deleteButton) {
        right = width - kDeleteButtonWidth;
        m_deleteButton->setFrame(CGRectMake(right, 0, kDeleteButtonWidth, height));
    }
    bool accessoryShown = !(m_editing && m_hidesAccessoryWhenEditing);
    double accessoryWidth = 0;
    if (m_accessoryView) {
        m_accessoryView->setHidden(!accessoryShown);
        CGRect accessory = m_accessoryView->frame();
        if (accessoryShown) {
            accessoryWidth = accessory.width() + 15;
        }
        m_accessoryView->setFrame(CGRectMake(right - left - accessory.width() - 15, (height - accessory.height()) / 2,
                                             accessory.width(), accessory.height()));
    } else if (m_accessoryType != UITableViewCellAccessoryType::None && accessoryShown) {
        accessoryWidth = 33;
    }
    m_contentView->setFrame(CGRectMake(left, 0, std::max(0.0, right - left), height));
    double x = 15;
    if (m_imageView->image()) {
        m_imageView->setFrame(CGRectMake(15, (height - 29) / 2, 29, 29));
        x = 59;
    } else {
        m_imageView->setFrame(CGRectMake(15, 0, 0, 0));
    }
    double contentWidth = std::max(0.0, m_contentView->frame().width() - accessoryWidth);
    bool hasDetail = !m_detailTextLabel->text().empty();
    double detailWidth = hasDetail ? std::min(contentWidth * 0.45, 10.0 * static_cast<double>(m_detailTextLabel->text().size()) + 10) : 0;
    m_textLabel->setFrame(CGRectMake(x, 0, contentWidth - x - detailWidth - 10, height));
    m_detailTextLabel->setFrame(CGRectMake(contentWidth - detailWidth - 10, 0, detailWidth, height));
}

}  // namespace device::uikit
