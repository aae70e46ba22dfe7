// The text dialog of a text object.
#include "designer/ObjectTextDialog.h"

#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>

#include "base/TextCodec.h"
#include "layouts/LayoutDesign.h"
#include "widgets/FormLayout.h"

namespace gw {

ObjectTextDialog::ObjectTextDialog(const LayoutObject& object, QWidget* parent)
    : ObjectDialog(object, tr("Text"), 440, 280, parent) {
  dataField_ = Named(new QPlainTextEdit(this), "DataField", {12, 12, 416, 216});
  dataField_->setTabChangesFocus(true);
  dataField_->setAccessibleName(tr("Text"));
  connect(dataField_, &QPlainTextEdit::textChanged, this, &ObjectTextDialog::LimitText);
}

void ObjectTextDialog::FillControls() {
  const QSignalBlocker quiet(dataField_);
  dataField_->setPlainText(ToQString(TextForEditing(ObjectText(object_))));
  dataField_->moveCursor(QTextCursor::End);
  dataField_->setFocus();
}

bool ObjectTextDialog::Fits() const {
  const std::string edited = FromQString(dataField_->toPlainText());
  return TextForEditing(TextForRecord(edited, kMaxObjectText)) == TextForEditing(edited);
}

void ObjectTextDialog::LimitText() {
  if (Fits()) return;
  const QSignalBlocker quiet(dataField_);
  // What was typed or pasted last does not fit: take it back rather than cut the text's end.
  dataField_->undo();
  if (Fits()) return;
  const std::string kept = TextForRecord(FromQString(dataField_->toPlainText()), kMaxObjectText);
  dataField_->setPlainText(ToQString(TextForEditing(kept)));
  dataField_->moveCursor(QTextCursor::End);
}

void ObjectTextDialog::OkButtonClick() {
  SetObjectText(object_, TextForRecord(FromQString(dataField_->toPlainText()), kMaxObjectText));
  Accept();
}

}  // namespace gw
