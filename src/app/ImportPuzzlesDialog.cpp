// The import selection window.
#include "app/ImportPuzzlesDialog.h"

#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/PuzzlePickList.h"
#include "storage/GroupExchange.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"

namespace gw {

ImportPuzzlesDialog::ImportPuzzlesDialog(AppState& state, const std::string& fileName,
                                         QWidget* parent)
    : QDialog(parent), state_(state), fileName_(fileName) {
  setWindowTitle(tr("Import Word Search Puzzles"));
  SetHelpTopic(this, "Import Puzzles");
  resize(480, 420);
  setFont(DesignFont(15));

  // The home folder reads "~", and a path too long for the line loses its middle; the tooltip
  // holds it whole.
  const QString path = QString::fromLocal8Bit(fileName.c_str());
  const QString home = QDir::homePath() + QLatin1Char('/');
  const QString shown =
      tr("File Name: %1")
          .arg(path.startsWith(home) ? QStringLiteral("~/") + path.mid(home.size()) : path);
  auto* name = Named(new QLabel(this), "FileNameLabel", QRect(12, 10, 456, 22));
  name->setText(QFontMetrics(font()).elidedText(shown, Qt::ElideMiddle, name->width()));
  name->setToolTip(path);
  auto* heading =
      Named(new QLabel(tr("Puzzles in File"), this), "PuzzlesLabel", QRect(12, 40, 456, 24));
  heading->setFont(DesignFont(17, true));
  heading->setProperty("gwKeepDesignFont", true);

  auto* ok = Named(new QPushButton(tr("&Ok"), this), "OkButton", QRect(276, 374, 92, 30));
  auto* cancel =
      Named(new QPushButton(tr("&Cancel"), this), "CancelButton", QRect(376, 374, 92, 30));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &ImportPuzzlesDialog::OkButtonClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  list_ = new PuzzlePickList(this, QRect(12, 66, 456, 296), 374, ok);
  list_->Fill(fileName_);
  list_->Box()->setAccessibleName(heading->text());
  PlaceDialog(this, false);
}

std::string ImportPuzzlesDialog::FirstTitle() const {
  return list_->Title(0);
}

void ImportPuzzlesDialog::OkButtonClick() {
  const std::vector<int> records = list_->SelectedRecords();
  if (records.empty()) {
    ShowMessage(tr("No puzzles have been selected for import."), "Error");
    return;
  }
  if (!RunAndReport([&] { return ImportPuzzles(fileName_, records, state_.groupFile); })) {
    reject();
    return;
  }
  firstCategory_ = list_->Category(records.front());
  firstTitle_ = list_->FirstSelectedTitle();
  accept();
}

}  // namespace gw
