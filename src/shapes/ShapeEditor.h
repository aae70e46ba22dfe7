// The shape editor "Shape Creator": draws a puzzle shape and saves it into the shape library.
#pragma once

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <string>

#include "session/AppState.h"
#include "shapes/ShapeEditing.h"
#include "storage/ShapeRecord.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace gw {

class ShapeEditor : public QDialog {
  Q_OBJECT

 public:
  enum Mode { kNew = 1, kModify = 2, kCopy = 3 };

  // Modify and Copy start from state.currentShape; Modify overwrites record `recordIndex`.
  ShapeEditor(const AppState& state, int mode, long recordIndex = 0, QWidget* parent = nullptr);

  // Placement, the working shape for the mode, the boxes, and a full redraw. Runs once, when the
  // dialog is first shown; tests call it directly.
  void FormShow();
  void DrawGrid();

  void WidthEditExit();
  void HeightEditExit();
  // Store a valid 5..30 box value into the working shape, else report, refocus and return false.
  bool CheckWidth();
  bool CheckHeight();

  void LeftButtonClick();
  void RightButtonClick();
  void UpButtonClick();
  void DownButtonClick();
  void ReverseButtonClick();
  void UndoButtonClick();

  // Mouse on Img, in image pixels.
  void ImgMouseDown(Qt::MouseButton button, QPoint position);
  void ImgMouseUp(Qt::MouseButton button, QPoint position);
  void TestForMatch(QPoint press, QPoint release);
  void TestForMatchFill(QPoint press, QPoint release);
  // Keys on Img: the arrows move the keyboard's cell, Space toggles it and Shift+Space fills its
  // region. False for keys it leaves to the dialog.
  bool ImgKeyPress(const QKeyEvent* event);

  void SaveButtonClick();
  void CancelButtonClick();

  // True once the working shape was written to the library; WrittenIndex() is its record.
  bool Saved() const { return saved_; }
  long WrittenIndex() const { return writtenIndex_; }
  const ShapeRecord& Working() const { return working_; }
  const QImage& Image() const { return image_; }
  int CellSize() const { return cellSize_; }

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void done(int result) override;

 private:
  void TakeSnapshot();
  bool CheckSize(QLineEdit* box, int16_t& field, const QString& message);
  void ToggleAt(ShapeCell cell);
  void FillAt(ShapeCell cell);
  void ShowImage();

  std::string libraryPath_;
  ShapeRecord currentShape_;  // the caller's CurrentShape, as it was when the editor was made
  int mode_;
  long recordIndex_;

  ShapeRecord working_;
  ShapeRecord snapshot_;
  bool saved_ = false;
  long writtenIndex_ = -1;
  bool shown_ = false;
  bool closing_ = false;
  int cellSize_ = 1;
  bool leftPending_ = false, rightPending_ = false;
  QPoint leftPress_, rightPress_;
  ShapeCell cursor_{1, 1};
  QImage image_;

  QLabel* img_ = nullptr;
  QLineEdit* title_ = nullptr;
  QLineEdit* widthEdit_ = nullptr;
  QLineEdit* heightEdit_ = nullptr;
  QPushButton* undoButton_ = nullptr;
};

}  // namespace gw
