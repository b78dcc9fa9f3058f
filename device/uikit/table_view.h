#pragma once

#include "device/uikit/index_path.h"
#include "device/uikit/label.h"
#include "device/uikit/scroll_view.h"
#include "device/uikit/table_view_cell.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace device::uikit {

// A grouped table. It asks its data source and delegate through the runtime, by the platform's
// selectors, so whichever implementation a class has at that moment is the one that answers.
class UITableView : public UIScrollView {
public:
    static constexpr std::string_view className = "UITableView";

    static constexpr double kRowHeight = 44;

    using UIScrollView::UIScrollView;

    void setDataSource(objc::id dataSource);
    void setDelegate(objc::id delegate);
    objc::Object* dataSource() const { return m_dataSource.lock().get(); }
    objc::Object* delegate() const { return m_delegate.lock().get(); }

    // Asks the data source again for everything and lays the rows out; cells become subviews.
    void reloadData();
    // Defers the reload to the next question asked of the table, so that a burst of list changes
    // costs one reload.
    void setNeedsReload() { m_needsReload = true; }
    void layoutIfNeeded() const;

    long numberOfSections() const
    {
        layoutIfNeeded();
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

    bool isEditing() const { return m_editing; }
    void setEditing(bool editing);

    // What a tap on a row does: the delegate hears tableView:didSelectRowAtIndexPath:.
    void selectRowAtIndexPath(NSIndexPath indexPath);

private:
    struct Section {
        std::optional<std::string> header;
        std::optional<std::string> footer;
        std::shared_ptr<UILabel> headerLabel;
        std::shared_ptr<UILabel> footerLabel;
        std::vector<std::shared_ptr<UITableViewCell>> cells;
    };

    void clearLayout();
    std::optional<std::string> askTitle(const char* selector, long section) const;

    std::weak_ptr<objc::Object> m_dataSource;
    std::weak_ptr<objc::Object> m_delegate;
    std::vector<Section> m_sections;
    bool m_editing = false;
    bool m_needsReload = false;
};

}  // namespace device::uikit
