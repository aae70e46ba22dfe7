// "Text": the free text of a text object, up to 1000 characters over several lines.
#pragma once

#include "designer/ObjectDialog.h"

class QPlainTextEdit;

namespace gw {

class ObjectTextDialog : public ObjectDialog {
  Q_OBJECT

 public:
  explicit ObjectTextDialog(const LayoutObject& object, QWidget* parent = nullptr);

  void OkButtonClick() override;
  QPlainTextEdit* DataField() const { return dataField_; }

 protected:
  void FillControls() override;

 private:
  // Keeps the box within what the record holds (a line break counts two characters).
  void LimitText();
  bool Fits() const;

  QPlainTextEdit* dataField_ = nullptr;
};

}  // namespace gw
