// The properties dialog of the puzzle grid.
#include "designer/GridPropertiesDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/TextCodec.h"
#include "widgets/FormLayout.h"

namespace gw {

GridPropertiesDialog::GridPropertiesDialog(const LayoutObject& object, QWidget* parent)
    : ObjectDialog(object, tr("Properties for %1").arg(ToQString(object.objectName.Get())), 340,
                   298, parent) {
  transparent_ =
      Named(new QCheckBox(tr("&Transparent Background"), this), "Transparent", {16, 14, 308, 24});
  lowerCase_ =
      Named(new QCheckBox(tr("&Lower Case Letters"), this), "LowerCase", {16, 42, 308, 24});
  useGrid_ = Named(new QCheckBox(tr("&Use Grid"), this), "UseGrid", {16, 70, 308, 24});

  auto* blockLabel =
      Named(new QLabel(tr("Background Color"), this), "BlockLabel", {16, 106, 180, 20});
  blockBox_ = MakeSwatch("BlockBox", {16, 128, 26, 26}, blockLabel->text());
  changeColor_ = Named(new QPushButton(tr("Ch&ange Color", "background"), this), "ChangeColor",
                       {50, 126, 116, 30});
  auto* lineLabel =
      Named(new QLabel(tr("Grid Line Color"), this), "LineLabel", {180, 106, 144, 20});
  lineBox_ = MakeSwatch("LineBox", {180, 128, 26, 26}, lineLabel->text());
  changeLine_ = Named(new QPushButton(tr("Ch&ange Color", "grid lines"), this), "ChangeLine",
                      {214, 126, 116, 30});
  auto* widthLabel =
      Named(new QLabel(tr("Puzzle Line Width"), this), "LineWidthLabel", {180, 172, 144, 20});
  lineWidth_ = Named(new QLineEdit(this), "LineWidth", {180, 194, 44, 26});
  widthLabel->setBuddy(lineWidth_);
  // Two buttons read the same: each is told which colour it changes.
  changeColor_->setAccessibleDescription(blockLabel->text());
  changeLine_->setAccessibleDescription(lineLabel->text());
  lineWidth_->setMaxLength(1);
  for (QPushButton* b : {changeColor_, changeLine_}) b->setAutoDefault(false);

  connect(transparent_, &QCheckBox::clicked, this, &GridPropertiesDialog::TransparentClick);
  connect(lowerCase_, &QCheckBox::clicked, this, &GridPropertiesDialog::LowerCaseClick);
  connect(useGrid_, &QCheckBox::clicked, this, &GridPropertiesDialog::UseGridClick);
  connect(changeColor_, &QPushButton::clicked, this, &GridPropertiesDialog::ChangeColorClick);
  connect(changeLine_, &QPushButton::clicked, this, &GridPropertiesDialog::ChangeLineClick);
}

void GridPropertiesDialog::FillControls() {
  transparent_->setChecked(object_.optionB != 0);
  lowerCase_->setChecked(object_.lowerCase != 0);
  useGrid_->setChecked(object_.optionA != 0);
  PaintSwatch(blockBox_, object_.backgroundColor);
  PaintSwatch(lineBox_, object_.gridLineColor);
  lineWidth_->setText(QString::number(object_.lineWidth));
  DisableEnable();
}

void GridPropertiesDialog::DisableEnable() {
  changeLine_->setEnabled(useGrid_->isChecked());
  lineWidth_->setEnabled(useGrid_->isChecked());
  changeColor_->setEnabled(!transparent_->isChecked());
}

void GridPropertiesDialog::TransparentClick() {
  object_.optionB = transparent_->isChecked() ? 1 : 0;
  DisableEnable();
}

void GridPropertiesDialog::LowerCaseClick() {
  object_.lowerCase = lowerCase_->isChecked() ? 1 : 0;
}

void GridPropertiesDialog::UseGridClick() {
  object_.optionA = useGrid_->isChecked() ? 1 : 0;
  DisableEnable();
}

void GridPropertiesDialog::ChangeColorClick() {
  ChangeColorOf(object_.backgroundColor, blockBox_);
}

void GridPropertiesDialog::ChangeLineClick() {
  ChangeColorOf(object_.gridLineColor, lineBox_);
}

void GridPropertiesDialog::OkButtonClick() {
  const std::optional<int> width =
      ReadCountBox(lineWidth_, QT_TRANSLATE_NOOP("gw::Messages", "Invalid width entered."));
  if (!width) return;
  object_.lineWidth = *width;
  Accept();
}

}  // namespace gw
