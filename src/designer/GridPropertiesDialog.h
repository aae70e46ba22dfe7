// "Properties for Puzzle": the letter grid's background, grid lines, line width and letter case.
#pragma once

#include "designer/ObjectDialog.h"

class QCheckBox;

namespace gw {

class GridPropertiesDialog : public ObjectDialog {
  Q_OBJECT

 public:
  explicit GridPropertiesDialog(const LayoutObject& object, QWidget* parent = nullptr);

  void OkButtonClick() override;
  void TransparentClick();
  void LowerCaseClick();
  void UseGridClick();
  void ChangeColorClick();
  void ChangeLineClick();

 protected:
  void FillControls() override;

 private:
  void DisableEnable();

  QCheckBox* transparent_ = nullptr;
  QCheckBox* lowerCase_ = nullptr;
  QCheckBox* useGrid_ = nullptr;
  QLabel* blockBox_ = nullptr;
  QPushButton* changeColor_ = nullptr;
  QLabel* lineBox_ = nullptr;
  QPushButton* changeLine_ = nullptr;
  QLineEdit* lineWidth_ = nullptr;
};

}  // namespace gw
