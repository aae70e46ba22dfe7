// The versions window: "Make Versions".
#include "generator/MakeVersionsDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "base/TextCodec.h"
#include "widgets/Announce.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"

namespace gw {

MakeVersionsDialog::MakeVersionsDialog(VersionRequest request, QWidget* parent)
    : QDialog(parent), request_(std::move(request)) {
  setObjectName(QStringLiteral("MakeVersions"));
  setWindowTitle(tr("Make Versions"));
  SetHelpTopic(this, "Make Versions");
  resize(480, 170);
  setFont(DesignFont(17));

  const QString title = ToQString(request_.base ? request_.base->title.Get() : std::string());
  auto* label = Named(new QLabel(tr("How many versions of %1?").arg(title), this), "CountLabel",
                      QRect(16, 12, 350, 52));
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  count_ = Named(new QSpinBox(this), "CountSpin", QRect(382, 22, 82, 30));
  count_->setRange(kMinVersions, kMaxVersions);
  count_->setValue(4);
  // The question names the puzzle; the box is read out as how many versions.
  count_->setAccessibleName(tr("Number of versions"));
  status_ = Named(new QLabel(tr("Each gets its own grid and a letter after its title."), this),
                  "StatusLabel", QRect(16, 74, 448, 26));
  make_ = Named(new QPushButton(tr("&Make"), this), "MakeButton", QRect(120, 124, 100, 30));
  make_->setDefault(true);
  cancel_ = Named(new QPushButton(tr("&Cancel"), this), "CancelButton", QRect(260, 124, 100, 30));
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
  cancel_->setText(tr("&Abort"));
  QApplication::setOverrideCursor(Qt::BusyCursor);
  outcome_ = MakeVersions(request_, this);
  QApplication::restoreOverrideCursor();
  running_ = false;
  count_->setEnabled(true);
  make_->setEnabled(true);
  cancel_->setText(tr("&Cancel"));
  if (outcome_.aborted) {
    status_->setText(tr("Aborted: no version was kept."));
    AnnounceStatus(this, status_->text());
    return;
  }
  if (!outcome_.failure.empty()) {
    status_->clear();
    ShowMessage(TranslatedMessage(outcome_.failure) + QLatin1Char('.'), "Error");
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
  version_ = tr("Version %1 of %2").arg(QChar('A' + version)).arg(count);
  status_->setText(version_);
}

void MakeVersionsDialog::AttemptStarting(int attempt) {
  status_->setText(tr("%1: creation attempt #%2").arg(version_).arg(attempt));
  // The status line is painted and Abort heard between the attempts of the run.
  QCoreApplication::processEvents();
}

bool MakeVersionsDialog::AbortRequested() {
  QCoreApplication::processEvents();
  return abort_;
}

}  // namespace gw
