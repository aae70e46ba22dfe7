// "Properties for ...": the options of a title, word list, bonus question, text or bitmap object.
#pragma once

#include "designer/ObjectDialog.h"

class QCheckBox;

namespace gw {

class ObjectPropertiesDialog : public ObjectDialog {
  Q_OBJECT

 public:
  explicit ObjectPropertiesDialog(const LayoutObject& object, QWidget* parent = nullptr);

  void OkButtonClick() override;
  void TransparentClick();
  void MakeFitClick();

 protected:
  void FillControls() override;

 private:
  QCheckBox* transparent_ = nullptr;  // "Tile Bitmap" for a bitmap
  QCheckBox* makeFit_ = nullptr;
  QLabel* columnsLabel_ = nullptr;
  QLineEdit* numColumns_ = nullptr;
};

}  // namespace gw
