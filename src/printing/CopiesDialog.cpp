// The copies dialog: "Multi-Copies".
#include "printing/CopiesDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/TextCodec.h"
#include "printing/PreviewModel.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"

namespace gw {

CopiesDialog::CopiesDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Multi-Copies"));
  SetHelpTopic(this, "Copies");
  resize(270, 116);
  setFont(DesignFont(17));

  auto* label =
      Named(new QLabel(tr("Copies To Print"), this), "CopiesLabel", QRect(16, 22, 150, 24));
  numCopies_ = Named(new QLineEdit(QStringLiteral("1"), this), "NumCopies", QRect(176, 20, 56, 28));
  numCopies_->setMaxLength(3);
  label->setBuddy(numCopies_);

  auto* ok = Named(new QPushButton(tr("&Ok"), this), "OkButton", QRect(24, 70, 100, 30));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &CopiesDialog::OkButtonClick);
  auto* cancel =
      Named(new QPushButton(tr("&Cancel"), this), "CancelButton", QRect(144, 70, 100, 30));
  connect(cancel, &QPushButton::clicked, this, &CopiesDialog::CancelButtonClick);

  PlaceDialog(this, false);
  numCopies_->selectAll();
  numCopies_->setFocus();
}

void CopiesDialog::OkButtonClick() {
  const std::optional<int> copies = CopiesFromText(FromQString(numCopies_->text()));
  if (!copies) {
    ShowMessage(tr("Invalid number of copies entered."), "Error");
    numCopies_->setFocus();
    numCopies_->selectAll();
    return;
  }
  copies_ = *copies;
  accept();
}

void CopiesDialog::CancelButtonClick() {
  reject();
}

}  // namespace gw
