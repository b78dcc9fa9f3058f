#include "device/uikit/table_view.h"

#include "device/objc/message.h"

#include <algorithm>
#include <cmath>

namespace device::uikit {

namespace {

std::weak_ptr<objc::Object> weakOf(objc::id object)
{
    return object ? std::weak_ptr<objc::Object>(object->retained<objc::Object>()) : std::weak_ptr<objc::Object>();
}

constexpr double kSectionGap = 35;
constexpr double kHeaderTextHeight = 20;
constexpr double kFooterLineHeight = 18;

double footerHeight(const std::optional<std::string>& footer, double width)
{
    if (!footer || footer->empty()) {
        return 0;
    }
    // Roughly 7 points a character at the footer's 13-point size.
    double charsPerLine = std::max(1.0, (width - 30) / 7);
    double lines = std::ceil(static_cast<double>(footer->size()) / charsPerLine);
    return lines * kFooterLineHeight + 8;
}

}  // namespace

void UITableView::setDataSource(objc::id dataSource)
{
    m_dataSource = weakOf(dataSource);
}

void UITableView::setDelegate(objc::id delegate)
{
    m_delegate = weakOf(delegate);
}

std::optional<std::string> UITableView::askTitle(const char* selector, long section) const
{
    objc::id source = dataSource();
    if (!objc::respondsTo(source, selector)) {
        return std::nullopt;
    }
    return objc::msgSend<std::optional<std::string>>(source, selector, const_cast<UITableView*>(this), section);
}

void UITableView::clearLayout()
{
    for (auto& section : m_sections) {
        for (auto& cell : section.cells) {
            cell->removeFromSuperview();
        }
        if (section.headerLabel) {
            section.headerLabel->removeFromSuperview();
        }
        if (section.footerLabel) {
            section.footerLabel->removeFromSuperview();
        }
    }
    m_sections.clear();
}

void UITableView::layoutIfNeeded() const
{
    if (m_needsReload) {
        const_cast<UITableView*>(this)->reloadData();
    }
}

void UITableView::reloadData()
{
    auto keepAlive = retained<UITableView>();
    m_needsReload = false;
    clearLayout();
    objc::id source = dataSource();
    if (!source) {
        setContentSize({frame().width(), 0});
        return;
    }
    long sections = objc::respondsTo(source, "numberOfSectionsInTableView:")
                        ? objc::msgSend<long>(source, "numberOfSectionsInTableView:", this)
                        : 1;
    double width = frame().width();
    double y = 0;
    for (long s = 0; s < sections; ++s) {
        Section section;
        section.header = askTitle("tableView:titleForHeaderInSection:", s);
        section.footer = askTitle("tableView:titleForFooterInSection:", s);
        y += kSectionGap;
        if (section.header && !section.header->empty()) {
            section.headerLabel = objc::create<UILabel>(CGRectMake(15, y - 6, width - 30, kHeaderTextHeight));
            section.headerLabel->setText(*section.header);
            section.headerLabel->setFont(UIFont::systemFontOfSize(13));
            section.headerLabel->setTextColor(UIColor::rgba(0.43, 0.43, 0.45));
            addSubview(section.headerLabel);
            y += kHeaderTextHeight;
        }
        long rows = objc::msgSend<long>(source, "tableView:numberOfRowsInSection:", this, s);
        for (long r = 0; r < rows; ++r) {
            auto cell = objc::msgSend<std::shared_ptr<UITableViewCell>>(source, "tableView:cellForRowAtIndexPath:", this,
                                                                      NSIndexPath{s, r});
            if (!cell) {
                cell = objc::create<UITableViewCell>();
                cell->setUp();
            }
            cell->setFrame(CGRectMake(0, y, width, kRowHeight));
            cell->setEditing(m_editing);
            cell->layoutSubviews();
            addSubview(cell);
            section.cells.push_back(cell);
            y += kRowHeight;
        }
        double footer = footerHeight(section.footer, width);
        if (footer > 0) {
            section.footerLabel = objc::create<UILabel>(CGRectMake(15, y + 6, width - 30, footer - 8));
            section.footerLabel->setText(*section.footer);
            section.footerLabel->setFont(UIFont::systemFontOfSize(13));
            section.footerLabel->setNumberOfLines(0);
            section.footerLabel->setTextColor(UIColor::rgba(0.43, 0.43, 0.45));
            addSubview(section.footerLabel);
            y += footer;
        }
        m_sections.push_back(std::move(section));
    }
    setContentSize({width, y + kSectionGap});
}

long UITableView::numberOfRowsInSection(long section) const
{
    layoutIfNeeded();
    if (section < 0 || section >= numberOfSections()) {
        return 0;
    }
    return static_cast<long>(m_sections[static_cast<std::size_t>(section)].cells.size());
}

std::optional<std::string> UITableView::headerTitle(long section) const
{
    layoutIfNeeded();
    return section >= 0 && section < numberOfSections() ? m_sections[static_cast<std::size_t>(section)].header
                                                        : std::nullopt;
}

std::optional<std::string> UITableView::footerTitle(long section) const
{
    layoutIfNeeded();
    return section >= 0 && section < numberOfSections() ? m_sections[static_cast<std::size_t>(section)].footer
                                                        : std::nullopt;
}

UITableViewCell* UITableView::cellForRowAtIndexPath(NSIndexPath indexPath) const
{
    layoutIfNeeded();
    if (indexPath.row < 0 || indexPath.row >= numberOfRowsInSection(indexPath.section)) {
        return nullptr;
    }
    return m_sections[static_cast<std::size_t>(indexPath.section)].cells[static_cast<std::size_t>(indexPath.row)].get();
}

std::optional<NSIndexPath> UITableView::indexPathForCell(const UITableViewCell* cell) const
{
    layoutIfNeeded();
    for (std::size_t s = 0; s < m_sections.size(); ++s) {
        const auto& cells = m_sections[s].cells;
        for (std::size_t r = 0; r < cells.size(); ++r) {
            if (cells[r].get() == cell) {
                return NSIndexPath{static_cast<long>(s), static_cast<long>(r)};
            }
        }
    }
    return std::nullopt;
}

std::optional<NSIndexPath> UITableView::indexPathForRowAtPoint(CGPoint point) const
{
    layoutIfNeeded();
    for (std::size_t s = 0; s < m_sections.size(); ++s) {
        const auto& cells = m_sections[s].cells;
        for (std::size_t r = 0; r < cells.size(); ++r) {
            if (cells[r]->frame().contains(point)) {
                return NSIndexPath{static_cast<long>(s), static_cast<long>(r)};
            }
        }
    }
    return std::nullopt;
}

CGRect UITableView::rectForRowAtIndexPath(NSIndexPath indexPath) const
{
    UITableViewCell* cell = cellForRowAtIndexPath(indexPath);
    return cell ? cell->frame() : CGRect{};
}

std::vector<UITableViewCell*> UITableView::visibleCells() const
{
    layoutIfNeeded();
    std::vector<UITableViewCell*> visible;
    CGRect shown = bounds();
    for (const auto& section : m_sections) {
        for (const auto& cell : section.cells) {
            CGRect f = cell->frame();
            if (f.maxY() > shown.minY() && f.minY() < shown.maxY()) {
                visible.push_back(cell.get());
            }
        }
    }
    return visible;
}

void UITableView::setEditing(bool editing)
{
    m_editing = editing;
    for (auto& section : m_sections) {
        for (auto& cell : section.cells) {
            cell->setEditing(editing);
        }
    }
}

void UITableView::selectRowAtIndexPath(NSIndexPath indexPath)
{
    objc::id target = delegate();
    if (objc::respondsTo(target, "tableView:didSelectRowAtIndexPath:")) {
        objc::msgSend<void>(target, "tableView:didSelectRowAtIndexPath:", this, indexPath);
    }
}

}  // namespace device::uikit
