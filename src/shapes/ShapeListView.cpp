// Shape list operations shared by both shape lists.
#include "shapes/ShapeListView.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "base/IoError.h"
#include "base/Settings.h"
#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "shapes/ShapeEditing.h"
#include "shapes/ShapeEditor.h"
#include "shapes/ShapeLibrary.h"
#include "shapes/ShapePreview.h"
#include "storage/PuzzleRecord.h"
#include "widgets/FileDialogs.h"
#include "widgets/Messages.h"
#include "widgets/SortedItem.h"

namespace gw {

namespace {
constexpr int kTagRole = Qt::UserRole;
}  // namespace

ShapeListView::ShapeListView(QListWidget* shapeBox, QLabel* preview, QPushButton* modifyButton,
                             QPushButton* deleteButton, AppState& state, ShapeListMode mode,
                             QWidget* dialogParent)
    : QObject(shapeBox),
      shapeBox_(shapeBox),
      preview_(preview),
      modifyButton_(modifyButton),
      deleteButton_(deleteButton),
      state_(state),
      mode_(mode),
      dialogParent_(dialogParent),
      runEditor_([](ShapeEditor& editor) { editor.exec(); }) {
  MakeNewShape(savedPuzzleShape_);
  shapeBox_->setSelectionMode(QAbstractItemView::SingleSelection);
  shapeBox_->setSortingEnabled(true);
  // A long name takes a second line rather than hiding its end behind a scroll bar.
  shapeBox_->setWordWrap(true);
  shapeBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  shapeBox_->setResizeMode(QListView::Adjust);
  // Only the user's selections load a shape; the operations select quietly and load themselves.
  // A click moves the current item before it selects it, so the selection is the signal to follow.
  connect(shapeBox_, &QListWidget::itemSelectionChanged, this, [this] { ShapeBoxClick(); });
}

void ShapeListView::Guarded(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const IoError& e) {
    ShowIoError(e.what());
  }
}

QListWidgetItem* ShapeListView::AddEntry(const std::string& text, int tag) {
  auto* item = new SortedItem(ToQString(text));
  item->setData(kTagRole, tag);
  shapeBox_->addItem(item);
  return item;
}

QListWidgetItem* ShapeListView::SelectedItem() const {
  QListWidgetItem* item = shapeBox_->currentItem();
  return item && item->isSelected() ? item : nullptr;
}

int ShapeListView::SelectedTag() const {
  QListWidgetItem* item = SelectedItem();
  return item ? item->data(kTagRole).toInt() : -1;
}

int ShapeListView::EntryCount() const {
  return shapeBox_->count();
}

void ShapeListView::Select(QListWidgetItem* item) {
  const QSignalBlocker quiet(shapeBox_);
  shapeBox_->setCurrentItem(item);
  if (item) {
    item->setSelected(true);
    shapeBox_->scrollToItem(item);
  }
}

// ---- Building and selecting ------------------------------------------------------------------

void ShapeListView::LoadInLayouts() {
  Guarded([this] { Rebuild(); });
}

void ShapeListView::Rebuild() {
  {
    const QSignalBlocker quiet(shapeBox_);
    shapeBox_->clear();
  }
  defaultTag_ = -1;

  if (mode_.kind == ShapeListMode::EditPuzzle && mode_.puzzle) {
    ShapeRecord& shape = state_.currentShape;
    ShapeOfPuzzle(*mode_.puzzle, shape);
    // The entry names no stored shape, so its name follows the windows' language.
    ShapeRecord shown = shape;
    shown.shapeName.Set(FromQString(tr("<Current Puzzle>")));
    AddEntry(ShapeEntryText(shown), kCurrentPuzzleTag);
    savedPuzzleShape_ = shape;
  }

  if (const auto entries = ListShapes(ShapeLibraryPath(state_.paths)))
    for (const ShapeEntry& entry : *entries) AddEntry(entry.text, entry.tag);

  if (shapeBox_->count() == 0) {
    ShowMessage(tr("No saved shape information could be found."), "Warning");
    return;
  }
  switch (mode_.kind) {
    case ShapeListMode::EditPuzzle:
      defaultTag_ = kCurrentPuzzleTag;
      break;
    case ShapeListMode::NewPuzzle:
      defaultTag_ = static_cast<int>(AppSettings().lastShape);
      break;
    case ShapeListMode::Library:
      break;
  }
}

void ShapeListView::SelectDefaultEntry() {
  SetShapeBoxIndex(defaultTag_);
}

void ShapeListView::SetShapeBoxIndex(int tag) {
  if (shapeBox_->count() == 0) return;
  for (int row = 0; row < shapeBox_->count(); ++row)
    if (shapeBox_->item(row)->data(kTagRole).toInt() == tag) {
      Select(shapeBox_->item(row));
      return;
    }
  Select(shapeBox_->item(0));
}

// ---- Loading and drawing ---------------------------------------------------------------------

void ShapeListView::LoadALayout() {
  Guarded([this] { LoadSelected(); });
}

void ShapeListView::LoadSelected() {
  QListWidgetItem* item = SelectedItem();
  if (!item) return;
  const int tag = item->data(kTagRole).toInt();
  if (tag == kCurrentPuzzleTag) {
    state_.currentShape = savedPuzzleShape_;
    modifyButton_->setEnabled(false);
    deleteButton_->setEnabled(false);
    return;
  }
  if (mode_.kind != ShapeListMode::Library) AppSettings().lastShape = tag;
  const std::string library = ShapeLibraryPath(state_.paths);
  ShapeRecord shape;
  if (!ReadShape(library, tag, shape)) throw IoError("cannot open " + library);
  state_.currentShape = shape;
  modifyButton_->setEnabled(true);
  deleteButton_->setEnabled(true);
}

void ShapeListView::DrawTheBox() {
  if (shapeBox_->count() == 0) return;
  image_ = QImage(preview_->size(), QImage::Format_RGB32);
  DrawShapePreview(image_, state_.currentShape, preview_->palette().color(QPalette::Button));
  preview_->setPixmap(QPixmap::fromImage(image_));
  preview_->setAccessibleDescription(tr("%1 by %2 cells, %3 usable")
                                         .arg(ClampedShapeWidth(state_.currentShape))
                                         .arg(ClampedShapeHeight(state_.currentShape))
                                         .arg(UsableCells(state_.currentShape)));
  emit shapeDrawn();
}

void ShapeListView::ShapeBoxClick() {
  LoadALayout();
  DrawTheBox();
}

// ---- Delete, import, export ------------------------------------------------------------------

void ShapeListView::DeleteALayout() {
  QListWidgetItem* item = SelectedItem();
  if (!item) return;
  const int tag = item->data(kTagRole).toInt();
  if (tag == kCurrentPuzzleTag) return;  // the puzzle's own grid is not in the library
  if (ShowMessage(tr("Are you sure you want to delete \"%1\"?").arg(item->text()), "Delete?",
                  MsgButtons::YesNo) != MsgResult::Yes)
    return;
  const int row = shapeBox_->row(item);
  Guarded([&] {
    const OpResult result = DeleteShape(ShapeLibraryPath(state_.paths), tag);
    if (!result.ok) {
      ShowMessage(result.message, result.caption);
      return;
    }
    Rebuild();
    if (shapeBox_->count() > 0) Select(shapeBox_->item(std::min(row, shapeBox_->count() - 1)));
    LoadSelected();
    DrawTheBox();
  });
}

void ShapeListView::ImportLayout() {
  const std::optional<std::string> file = RunFileDialog(
      dialogParent_, FileDialogRequest::ForOpen(tr("Import Puzzle Shape").toStdString(),
                                                tr("Puzzle Shapes (*.LAY)|*.LAY").toStdString(),
                                                "LAY", AppSettings().lastImportShapeFile));
  if (!file) return;
  AppSettings().lastImportShapeFile = *file;
  Guarded([&] {
    long index = -1;
    const OpResult result =
        ImportShape(*file, ShapeLibraryPath(state_.paths), state_.currentShape, index);
    if (!result.ok) {
      ShowMessage(result.message, result.caption);
      return;
    }
    Select(AddEntry(ShapeEntryText(state_.currentShape), static_cast<int>(index)));
    modifyButton_->setEnabled(true);
    deleteButton_->setEnabled(true);
    DrawTheBox();
  });
}

void ShapeListView::ExportLayout() {
  if (!SelectedItem()) {
    ShowMessage(tr("No shape selected."), "Error");
    return;
  }
  const std::optional<std::string> file = RunFileDialog(
      dialogParent_, FileDialogRequest::ForSave(tr("Export Puzzle Shape").toStdString(),
                                                tr("Puzzle Shape (*.LAY)|*.LAY").toStdString(),
                                                "LAY", AppSettings().lastExportShapeFile));
  if (!file) return;
  AppSettings().lastExportShapeFile = *file;
  Guarded([&] {
    // The record as stored, not whatever an earlier Copy did to CurrentShape's name.
    LoadSelected();
    const OpResult result = ExportShape(*file, state_.currentShape);
    ShowMessage(result.message, result.caption);
  });
}

// ---- New, Copy, Modify -----------------------------------------------------------------------

void ShapeListView::NewShapeClick() {
  RunEditor(ShapeEditor::kNew, 0);
}

void ShapeListView::CopyShapeClick() {
  // The new name stays in CurrentShape even when the editor is cancelled.
  ShapeRecord& shape = state_.currentShape;
  shape.shapeName.Set(CopyName(shape.shapeName.Get(), 50));
  RunEditor(ShapeEditor::kCopy, 0);
}

void ShapeListView::ModifyShapeClick() {
  // Without a library entry there is no record to overwrite.
  const int tag = SelectedTag();
  if (tag < 0 || tag == kCurrentPuzzleTag) return;
  RunEditor(ShapeEditor::kModify, tag);
}

void ShapeListView::RunEditor(int mode, long recordIndex) {
  ShapeEditor editor(state_, mode, recordIndex, dialogParent_);
  runEditor_(editor);
  if (!editor.Saved()) return;
  Guarded([&] {
    Rebuild();
    SetShapeBoxIndex(static_cast<int>(editor.WrittenIndex()));
    LoadSelected();
    DrawTheBox();
  });
}

}  // namespace gw
