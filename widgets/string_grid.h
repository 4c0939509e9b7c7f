#pragma once
// TStringGrid: a table of texts whose row 0 is the fixed header row. The header stays in
// view above the scrolling rows; every cell shows its text 2 pixels in from the left, so a
// column of the widest text plus 4 pixels shows every text whole, on screen as on paper.
#include <QTableWidget>
#include <vector>

namespace nv {

class TStringGrid : public QTableWidget {
  Q_OBJECT
 public:
  explicit TStringGrid(QWidget* parent = nullptr);

  // Fills the grid; row 0 is the header (not editable), the rows below may be edited.
  void setCells(const std::vector<std::vector<QString>>& rows);
  // Every row as it stands, edits included, row 0 first.
  std::vector<std::vector<QString>> cells() const;
  // Each column: its widest text over all rows plus 4 pixels.
  void fitColumns();
};

}  // namespace nv
