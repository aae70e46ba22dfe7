// The metafile window: "Metafile Creation".
#include "printing/MetafileExportDialog.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "widgets/Announce.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"

namespace gw {

MetafileExportDialog::MetafileExportDialog(const FinishedJob& job, MetafileKind kind,
                                           std::string fileName, QWidget* parent)
    : QDialog(parent), job_(job), kind_(kind), fileName_(std::move(fileName)) {
  setWindowTitle(tr("Metafile Creation"));
  SetHelpTopic(this, "Metafile");
  resize(340, 110);
  setFont(DesignFont(17));

  label_ = Named(new QLabel(tr("Creating Metafile...  Please Wait."), this), "MetaLabel",
                 QRect(16, 16, 308, 28));
  label_->setAlignment(Qt::AlignCenter);
  ok_ = Named(new QPushButton(tr("&Ok"), this), "OkButton", QRect(120, 62, 100, 30));
  ok_->setDefault(true);
  ok_->setVisible(false);
  ok_->setEnabled(false);
  connect(ok_, &QPushButton::clicked, this, &MetafileExportDialog::OkButtonClick);

  PlaceDialog(this, false);
}

void MetafileExportDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The work starts once the window is on screen, so the user sees what is being waited for.
  if (!started_) QTimer::singleShot(0, this, &MetafileExportDialog::FormActivate);
}

void MetafileExportDialog::FormActivate() {
  if (started_) return;
  started_ = true;
  // Paint the waiting message before the drawing takes the thread.
  label_->repaint();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  result_ = SaveMetafile(fileName_, kind_, job_);
  QApplication::restoreOverrideCursor();
  if (!result_.ok) {
    ShowMessage(result_.message, result_.caption);
    reject();
    return;
  }
  label_->setText(tr("Metafile Created"));
  AnnounceStatus(this, label_->text());
  ok_->setVisible(true);
  ok_->setEnabled(true);
  ok_->setFocus();
}

void MetafileExportDialog::OkButtonClick() {
  accept();
}

}  // namespace gw
