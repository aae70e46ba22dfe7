// What the layout object dialogs share: a copy of one object, handed back only after "&Ok".
#pragma once

#include <QDialog>
#include <QString>
#include <optional>

#include "storage/PageLayout.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace gw {

class ObjectDialog : public QDialog {
  Q_OBJECT

 public:
  // The dialog's copy of the object, with every change made so far.
  const LayoutObject& Object() const { return object_; }
  // Set only by "&Ok" once every box held a valid value.
  bool Accepted() const { return accepted_; }

  // Placement and the controls filled from the copy. Runs once, when the dialog is first shown;
  // tests call it directly.
  void FormShow();
  virtual void OkButtonClick() = 0;
  void CancelButtonClick();

 protected:
  // `height` is the design height of the client; "&Ok" and "&Cancel" sit along its bottom.
  ObjectDialog(const LayoutObject& object, const QString& caption, int width, int height,
               QWidget* parent);

  // Fills the controls from object_ and applies the enabling rules.
  virtual void FillControls() = 0;
  void Accept();

  // A colour swatch showing `color` (0x00BBGGRR); `caption` is the label above it, what a screen
  // reader calls it.
  QLabel* MakeSwatch(const char* name, const QRect& design, const QString& caption);
  static void PaintSwatch(QLabel* swatch, uint32_t color);
  // The colour chooser preset with `field`; a confirmed colour goes into `field` and the swatch.
  void ChangeColorOf(uint32_t& field, QLabel* swatch);
  // Reads a one-character count box; on an invalid value shows `message`, focuses the box and
  // gives nothing.
  std::optional<int> ReadCountBox(QLineEdit* box, const char* message);

  void showEvent(QShowEvent* event) override;

  LayoutObject object_;

 private:
  bool accepted_ = false;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  bool shown_ = false;
  QString caption_;
};

// Runs an object dialog modally; true when it was closed with "&Ok".
bool RunObjectDialog(ObjectDialog& dialog);

}  // namespace gw
