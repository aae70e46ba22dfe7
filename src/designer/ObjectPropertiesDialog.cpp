// The properties dialog of the text-like objects and of bitmaps.
#include "designer/ObjectPropertiesDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "base/TextCodec.h"
#include "widgets/FormLayout.h"

namespace gw {

ObjectPropertiesDialog::ObjectPropertiesDialog(const LayoutObject& object, QWidget* parent)
    : ObjectDialog(object, tr("Properties for %1").arg(ToQString(object.objectName.Get())), 320,
                   184, parent) {
  const bool bitmap = object.kind == kKindBitmap;
  transparent_ =
      Named(new QCheckBox(bitmap ? tr("&Tile Bitmap") : tr("&Transparent Background"), this),
            "Transparent", {16, 14, 288, 24});
  makeFit_ = Named(new QCheckBox(tr("&Make It Fit (Auto-Shrink Font)"), this), "MakeFit",
                   {16, 44, 288, 24});
  columnsLabel_ =
      Named(new QLabel(tr("Number of Columns"), this), "NumColumnsLabel", {16, 82, 170, 20});
  numColumns_ = Named(new QLineEdit(this), "NumColumns", {190, 79, 44, 26});
  numColumns_->setMaxLength(1);
  columnsLabel_->setBuddy(numColumns_);
  // Only a word list has columns; a picture has no font to shrink.
  const bool words = object.kind == kKindWords;
  columnsLabel_->setVisible(words);
  numColumns_->setVisible(words);
  numColumns_->setEnabled(words);
  makeFit_->setVisible(!bitmap);
  connect(transparent_, &QCheckBox::clicked, this, &ObjectPropertiesDialog::TransparentClick);
  connect(makeFit_, &QCheckBox::clicked, this, &ObjectPropertiesDialog::MakeFitClick);
}

void ObjectPropertiesDialog::FillControls() {
  transparent_->setChecked(object_.optionA != 0);
  makeFit_->setChecked(object_.makeItFit != 0);
  numColumns_->setText(QString::number(object_.columns));
}

void ObjectPropertiesDialog::TransparentClick() {
  object_.optionA = transparent_->isChecked() ? 1 : 0;
}

void ObjectPropertiesDialog::MakeFitClick() {
  object_.makeItFit = makeFit_->isChecked() ? 1 : 0;
}

void ObjectPropertiesDialog::OkButtonClick() {
  if (object_.kind == kKindWords) {
    const std::optional<int> columns =
        ReadCountBox(numColumns_, QT_TRANSLATE_NOOP("gw::Messages", "Invalid columns entered."));
    if (!columns) return;
    object_.columns = static_cast<int16_t>(*columns);
  }
  Accept();
}

}  // namespace gw
