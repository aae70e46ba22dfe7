// Word and clue grid.
#include "editor/WordGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

#include "base/TextCodec.h"

namespace gw {

namespace {
const QColor kFixedColor(224, 224, 224);
}

WordGrid::WordGrid(QWidget* parent) : QTableWidget(kRows, 4, parent) {
  setItemDelegate(new WordGridDelegate(this));
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setHighlightSections(false);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setShowGrid(true);
  setTabKeyNavigation(true);
  // The cell editor opens as soon as a cell becomes current, so typing goes straight in.
  setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::AnyKeyPressed |
                  QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
  setHorizontalHeaderLabels(
      {QStringLiteral("Cnt"), QStringLiteral("U"), QStringLiteral("Word"), QStringLiteral("Clue")});
  for (int row = 0; row < kRows; ++row)
    for (int column = 0; column < 4; ++column) setItem(row, column, new QTableWidgetItem);
  UpdateFlags();
}

QString WordGrid::Cell(int column, int row) const {
  const QTableWidgetItem* it = item(row - 1, column);
  return it ? it->text() : QString();
}

void WordGrid::SetCell(int column, int row, const QString& text) {
  QTableWidgetItem* it = item(row - 1, column);
  if (!it) setItem(row - 1, column, it = new QTableWidgetItem);
  it->setText(text);
}

std::vector<PuzzleEntries::Row> WordGrid::Rows() const {
  std::vector<PuzzleEntries::Row> rows(kRows);
  for (int row = 1; row <= kRows; ++row)
    rows[row - 1] = {FromQString(Cell(kWord, row)), FromQString(Cell(kClue, row))};
  return rows;
}

void WordGrid::SetFixedThrough(int column) {
  fixedThrough_ = column;
  UpdateFlags();
}

void WordGrid::SetColumns(int count) {
  // Hiding keeps the clue items, so showing the column again needs no copying here.
  setColumnHidden(kClue, count < 4);
  UpdateFlags();
}

void WordGrid::UpdateFlags() {
  for (int row = 0; row < kRows; ++row)
    for (int column = 0; column < 4; ++column) {
      QTableWidgetItem* it = item(row, column);
      if (!it) continue;
      const bool fixed = column <= fixedThrough_;
      it->setFlags(fixed ? Qt::ItemIsEnabled
                         : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
      it->setBackground(fixed ? QBrush(kFixedColor) : QBrush());
      if (column == kUsed) it->setTextAlignment(Qt::AlignCenter);
      if (column == kCnt) it->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
}

void WordGrid::CommitOpenEditor() {
  if (state() != EditingState) return;
  QWidget* editor = indexWidget(currentIndex());
  if (!editor) return;
  commitData(editor);
  closeEditor(editor, QAbstractItemDelegate::NoHint);
}

QModelIndex WordGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  // Tab and Shift+Tab visit only the editable cells, row by row.
  if (action != MoveNext && action != MovePrevious)
    return QTableWidget::moveCursor(action, modifiers);
  const int first = fixedThrough_ + 1;
  const int last = isColumnHidden(kClue) ? kWord : kClue;
  if (first > last) return currentIndex();
  int row = std::max(currentRow(), 0);
  int column = std::max(currentColumn(), first - 1);
  if (action == MoveNext) {
    if (++column > last) {
      column = first;
      row = std::min(row + 1, kRows - 1);
    }
  } else {
    if (--column < first) {
      column = last;
      row = std::max(row - 1, 0);
    }
  }
  return model()->index(row, column);
}

void WordGrid::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    // Enter moves down the column, the way lists are typed.
    const int row = std::min(currentRow() + 1, kRows - 1);
    setCurrentCell(row, std::max(currentColumn(), fixedThrough_ + 1));
    return;
  }
  QTableWidget::keyPressEvent(event);
}

QWidget* WordGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
  auto* edit = qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
  if (!edit) edit = new QLineEdit(parent);
  edit->setMaxLength(index.column() == WordGrid::kWord ? WordGrid::kWordLimit
                                                       : WordGrid::kClueLimit);
  edit->setFrame(false);
  edit->installEventFilter(const_cast<WordGridDelegate*>(this));
  return edit;
}

void WordGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  auto* edit = qobject_cast<QLineEdit*>(editor);
  if (!edit) return QStyledItemDelegate::setEditorData(editor, index);
  const int limit = index.column() == WordGrid::kWord ? WordGrid::kWordLimit : WordGrid::kClueLimit;
  edit->setText(index.data(Qt::EditRole).toString().left(limit));
  edit->selectAll();
}

bool WordGridDelegate::eventFilter(QObject* editor, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      // Commit, then let the grid move to the next row.
      auto* widget = qobject_cast<QWidget*>(editor);
      emit commitData(widget);
      emit closeEditor(widget, QAbstractItemDelegate::NoHint);
      if (auto* grid = qobject_cast<WordGrid*>(parent())) {
        const int row = std::min(grid->currentRow() + 1, WordGrid::kRows - 1);
        grid->setCurrentCell(row, grid->currentColumn());
      }
      return true;
    }
    if (key->key() == Qt::Key_Escape) {
      // Escape takes back what was typed into this cell and nothing else; the window never sees
      // it, so a stray Escape cannot close the editor with every word of a new puzzle in it.
      emit closeEditor(qobject_cast<QWidget*>(editor), QAbstractItemDelegate::RevertModelCache);
      return true;
    }
  }
  return QStyledItemDelegate::eventFilter(editor, event);
}

}  // namespace gw
