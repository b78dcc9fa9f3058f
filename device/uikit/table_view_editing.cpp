#include "device/foundation/run_loop.h"
#include "device/objc/message.h"
#include "device/uikit/table_view.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace device::uikit {

namespace {

// A finger this close to the top or bottom of the visible rows scrolls the list, faster the closer.
constexpr double kAutoscrollBand = 44;
constexpr double kAutoscrollFastest = 10;
constexpr double kAutoscrollInterval = 1.0 / 60;

}  // namespace

void UITableView::setEditingAnimated(bool editing, bool)
{
    reloadIfNeeded();
    hideDeleteConfirmations();
    m_editing = editing;
    for (std::size_t s = 0; s < m_sections.size(); ++s) {
        auto cells = m_sections[s].cells;
        for (std::size_t r = 0; r < cells.size(); ++r) {
            if (editing) {
                configureEditing(*cells[r], {static_cast<long>(s), static_cast<long>(r)});
            }
            cells[r]->setEditing(editing);
        }
    }
}

void UITableView::configureEditing(UITableViewCell& cell, NSIndexPath indexPath)
{
    objc::id source = dataSource();
    objc::id answering = delegate();
    auto style = UITableViewCellEditingStyle::Delete;
    if (objc::respondsTo(answering, "tableView:editingStyleForRowAtIndexPath:")) {
        style = objc::msgSend<UITableViewCellEditingStyle>(answering, "tableView:editingStyleForRowAtIndexPath:", this,
                                                           indexPath);
    }
    bool movable = objc::respondsTo(source, "tableView:moveRowAtIndexPath:toIndexPath:");
    if (movable && objc::respondsTo(source, "tableView:canMoveRowAtIndexPath:")) {
        movable = objc::msgSend<bool>(source, "tableView:canMoveRowAtIndexPath:", this, indexPath);
    }
    bool indents = true;
    if (objc::respondsTo(answering, "tableView:shouldIndentWhileEditingRowAtIndexPath:")) {
        indents = objc::msgSend<bool>(answering, "tableView:shouldIndentWhileEditingRowAtIndexPath:", this, indexPath);
    }
    cell.setEditingControls(style, movable, indents);
}

void UITableView::hideDeleteConfirmations()
{
    for (auto& section : m_sections) {
        for (auto& cell : section.cells) {
            cell->setShowingDeleteConfirmation(false);
        }
    }
}

bool UITableView::showsDeleteConfirmation() const
{
    return std::any_of(m_sections.begin(), m_sections.end(), [](const Section& section) {
        return std::any_of(section.cells.begin(), section.cells.end(),
                           [](const auto& cell) { return cell->showingDeleteConfirmation(); });
    });
}

bool UITableView::swipeShowsDelete(NSIndexPath indexPath, CGPoint from, CGPoint to)
{
    constexpr double kSwipeDistance = 30;
    double across = to.x - from.x;
    if (across > -kSwipeDistance || std::abs(to.y - from.y) > std::abs(across)) {
        return false;
    }
    objc::id source = dataSource();
    if (!objc::respondsTo(source, "tableView:commitEditingStyle:forRowAtIndexPath:")
        || (objc::respondsTo(source, "tableView:canEditRowAtIndexPath:")
            && !objc::msgSend<bool>(source, "tableView:canEditRowAtIndexPath:", this, indexPath))) {
        return false;
    }
    objc::id answering = delegate();
    if (objc::respondsTo(answering, "tableView:editingStyleForRowAtIndexPath:")
        && objc::msgSend<UITableViewCellEditingStyle>(answering, "tableView:editingStyleForRowAtIndexPath:", this,
                                                      indexPath)
               != UITableViewCellEditingStyle::Delete) {
        return false;
    }
    UITableViewCell* cell = cellForRowAtIndexPath(indexPath);
    if (!cell) {
        return false;
    }
    hideDeleteConfirmations();
    cell->setShowingDeleteConfirmation(true);
    return true;
}

void UITableView::editControlTapped(UITableViewCell& cell)
{
    auto indexPath = indexPathForCell(&cell);
    if (!indexPath) {
        return;
    }
    if (cell.editingStyle() == UITableViewCellEditingStyle::Insert) {
        commitEditingStyle(UITableViewCellEditingStyle::Insert, *indexPath);
        return;
    }
    bool show = !cell.showingDeleteConfirmation();
    hideDeleteConfirmations();
    cell.setShowingDeleteConfirmation(show);
}

void UITableView::deleteConfirmationTapped(UITableViewCell& cell)
{
    auto keep = cell.retained<UITableViewCell>();
    cell.setShowingDeleteConfirmation(false);
    if (auto indexPath = indexPathForCell(&cell)) {
        commitEditingStyle(UITableViewCellEditingStyle::Delete, *indexPath);
    }
}

void UITableView::commitEditingStyle(UITableViewCellEditingStyle style, NSIndexPath indexPath)
{
    auto keepAlive = retained<UITableView>();
    objc::id source = dataSource();
    if (objc::respondsTo(source, "tableView:commitEditingStyle:forRowAtIndexPath:")) {
        objc::msgSend<void>(source, "tableView:commitEditingStyle:forRowAtIndexPath:", this, style, indexPath);
    }
}

void UITableView::beginUpdates()
{
    reloadIfNeeded();
    ++m_updateDepth;
}

void UITableView::endUpdates()
{
    if (m_updateDepth > 0 && --m_updateDepth == 0) {
        applyUpdates();
    }
}

void UITableView::deleteRowsAtIndexPathsWithRowAnimation(const std::vector<NSIndexPath>& indexPaths,
                                                         UITableViewRowAnimation)
{
    reloadIfNeeded();
    m_deletedRows.insert(m_deletedRows.end(), indexPaths.begin(), indexPaths.end());
    if (m_updateDepth == 0) {
        applyUpdates();
    }
}

void UITableView::deleteSectionsWithRowAnimation(const std::vector<long>& sections, UITableViewRowAnimation)
{
    reloadIfNeeded();
    m_deletedSections.insert(m_deletedSections.end(), sections.begin(), sections.end());
    if (m_updateDepth == 0) {
        applyUpdates();
    }
}

void UITableView::applyUpdates()
{
    auto rows = std::exchange(m_deletedRows, {});
    auto sections = std::exchange(m_deletedSections, {});
    std::sort(rows.begin(), rows.end(), [](const NSIndexPath& a, const NSIndexPath& b) {
        return a.section != b.section ? a.section > b.section : a.row > b.row;
    });
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (const auto& row : rows) {
        bool sectionGoes = std::find(sections.begin(), sections.end(), row.section) != sections.end();
        if (sectionGoes || row.section < 0 || row.section >= static_cast<long>(m_sections.size())) {
            continue;
        }
        auto& cells = m_sections[static_cast<std::size_t>(row.section)].cells;
        if (row.row >= 0 && row.row < static_cast<long>(cells.size())) {
            cells[static_cast<std::size_t>(row.row)]->removeFromSuperview();
            cells.erase(cells.begin() + row.row);
        }
    }
    std::sort(sections.rbegin(), sections.rend());
    sections.erase(std::unique(sections.begin(), sections.end()), sections.end());
    for (long index : sections) {
        if (index < 0 || index >= static_cast<long>(m_sections.size())) {
            continue;
        }
        m_sections[static_cast<std::size_t>(index)].removeViews();
        m_sections.erase(m_sections.begin() + index);
    }
    long answered = askSectionCount();
    if (answered != static_cast<long>(m_sections.size())) {
        objc::objc_fatal("Invalid update: invalid number of sections. The table has " + std::to_string(m_sections.size())
                         + " after the update, its data source answers " + std::to_string(answered));
    }
    for (long s = 0; s < answered; ++s) {
        long rowsAnswered = askRowCount(s);
        if (rowsAnswered != numberOfRowsInSection(s)) {
            objc::objc_fatal("Invalid update: invalid number of rows in section " + std::to_string(s)
                             + ". The table has " + std::to_string(numberOfRowsInSection(s))
                             + " after the update, its data source answers " + std::to_string(rowsAnswered));
        }
    }
    layoutRows();
}

void UITableView::reorderBegan(UITableViewCell& cell, CGPoint point)
{
    auto indexPath = indexPathForCell(&cell);
    if (!indexPath) {
        return;
    }
    m_reorder = Reorder{cell.retained<UITableViewCell>(), *indexPath, cell.frame(), point.y - cell.frame().minY(),
                        point.y - contentOffset().y, std::nullopt};
    bringSubviewToFront(&cell);
}

void UITableView::reorderMoved(CGPoint point)
{
    if (!m_reorder) {
        return;
    }
    m_reorder->fingerOnScreen = point.y - contentOffset().y;
    followFinger();
    if (!m_reorder->autoscrollCall && autoscrollStep() != 0) {
        scheduleAutoscroll();
    }
}

void UITableView::followFinger()
{
    CGRect frame = m_reorder->cell->frame();
    frame.origin.y = contentOffset().y + m_reorder->fingerOnScreen - m_reorder->grab;
    m_reorder->cell->setFrame(frame);
}

std::pair<double, double> UITableView::visibleSpan() const
{
    CGRect mine = frameInWindow();
    double top = mine.minY();
    double bottom = mine.maxY();
    for (const UIView* holder = superview(); holder; holder = holder->superview()) {
        if (holder->clipsToBounds() || !holder->superview()) {
            CGRect clip = holder->frameInWindow();
            top = std::max(top, clip.minY());
            bottom = std::min(bottom, clip.maxY());
        }
    }
    return {top - mine.minY(), std::max(top, bottom) - mine.minY()};
}

double UITableView::autoscrollStep() const
{
    auto [top, bottom] = visibleSpan();
    double finger = m_reorder->fingerOnScreen;
    if (finger < top + kAutoscrollBand) {
        return -kAutoscrollFastest * std::min(1.0, (top + kAutoscrollBand - finger) / kAutoscrollBand);
    }
    if (finger > bottom - kAutoscrollBand) {
        return kAutoscrollFastest * std::min(1.0, (finger - (bottom - kAutoscrollBand)) / kAutoscrollBand);
    }
    return 0;
}

void UITableView::scheduleAutoscroll()
{
    std::weak_ptr<UITableView> weakTable = retained<UITableView>();
    m_reorder->autoscrollCall = foundation::RunLoop::main().performAfter(kAutoscrollInterval, [weakTable] {
        auto table = weakTable.lock();
        if (!table || !table->m_reorder) {
            return;
        }
        table->m_reorder->autoscrollCall.reset();
        double step = table->autoscrollStep();
        auto [top, bottom] = table->visibleSpan();
        double last = std::max(0.0, table->contentSize().height - (bottom - top));
        double offset = table->contentOffset().y;
        double next = std::clamp(offset + step, 0.0, std::max(last, 0.0));
        if (step == 0 || std::abs(next - offset) < 0.01) {
            return;
        }
        table->setContentOffset({table->contentOffset().x, next});
        table->followFinger();
        table->scheduleAutoscroll();
    });
}

void UITableView::stopAutoscroll()
{
    if (m_reorder && m_reorder->autoscrollCall) {
        foundation::RunLoop::main().cancel(*m_reorder->autoscrollCall);
        m_reorder->autoscrollCall.reset();
    }
}

void UITableView::reorderEnded(CGPoint point)
{
    if (!m_reorder) {
        return;
    }
    auto keepAlive = retained<UITableView>();
    stopAutoscroll();
    Reorder reorder = *m_reorder;
    m_reorder.reset();
    NSIndexPath to = dropIndexPath(reorder, point.y);
    if (!(to == reorder.from)) {
        auto& from = m_sections[static_cast<std::size_t>(reorder.from.section)].cells;
        from.erase(from.begin() + reorder.from.row);
        auto& into = m_sections[static_cast<std::size_t>(to.section)].cells;
        into.insert(into.begin() + std::min<long>(to.row, static_cast<long>(into.size())), reorder.cell);
        objc::id source = dataSource();
        if (objc::respondsTo(source, "tableView:moveRowAtIndexPath:toIndexPath:")) {
            objc::msgSend<void>(source, "tableView:moveRowAtIndexPath:toIndexPath:", this, reorder.from, to);
        }
    }
    layoutRows();
}

void UITableView::reorderCancelled()
{
    stopAutoscroll();
    m_reorder.reset();
    layoutRows();
}

// The row whose place the finger is over (or the nearest), counted as the table stood before the
// drag; below the middle of another section's last row, the place after that row.
NSIndexPath UITableView::dropIndexPath(const Reorder& reorder, double y) const
{
    auto distance = [y](const CGRect& slot) {
        return y < slot.minY() ? slot.minY() - y : (y >= slot.maxY() ? y - slot.maxY() : 0.0);
    };
    NSIndexPath best = reorder.from;
    double bestDistance = distance(reorder.slot);
    CGRect bestSlot = reorder.slot;
    for (std::size_t s = 0; s < m_sections.size(); ++s) {
        const auto& cells = m_sections[s].cells;
        for (std::size_t r = 0; r < cells.size(); ++r) {
            if (cells[r] == reorder.cell) {
                continue;
            }
            double d = distance(cells[r]->frame());
            if (d < bestDistance) {
                best = {static_cast<long>(s), static_cast<long>(r)};
                bestDistance = d;
                bestSlot = cells[r]->frame();
            }
        }
    }
    if (best.section != reorder.from.section && y > bestSlot.minY() + bestSlot.height() / 2
        && best.row == static_cast<long>(m_sections[static_cast<std::size_t>(best.section)].cells.size()) - 1) {
        ++best.row;
    }
    return best;
}

}  // namespace device::uikit
