#include "device/render/paint_cells.h"

#include "device/render/font.h"
#include "device/uikit/label.h"
#include "device/uikit/navigation_bar.h"
#include "device/uikit/table_view.h"

namespace device::render {
namespace {

constexpr Color kSeparator{0.78, 0.78, 0.8, 1};
constexpr Color kChevron{0.78, 0.78, 0.8, 1};
constexpr Color kTint{0, 0.48, 1, 1};
constexpr Color kBarShadow{0, 0, 0, 0.3};
constexpr double kAccessoryRight = 15;

double textInset(const uikit::UITableViewCell& cell)
{
    const uikit::UILabel* label = cell.textLabel();
    const uikit::UIView* content = cell.contentView();
    if (!label || !content) {
        return kAccessoryRight;
    }
    return content->frame().minX() + label->frame().minX();
}

void paintSeparators(const uikit::UITableViewCell& cell, Canvas& canvas, const Rect& bounds)
{
    const auto* table = dynamic_cast<const uikit::UITableView*>(cell.superview());
    if (!table) {
        return;
    }
    auto indexPath = table->indexPathForCell(&cell);
    if (!indexPath) {
        return;
    }
    double pixel = 1 / canvas.scale();
    if (indexPath->row == 0) {
        canvas.drawHairline({0, 0}, bounds.width, Axis::Horizontal, kSeparator);
    }
    bool last = indexPath->row + 1 >= table->numberOfRowsInSection(indexPath->section);
    double inset = last ? 0 : textInset(cell);
    canvas.drawHairline({inset, bounds.height - pixel}, bounds.width - inset, Axis::Horizontal, kSeparator);
}

void paintAccessory(const uikit::UITableViewCell& cell, Canvas& canvas, const Rect& bounds)
{
    if (cell.accessoryView() || (cell.isEditing() && cell.hidesAccessoryWhenEditing())) {
        return;
    }
    Rect slot{bounds.maxX() - kAccessoryRight - 20, 0, 20, bounds.height};
    switch (cell.accessoryType()) {
    case uikit::UITableViewCellAccessoryType::DisclosureIndicator:
        Font(24, FontWeight::Regular, canvas.scale()).drawInRect(canvas, "›", slot, TextAlignment::Right, kChevron);
        break;
    case uikit::UITableViewCellAccessoryType::Checkmark:
        Font(17, FontWeight::Bold, canvas.scale()).drawInRect(canvas, "✓", slot, TextAlignment::Right, kTint);
        break;
    case uikit::UITableViewCellAccessoryType::DetailDisclosureButton: {
        Rect circle{slot.maxX() - 22, (bounds.height - 22) / 2, 22, 22};
        canvas.strokeRoundedRect(circle, 11, 1, kTint);
        Font(15, FontWeight::Bold, canvas.scale()).drawInRect(canvas, "i", circle, TextAlignment::Center, kTint);
        break;
    }
    case uikit::UITableViewCellAccessoryType::None:
        break;
    }
}

}  // namespace

void paintCellDecorations(const uikit::UITableViewCell& cell, Canvas& canvas, const Rect& bounds)
{
    paintSeparators(cell, canvas, bounds);
    paintAccessory(cell, canvas, bounds);
}

void paintNavigationBar(const uikit::UINavigationBar& bar, Canvas& canvas, const Rect& bounds)
{
    canvas.drawHairline({0, bounds.height - 1 / canvas.scale()}, bounds.width, Axis::Horizontal, kBarShadow);
    const uikit::UINavigationButton* back = bar.backButton();
    if (back && !back->isHidden()) {
        uikit::CGRect frame = back->frame();
        Rect chevron{frame.minX(), frame.minY() - 2, uikit::UINavigationBar::kBackChevronWidth, frame.height()};
        Font(30, FontWeight::Light, canvas.scale()).drawInRect(canvas, "‹", chevron, TextAlignment::Left, kTint);
    }
}

}  // namespace device::render
