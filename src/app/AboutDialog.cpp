// The About box: program name, version and what it does.
#include "app/AboutDialog.h"

#include <QLabel>
#include <QPushButton>

#include "widgets/FormLayout.h"
#include "widgets/SpeedIcons.h"

namespace gw {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("About"));
  resize(360, 218);
  setFont(DesignFont(15));

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("ProgramIcon"));
  icon->setGeometry(16, 16, 48, 48);
  icon->setPixmap(SpeedIcon("SpeedShape").pixmap(48, 48));

  auto* name = new QLabel(QStringLiteral("Gridwright 98"), this);
  name->setObjectName(QStringLiteral("ProductName"));
  name->setGeometry(80, 14, 260, 30);
  name->setFont(DesignFont(22, true));
  name->setProperty("gwKeepDesignFont", true);

  auto* version = new QLabel(tr("Version 3.0"), this);
  version->setObjectName(QStringLiteral("Version"));
  version->setGeometry(80, 44, 260, 22);

  auto* comments = new QLabel(
      tr("Builds printable word search puzzles from your own word lists, in any shape, with "
         "clues, hidden phrases and page layouts of your design."),
      this);
  comments->setObjectName(QStringLiteral("Comments"));
  comments->setGeometry(16, 80, 328, 80);
  comments->setWordWrap(true);

  auto* ok = new QPushButton(tr("&Ok"), this);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setGeometry(140, 176, 80, 28);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  PlaceDialog(this, false);
}

}  // namespace gw
