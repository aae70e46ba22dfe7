// The layout object dialogs' shared frame: copy, "&Ok" and "&Cancel", colour swatches.
#include "designer/ObjectDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/TextCodec.h"
#include "layouts/LayoutDesign.h"
#include "widgets/Choosers.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"

namespace gw {

ObjectDialog::ObjectDialog(const LayoutObject& object, const QString& caption, int width,
                           int height, QWidget* parent)
    : QDialog(parent), object_(object), caption_(caption) {
  setWindowTitle(caption_);
  SetHelpTopic(this, "Layout objects");
  resize(width, height);
  setFont(DesignFont(15));
  auto* ok = ok_ =
      Named(new QPushButton(tr("&Ok"), this), "OkButton", {width - 188, height - 40, 86, 30});
  auto* cancel = cancel_ = Named(new QPushButton(tr("&Cancel"), this), "CancelButton",
                                 {width - 94, height - 40, 86, 30});
  ok->setDefault(true);
  cancel->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, [this] { OkButtonClick(); });
  connect(cancel, &QPushButton::clicked, this, &ObjectDialog::CancelButtonClick);
}

void ObjectDialog::showEvent(QShowEvent* event) {
  if (!shown_) FormShow();
  QDialog::showEvent(event);
}

void ObjectDialog::FormShow() {
  shown_ = true;
  PlaceDialog(this, false);
  FillControls();
  // "&Ok" and "&Cancel" are made first, by this frame, yet Tab comes round to them after the
  // boxes; the first box takes the focus unless the dialog chose one.
  if (!focusWidget() || focusWidget() == ok_ || focusWidget() == cancel_)
    for (QWidget* w = cancel_->nextInFocusChain(); w != ok_; w = w->nextInFocusChain())
      if (w->parentWidget() == this && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
        w->setFocus();
        break;
      }
  accepted_ = false;
  setWindowTitle(caption_);
}

void ObjectDialog::Accept() {
  accepted_ = true;
  accept();
}

void ObjectDialog::CancelButtonClick() {
  accepted_ = false;
  reject();
}

QLabel* ObjectDialog::MakeSwatch(const char* name, const QRect& design, const QString& caption) {
  auto* swatch = Named(new QLabel(this), name, design);
  swatch->setAccessibleName(caption);
  swatch->setFrameShape(QFrame::Box);
  swatch->setAutoFillBackground(true);
  return swatch;
}

void ObjectDialog::PaintSwatch(QLabel* swatch, uint32_t color) {
  QPalette palette = swatch->palette();
  palette.setColor(QPalette::Window, ColorFromWin(static_cast<int32_t>(color)));
  swatch->setPalette(palette);
  // A screen reader cannot see the swatch: it is told the colour's value.
  swatch->setAccessibleDescription(ColorFromWin(static_cast<int32_t>(color)).name());
}

void ObjectDialog::ChangeColorOf(uint32_t& field, QLabel* swatch) {
  const std::optional<QColor> chosen = ChooseColor(this, ColorFromWin(static_cast<int32_t>(field)));
  if (!chosen) return;
  field = static_cast<uint32_t>(ColorToWin(*chosen));
  PaintSwatch(swatch, field);
}

std::optional<int> ObjectDialog::ReadCountBox(QLineEdit* box, const char* message) {
  const std::optional<int> value = ReadCount(FromQString(box->text()));
  if (!value) {
    ShowMessage(message, "Error");
    box->setFocus();
  }
  return value;
}

bool RunObjectDialog(ObjectDialog& dialog) {
  dialog.exec();
  return dialog.Accepted();
}

}  // namespace gw
