// "Border Info for ...": whether a layout object has a border, how wide and in which colour.
#pragma once

#include "designer/ObjectDialog.h"

class QCheckBox;

namespace gw {

class ObjectBorderDialog : public ObjectDialog {
  Q_OBJECT

 public:
  explicit ObjectBorderDialog(const LayoutObject& object, QWidget* parent = nullptr);

  void OkButtonClick() override;
  void UseBorderClick();
  void ChangeColorClick();

 protected:
  void FillControls() override;

 private:
  void DisableEnable();

  QCheckBox* useBorder_ = nullptr;
  QLineEdit* widthSize_ = nullptr;
  QLabel* colorBox_ = nullptr;
  QPushButton* changeColor_ = nullptr;
};

}  // namespace gw
