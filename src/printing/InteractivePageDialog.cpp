// The interactive web page dialog: "Interactive Web Page".
#include "printing/InteractivePageDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "base/Settings.h"
#include "base/TextUtils.h"
#include "page/InteractiveExport.h"
#include "page/InteractivePage.h"
#include "page/PrintJob.h"
#include "widgets/DesktopFiles.h"
#include "widgets/FileDialogs.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"

namespace gw {

InteractivePageDialog::InteractivePageDialog(const FinishedJob& job, QWidget* parent)
    : QDialog(parent), job_(job) {
  setWindowTitle(tr("Interactive Web Page"));
  SetHelpTopic(this, "Interactive Web Page");
  resize(480, 228);
  setFont(DesignFont(17));

  auto* explanation = Named(
      new QLabel(tr("One web page that pupils solve in any browser, on a computer, tablet or "
                    "phone: they drag across the words they find. The word list is as the print "
                    "options show it."),
                 this),
      "Explanation", QRect(16, 12, 448, 84));
  explanation->setWordWrap(true);
  explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  const SettingsValues& s = AppSettings();
  showAnswers_ = Named(new QCheckBox(tr("&Show answers button"), this), "ShowAnswersBox",
                       QRect(16, 104, 448, 26));
  showAnswers_->setChecked(s.interactiveShowAnswers);
  openWhenSaved_ = Named(new QCheckBox(tr("&Open in the browser when saved"), this),
                         "OpenWhenSavedBox", QRect(16, 136, 448, 26));
  openWhenSaved_->setChecked(s.interactiveOpenWhenSaved);

  auto* save = Named(new QPushButton(tr("&Save..."), this), "SaveButton", QRect(124, 182, 100, 30));
  save->setDefault(true);
  connect(save, &QPushButton::clicked, this, &InteractivePageDialog::SaveButtonClick);
  auto* cancel =
      Named(new QPushButton(tr("&Cancel"), this), "CancelButton", QRect(256, 182, 100, 30));
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  PlaceDialog(this, false);
  save->setFocus();
}

void InteractivePageDialog::SaveButtonClick() {
  SettingsValues& s = AppSettings();
  s.interactiveShowAnswers = showAnswers_->isChecked();
  s.interactiveOpenWhenSaved = openWhenSaved_->isChecked();
  const std::optional<std::string> name =
      RunFileDialog(this, FileDialogRequest::ForSave(
                              tr("Save Interactive Web Page").toStdString(),
                              tr("Web Page (*.html)|*.html|Web Page (*.htm)|*.htm").toStdString(),
                              "html", s.lastInteractivePageFile));
  if (!name) return;
  s.lastInteractivePageFile = Cut(*name, kRememberedFileLength);

  InteractivePageOptions options;
  options.print = job_.options;
  options.showAnswers = s.interactiveShowAnswers;
  options.key = InteractivePageKey(std::nullopt);
  const OpResult saved = SaveWebPages({{*name, InteractivePageText(*job_.puzzle, options)}});
  if (!saved.ok) {
    ShowMessage(saved.message, saved.caption);
    return;
  }
  if (s.interactiveOpenWhenSaved && !OpenWithDesktop(*name))
    ShowMessage(tr("The page was saved, but no browser could be started to show it."), "Warning");
  accept();
}

}  // namespace gw
