// "Size & Location of ...": an object's position and size typed in inches or centimetres.
#pragma once

#include "designer/ObjectDialog.h"

class QLabel;
class QLineEdit;

namespace gw {

class ObjectGeometryDialog : public ObjectDialog {
  Q_OBJECT

 public:
  // `u` design pixels per unit, `inches` the unit, and the page size in design pixels, against
  // which the top-left corner is tested.
  ObjectGeometryDialog(const LayoutObject& object, int u, bool inches, int pixelWidth,
                       int pixelHeight, QWidget* parent = nullptr);

  void OkButtonClick() override;

 protected:
  void FillControls() override;

 private:
  int u_;
  bool inches_;
  int pixelWidth_, pixelHeight_;
  QLabel* valueCaption_ = nullptr;
  QLineEdit* leftPos_ = nullptr;
  QLineEdit* topPos_ = nullptr;
  QLineEdit* widthSize_ = nullptr;
  QLineEdit* heightSize_ = nullptr;
};

}  // namespace gw
