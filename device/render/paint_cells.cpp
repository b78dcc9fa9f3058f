#include "device/render/paint_cells.h"

#include "device/graphics/font.h"
#include "device/uikit/label.h"
#include "device/uikit/navigation_bar.h"
#include "device/uikit/table_view.h"

namespace device::render {
namespace {

constexpr graphics::Color kSeparator{0.78, 0.78, 0.8, 1};
constexpr graphics::Color kChevron{0.78, 0.78, 0.8, 1};
constexpr graphics::Color kTint{0, 0.48, 1, 1};
constexpr graphics::Color kBarShadow{0, 0, 0, 0.3};
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

void paintSeparators(const uikit::UITableViewCell& cell, graphics::Canvas& canvas, const graphics::Rect& bounds)
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
        canvas.drawHairline({0, 0}, bounds.width, graphics::Axis::Horizontal, kSeparator);
    }
    bool last = indexPath->row + 1 >= table->numberOfRowsInSection(indexPath->section);
    double inset = last ? 0 : textInset(cell);
    canvas.drawHairline({inset, bounds.height - pixel}, bounds.width - inset, graphics::Axis::Horizontal, kSeparator);
}

void paintAccessory(const uikit::UITableViewCell& cell, graphics::Canvas& canvas, const graphics::Rect& bounds)
{
    if (cell.accessoryView() || (cell.isEditing() && cell.hidesAccessoryWhenEditing())) {
        return;
    }
    graphics::Rect slot{bounds.maxX() - kAccessoryRight - 20, 0, 20, bounds.height};
    switch (cell.accessoryType()) {
    case uikit::UITableViewCellAccessoryType::DisclosureIndicator:
        graphics::Font(24, graphics::FontWeight::Regular, canvas.scale()).drawInRect(canvas, "›", slot, graphics::TextAlignment::Right, kChevron);
        break;
    case uikit::UITableViewCellAccessoryType::Checkmark:
        graphics::Font(17, graphics::FontWeight::Bold, canvas.scale()).drawInRect(canvas, "✓", slot, graphics::TextAlignment::Right, kTint);
        break;
    case uikit::UITableViewCellAccessoryType::DetailDisclosureButton: {
        graphics::Rect circle{slot.maxX() - 22, (bounds.height - 22) / 2, 22, 22};
        canvas.strokeRoundedRect(circle, 11, 1, kTint);
        graphics::Font(15, graphics::FontWeight::Bold, canvas.scale()).drawInRect(canvas, "i", circle, graphics::TextAlignment::Center, kTint);
        break;
    }
    case uikit::UITableViewCellAccessoryType::None:
        break;
    }
}

}  // namespace

void paintCellDecorations(const uikit::UITableViewCell& cell, graphics::Canvas& canvas, const graphics::Rect& bounds)
{
    paintSeparators(cell, canvas, bounds);
    paintAccessory(cell, canvas, bounds);
}

void paintNavigationBar(const uikit::UINavigationBar& bar, graphics::Canvas& canvas, const graphics::Rect& bounds)
{
    canvas.drawHairline({0, bounds.height - 1 / canvas.scale()}, bounds.width, graphics::Axis::Horizontal, kBarShadow);
    const uikit::UINavigationButton* back = bar.backButton();
    if (back && !back->isHidden()) {
        uikit::CGRect frame = back->frame();
        graphics::Rect chevron{frame.minX(), frame.minY() - 2, uikit::UINavigationBar::kBackChevronWidth, frame.height()};
        graphics::Font(30, graphics::FontWeight::Light, canvas.scale()).drawInRect(canvas, "‹", chevron, graphics::TextAlignment::Left, kTint);
    }
}

}  // namespace device::render
