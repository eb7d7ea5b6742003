#pragma once
// The string grid every page of the window is built from: fixed header rows
// and columns, per-row heights and per-column widths (a one-pixel row or
// column is a separator), an in-place editor that is always shown on the
// current cell of an editable grid, owner drawing, and a selection that can
// be parked outside the grid so that nothing shows as selected.

#include <QAbstractScrollArea>
#include <QColor>
#include <QFont>
#include <QString>
#include <QVector>

#include <functional>

class QLineEdit;

namespace kv::gui {

class TStringGrid : public QAbstractScrollArea {
  Q_OBJECT

public:
  // The cell rectangle outside every grid: a grid whose current cell is this shows no selection.
  static constexpr int NoSelection = 100;

  explicit TStringGrid(int colCount, int rowCount, QWidget* parent = nullptr);

  int ColCount() const { return colCount_; }
  int RowCount() const { return rowCount_; }
  // Keeps the texts and sizes of the cells that remain; new columns and rows
  // take the size of the last old one.
  void SetSize(int colCount, int rowCount);
  void SetFixed(int fixedCols, int fixedRows);
  int FixedCols() const { return fixedCols_; }
  int FixedRows() const { return fixedRows_; }
  void SetColWidth(int col, int width);
  void SetRowHeight(int row, int height);
  void SetDefaultSizes(int colWidth, int rowHeight);
  int ColWidth(int col) const { return colWidths_[col]; }
  int RowHeight(int row) const { return rowHeights_[row]; }
  void SetGridLines(bool on);

  QString Cell(int col, int row) const;
  void SetCell(int col, int row, const QString& text); // no cellEdited signal

  // Editable grids show the in-place editor on the current cell while they have the focus.
  void SetEditable(bool on);
  bool Editable() const { return editable_; }
  void SetMaxLength(int n);

  int Col() const { return col_; }
  int Row() const { return row_; }
  bool HasSelection() const { return col_ != NoSelection; }
  // Makes (col, row) current without asking selectCell; NoSelection parks it.
  void SetCurrent(int col, int row);
  void ClearSelection() { SetCurrent(NoSelection, NoSelection); }
  // Moves as a user move would: selectCell may refuse or redirect it.
  bool MoveTo(int col, int row);

  int TopRow() const { return topRow_; }
  int LeftCol() const { return leftCol_; }
  void SetTopRow(int row);
  void SetLeftCol(int col);
  int VisibleRowCount() const;
  int VisibleColCount() const;
  QRect CellRect(int col, int row) const; // in viewport coordinates, empty when not visible

  // True when the current cell holds text that is shown unselected: the
  // user is moving a caret inside it rather than over a whole-cell selection.
  bool IsEditingCell() const;
  QLineEdit* Editor() const { return editor_; }
  // Leaves and re-enters editing so the editor shows the cell's text again.
  void RefreshEditor();

  void SetColors(const QColor& background, const QColor& fixed, const QColor& text);
  QColor Background() const { return background_; }
  QColor FixedColor() const { return fixedColor_; }
  QColor TextColor() const { return textColor_; }
  void SetCellFont(const QFont& f);
  QFont CellFont() const { return cellFont_; }

  // Owner drawing: return true when the cell has been drawn completely.
  using TDrawCell = std::function<bool(QPainter&, int col, int row, const QRect&)>;
  void SetDrawCell(TDrawCell f) { drawCell_ = std::move(f); }
  // Draws the cell as the grid would; owner drawing may call it and paint over.
  void DrawCellDefault(QPainter& p, int col, int row, const QRect& r, const QColor* textColor = nullptr);

  // A veto on user moves: return false to refuse, or change col/row to redirect.
  using TSelectCell = std::function<bool(int& col, int& row)>;
  void SetSelectCell(TSelectCell f) { selectCell_ = std::move(f); }

signals:
  void cellEdited(int col, int row, const QString& text); // the user changed the text
  void keyDown(QKeyEvent* e, bool& handled);              // before the grid moves the cursor
  void keyPressed(QKeyEvent* e);                          // a character typed into the grid
  void currentChanged(int col, int row);
  void topLeftChanged();
  void entered();
  void exited();
  void mousePressed(int col, int row, Qt::MouseButton button);
  void doubleClicked(int col, int row);

protected:
  void paintEvent(QPaintEvent*) override;
  void keyPressEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void scrollContentsBy(int dx, int dy) override;
  bool eventFilter(QObject* o, QEvent* e) override;
  bool focusNextPrevChild(bool next) override;

private:
  int Index(int col, int row) const { return row * colCount_ + col; }
  bool Valid(int col, int row) const { return col >= 0 && row >= 0 && col < colCount_ && row < rowCount_; }
  int ColX(int col) const; // left edge in viewport coordinates (scrolling applied)
  int RowY(int row) const;
  bool CellAt(const QPoint& p, int& col, int& row) const;
  bool HandleMoveKey(QKeyEvent* e);
  void ScrollIntoView(int col, int row);
  void PlaceEditor();
  void UpdateScrollBars();
  void EditorTextEdited(const QString& text);

  int colCount_, rowCount_;
  int fixedCols_ = 1, fixedRows_ = 1;
  QVector<int> colWidths_, rowHeights_;
  QVector<QString> cells_;
  int col_ = NoSelection, row_ = NoSelection;
  int topRow_ = 1, leftCol_ = 1;
  bool editable_ = false;
  bool gridLines_ = true;
  QColor background_{Qt::white}, fixedColor_{0xF0, 0xF0, 0xF0}, textColor_{Qt::black};
  QFont cellFont_;
  QLineEdit* editor_ = nullptr;
  TDrawCell drawCell_;
  TSelectCell selectCell_;
  bool updatingEditor_ = false;
};

} // namespace kv::gui
