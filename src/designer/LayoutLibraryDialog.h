// The layout library dialog "Puzzle Page Layouts": the saved page layouts with their preview.
#pragma once

#include <QDialog>
#include <QImage>
#include <functional>
#include <memory>
#include <optional>

#include "base/AppPaths.h"
#include "layouts/LayoutDesign.h"
#include "storage/PageLayout.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace gw {

// Why the library was opened; only the picking modes can "&Select" a layout.
enum class LayoutLibraryMode {
  Manage = 1,         // the main window's Page Layout
  PickForPuzzle = 2,  // the word list editor's Change Layout: into the current puzzle
  PickForPrint = 3,   // the print options: into the layout of one print run
};

class LayoutLibraryDialog : public QDialog {
  Q_OBJECT

 public:
  // `target` receives the chosen layout on "&Select" (the picking modes); Manage needs none.
  LayoutLibraryDialog(const AppPaths& paths, LayoutLibraryMode mode, PageLayout* target,
                      QWidget* parent = nullptr);
  ~LayoutLibraryDialog() override;

  // Placement, the legend, the list with its first entry read and drawn. Runs once, when the
  // dialog is first shown; tests call it directly.
  void FormShow();
  // Rebuilds the list from the library; warns and disables what needs a record when it is empty.
  void LoadInLayouts();
  // The selected entry's record into the buffer, and the preview of it.
  void ShapeBoxClick();
  void DrawTheBox();

  void SelectButtonClick();
  // Open the page designer on a new layout, on the selected one, or on a copy of it; after a save
  // the list shows and selects the layout written.
  void NewButtonClick();
  void ModifyButtonClick();
  void CopyButtonClick();
  void DeleteButtonClick();
  void ImportButtonClick();
  void ExportButtonClick();
  void SetDefaultButtonClick();
  void ExitButtonClick() { reject(); }

  LayoutLibraryMode Mode() const { return mode_; }
  QListWidget* ShapeBox() const { return shapeBox_; }
  // Record index of the selected entry, or -1.
  long SelectedIndex() const;
  // The record of the selected entry as last read.
  const PageLayout& Buffer() const { return *buffer_; }
  // The preview as last drawn; null while the library holds no record.
  const QImage& PreviewImage() const { return image_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  QListWidgetItem* SelectedItem() const;
  // Selects without loading; the callers load and draw themselves.
  void SelectRow(int row);
  void SelectRecord(long index);
  // The list, quietly; true when it holds a record.
  bool Rebuild();
  void ReadSelected();
  // "&Select" needs a picking mode, a record and a selection; the others need a record.
  void UpdateButtons();
  // Runs a library operation; a read or write failure after an open ends it with the general
  // report.
  void Guarded(const std::function<void()>& operation);
  // Runs the designer modally; the record it wrote, nothing when it did not save.
  std::optional<long> RunDesigner(DesignerMode mode, const PageLayout* layout, long index);
  // A copy of the selected record, or nothing (after the message) without a selection.
  std::unique_ptr<PageLayout> SelectedLayout();
  // The list rebuilt with record `index` (or the first entry) selected, read and drawn.
  void ShowRecord(long index);

  AppPaths paths_;
  LayoutLibraryMode mode_;
  PageLayout* target_;
  std::unique_ptr<PageLayout> buffer_;
  QImage image_;
  bool shown_ = false;

  QListWidget* shapeBox_ = nullptr;
  QLabel* img_ = nullptr;
  QPushButton* select_ = nullptr;
  QPushButton* new_ = nullptr;
  QPushButton* modify_ = nullptr;
  QPushButton* copy_ = nullptr;
  QPushButton* delete_ = nullptr;
  QPushButton* import_ = nullptr;
  QPushButton* export_ = nullptr;
  QPushButton* setDefault_ = nullptr;
  QPushButton* exit_ = nullptr;
};

}  // namespace gw
