// The fill dialog of a rectangle or circle.
#include "designer/ObjectFillDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "base/TextCodec.h"
#include "widgets/FormLayout.h"

namespace gw {

ObjectFillDialog::ObjectFillDialog(const LayoutObject& object, QWidget* parent)
    : ObjectDialog(object, tr("Fill Info for %1").arg(ToQString(object.objectName.Get())), 300, 160,
                   parent) {
  useBorder_ = Named(new QCheckBox(tr("&Fill In Shape"), this), "UseBorder", {16, 14, 268, 24});
  auto* colorLabel = Named(new QLabel(tr("Fill Color"), this), "ColorLabel", {16, 50, 268, 20});
  colorBox_ = MakeSwatch("ColorBox", {16, 72, 26, 26}, colorLabel->text());
  changeColor_ =
      Named(new QPushButton(tr("C&hange Color"), this), "ChangeColor", {50, 70, 116, 30});
  changeColor_->setAutoDefault(false);
  connect(useBorder_, &QCheckBox::clicked, this, &ObjectFillDialog::UseBorderClick);
  connect(changeColor_, &QPushButton::clicked, this, &ObjectFillDialog::ChangeColorClick);
}

void ObjectFillDialog::FillControls() {
  useBorder_->setChecked(object_.optionB != 0);
  PaintSwatch(colorBox_, object_.fillColor);
  DisableEnable();
}

void ObjectFillDialog::DisableEnable() {
  changeColor_->setEnabled(useBorder_->isChecked());
}

void ObjectFillDialog::UseBorderClick() {
  object_.optionB = useBorder_->isChecked() ? 1 : 0;
  DisableEnable();
}

void ObjectFillDialog::ChangeColorClick() {
  ChangeColorOf(object_.fillColor, colorBox_);
}

void ObjectFillDialog::OkButtonClick() {
  Accept();
}

}  // namespace gw
