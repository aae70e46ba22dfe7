// The word and clue grid of the word list editor: 330 rows, always-open cell editor, Tab and
// Enter move between the editable cells.
#pragma once

#include <QStyledItemDelegate>
#include <QTableWidget>
#include <vector>

#include "editor/PuzzleEntries.h"

namespace gw {

class WordGrid : public QTableWidget {
  Q_OBJECT

 public:
  static constexpr int kRows = 330;
  enum Column { kCnt = 0, kUsed = 1, kWord = 2, kClue = 3 };
  static constexpr int kWordLimit = 30;
  static constexpr int kClueLimit = 150;

  explicit WordGrid(QWidget* parent = nullptr);

  // Row 1..330, column 0..3; texts are kept as typed (limits apply while typing and on store).
  QString Cell(int column, int row) const;
  void SetCell(int column, int row, const QString& text);
  // Word and clue of rows 1..330 as typed, in Windows-1252.
  std::vector<PuzzleEntries::Row> Rows() const;
  // Columns 0 .. fixedThrough are read-only (1 normally, 2 in edit mode).
  void SetFixedThrough(int column);
  int FixedThrough() const { return fixedThrough_; }
  // 4 with clues, 3 without; the clue texts live on in the model while the column is hidden.
  void SetColumns(int count);
  bool IsEditableColumn(int column) const {
    return column > fixedThrough_ && column < columnCount();
  }
  // Takes what the open cell editor holds into its cell and closes the editor, as leaving the
  // cell does. Accelerators act without moving the focus, so every command that reads or rewrites
  // the cells calls this first. (Escape in an open cell takes back that cell's edit instead.)
  void CommitOpenEditor();

 protected:
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void UpdateFlags();
  int fixedThrough_ = 1;
};

// Cell editor with the word and clue limits; a cell opened for editing shows its text cut to
// the limit. Enter commits and moves down; Escape takes back the cell's edit and goes no further.
class WordGridDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  bool eventFilter(QObject* editor, QEvent* event) override;
};

}  // namespace gw
