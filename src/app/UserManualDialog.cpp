// User manual notice.
#include "app/UserManualDialog.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include "base/TextCodec.h"
#include "widgets/FormLayout.h"
#include "widgets/Messages.h"

namespace gw {

namespace {
std::function<bool(const std::string&)>& Opener() {
  static std::function<bool(const std::string&)> opener;
  return opener;
}
}  // namespace

void UserManualDialog::SetOpener(std::function<bool(const std::string&)> opener) {
  Opener() = std::move(opener);
}

UserManualDialog::UserManualDialog(const AppPaths& paths, QWidget* parent)
    : QDialog(parent), paths_(paths) {
  setWindowTitle(tr("User Manual Notice"));
  resize(380, 160);
  setFont(DesignFont(15));

  auto* notice = new QLabel(
      tr("The user manual opens in your document viewer, where you can read and print it. Press "
         "Ok to open it now."),
      this);
  notice->setObjectName(QStringLiteral("Notice"));
  notice->setGeometry(16, 16, 348, 80);
  notice->setWordWrap(true);

  auto* ok = new QPushButton(tr("&Ok"), this);
  ok->setObjectName(QStringLiteral("OkButton"));
  ok->setGeometry(96, 114, 88, 28);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &UserManualDialog::OkClick);
  auto* cancel = new QPushButton(tr("&Cancel"), this);
  cancel->setObjectName(QStringLiteral("CancelButton"));
  cancel->setGeometry(196, 114, 88, 28);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  PlaceDialog(this, false);
}

void UserManualDialog::OkClick() {
  const std::string manual = paths_.DocFile(kManualFileName);
  if (QFileInfo::exists(QString::fromLocal8Bit(manual.c_str()))) {
    const bool opened = Opener() ? Opener()(manual)
                                 : QDesktopServices::openUrl(
                                       QUrl::fromLocalFile(QString::fromLocal8Bit(manual.c_str())));
    if (!opened)
      ShowMessage(tr("No program to show the user manual could be started.  The manual is %1; "
                     "open it with any program that reads PDF documents.")
                      .arg(QString::fromLocal8Bit(manual.c_str())),
                  "Error");
  } else {
    ShowMessage(tr("The User Manual could not be located.  Please make sure the user manual was "
                   "installed.  A copy is available at our web site."),
                "Error");
  }
  accept();
}

}  // namespace gw
