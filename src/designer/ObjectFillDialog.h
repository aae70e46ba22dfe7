// "Fill Info for ...": whether a rectangle or circle is filled, and with which colour.
#pragma once

#include "designer/ObjectDialog.h"

class QCheckBox;

namespace gw {

class ObjectFillDialog : public ObjectDialog {
  Q_OBJECT

 public:
  explicit ObjectFillDialog(const LayoutObject& object, QWidget* parent = nullptr);

  void OkButtonClick() override;
  void UseBorderClick();
  void ChangeColorClick();

 protected:
  void FillControls() override;

 private:
  void DisableEnable();

  QCheckBox* useBorder_ = nullptr;  // "Fill In Shape"
  QLabel* colorBox_ = nullptr;
  QPushButton* changeColor_ = nullptr;
};

}  // namespace gw
