#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace device::render {

// A grid of terminal cells that text is written into, so that columns can be laid side by side and
// a framed box drawn over what is already there.
class TextCanvas {
public:
    // Writes one line of text from a cell on, over whatever was there; the canvas grows to fit.
    void write(int row, int column, std::string_view text);
    // Blanks a rectangle of cells.
    void clear(int row, int column, int rows, int columns);
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    // The lines, without trailing spaces.
    std::vector<std::string> lines() const;
    // The lines, each ended by a line break.
    std::string str() const;

private:
    using Row = std::vector<std::string>;  // a cell holds one character; "" continues a wide one

    Row& cellsUpTo(int row, int column);
    void setCell(Row& cells, std::size_t column, std::string glyph);

    std::vector<Row> m_rows;
};

}  // namespace device::render
