// The export selection window.
#include "app/ExportPuzzlesDialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/PuzzlePickList.h"
#include "base/Settings.h"
#include "storage/GroupExchange.h"
#include "storage/StoredKinds.h"
#include "widgets/FileDialogs.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"

namespace gw {

ExportPuzzlesDialog::ExportPuzzlesDialog(AppState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
  setWindowTitle(tr("Export Word Search Puzzles"));
  SetHelpTopic(this, "Export Puzzles");
  resize(480, 396);
  setFont(DesignFont(15));

  auto* heading = Named(new QLabel(tr("Puzzles Available For Export"), this), "PuzzlesLabel",
                        QRect(12, 14, 456, 24));
  heading->setFont(DesignFont(17, true));
  heading->setProperty("gwKeepDesignFont", true);

  auto* save = Named(new QPushButton(tr("Save &File"), this), "SaveFile", QRect(276, 350, 92, 30));
  auto* exit = Named(new QPushButton(tr("&Exit"), this), "ExitButton", QRect(376, 350, 92, 30));
  save->setDefault(true);
  connect(save, &QPushButton::clicked, this, &ExportPuzzlesDialog::SaveFileClick);
  connect(exit, &QPushButton::clicked, this, &QDialog::reject);

  list_ = new PuzzlePickList(this, QRect(12, 42, 456, 296), 350, save);
  list_->Fill(state_.groupFile);
  list_->Box()->setAccessibleName(heading->text());
  PlaceDialog(this, false);
}

void ExportPuzzlesDialog::SaveFileClick() {
  const std::vector<int> records = list_->SelectedRecords();
  if (records.empty()) {
    ShowMessage(tr("No puzzles have been selected for export."), "Error");
    return;
  }
  SettingsValues& settings = AppSettings();
  const std::optional<std::string> name =
      RunFileDialog(this, FileDialogRequest::ForSave(tr("Save Word Search Puzzles").toStdString(),
                                                     tr("QUARL Files (*.QL3)|*.QL3").toStdString(),
                                                     "QL3", settings.lastExportPuzzleFile));
  if (!name) {
    reject();
    return;
  }
  settings.lastExportPuzzleFile = *name;
  // Replacing the open group with a few of its own puzzles would throw the others away.
  if (SameFile(*name, state_.groupFile)) {
    ShowMessage(tr("Export File cannot be the same as the currently open file."), "Error");
    return;
  }
  if (RunAndReport([&] { return ExportPuzzles(state_.groupFile, records, *name); })) accept();
}

}  // namespace gw
