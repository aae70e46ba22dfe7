// The versions window: "Make Versions".
#include "generator/MakeVersionsDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "base/TextCodec.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"

namespace gw {

MakeVersionsDialog::MakeVersionsDialog(VersionRequest request, QWidget* parent)
    : QDialog(parent), request_(std::move(request)) {
  setObjectName(QStringLiteral("MakeVersions"));
  setWindowTitle(QStringLiteral("Make Versions"));
  SetHelpTopic(this, "Make Versions");
  resize(480, 170);
  setFont(DesignFont(17));

  const QString title = ToQString(request_.base ? request_.base->title.Get() : std::string());
  auto* label =
      Named(new QLabel(QStringLiteral("How many versions of ") + title + QStringLiteral("?"), this),
            "CountLabel", QRect(16, 12, 350, 52));
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  count_ = Named(new QSpinBox(this), "CountSpin", QRect(382, 22, 82, 30));
  count_->setRange(kMinVersions, kMaxVersions);
  count_->setValue(4);
  status_ = Named(
      new QLabel(QStringLiteral("Each gets its own grid and a letter after its title."), this),
      "StatusLabel", QRect(16, 74, 448, 26));
  make_ =
      Named(new QPushButton(QStringLiteral("&Make"), this), "MakeButton", QRect(120, 124, 100, 30));
  make_->setDefault(true);
  cancel_ = Named(new QPushButton(QStringLiteral("&Cancel"), this), "CancelButton",
                  QRect(260, 124, 100, 30));
  connect(make_, &QPushButton::clicked, this, &MakeVersionsDialog::MakeClick);
  connect(cancel_, &QPushButton::clicked, this, &MakeVersionsDialog::CancelClick);
  PlaceDialog(this, false);
}

MakeVersionsDialog::~MakeVersionsDialog() = default;

void MakeVersionsDialog::SetCount(int count) {
  count_->setValue(count);
}

void MakeVersionsDialog::MakeClick() {
  if (running_) return;
  request_.count = count_->value();
  running_ = true;
  abort_ = false;
  count_->setEnabled(false);
  make_->setEnabled(false);
  cancel_->setText(QStringLiteral("&Abort"));
  QApplication::setOverrideCursor(Qt::BusyCursor);
  outcome_ = MakeVersions(request_, this);
  QApplication::restoreOverrideCursor();
  running_ = false;
  count_->setEnabled(true);
  make_->setEnabled(true);
  cancel_->setText(QStringLiteral("&Cancel"));
  if (outcome_.aborted) {
    status_->setText(QStringLiteral("Aborted: no version was kept."));
    return;
  }
  if (!outcome_.failure.empty()) {
    status_->clear();
    ShowMessage(outcome_.failure + ".", "Error");
    return;
  }
  accept();
}

void MakeVersionsDialog::CancelClick() {
  if (running_)
    abort_ = true;
  else
    QDialog::reject();
}

// Escape and the title bar's close ask for the abort while the versions are being made.
void MakeVersionsDialog::reject() {
  CancelClick();
}

void MakeVersionsDialog::closeEvent(QCloseEvent* event) {
  if (running_) {
    abort_ = true;
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void MakeVersionsDialog::VersionStarting(int version, int count) {
  version_ = QStringLiteral("Version %1 of %2").arg(QChar('A' + version)).arg(count);
  status_->setText(version_);
}

void MakeVersionsDialog::AttemptStarting(int attempt) {
  status_->setText(version_ + QStringLiteral(": creation attempt #") + QString::number(attempt));
  // The status line is painted and Abort heard between the attempts of the run.
  QCoreApplication::processEvents();
}

bool MakeVersionsDialog::AbortRequested() {
  QCoreApplication::processEvents();
  return abort_;
}

}  // namespace gw
