#include "ui/StringGrid.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace kv::gui {

namespace {
constexpr int kLine = 1;     // grid line width
constexpr int kTextLeft = 2; // text offset inside a cell
constexpr int kTextTop = 2;
const QColor kLineColor(0xA0, 0xA0, 0xA0);
} // namespace

TStringGrid::TStringGrid(int colCount, int rowCount, QWidget* parent)
    : QAbstractScrollArea(parent), colCount_(colCount), rowCount_(rowCount), colWidths_(colCount, 64),
      rowHeights_(rowCount, 18), cells_(colCount * rowCount) {
  setFocusPolicy(Qt::StrongFocus);
  setFrameShape(QFrame::Box);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  cellFont_ = font();
  editor_ = new QLineEdit(viewport());
  editor_->setFrame(false);
  editor_->hide();
  editor_->installEventFilter(this);
  connect(editor_, &QLineEdit::textEdited, this, &TStringGrid::EditorTextEdited);
  UpdateScrollBars();
}

void TStringGrid::SetFixed(int fixedCols, int fixedRows) {
  fixedCols_ = fixedCols;
  fixedRows_ = fixedRows;
  topRow_ = std::min(fixedRows_, rowCount_ - 1);
  leftCol_ = std::min(fixedCols_, colCount_ - 1);
  UpdateScrollBars();
  viewport()->update();
}

void TStringGrid::SetSize(int colCount, int rowCount) {
  QVector<QString> cells(colCount * rowCount);
  for (int r = 0; r < std::min(rowCount, rowCount_); ++r)
    for (int c = 0; c < std::min(colCount, colCount_); ++c) cells[r * colCount + c] = cells_[Index(c, r)];
  cells_ = std::move(cells);
  colWidths_.resize(colCount, colWidths_.isEmpty() ? 64 : colWidths_.last());
  rowHeights_.resize(rowCount, rowHeights_.isEmpty() ? 18 : rowHeights_.last());
  colCount_ = colCount;
  rowCount_ = rowCount;
  topRow_ = std::clamp(topRow_, std::min(fixedRows_, rowCount_ - 1), std::max(fixedRows_, rowCount_ - 1));
  leftCol_ = std::clamp(leftCol_, std::min(fixedCols_, colCount_ - 1), std::max(fixedCols_, colCount_ - 1));
  if (HasSelection() && !Valid(col_, row_)) ClearSelection();
  UpdateScrollBars();
  PlaceEditor();
  viewport()->update();
}

void TStringGrid::SetColWidth(int col, int width) {
  colWidths_[col] = width;
  UpdateScrollBars();
  PlaceEditor();
  viewport()->update();
}

void TStringGrid::SetRowHeight(int row, int height) {
  rowHeights_[row] = height;
  UpdateScrollBars();
  PlaceEditor();
  viewport()->update();
}

void TStringGrid::SetDefaultSizes(int colWidth, int rowHeight) {
  colWidths_.fill(colWidth);
  rowHeights_.fill(rowHeight);
  UpdateScrollBars();
  viewport()->update();
}

void TStringGrid::SetGridLines(bool on) {
  gridLines_ = on;
  viewport()->update();
}

QString TStringGrid::Cell(int col, int row) const { return Valid(col, row) ? cells_[Index(col, row)] : QString(); }

void TStringGrid::SetCell(int col, int row, const QString& text) {
  if (!Valid(col, row) || cells_[Index(col, row)] == text) return;
  cells_[Index(col, row)] = text;
  if (col == col_ && row == row_ && editor_->isVisible() && editor_->text() != text) {
    updatingEditor_ = true;
    editor_->setText(text);
    editor_->setCursorPosition(static_cast<int>(text.size()));
    updatingEditor_ = false;
  }
  viewport()->update(CellRect(col, row));
}

void TStringGrid::SetEditable(bool on) {
  editable_ = on;
  PlaceEditor();
}

void TStringGrid::SetMaxLength(int n) { editor_->setMaxLength(n); }

void TStringGrid::SetCurrent(int col, int row) {
  bool changed = col != col_ || row != row_;
  col_ = col;
  row_ = row;
  if (Valid(col, row)) ScrollIntoView(col, row);
  PlaceEditor();
  // Kept in step even while hidden, so the editor never carries another cell's text.
  updatingEditor_ = true;
  editor_->setText(Cell(col, row));
  editor_->selectAll();
  updatingEditor_ = false;
  viewport()->update();
  if (changed) emit currentChanged(col_, row_);
}

bool TStringGrid::MoveTo(int col, int row) {
  if (!Valid(col, row) || col < fixedCols_ || row < fixedRows_) return false;
  if (selectCell_ && !selectCell_(col, row)) return false;
  if (!Valid(col, row)) return false;
  SetCurrent(col, row);
  return true;
}

void TStringGrid::SetTopRow(int row) {
  row = std::clamp(row, fixedRows_, std::max(fixedRows_, rowCount_ - 1));
  if (row == topRow_) return;
  topRow_ = row;
  verticalScrollBar()->setValue(row);
  PlaceEditor();
  viewport()->update();
  emit topLeftChanged();
}

void TStringGrid::SetLeftCol(int col) {
  col = std::clamp(col, fixedCols_, std::max(fixedCols_, colCount_ - 1));
  if (col == leftCol_) return;
  leftCol_ = col;
  horizontalScrollBar()->setValue(col);
  PlaceEditor();
  viewport()->update();
  emit topLeftChanged();
}

int TStringGrid::VisibleRowCount() const {
  int y = RowY(topRow_), n = 0;
  for (int r = topRow_; r < rowCount_; ++r) {
    y += rowHeights_[r] + (gridLines_ ? kLine : 0);
    if (y > viewport()->height() + (gridLines_ ? kLine : 0)) break;
    ++n;
  }
  return n;
}

int TStringGrid::VisibleColCount() const {
  int x = ColX(leftCol_), n = 0;
  for (int c = leftCol_; c < colCount_; ++c) {
    x += colWidths_[c] + (gridLines_ ? kLine : 0);
    if (x > viewport()->width() + (gridLines_ ? kLine : 0)) break;
    ++n;
  }
  return n;
}

int TStringGrid::ColX(int col) const {
  int line = gridLines_ ? kLine : 0, x = 0;
  if (col < fixedCols_) {
    for (int c = 0; c < col; ++c) x += colWidths_[c] + line;
    return x;
  }
  if (col < leftCol_) return -1;
  for (int c = 0; c < fixedCols_; ++c) x += colWidths_[c] + line;
  for (int c = leftCol_; c < col; ++c) x += colWidths_[c] + line;
  return x;
}

int TStringGrid::RowY(int row) const {
  int line = gridLines_ ? kLine : 0, y = 0;
  if (row < fixedRows_) {
    for (int r = 0; r < row; ++r) y += rowHeights_[r] + line;
    return y;
  }
  if (row < topRow_) return -1;
  for (int r = 0; r < fixedRows_; ++r) y += rowHeights_[r] + line;
  for (int r = topRow_; r < row; ++r) y += rowHeights_[r] + line;
  return y;
}

QRect TStringGrid::CellRect(int col, int row) const {
  if (!Valid(col, row)) return {};
  int x = ColX(col), y = RowY(row);
  if (x < 0 || y < 0) return {};
  return QRect(x, y, colWidths_[col], rowHeights_[row]);
}

bool TStringGrid::CellAt(const QPoint& p, int& col, int& row) const {
  for (int r = 0; r < rowCount_; ++r)
    for (int c = 0; c < colCount_; ++c) {
      QRect rc = CellRect(c, r);
      if (!rc.isEmpty() && rc.adjusted(0, 0, kLine, kLine).contains(p)) {
        col = c;
        row = r;
        return true;
      }
    }
  return false;
}

bool TStringGrid::IsEditingCell() const {
  if (!editor_->isVisible()) return false;
  const QString t = editor_->text();
  return !t.isEmpty() && editor_->selectedText() != t;
}

void TStringGrid::RefreshEditor() {
  bool shown = editor_->isVisible();
  PlaceEditor();
  if (shown || editor_->isVisible()) {
    updatingEditor_ = true;
    editor_->setText(Cell(col_, row_));
    editor_->selectAll();
    updatingEditor_ = false;
  }
}

void TStringGrid::SetColors(const QColor& background, const QColor& fixed, const QColor& text) {
  background_ = background;
  fixedColor_ = fixed;
  textColor_ = text;
  QPalette pal = editor_->palette();
  pal.setColor(QPalette::Base, background);
  pal.setColor(QPalette::Text, text);
  editor_->setPalette(pal);
  viewport()->update();
}

void TStringGrid::SetCellFont(const QFont& f) {
  cellFont_ = f;
  editor_->setFont(f);
  viewport()->update();
}

void TStringGrid::DrawCellDefault(QPainter& p, int col, int row, const QRect& r, const QColor* textColor) {
  bool fixed = col < fixedCols_ || row < fixedRows_;
  bool selected = !fixed && col == col_ && row == row_ && !editor_->isVisible();
  p.fillRect(r, selected ? palette().color(QPalette::Highlight) : fixed ? fixedColor_ : background_);
  if (r.height() <= kTextTop) return;
  p.setFont(cellFont_);
  p.setPen(selected ? palette().color(QPalette::HighlightedText) : textColor ? *textColor : textColor_);
  p.drawText(r.adjusted(kTextLeft, kTextTop - 1, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
             Cell(col, row));
}

void TStringGrid::paintEvent(QPaintEvent*) {
  QPainter p(viewport());
  p.fillRect(viewport()->rect(), palette().color(QPalette::Window));
  for (int r = 0; r < rowCount_; ++r) {
    int y = RowY(r);
    if (y < 0 || y > viewport()->height()) continue;
    for (int c = 0; c < colCount_; ++c) {
      int x = ColX(c);
      if (x < 0 || x > viewport()->width()) continue;
      QRect rc(x, y, colWidths_[c], rowHeights_[r]);
      p.save();
      p.setClipRect(rc);
      if (!drawCell_ || !drawCell_(p, c, r, rc)) DrawCellDefault(p, c, r, rc);
      p.restore();
      if (gridLines_) {
        p.fillRect(QRect(rc.right() + 1, rc.top(), kLine, rc.height() + kLine), kLineColor);
        p.fillRect(QRect(rc.left(), rc.bottom() + 1, rc.width() + kLine, kLine), kLineColor);
      }
    }
  }
}

// Arrows, Home/End and page keys; Left and Right move the cell only when the
// caret cannot move inside the text any more.
bool TStringGrid::HandleMoveKey(QKeyEvent* e) {
  int col = col_, row = row_;
  if (!HasSelection()) return false;
  bool whole = editor_->isVisible() && editor_->selectedText() == editor_->text();
  int caret = editor_->cursorPosition(), len = static_cast<int>(editor_->text().size());
  bool editing = editor_->isVisible() && !whole && len > 0;
  switch (e->key()) {
  case Qt::Key_Up: --row; break;
  case Qt::Key_Down: ++row; break;
  case Qt::Key_Left:
    if (editing && (caret > 0 || editor_->hasSelectedText())) return false;
    --col;
    break;
  case Qt::Key_Right:
    if (editing && (caret < len || editor_->hasSelectedText())) return false;
    ++col;
    break;
  case Qt::Key_PageDown: row = std::min(rowCount_ - 1, row + std::max(1, VisibleRowCount())); break;
  case Qt::Key_PageUp: row = std::max(fixedRows_, row - std::max(1, VisibleRowCount())); break;
  default: return false;
  }
  if (col < fixedCols_ || row < fixedRows_ || col >= colCount_ || row >= rowCount_) return true;
  MoveTo(col, row);
  return true;
}

void TStringGrid::keyPressEvent(QKeyEvent* e) {
  bool handled = false;
  emit keyDown(e, handled);
  if (handled) return;
  if (HandleMoveKey(e)) return;
  if (!e->text().isEmpty() && e->text()[0].isPrint()) emit keyPressed(e);
  QAbstractScrollArea::keyPressEvent(e);
}

bool TStringGrid::eventFilter(QObject* o, QEvent* e) {
  if (o == editor_ && e->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(e);
    bool handled = false;
    emit keyDown(k, handled);
    if (handled) return true;
    if (HandleMoveKey(k)) return true;
    if (!k->text().isEmpty() && k->text()[0].isPrint()) emit keyPressed(k);
    return false;
  }
  // A pop-up menu borrows the focus without the cell being left.
  if (o == editor_ && e->type() == QEvent::FocusOut && !hasFocus() &&
      static_cast<QFocusEvent*>(e)->reason() != Qt::PopupFocusReason) {
    PlaceEditor();
    emit exited();
  }
  return QAbstractScrollArea::eventFilter(o, e);
}

void TStringGrid::mousePressEvent(QMouseEvent* e) {
  int col, row;
  if (!CellAt(e->position().toPoint(), col, row)) return;
  emit mousePressed(col, row, e->button());
  if (col >= fixedCols_ && row >= fixedRows_) MoveTo(col, row);
  setFocus();
}

void TStringGrid::mouseDoubleClickEvent(QMouseEvent* e) {
  int col, row;
  if (CellAt(e->position().toPoint(), col, row)) emit doubleClicked(col, row);
}

void TStringGrid::focusInEvent(QFocusEvent* e) {
  QAbstractScrollArea::focusInEvent(e);
  bool fromEditor = e->reason() == Qt::OtherFocusReason && editor_->isVisible();
  if (!fromEditor) emit entered();
  PlaceEditor();
  if (editor_->isVisible()) {
    updatingEditor_ = true;
    editor_->setText(Cell(col_, row_));
    editor_->selectAll();
    updatingEditor_ = false;
    editor_->setFocus();
  }
}

void TStringGrid::focusOutEvent(QFocusEvent* e) {
  QAbstractScrollArea::focusOutEvent(e);
  if (!editor_->hasFocus() && e->reason() != Qt::PopupFocusReason) {
    PlaceEditor();
    emit exited();
  }
}

bool TStringGrid::focusNextPrevChild(bool next) { return QWidget::focusNextPrevChild(next); }

void TStringGrid::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  UpdateScrollBars();
  PlaceEditor();
}

void TStringGrid::scrollContentsBy(int, int) {
  int top = verticalScrollBar()->value(), left = horizontalScrollBar()->value();
  bool changed = top != topRow_ || left != leftCol_;
  topRow_ = std::max(top, fixedRows_);
  leftCol_ = std::max(left, fixedCols_);
  PlaceEditor();
  viewport()->update();
  if (changed) emit topLeftChanged();
}

void TStringGrid::ScrollIntoView(int col, int row) {
  if (row >= fixedRows_ && row < topRow_) SetTopRow(row);
  while (row >= fixedRows_ && topRow_ < row && row >= topRow_ + VisibleRowCount()) SetTopRow(topRow_ + 1);
  if (col >= fixedCols_ && col < leftCol_) SetLeftCol(col);
  while (col >= fixedCols_ && leftCol_ < col && col >= leftCol_ + VisibleColCount()) SetLeftCol(leftCol_ + 1);
}

void TStringGrid::PlaceEditor() {
  bool focused = hasFocus() || editor_->hasFocus();
  QRect r = CellRect(col_, row_);
  bool show = editable_ && focused && !r.isEmpty() && r.height() > 2;
  if (show) {
    editor_->setGeometry(r);
    if (!editor_->isVisible()) editor_->show();
    if (hasFocus()) editor_->setFocus(); // a grid focused without a cell: typing must reach the editor
  } else if (editor_->isVisible()) {
    bool hadFocus = editor_->hasFocus();
    editor_->hide();
    if (hadFocus && editable_) setFocus(Qt::OtherFocusReason);
  }
}

void TStringGrid::UpdateScrollBars() {
  // Changing one bar runs scrollContentsBy, which reads the other bar before
  // it has its new range: the position is taken first and given back last.
  const int top = topRow_, left = leftCol_;
  QScrollBar* v = verticalScrollBar();
  v->setRange(fixedRows_, std::max(fixedRows_, rowCount_ - std::max(1, VisibleRowCount())));
  v->setPageStep(std::max(1, VisibleRowCount()));
  QScrollBar* h = horizontalScrollBar();
  h->setRange(fixedCols_, std::max(fixedCols_, colCount_ - std::max(1, VisibleColCount())));
  h->setPageStep(std::max(1, VisibleColCount()));
  v->setValue(top);
  h->setValue(left);
}

void TStringGrid::EditorTextEdited(const QString& text) {
  if (updatingEditor_ || !Valid(col_, row_)) return;
  cells_[Index(col_, row_)] = text;
  emit cellEdited(col_, row_, text);
}

} // namespace kv::gui
