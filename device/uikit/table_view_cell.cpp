#include "device/uikit/table_view_cell.h"

#include "device/objc/object.h"

#include <algorithm>

namespace device::uikit {

UITableViewCell::UITableViewCell(UITableViewCellStyle style) : UIView(CGRectMake(0, 0, 320, 44)), m_style(style)
{
    setBackgroundColor(UIColor::whiteColor());
}

void UITableViewCell::setUp()
{
    if (m_contentView) {
        return;
    }
    m_contentView = objc::create<UIView>();
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
        addSubview(m_accessoryView);
    }
    layoutSubviews();
}

void UITableViewCell::layoutSubviews()
{
    if (!m_contentView) {
        return;
    }
    double width = frame().width();
    double height = frame().height();
    double accessoryWidth = 0;
    if (m_accessoryView) {
        CGRect accessory = m_accessoryView->frame();
        accessoryWidth = accessory.width() + 15;
        m_accessoryView->setFrame(CGRectMake(width - accessoryWidth, (height - accessory.height()) / 2,
                                             accessory.width(), accessory.height()));
    } else if (m_accessoryType != UITableViewCellAccessoryType::None) {
        accessoryWidth = 33;
    }
    m_contentView->setFrame(CGRectMake(m_contentView->frame().minX(), 0, width - accessoryWidth, height));
    double x = 15;
    if (m_imageView->image()) {
        m_imageView->setFrame(CGRectMake(15, (height - 29) / 2, 29, 29));
        x = 59;
    } else {
        m_imageView->setFrame(CGRectMake(15, 0, 0, 0));
    }
    double contentWidth = m_contentView->frame().width();
    bool hasDetail = !m_detailTextLabel->text().empty();
    double detailWidth = hasDetail ? std::min(contentWidth * 0.45, 8.5 * m_detailTextLabel->text().size() + 10) : 0;
    m_textLabel->setFrame(CGRectMake(x, 0, contentWidth - x - detailWidth - 10, height));
    m_detailTextLabel->setFrame(CGRectMake(contentWidth - detailWidth - 10, 0, detailWidth, height));
}

}  // namespace device::uikit
