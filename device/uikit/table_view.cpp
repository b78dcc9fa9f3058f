#include "device/uikit/table_view.h"

#include "device/objc/message.h"
#include "device/uikit/graphics_font.h"
#include "device/uikit/refresh_control.h"
#include "device/uikit/screen.h"
#include "device/uikit/touch.h"

#include <algorithm>
#include <cmath>
#include <utility>

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
    graphics::Font font = fontOf(UIFont::systemFontOfSize(13), UIScreen::mainScreen().scale());
    double lines = static_cast<double>(font.wrapped(*footer, std::max(1.0, width - 30)).size());
    return lines * kFooterLineHeight + 8;
}

std::shared_ptr<UILabel> sectionLabel(const std::string& text)
{
    auto label = objc::create<UILabel>();
    label->setText(text);
    label->setFont(UIFont::systemFontOfSize(13));
    label->setTextColor(UIColor::rgba(0.43, 0.43, 0.45));
    return label;
}

}  // namespace

void UITableView::setDataSource(objc::id dataSource)
{
    m_dataSource = weakOf(dataSource);
    m_needsReload = true;
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

long UITableView::askSectionCount() const
{
    objc::id source = dataSource();
    if (!source) {
        return 0;
    }
    return objc::respondsTo(source, "numberOfSectionsInTableView:")
               ? objc::msgSend<long>(source, "numberOfSectionsInTableView:", const_cast<UITableView*>(this))
               : 1;
}

long UITableView::askRowCount(long section) const
{
    return objc::msgSend<long>(dataSource(), "tableView:numberOfRowsInSection:", const_cast<UITableView*>(this),
                               section);
}

void UITableView::Section::removeViews()
{
    for (auto& cell : cells) {
        cell->removeFromSuperview();
    }
    for (const std::shared_ptr<UIView>& view :
         {std::shared_ptr<UIView>(headerLabel), headerView, std::shared_ptr<UIView>(footerLabel)}) {
        if (view) {
            view->removeFromSuperview();
        }
    }
}

void UITableView::clearLayout()
{
    for (auto& section : m_sections) {
        section.removeViews();
    }
    m_sections.clear();
    m_reorder.reset();
    m_touchedRow.reset();
}

void UITableView::reloadIfNeeded() const
{
    if (m_needsReload && !m_reloading) {
        const_cast<UITableView*>(this)->reloadData();
    }
}

void UITableView::reloadData()
{
    auto keepAlive = retained<UITableView>();
    // A data source that builds its list while answering asks for another reload; it comes at the
    // next question, never inside this one, where it would interleave two sets of rows.
    if (m_reloading) {
        m_needsReload = true;
        return;
    }
    m_reloading = true;
    m_needsReload = false;
    clearLayout();
    long sections = askSectionCount();
    // A data source that built its list to answer the count is shown here; only changes made after
    // the count ask for another reload.
    m_needsReload = false;
    for (long s = 0; s < sections; ++s) {
        Section section;
        askHeaderView(section, s);
        askHeaderTitle(section, s);
        long rows = askRowCount(s);
        for (long r = 0; r < rows; ++r) {
            section.cells.push_back(makeCell({s, r}));
        }
        askFooterTitle(section, s);
        m_sections.push_back(std::move(section));
    }
    m_reloading = false;
    layoutRows();
}

std::shared_ptr<UITableViewCell> UITableView::makeCell(NSIndexPath indexPath)
{
    auto cell = objc::msgSend<std::shared_ptr<UITableViewCell>>(dataSource(), "tableView:cellForRowAtIndexPath:", this,
                                                              indexPath);
    if (!cell) {
        cell = objc::create<UITableViewCell>();
        cell->setUp();
    }
    addSubview(cell);
    if (m_editing) {
        configureEditing(*cell, indexPath);
    }
    cell->setEditing(m_editing);
    return cell;
}

void UITableView::askHeaderTitle(Section& section, long index)
{
    section.header = askTitle("tableView:titleForHeaderInSection:", index);
    if (!section.headerView && section.header && !section.header->empty()) {
        section.headerLabel = sectionLabel(*section.header);
        addSubview(section.headerLabel);
    }
}

void UITableView::askFooterTitle(Section& section, long index)
{
    section.footer = askTitle("tableView:titleForFooterInSection:", index);
    if (footerHeight(section.footer, frame().width()) > 0) {
        section.footerLabel = sectionLabel(*section.footer);
        section.footerLabel->setNumberOfLines(0);
        addSubview(section.footerLabel);
    }
}

void UITableView::reloadRowsAtIndexPaths(const std::vector<NSIndexPath>& indexPaths)
{
    reloadIfNeeded();
    for (NSIndexPath indexPath : indexPaths) {
        if (indexPath.row < 0 || indexPath.row >= numberOfRowsInSection(indexPath.section)) {
            continue;
        }
        auto& cell = m_sections[static_cast<std::size_t>(indexPath.section)].cells[static_cast<std::size_t>(indexPath.row)];
        cell->removeFromSuperview();
        cell = makeCell(indexPath);
    }
    layoutRows();
}

void UITableView::reloadTitlesOfSection(long index)
{
    reloadIfNeeded();
    if (index < 0 || index >= numberOfSections()) {
        return;
    }
    Section& section = m_sections[static_cast<std::size_t>(index)];
    for (auto* label : {&section.headerLabel, &section.footerLabel}) {
        if (*label) {
            (*label)->removeFromSuperview();
            label->reset();
        }
    }
    askHeaderTitle(section, index);
    askFooterTitle(section, index);
    layoutRows();
}

void UITableView::askHeaderView(Section& section, long index)
{
    objc::id target = delegate();
    if (!objc::respondsTo(target, "tableView:viewForHeaderInSection:")) {
        return;
    }
    section.headerView = objc::msgSend<std::shared_ptr<UIView>>(target, "tableView:viewForHeaderInSection:", this, index);
    if (!section.headerView) {
        return;
    }
    section.headerViewHeight = objc::respondsTo(target, "tableView:heightForHeaderInSection:")
                                   ? objc::msgSend<double>(target, "tableView:heightForHeaderInSection:", this, index)
                                   : section.headerView->frame().height();
    addSubview(section.headerView);
}

void UITableView::layoutRows()
{
    double width = frame().width();
    double y = 0;
    if (m_tableHeaderView) {
        m_tableHeaderView->setFrame(CGRectMake(0, 0, width, m_tableHeaderView->frame().height()));
        y = m_tableHeaderView->frame().height();
    }
    for (auto& section : m_sections) {
        if (section.headerView) {
            section.headerView->setFrame(CGRectMake(0, y, width, section.headerViewHeight));
            y += section.headerViewHeight;
        } else {
            y += kSectionGap;
        }
        if (section.headerLabel) {
            section.headerLabel->setFrame(CGRectMake(15, y - 6, width - 30, kHeaderTextHeight));
            y += kHeaderTextHeight;
        }
        for (auto& cell : section.cells) {
            if (!m_reorder || m_reorder->cell != cell) {
                cell->setFrame(CGRectMake(0, y, width, kRowHeight));
                cell->layoutSubviews();
            }
            y += kRowHeight;
        }
        if (section.footerLabel) {
            double footer = footerHeight(section.footer, width);
            section.footerLabel->setFrame(CGRectMake(15, y + 6, width - 30, footer - 8));
            y += footer;
        }
    }
    for (const auto& subview : subviews()) {
        if (auto* control = dynamic_cast<UIRefreshControl*>(subview.get())) {
            control->setFrame(CGRectMake(0, -control->frame().height(), width, control->frame().height()));
        }
    }
    setContentSize({width, y + kSectionGap});
    m_laidOutWidth = width;
}

void UITableView::layoutSubviews()
{
    UIScrollView::layoutSubviews();
    reloadIfNeeded();
    if (frame().width() != m_laidOutWidth) {
        layoutRows();
    }
}

long UITableView::numberOfRowsInSection(long section) const
{
    if (section < 0 || section >= numberOfSections()) {
        return 0;
    }
    return static_cast<long>(m_sections[static_cast<std::size_t>(section)].cells.size());
}

std::optional<std::string> UITableView::headerTitle(long section) const
{
    return section >= 0 && section < numberOfSections() ? m_sections[static_cast<std::size_t>(section)].header
                                                        : std::nullopt;
}

std::optional<std::string> UITableView::footerTitle(long section) const
{
    return section >= 0 && section < numberOfSections() ? m_sections[static_cast<std::size_t>(section)].footer
                                                        : std::nullopt;
}

UITableViewCell* UITableView::cellForRowAtIndexPath(NSIndexPath indexPath) const
{
    if (indexPath.row < 0 || indexPath.row >= numberOfRowsInSection(indexPath.section)) {
        return nullptr;
    }
    return m_sections[static_cast<std::size_t>(indexPath.section)].cells[static_cast<std::size_t>(indexPath.row)].get();
}

std::optional<NSIndexPath> UITableView::indexPathForCell(const UITableViewCell* cell) const
{
    reloadIfNeeded();
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
    reloadIfNeeded();
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
    reloadIfNeeded();
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

void UITableView::setTableHeaderView(std::shared_ptr<UIView> view)
{
    if (m_tableHeaderView) {
        m_tableHeaderView->removeFromSuperview();
    }
    m_tableHeaderView = std::move(view);
    if (m_tableHeaderView) {
        addSubview(m_tableHeaderView);
    }
    layoutRows();
}

void UITableView::selectRowAtIndexPath(NSIndexPath indexPath)
{
    auto keepAlive = retained<UITableView>();
    objc::id target = delegate();
    if (objc::respondsTo(target, "tableView:didSelectRowAtIndexPath:")) {
        objc::msgSend<void>(target, "tableView:didSelectRowAtIndexPath:", this, indexPath);
    }
}

void UITableView::touchesBegan(UITouch& touch)
{
    m_touchStart = touch.locationInView(this);
    m_touchedRow = m_editing ? std::nullopt : indexPathForRowAtPoint(m_touchStart);
    m_touchHidesConfirmation = !m_editing && showsDeleteConfirmation();
}

void UITableView::touchesMoved(UITouch& touch)
{
    if (m_touchedRow && !m_touchHidesConfirmation
        && swipeShowsDelete(*m_touchedRow, m_touchStart, touch.locationInView(this))) {
        m_touchedRow.reset();
    }
}

void UITableView::touchesEnded(UITouch& touch)
{
    auto touched = std::exchange(m_touchedRow, std::nullopt);
    if (m_editing || std::exchange(m_touchHidesConfirmation, false)) {
        hideDeleteConfirmations();
        return;
    }
    if (touched && indexPathForRowAtPoint(touch.locationInView(this)) == touched) {
        selectRowAtIndexPath(*touched);
    }
}

void UITableView::touchesCancelled(UITouch&)
{
    m_touchedRow.reset();
    m_touchHidesConfirmation = false;
}

}  // namespace device::uikit
