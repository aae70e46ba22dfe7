// The shape list with its preview and buttons, shared by the Shapes dialog and the word list
// editor's "Puzzle Shape" panel.
#pragma once

#include <QImage>
#include <QObject>
#include <functional>

#include "session/AppState.h"
#include "storage/ShapeRecord.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QWidget;

namespace gw {

class ShapeEditor;
struct PuzzleRecord;

// Which form the list serves; the forms differ only in the default entry, the current-puzzle
// entry and the last-shape index.
struct ShapeListMode {
  enum Kind {
    Library,     // the Shapes dialog: first entry by default
    NewPuzzle,   // word list editor, new puzzle: the last-shape entry by default, remembered
    EditPuzzle,  // word list editor, stored puzzle: its own grid as "<Current Puzzle>"
  };
  Kind kind = Library;
  const PuzzleRecord* puzzle = nullptr;  // EditPuzzle only
};

class ShapeListView : public QObject {
  Q_OBJECT

 public:
  // Shows a prepared editor modally (its saved flag tells the outcome); tests drive it instead.
  using EditorRunner = std::function<void(ShapeEditor& editor)>;

  // The widgets belong to the form; `dialogParent` parents the message, file and editor windows.
  ShapeListView(QListWidget* shapeBox, QLabel* preview, QPushButton* modifyButton,
                QPushButton* deleteButton, AppState& state, ShapeListMode mode,
                QWidget* dialogParent);

  // Rebuilds the list from the library (with the current-puzzle entry in edit mode) and decides
  // the default entry; warns when there is nothing to list.
  void LoadInLayouts();
  void SelectDefaultEntry();
  // The selected entry's shape into CurrentShape; Modify and Delete follow the entry.
  void LoadALayout();
  // CurrentShape into the preview; nothing when the list is empty.
  void DrawTheBox();
  void DeleteALayout();
  void ImportLayout();
  void ExportLayout();
  // Selects the entry carrying `tag`, else the first entry.
  void SetShapeBoxIndex(int tag);

  void ShapeBoxClick();
  void NewShapeClick();
  void CopyShapeClick();
  void ModifyShapeClick();
  void DeleteShapeClick() { DeleteALayout(); }
  void ImportShapeClick() { ImportLayout(); }
  void ExportShapeClick() { ExportLayout(); }

  int EntryCount() const;
  int SelectedTag() const;  // -1 when nothing is selected
  const ShapeRecord& SavedPuzzleShape() const { return savedPuzzleShape_; }
  const QImage& PreviewImage() const { return image_; }
  void SetEditorRunner(EditorRunner runner) { runEditor_ = std::move(runner); }

 signals:
  // The current shape was drawn into the preview: every change of it ends so.
  void shapeDrawn();

 private:
  QListWidgetItem* SelectedItem() const;
  QListWidgetItem* AddEntry(const std::string& text, int tag);
  void Select(QListWidgetItem* item);
  // LoadInLayouts and LoadALayout without their own error report, for the longer operations.
  void Rebuild();
  void LoadSelected();
  void RunEditor(int mode, long recordIndex);
  // Runs a list operation; a read or write failure after an open ends it with the general report.
  void Guarded(const std::function<void()>& operation);

  QListWidget* shapeBox_;
  QLabel* preview_;
  QPushButton* modifyButton_;
  QPushButton* deleteButton_;
  AppState& state_;
  ShapeListMode mode_;
  QWidget* dialogParent_;
  int defaultTag_ = -1;
  ShapeRecord savedPuzzleShape_;
  QImage image_;
  EditorRunner runEditor_;
};

}  // namespace gw
