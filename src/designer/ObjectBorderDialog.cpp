// The border dialog of a layout object.
#include "designer/ObjectBorderDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/TextCodec.h"
#include "widgets/FormLayout.h"

namespace gw {

ObjectBorderDialog::ObjectBorderDialog(const LayoutObject& object, QWidget* parent)
    : ObjectDialog(object, tr("Border Info for %1").arg(ToQString(object.objectName.Get())), 300,
                   176, parent) {
  useBorder_ = Named(new QCheckBox(tr("&Use Border"), this), "UseBorder", {16, 14, 268, 24});
  auto* widthLabel = Named(new QLabel(tr("Width"), this), "WidthLabel", {16, 50, 110, 20});
  widthSize_ = Named(new QLineEdit(this), "WidthSize", {16, 70, 44, 26});
  widthLabel->setBuddy(widthSize_);
  widthSize_->setMaxLength(1);
  auto* colorLabel = Named(new QLabel(tr("Border Color"), this), "ColorLabel", {136, 50, 148, 20});
  colorBox_ = MakeSwatch("ColorBox", {136, 70, 26, 26}, colorLabel->text());
  changeColor_ =
      Named(new QPushButton(tr("C&hange Color"), this), "ChangeColor", {168, 68, 116, 30});
  changeColor_->setAutoDefault(false);
  connect(useBorder_, &QCheckBox::clicked, this, &ObjectBorderDialog::UseBorderClick);
  connect(changeColor_, &QPushButton::clicked, this, &ObjectBorderDialog::ChangeColorClick);
}

void ObjectBorderDialog::FillControls() {
  useBorder_->setChecked(object_.border != 0);
  widthSize_->setText(QString::number(object_.borderWidth));
  PaintSwatch(colorBox_, object_.borderColor);
  DisableEnable();
}

void ObjectBorderDialog::DisableEnable() {
  widthSize_->setEnabled(useBorder_->isChecked());
  changeColor_->setEnabled(useBorder_->isChecked());
}

void ObjectBorderDialog::UseBorderClick() {
  object_.border = useBorder_->isChecked() ? 1 : 0;
  DisableEnable();
}

void ObjectBorderDialog::ChangeColorClick() {
  ChangeColorOf(object_.borderColor, colorBox_);
}

void ObjectBorderDialog::OkButtonClick() {
  // Checked even without a border: the width is kept for when the border is turned on again.
  const std::optional<int> width =
      ReadCountBox(widthSize_, QT_TRANSLATE_NOOP("gw::Messages", "Invalid width entered."));
  if (!width) return;
  object_.borderWidth = static_cast<int16_t>(*width);
  Accept();
}

}  // namespace gw
