// The JPEG factor dialog: "JPEG Factor".
#include "printing/JpegQualityDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/Settings.h"
#include "base/TextCodec.h"
#include "printing/PreviewModel.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"

namespace gw {

JpegQualityDialog::JpegQualityDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("JPEG Factor"));
  SetHelpTopic(this, "JPEG");
  resize(480, 222);
  setFont(DesignFont(17));

  auto* explanation = Named(
      new QLabel(tr("When the Factor is high, the image will be sharper, but the file size will "
                    "be larger.  If the factor is lower, then the file size will be smaller, but "
                    "the image will not be as sharp."),
                 this),
      "Explanation", QRect(16, 12, 448, 92));
  explanation->setWordWrap(true);
  explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  auto* label = Named(new QLabel(tr("JPEG Compression/Quality Factor (Range: 1 - 100)"), this),
                      "FactorLabel", QRect(16, 112, 448, 24));
  factor_ = Named(new QLineEdit(QString::number(AppSettings().jpegQuality), this), "JpegFactor",
                  QRect(16, 138, 72, 28));
  factor_->setMaxLength(3);
  label->setBuddy(factor_);

  auto* ok = Named(new QPushButton(tr("&Ok"), this), "OkButton", QRect(124, 178, 100, 30));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &JpegQualityDialog::OkButtonClick);
  auto* cancel =
      Named(new QPushButton(tr("&Cancel"), this), "CancelButton", QRect(256, 178, 100, 30));
  connect(cancel, &QPushButton::clicked, this, &JpegQualityDialog::CancelButtonClick);

  PlaceDialog(this, false);
  factor_->selectAll();
  factor_->setFocus();
}

void JpegQualityDialog::OkButtonClick() {
  const std::optional<int> quality = QualityFromText(FromQString(factor_->text()));
  if (!quality) {
    ShowMessage(tr("Invalid factor entered.  Factor must be between 1 and 100"), "Error");
    factor_->setFocus();
    factor_->selectAll();
    return;
  }
  AppSettings().jpegQuality = *quality;
  accept();
}

void JpegQualityDialog::CancelButtonClick() {
  reject();
}

}  // namespace gw
