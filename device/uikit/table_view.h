#pragma once

#include "device/uikit/index_path.h"
#include "device/uikit/label.h"
#include "device/uikit/scroll_view.h"
#include "device/uikit/table_view_cell.h"

#include <memory>
#include <cstdint>
#include <optional>
#include <utility>
#include <string>
#include <vector>

namespace device::uikit {

enum class UITableViewRowAnimation : long { Fade = 0, Right = 1, Left = 2, Top = 3, Bottom = 4, None = 5, Middle = 6,
                                            Automatic = 100 };

// A grouped table. It asks its data source and delegate through the runtime, by the platform's
// selectors, so whichever implementation a class has at that moment is the one that answers.
//
// A delegate answering tableView:viewForHeaderInSection: with a view shows that view above the
// section instead of the header text, tableView:heightForHeaderInSection: high (else the view's own
// height).
//
// Touches: a tap on a row (not on a control in it) tells the delegate
// tableView:didSelectRowAtIndexPath:, except in editing mode. In editing mode each row asks
// tableView:editingStyleForRowAtIndexPath: (delete when unanswered),
// tableView:shouldIndentWhileEditingRowAtIndexPath: (yes) and tableView:canMoveRowAtIndexPath:
// (yes, when the data source answers tableView:moveRowAtIndexPath:toIndexPath: at all). A tap on a
// row's delete control shows its "Delete" button, a tap on that button (or on an insert control)
// sends tableView:commitEditingStyle:forRowAtIndexPath:, and a row dragged by its reorder control
// and let go over another row's place takes that place: the data source hears
// tableView:moveRowAtIndexPath:toIndexPath: and the table moves the row without reloading. Out of
// editing mode, a finger swiped left across a row shows its "Delete" button when the data source
// answers tableView:commitEditingStyle:forRowAtIndexPath: and the row may be edited and deleted;
// the next touch elsewhere hides it.
class UITableView : public UIScrollView {
public:
    static constexpr std::string_view className = "UITableView";

    static constexpr double kRowHeight = 44;

    using UIScrollView::UIScrollView;

    // A new data source makes the table ask again for everything.
    void setDataSource(objc::id dataSource);
    void setDelegate(objc::id delegate);
    objc::Object* dataSource() const { return m_dataSource.lock().get(); }
    objc::Object* delegate() const { return m_delegate.lock().get(); }

    // Asks the data source again for everything and lays the rows out; cells become subviews.
    void reloadData();
    // Defers the reload to the next question asked of the table or the next layout, so that a
    // burst of list changes costs one reload.
    void setNeedsReload() { m_needsReload = true; }
    void reloadIfNeeded() const;
    // Asks again for these rows' cells only; the other rows keep what they show.
    void reloadRowsAtIndexPaths(const std::vector<NSIndexPath>& indexPaths);
    // Asks again for one section's header and footer texts only.
    void reloadTitlesOfSection(long section);

    long numberOfSections() const
    {
        reloadIfNeeded();
        return static_cast<long>(m_sections.size());
    }
    long numberOfRowsInSection(long section) const;
    std::optional<std::string> headerTitle(long section) const;
    std::optional<std::string> footerTitle(long section) const;
    UITableViewCell* cellForRowAtIndexPath(NSIndexPath indexPath) const;
    std::optional<NSIndexPath> indexPathForCell(const UITableViewCell* cell) const;
    std::optional<NSIndexPath> indexPathForRowAtPoint(CGPoint point) const;
    CGRect rectForRowAtIndexPath(NSIndexPath indexPath) const;
    std::vector<UITableViewCell*> visibleCells() const;

    // Shown above the first section, as wide as the table.
    UIView* tableHeaderView() const { return m_tableHeaderView.get(); }
    void setTableHeaderView(std::shared_ptr<UIView> view);

    bool isEditing() const { return m_editing; }
    void setEditingAnimated(bool editing, bool animated);

    // Row and section deletions between beginUpdates and endUpdates apply together at the end, as
    // they stood before the block; the data source must then answer the counts that remain, or
    // the app ends as on the platform.
    void beginUpdates();
    void endUpdates();
    void deleteRowsAtIndexPathsWithRowAnimation(const std::vector<NSIndexPath>& indexPaths,
                                                UITableViewRowAnimation animation);
    void deleteSectionsWithRowAnimation(const std::vector<long>& sections, UITableViewRowAnimation animation);

    // What a tap on a row does: the delegate hears tableView:didSelectRowAtIndexPath:.
    void selectRowAtIndexPath(NSIndexPath indexPath);

    void layoutSubviews() override;
    void touchesBegan(UITouch& touch) override;
    void touchesMoved(UITouch& touch) override;
    void touchesEnded(UITouch& touch) override;
    void touchesCancelled(UITouch& touch) override;

private:
    friend class UITableViewCellEditControl;
    friend class UITableViewCellReorderControl;
    friend class UITableViewCellDeleteConfirmationButton;

    struct Section {
        std::optional<std::string> header;
        std::optional<std::string> footer;
        std::shared_ptr<UILabel> headerLabel;
        // A view the delegate supplies in place of the header text, with the height it asked for.
        std::shared_ptr<UIView> headerView;
        double headerViewHeight = 0;
        std::shared_ptr<UILabel> footerLabel;
        std::vector<std::shared_ptr<UITableViewCell>> cells;

        void removeViews();
    };
    struct Reorder {
        std::shared_ptr<UITableViewCell> cell;
        NSIndexPath from;
        CGRect slot;
        double grab;
        // The finger's height above the table's top edge as it stands on screen, and the pending
        // step of the scrolling that a finger held near the edge of the visible rows keeps going.
        double fingerOnScreen = 0;
        std::optional<std::uint64_t> autoscrollCall;
    };

    void clearLayout();
    void layoutRows();
    long askSectionCount() const;
    long askRowCount(long section) const;
    std::optional<std::string> askTitle(const char* selector, long section) const;
    void askHeaderView(Section& section, long index);
    void askHeaderTitle(Section& section, long index);
    void askFooterTitle(Section& section, long index);
    std::shared_ptr<UITableViewCell> makeCell(NSIndexPath indexPath);
    void configureEditing(UITableViewCell& cell, NSIndexPath indexPath);
    void applyUpdates();
    void hideDeleteConfirmations();
    bool showsDeleteConfirmation() const;
    bool swipeShowsDelete(NSIndexPath indexPath, CGPoint from, CGPoint to);

    void editControlTapped(UITableViewCell& cell);
    void deleteConfirmationTapped(UITableViewCell& cell);
    void commitEditingStyle(UITableViewCellEditingStyle style, NSIndexPath indexPath);
    void reorderBegan(UITableViewCell& cell, CGPoint point);
    void reorderMoved(CGPoint point);
    void reorderEnded(CGPoint point);
    void reorderCancelled();
    void stopAutoscroll();
    NSIndexPath dropIndexPath(const Reorder& reorder, double y) const;
    // Where the rows are seen on screen, as heights below the table's top edge; clipped by every view
    // that holds the table and clips, and by the window.
    std::pair<double, double> visibleSpan() const;
    // Points to scroll by each step while the finger stays where it is: none away from the edges.
    double autoscrollStep() const;
    void followFinger();
    void scheduleAutoscroll();

    std::weak_ptr<objc::Object> m_dataSource;
    std::weak_ptr<objc::Object> m_delegate;
    std::vector<Section> m_sections;
    std::shared_ptr<UIView> m_tableHeaderView;
    bool m_editing = false;
    bool m_needsReload = false;
    bool m_reloading = false;
    double m_laidOutWidth = -1;
    int m_updateDepth = 0;
    std::vector<NSIndexPath> m_deletedRows;
    std::vector<long> m_deletedSections;
    std::optional<NSIndexPath> m_touchedRow;
    CGPoint m_touchStart;
    bool m_touchHidesConfirmation = false;
    std::optional<Reorder> m_reorder;
};

}  // namespace device::uikit
