// The shape library dialog "Shapes": the list of saved shapes with preview, editor and exchange.
#pragma once

#include <QDialog>

#include "session/AppState.h"
#include "shapes/ShapeListView.h"

class QLabel;
class QListWidget;

namespace gw {

class ShapeLibraryDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ShapeLibraryDialog(AppState& state, QWidget* parent = nullptr);

  // Placement, the list, its default entry loaded and drawn, focus on the list. Runs once, when
  // the dialog is first shown; tests call it directly.
  void FormShow();

  void LoadInLayouts() { panel_->LoadInLayouts(); }
  void LoadALayout() { panel_->LoadALayout(); }
  void DrawTheBox() { panel_->DrawTheBox(); }
  void DeleteALayout() { panel_->DeleteALayout(); }
  void ImportLayout() { panel_->ImportLayout(); }
  void ExportLayout() { panel_->ExportLayout(); }
  void SetShapeBoxIndex(int tag) { panel_->SetShapeBoxIndex(tag); }

  void ShapeBoxClick() { panel_->ShapeBoxClick(); }
  void NewShapeClick() { panel_->NewShapeClick(); }
  void CopyShapeClick() { panel_->CopyShapeClick(); }
  void ModifyShapeClick() { panel_->ModifyShapeClick(); }
  void DeleteShapeClick() { panel_->DeleteShapeClick(); }
  void ImportShapeClick() { panel_->ImportShapeClick(); }
  void ExportShapeClick() { panel_->ExportShapeClick(); }
  void ExitButtonClick() { accept(); }

  ShapeListView& Panel() { return *panel_; }
  QListWidget* ShapeBox() const { return shapeBox_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QListWidget* shapeBox_ = nullptr;
  QLabel* layoutImage_ = nullptr;
  ShapeListView* panel_ = nullptr;
  bool shown_ = false;
};

}  // namespace gw
