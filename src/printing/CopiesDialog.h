// The copies dialog of the preview: how many copies of the page to print.
#pragma once

#include <QDialog>

class QLineEdit;

namespace gw {

class CopiesDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CopiesDialog(QWidget* parent = nullptr);

  // Accepts a whole number above 0; anything else is refused with a message and the dialog stays.
  void OkButtonClick();
  void CancelButtonClick();

  // The count accepted by "&Ok".
  int Copies() const { return copies_; }

 private:
  QLineEdit* numCopies_;
  int copies_ = 1;
};

}  // namespace gw
