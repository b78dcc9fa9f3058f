#include "device/render/screen_text_canvas.h"

#include "device/render/screen_text_width.h"

namespace device::render {

TextCanvas::Row& TextCanvas::cellsUpTo(int row, int column)
{
    if (static_cast<int>(m_rows.size()) <= row) {
        m_rows.resize(static_cast<std::size_t>(row) + 1);
    }
    Row& cells = m_rows[static_cast<std::size_t>(row)];
    if (static_cast<int>(cells.size()) < column) {
        cells.resize(static_cast<std::size_t>(column), " ");
    }
    return cells;
}

// Overwriting half of a wide character leaves its other half blank.
void TextCanvas::setCell(Row& cells, std::size_t column, std::string glyph)
{
    if (column >= cells.size()) {
        cells.resize(column + 1, " ");
    }
    if (!glyph.empty() && cells[column].empty() && column > 0) {
        cells[column - 1] = " ";
    }
    if (column + 1 < cells.size() && cells[column + 1].empty()) {
        cells[column + 1] = " ";
    }
    cells[column] = std::move(glyph);
}

void TextCanvas::write(int row, int column, std::string_view text)
{
    Row& cells = cellsUpTo(row, column);
    auto at = static_cast<std::size_t>(column);
    forEachGlyph(text, [&](std::string_view glyph, int width) {
        if (width == 0) {
            if (at > 0) {
                cells[at - 1].append(glyph);
            }
            return;
        }
        bool control = glyph.size() == 1 && static_cast<unsigned char>(glyph[0]) < 0x20;
        setCell(cells, at++, control ? " " : std::string(glyph));
        if (width == 2) {
            setCell(cells, at++, "");
        }
    });
}

void TextCanvas::clear(int row, int column, int rows, int columns)
{
    for (int r = row; r < row + rows; ++r) {
        Row& cells = cellsUpTo(r, column);
        for (int c = column; c < column + columns; ++c) {
            setCell(cells, static_cast<std::size_t>(c), " ");
        }
    }
}

std::vector<std::string> TextCanvas::lines() const
{
    std::vector<std::string> lines;
    for (const Row& cells : m_rows) {
        std::string line;
        for (const auto& cell : cells) {
            line += cell;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string TextCanvas::str() const
{
    std::string text;
    for (const auto& line : lines()) {
        text.append(line).append("\n");
    }
    return text;
}

}  // namespace device::render
