// The JPEG factor dialog: the compression quality of JPEG pictures.
#pragma once

#include <QDialog>

class QLineEdit;

namespace gw {

// Edits the "JPeg Compression Quality" setting: "&Ok" stores a value from 1 to 100 and refuses
// anything else with a message, keeping the dialog open.
class JpegQualityDialog : public QDialog {
  Q_OBJECT

 public:
  explicit JpegQualityDialog(QWidget* parent = nullptr);

  void OkButtonClick();
  void CancelButtonClick();

 private:
  QLineEdit* factor_;
};

}  // namespace gw
