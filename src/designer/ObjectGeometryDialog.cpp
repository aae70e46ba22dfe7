// The size and position dialog of a layout object.
#include "designer/ObjectGeometryDialog.h"

#include <QLabel>
#include <QLineEdit>

#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "layouts/LayoutDesign.h"
#include "widgets/FormLayout.h"
#include "widgets/Messages.h"

namespace gw {

ObjectGeometryDialog::ObjectGeometryDialog(const LayoutObject& object, int u, bool inches,
                                           int pixelWidth, int pixelHeight, QWidget* parent)
    : ObjectDialog(object, tr("Size & Location of %1").arg(ToQString(object.objectName.Get())), 300,
                   200, parent),
      u_(u > 0 ? u : 1),
      inches_(inches),
      pixelWidth_(pixelWidth),
      pixelHeight_(pixelHeight) {
  valueCaption_ = Named(new QLabel(this), "ValueCaption", {16, 12, 268, 22});
  valueCaption_->setFont(DesignFont(15, true));
  valueCaption_->setAlignment(Qt::AlignCenter);
  struct Box {
    QLineEdit** box;
    const char* name;
    const char* label;
    int left, top;
  };
  const Box boxes[] = {
      {&leftPos_, "LeftPos", QT_TR_NOOP("Left"), 16, 46},
      {&topPos_, "TopPos", QT_TR_NOOP("Top"), 156, 46},
      {&widthSize_, "WidthSize", QT_TR_NOOP("Width"), 16, 100},
      {&heightSize_, "HeightSize", QT_TR_NOOP("Height"), 156, 100},
  };
  for (const Box& b : boxes) {
    auto* label = Named(new QLabel(tr(b.label), this), (std::string(b.name) + "Label").c_str(),
                        {b.left, b.top, 128, 20});
    *b.box = Named(new QLineEdit(this), b.name, {b.left, b.top + 20, 128, 26});
    label->setBuddy(*b.box);
    (*b.box)->setMaxLength(6);
  }
}

void ObjectGeometryDialog::FillControls() {
  valueCaption_->setText(inches_ ? tr("Values In Inches") : tr("Values In Centimeters"));
  const UnitBox box = BoundsInUnits(object_.bounds, u_);
  const std::pair<QLineEdit*, double> values[] = {
      {leftPos_, box.left}, {topPos_, box.top}, {widthSize_, box.width}, {heightSize_, box.height}};
  for (const auto& [edit, value] : values) {
    const QString text = QString::fromStdString(FormatPlain(value, 1, 3));
    // A value the box cannot hold whole (an object far off the page) is shown whole all the same.
    edit->setMaxLength(std::max(6, static_cast<int>(text.size())));
    edit->setText(text);
  }
  leftPos_->setFocus();
}

void ObjectGeometryDialog::OkButtonClick() {
  const SizeEntry entry =
      ReadSizeEntry(FromQString(leftPos_->text()), FromQString(topPos_->text()),
                    FromQString(widthSize_->text()), FromQString(heightSize_->text()));
  if (entry.failed >= 0) {
    ShowMessage(entry.message, "Error");
    QLineEdit* boxes[] = {leftPos_, topPos_, widthSize_, heightSize_};
    boxes[entry.failed]->setFocus();
    return;
  }
  object_.bounds = BoundsFromUnits(entry.box, u_);
  if (!CornerOnPage(object_.bounds, pixelWidth_, pixelHeight_) &&
      ShowMessage(tr("The location you have specified will place the object off the page.  Do "
                     "you wish abort your changes?"),
                  "Warning", MsgButtons::YesNo) == MsgResult::Yes)
    return;
  Accept();
}

}  // namespace gw
